// The page: a view of one document held by the WebAssembly core. Every change goes through
// the core, as the desktop's windows go through theirs; the page only shows and asks.
'use strict';

(async function main() {
  const core = await TarnCore(window.TarnCoreOptions || {});
  const doc = new core.WebDocument();
  const Columns = 7;
  const FrequencyColumns = [1, 2];
  const ToneColumns = [3, 4];
  const PowerNames = ['Low', 'Middle', 'High'];
  const LockNames = ['Lock', 'UnLock'];
  const AppName = 'TARN';
  // The caption of the program's own message boxes, as the desktop's.
  const MessageCaption = core.messageCaption();
  const DemoPort = 'Demo radio';
  const ReadCaption = 'Reading Data Progress';
  const WriteCaption = 'Writing Data Progress';
  const hasSerial = 'serial' in navigator;
  const toneNames = list(doc.toneNames());

  const state = {
    fileName: 'Untitled.sin',
    fileHandle: null,
    row: 1,
    column: 1,
    anchor: 0,
    selectedRows: [],
    editor: null,
    transferring: false,
    marks: new Set(),
    // The channels the find bar shows; null while every channel shows.
    shown: null,
  };

  const $ = (id) => document.getElementById(id);
  const grid = $('grid');

  // ---- Names as the desktop's menus have them: no "&", nothing from the tab on.
  function plainName(text) {
    return text.split('\t')[0].replace(/&(.)/g, '$1');
  }

  function list(vector) {
    if (Array.isArray(vector)) return vector;
    const out = [];
    for (let i = 0; i < vector.size(); ++i) out.push(vector.get(i));
    vector.delete();
    return out;
  }

  // ---- Messages: every one is a modal dialog with the desktop's text.
  // focus: the index of the button that takes Enter at first (the question's default).
  function dialog(title, build, buttons, focus = 0) {
    return new Promise((resolve) => {
      const box = document.createElement('dialog');
      box.setAttribute('aria-label', title);
      const heading = document.createElement('h2');
      heading.textContent = title;
      box.append(heading);
      // A form's build may give back its check: what to say under the fields while its
      // first button (OK) cannot be pressed, as the desktop's dialogs say it.
      const check = build(box);
      const note = document.createElement('p');
      note.className = 'note';
      note.setAttribute('role', 'status');
      if (check) box.append(note);
      const row = document.createElement('div');
      row.className = 'buttons';
      for (const [label, value] of buttons) {
        const button = document.createElement('button');
        button.textContent = label;
        button.addEventListener('click', () => { box.close(); box.remove(); resolve(value); });
        row.append(button);
      }
      box.append(row);
      if (check) {
        const refreshNote = () => {
          note.textContent = check();
          row.firstChild.disabled = note.textContent !== '';
        };
        box.addEventListener('input', refreshNote);
        box.addEventListener('change', refreshNote);
        refreshNote();
      }
      box.addEventListener('cancel', (event) => {
        event.preventDefault();
        box.close(); box.remove(); resolve(buttons[buttons.length - 1][1]);
      });
      document.body.append(box);
      box.showModal();
      row.querySelectorAll('button')[focus].focus();
    });
  }

  // A warning, or with role 'dialog' a report for the user's information.
  function message(text, role = 'alertdialog') {
    return dialog(MessageCaption, (box) => {
      box.setAttribute('role', role);
      box.dataset.icon = role === 'alertdialog' ? 'warning' : 'information';
      const p = document.createElement('p');
      p.className = 'message';
      p.textContent = text;
      box.append(p);
    }, [['OK', true]]);
  }

  async function tell(result) {
    for (const text of list(result.messages)) await message(text);
    return result.ok;
  }

  // The core's buttons and answers, numbered as it numbers them.
  const Answer = {Ok: 0, Cancel: 1, Yes: 2, No: 3, Retry: 4};
  const Buttons = [
    [['OK', Answer.Ok]],
    [['OK', Answer.Ok], ['Cancel', Answer.Cancel]],
    [['Yes', Answer.Yes], ['No', Answer.No]],
    [['Yes', Answer.Yes], ['No', Answer.No], ['Cancel', Answer.Cancel]],
    [['Retry', Answer.Retry], ['Cancel', Answer.Cancel]],
  ];
  const Icons = ['', 'information', 'warning', 'error', 'question'];

  // A question of the core, as the desktop's message box asks it; resolves to the answer.
  // focus: the place of the button Enter presses at first.
  function ask(prompt, focus = 0) {
    return dialog(prompt.caption, (box) => {
      box.setAttribute('role', 'alertdialog');
      if (Icons[prompt.icon]) box.dataset.icon = Icons[prompt.icon];
      const p = document.createElement('p');
      p.className = 'message';
      p.textContent = prompt.text;
      box.append(p);
    }, Buttons[prompt.buttons] || Buttons[0], focus);
  }

  // Runs a core call that may stop at a question it could not wait for: the user answers it
  // here and the call runs again with every answer given so far. proceed(answer) may stop it
  // before it runs again (false: nothing more happens).
  async function withAnswers(call, proceed = async () => true) {
    const answers = [];
    for (;;) {
      for (const answer of answers) doc.giveAnswer(answer);
      const result = call();
      if (!result.question.asked) return result;
      for (const text of list(result.messages)) await message(text);
      const answer = await ask(result.question);
      if (!(await proceed(answer))) return {ok: false, messages: []};
      answers.push(answer);
    }
  }

  // ---- The grid: every channel's row is in the page.
  function buildGrid() {
    const headers = core.columnHeaders();
    grid.replaceChildren();
    const head = grid.createTHead().insertRow();
    head.setAttribute('aria-rowindex', 1);
    for (const name of headers) {
      const th = document.createElement('th');
      th.setAttribute('role', 'columnheader');
      th.textContent = name;
      head.append(th);
    }
    const body = grid.createTBody();
    for (let row = 1; row <= doc.channelCount(); ++row) {
      const tr = body.insertRow();
      tr.dataset.row = row;
      // Rows the find bar hides leave gaps; the index keeps each row's place in the grid.
      tr.setAttribute('aria-rowindex', row + 1);
      const th = document.createElement('th');
      th.setAttribute('role', 'rowheader');
      th.scope = 'row';
      th.textContent = doc.cellText(row, 0).trim();
      tr.append(th);
      for (let column = 1; column < Columns; ++column) {
        const td = tr.insertCell();
        td.setAttribute('role', 'gridcell');
        td.dataset.column = column;
      }
    }
    grid.setAttribute('aria-rowcount', doc.channelCount() + 1);
    // New rows are found again, as the desktop's table finds them after a reset.
    applyFind();
  }

  function cell(row, column) {
    return grid.tBodies[0].rows[row - 1].cells[column];
  }

  function refresh() {
    if (grid.tBodies[0].rows.length !== doc.channelCount()) return buildGrid();
    for (let row = 1; row <= doc.channelCount(); ++row) {
      const tr = grid.tBodies[0].rows[row - 1];
      tr.setAttribute('aria-selected', state.selectedRows.includes(row) ? 'true' : 'false');
      for (let column = 1; column < Columns; ++column) {
        const td = tr.cells[column];
        if (state.editor && state.editor.td === td) continue;
        td.textContent = doc.cellText(row, column);
        td.classList.toggle('differs', state.marks.has(`${row},${column}`));
        td.setAttribute('aria-selected', row === state.row && column === state.column);
        td.tabIndex = row === state.row && column === state.column ? 0 : -1;
      }
    }
    $('title').textContent = `${state.fileName}${doc.isModified() ? ' *' : ''}`;
    document.title = `${AppName} - ${state.fileName}`;
    updateCommands();
  }

  function moveTo(row, column, focus = true) {
    state.row = Math.min(Math.max(row, 1), doc.channelCount());
    state.column = Math.min(Math.max(column, 1), Columns - 1);
    refresh();
    if (focus && isShown(state.row)) cell(state.row, state.column).focus();
  }

  // ---- Find: the bar above the grid shows only the channels that hold its text, matched
  // by the core as the desktop matches them. The document and its file never see it.
  const ArrangedText = 'Found or sorted: Insert, Delete, Move, Sort and Fill are off';
  // They work on channels one after another, some of which the bar hides.
  const ChannelOrderCommands = ['Insert Channel', 'Delete Channel', 'Move Up', 'Move Down', 'Sort Channels...', 'Fill Channels...'];

  function isShown(row) {
    return !state.shown || state.shown.has(row);
  }

  // The shown channel that many rows away, or 0 past the ends.
  function rowBeside(row, by) {
    for (let next = row + by; next >= 1 && next <= doc.channelCount(); next += by) {
      if (isShown(next)) return next;
    }
    return 0;
  }

  function findText() {
    return $('findbar').hidden ? '' : $('find-text').value;
  }

  function applyFind() {
    const found = list(doc.findChannels(findText()));
    state.shown = doc.isFound() ? new Set(found) : null;
    const rows = grid.tBodies[0].rows;
    for (let row = 1; row <= rows.length; ++row) rows[row - 1].hidden = !isShown(row);
    state.selectedRows = state.selectedRows.filter(isShown);
    // The current cell stays on a shown channel: the next one down, else the last above.
    if (!isShown(state.row)) state.row = rowBeside(state.row, 1) || rowBeside(state.row, -1) || state.row;
    const text = findText().trim();
    $('find-count').textContent = !text ? '' : found.length === 0 ? `No channel matches "${text}".`
      : core.WebDocument.findCountText(found.length, doc.channelCount());
    $('statusbar').textContent = state.shown ? ArrangedText : '';
    refresh();
  }

  async function openFind() {
    // A value being typed goes in before rows may hide; a refused one keeps its editor.
    if (state.editor && !(await commitEditor())) return;
    $('findbar').hidden = false;
    $('find-text').focus();
    $('find-text').select();
    applyFind();
  }

  function closeFind() {
    $('findbar').hidden = true;
    $('find-text').value = '';
    applyFind();
    cell(state.row, state.column).focus();
  }

  $('find-text').addEventListener('input', async () => {
    if (state.editor && !(await commitEditor())) return;
    applyFind();
  });
  $('find-text').addEventListener('keydown', (event) => {
    if (event.key === 'Escape') {
      event.preventDefault();
      closeFind();
    } else if (event.key === 'Enter') {
      // On to the channels found.
      event.preventDefault();
      if (isShown(state.row)) cell(state.row, state.column).focus();
    }
  });
  $('find-close').addEventListener('click', closeFind);

  // ---- In-place editors, by the desktop grid's rules in the core: which key opens which
  // editor with what text, what Enter, Tab, Escape and leaving store, and where Enter walks.
  const Editor = {None: 0, Frequency: 1, Tone: 2, Power: 3, Lock: 4};
  const Key = {Mouse: 0, Enter: 13, Backspace: 8, Delete: 127};

  function stringList(values) {
    const vector = new core.StringList();
    for (const value of values) vector.push_back(value);
    return vector;
  }

  function matchIndex(items, text, exactStart) {
    const vector = stringList(items);
    const index = exactStart ? core.WebDocument.itemStartingWith(vector, text) : core.WebDocument.listIndexFor(vector, text);
    vector.delete();
    return index;
  }

  // Opens the current cell's editor; key is what opened it. A letter typed into a frequency
  // is told first, as the desktop tells it.
  async function openEditor(key = Key.Enter) {
    if (state.editor || !isShown(state.row)) return;
    const row = state.row;
    const column = state.column;
    const kind = core.WebDocument.editorFor(column);
    if (kind === Editor.None) return;
    const td = cell(row, column);
    const current = td.textContent;
    const typed = key >= 32 && key !== Key.Delete ? String.fromCodePoint(key) : '';
    let input;
    let selectAll = false;
    if (kind === Editor.Frequency) {
      const opening = doc.openFrequency(row, column, key);
      const messages = list(opening.messages);
      state.editor = {td, row, column, opening: true};
      for (const text of messages) await message(text);
      if (!state.editor || !state.editor.opening) return;
      input = document.createElement('input');
      input.value = opening.text;
      selectAll = opening.selectAll;
    } else if (kind === Editor.Tone) {
      input = document.createElement('input');
      input.setAttribute('list', 'tones');
      const names = toneNames.filter(Boolean);
      input.value = typed || (current ? names[matchIndex(names, current, false)] || current : '');
      selectAll = !typed;
    } else {
      const names = kind === Editor.Power ? PowerNames : LockNames;
      input = document.createElement('select');
      for (const name of names) input.add(new Option(name, name));
      let index = matchIndex(names, current, false);
      if (typed) {
        const match = matchIndex(names, typed, true);
        if (match >= 0) index = match;
      }
      input.value = names[index];
    }
    input.setAttribute('aria-label', core.columnHeaders()[column]);
    state.editor = {td, input, row, column};
    td.replaceChildren(input);
    input.focus();
    if (input.setSelectionRange) {
      if (selectAll) input.select();
      else input.setSelectionRange(input.value.length, input.value.length);
    }
    input.addEventListener('keydown', editorKey);
    input.addEventListener('blur', () => { if (state.editor && state.editor.input === input) commitEditor(); });
  }

  // Tells a refusal and keeps the editor open with the text selected for mending.
  async function keepForMending(editor, messages) {
    editor.telling = true;
    for (const text of messages) await message(text);
    editor.telling = false;
    if (state.editor === editor) {
      editor.input.focus();
      if (editor.input.select) editor.input.select();
    }
  }

  // Stores a value still open (leaving the cell, or before a command); false when it was
  // refused and the editor stays.
  async function commitEditor() {
    const editor = state.editor;
    if (!editor || !editor.input) return true;
    // The refusal's message takes the focus; that blur stores nothing more.
    if (editor.telling) return false;
    const done = doc.leaveCell(editor.row, editor.column, editor.column, editor.input.value);
    const messages = list(done.messages);
    if (!done.ok) {
      await keepForMending(editor, messages);
      return false;
    }
    closeEditor();
    for (const text of messages) await message(text);
    return true;
  }

  function closeEditor() {
    const editor = state.editor;
    if (!editor) return;
    state.editor = null;
    if (editor.input) editor.td.replaceChildren();
    refresh();
  }

  async function editorKey(event) {
    const editor = state.editor;
    if (!editor || editor.telling) return;
    if (event.key === 'Escape') {
      event.preventDefault();
      closeEditor();
      cell(state.row, state.column).focus();
    } else if (event.key === 'Enter') {
      event.preventDefault();
      const done = doc.enterCell(editor.row, editor.column, editor.input.value);
      const messages = list(done.messages);
      if (!done.ok) return keepForMending(editor, messages);
      closeEditor();
      if (done.nextRow > 0) {
        moveTo(done.nextRow, done.nextColumn);
        await openEditor(Key.Enter);
      } else if (done.leavesGrid) {
        cell(state.row, state.column).blur();
      }
    } else if (event.key === 'Tab') {
      event.preventDefault();
      if (!(await commitEditor())) return;
      const next = doc.tabFrom(editor.row, editor.column, event.shiftKey);
      list(next.messages);
      if (next.nextRow === 0) return;
      moveTo(next.nextRow, next.nextColumn);
      await openEditor(Key.Enter);
    }
  }

  function gridKey(event) {
    if (state.editor) return;
    const moves = {ArrowUp: [-1, 0], ArrowDown: [1, 0], ArrowLeft: [0, -1], ArrowRight: [0, 1]};
    if (moves[event.key] && !event.ctrlKey && !event.metaKey) {
      event.preventDefault();
      const [dr, dc] = moves[event.key];
      const row = dr ? rowBeside(state.row, dr) || state.row : state.row;
      if (event.shiftKey && dr) selectRows(state.anchor || state.row, row);
      moveTo(row, state.column + dc);
      return;
    }
    if (event.key === 'Escape' && !$('findbar').hidden && event.target.tagName === 'TD') {
      // Escape on the grid closes the find bar once no editor is open.
      event.preventDefault();
      closeFind();
      return;
    }
    if (event.ctrlKey || event.metaKey || event.altKey) return;
    if (event.key === 'Enter') {
      // Enter on the grid moves one cell on, as Tab does, without opening an editor.
      event.preventDefault();
      const next = doc.enterOnGrid(state.row, state.column);
      list(next.messages);
      if (next.nextRow > 0) moveTo(next.nextRow, next.nextColumn);
      return;
    }
    if (event.key === 'F2') {
      event.preventDefault();
      openEditor(Key.Enter);
      return;
    }
    if (event.key === 'Delete') {
      event.preventDefault();
      run('Clear Channels');
      return;
    }
    const key = event.key === 'Backspace' ? Key.Backspace : [...event.key].length === 1 ? event.key.codePointAt(0) : -1;
    if (key < 0) return;
    event.preventDefault();
    if (core.WebDocument.editorFor(state.column) === Editor.Lock) {
      // L and U store Lock and UnLock at once; other keys do nothing there.
      if (doc.typeOverLock(state.row, key)) refresh();
    } else if (doc.keyOpensEditor(state.row, state.column, key)) {
      openEditor(key);
    }
  }

  function selectRows(from, to) {
    state.anchor = from;
    const [a, b] = from <= to ? [from, to] : [to, from];
    // Hidden channels are never chosen: edits reach only what shows.
    state.selectedRows = Array.from({length: b - a + 1}, (_, i) => a + i).filter(isShown);
  }

  function chosenChannels() {
    if (state.selectedRows.length) return state.selectedRows;
    return isShown(state.row) ? [state.row] : [];
  }

  // A press on a cell opens its editor, as on the desktop; on a channel number it chooses rows.
  grid.addEventListener('click', async (event) => {
    const target = event.target.closest('td, th');
    if (!target || !target.parentElement.dataset.row || (state.editor && state.editor.td === target)) return;
    if (state.editor && !(await commitEditor())) return;
    const row = Number(target.parentElement.dataset.row);
    if (target.tagName === 'TH') {
      selectRows(event.shiftKey && state.anchor ? state.anchor : row, row);
      moveTo(row, state.column);
    } else {
      state.selectedRows = [];
      state.anchor = row;
      moveTo(row, Number(target.dataset.column));
      if (!event.shiftKey) openEditor(Key.Mouse);
    }
  });
  grid.addEventListener('keydown', gridKey);

  // ---- Files.
  async function readFile(input) {
    return new Promise((resolve) => {
      input.value = '';
      input.onchange = () => resolve(input.files[0] || null);
      input.oncancel = () => resolve(null);
      input.click();
    });
  }

  // Opens a file as the desktop does: the size question for a longer file, then, once it has
  // loaded, "Do you rewrite data?"; anything but OK leaves the page as it was. The changed
  // document the file replaces is offered for saving only after that OK.
  async function openFile(file) {
    if (!file || (state.editor && !(await commitEditor()))) return;
    // A file longer than a channel file is opened only when the user takes its first bytes.
    const question = core.WebDocument.sizeQuestion(file.size, file.name);
    if (question) {
      // No by default, as on the desktop.
      const asked = {text: question, caption: MessageCaption, buttons: 2, icon: 4};
      if (await ask(asked, 1) !== Answer.Yes) return;
    }
    const bytes = new Uint8Array(await file.arrayBuffer());
    const result = await withAnswers(
      () => question ? doc.openFirstBytes(bytes, file.name) : doc.open(bytes, file.name),
      async (answer) => answer === Answer.Ok && keepChanges());
    if (await tell(result)) {
      state.fileName = file.name;
      state.fileHandle = null;
      resetView();
    }
  }

  // A backup opens untitled, without the question, as the desktop opens one.
  async function openBackup(bytes) {
    if (!(await keepChanges())) return;
    if (await tell(doc.openCopy(bytes, 'Untitled.sin'))) {
      state.fileName = 'Untitled.sin';
      state.fileHandle = null;
      resetView();
    }
  }

  function resetView() {
    state.row = 1;
    state.column = 1;
    state.selectedRows = [];
    state.marks.clear();
    $('comparison').hidden = true;
    buildGrid();
  }

  function download(bytes, name, type) {
    const url = URL.createObjectURL(new Blob([bytes], {type}));
    const a = document.createElement('a');
    a.href = url;
    a.download = name;
    document.body.append(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(url), 10000);
  }

  async function save(saveAs) {
    if (state.editor && !(await commitEditor())) return false;
    const bytes = doc.saveBytes();
    try {
      if (window.showSaveFilePicker) {
        if (saveAs || !state.fileHandle) {
          state.fileHandle = await window.showSaveFilePicker({
            suggestedName: state.fileName,
            types: [{description: 'TARN channel file', accept: {'application/octet-stream': ['.sin']}}],
          });
          state.fileName = state.fileHandle.name;
        }
        const stream = await state.fileHandle.createWritable();
        await stream.write(bytes);
        await stream.close();
      } else {
        download(bytes, state.fileName, 'application/octet-stream');
      }
    } catch (error) {
      if (error.name === 'AbortError') return false;
      await message(`Could not save "${state.fileName}": ${error.message}.`);
      return false;
    }
    doc.markSaved();
    refresh();
    return true;
  }

  // The desktop's question before a changed document is replaced.
  async function keepChanges() {
    if (state.editor && !(await commitEditor())) return false;
    if (!doc.isModified()) return true;
    const answer = await ask({text: `Save changes to ${state.fileName}?`, caption: MessageCaption, buttons: 3, icon: 2});
    if (answer === Answer.Cancel) return false;
    return answer === Answer.No || save(false);
  }

  document.addEventListener('dragover', (event) => event.preventDefault());
  document.addEventListener('drop', (event) => {
    event.preventDefault();
    if (state.transferring) return;
    const file = event.dataTransfer.files[0];
    if (file) openFile(file);
  });

  // ---- Channel lists.
  async function importChannels() {
    const file = await readFile($('import-file'));
    if (file) await importList(await file.text(), file.name, false);
  }

  // A channel list into the document after its report, as the desktop places one. whole: a
  // ready-made list, refused when the document cannot hold all of it.
  async function importList(text, fileName, whole) {
    if (state.editor && !(await commitEditor())) return;
    const report = list(doc.importReport(text, whole));
    if (!report.length) return tell(doc.importChannels(text, fileName, false, whole));
    let replace = false;
    const ok = await dialog('Import Channels', (box) => {
      const pre = document.createElement('p');
      pre.className = 'message';
      pre.textContent = report.join('\n');
      const label = document.createElement('label');
      const check = document.createElement('input');
      check.type = 'checkbox';
      check.addEventListener('change', () => { replace = check.checked; });
      label.append('Empty every channel first', check);
      box.append(pre, label);
    }, [['OK', true], ['Cancel', false]]);
    if (ok) await tell(doc.importChannels(text, fileName, replace, whole));
    refresh();
  }

  async function importStockList(index) {
    const text = core.WebDocument.stockListText(index);
    if (!text) return message(`Could not import ${core.WebDocument.stockListFile(index)}.`);
    await importList(text, core.WebDocument.stockListFile(index), true);
  }

  async function exportChannels() {
    const out = doc.exportChannels();
    if (!(await tell(out.result))) return;
    download(out.text, state.fileName.replace(/\.sin$/i, '') + '.csv', 'text/csv');
    const report = list(out.first);
    list(out.second);
    if (report.length) await message(report.join('\n'), 'dialog');
  }

  async function compareWith() {
    const file = await readFile($('compare-file'));
    if (!file) return;
    const out = doc.compareWith(new Uint8Array(await file.arrayBuffer()), file.name);
    const marks = list(out.first);
    const settings = list(out.second);
    if (!(await tell(out.result))) return;
    state.marks = new Set(marks);
    const section = $('comparison');
    section.replaceChildren();
    const heading = document.createElement('h2');
    heading.textContent = `Compared with ${file.name}`;
    const ul = document.createElement('ul');
    for (const line of settings.length ? settings : ['No setting differs.']) {
      const li = document.createElement('li');
      li.textContent = line;
      ul.append(li);
    }
    section.append(heading, ul);
    section.hidden = false;
    refresh();
  }

  // ---- Print: the desktop's pages, 29 channels each under the title and "Page N of M".
  const ChannelsPerPage = 29;

  function printPages() {
    const count = doc.channelCount();
    const pages = Math.floor((count + 20) / ChannelsPerPage);
    const headers = core.columnHeaders();
    const out = $('print');
    out.replaceChildren();
    for (let page = 0; page < pages; ++page) {
      const sheet = document.createElement('section');
      sheet.className = 'page';
      const head = document.createElement('header');
      const title = document.createElement('span');
      title.textContent = state.fileName;
      const number = document.createElement('span');
      number.textContent = `Page ${page + 1} of ${pages}`;
      head.append(title, number);
      const table = document.createElement('table');
      const top = table.createTHead().insertRow();
      for (const name of headers) top.append(Object.assign(document.createElement('th'), {textContent: name}));
      const body = table.createTBody();
      const last = Math.min(count, (page + 1) * ChannelsPerPage);
      for (let row = page * ChannelsPerPage + 1; row <= last; ++row) {
        const tr = body.insertRow();
        for (let column = 0; column < Columns; ++column) tr.insertCell().textContent = doc.cellText(row, column).trim();
      }
      sheet.append(head, table);
      out.append(sheet);
    }
    window.print();
  }

  // ---- Model Information and Optional Features.
  function selectBox(label, entries, selected) {
    const wrap = document.createElement('label');
    const select = document.createElement('select');
    select.add(new Option('', '-1'));
    entries.forEach((entry, i) => select.add(new Option(entry, String(i))));
    select.value = String(selected);
    wrap.append(label, select);
    return [wrap, select];
  }

  async function modelInformation() {
    const form = core.modelForm();
    const [model, band] = list(doc.modelSelections());
    let boxes;
    const ok = await dialog('Model Information', (box) => {
      const [modelWrap, modelBox] = selectBox(form.modelLabel, form.models, model);
      const [bandWrap, bandBox] = selectBox(form.bandLabel, form.bands, band);
      boxes = [modelBox, bandBox];
      box.append(modelWrap, bandWrap);
    }, [['OK', true], ['Cancel', false]]);
    if (!ok) return;
    doc.setModelSelections(Number(boxes[0].value), Number(boxes[1].value));
    resetView();
  }

  async function optionalFeatures() {
    const fields = core.featureForm();
    const selections = list(doc.featureSelections());
    const boxes = [];
    const ok = await dialog('Optional Features', (box) => {
      fields.forEach((field, i) => {
        const [wrap, select] = selectBox(field.label, field.entries, selections[i]);
        wrap.hidden = field.hidden;
        boxes.push(select);
        box.append(wrap);
      });
    }, [['OK', true], ['Cancel', false]]);
    if (!ok) return;
    const chosen = new core.IntList();
    boxes.forEach((box) => chosen.push_back(Number(box.value)));
    doc.setFeatureSelections(chosen);
    chosen.delete();
    refresh();
  }

  // ---- Backups in the browser's own storage: every read and every write, the newest 200.
  const Backups = {
    keep: 200,
    open() {
      return new Promise((resolve, reject) => {
        const request = indexedDB.open('tarn-backups', 1);
        request.onupgradeneeded = () => request.result.createObjectStore('images', {keyPath: 'id', autoIncrement: true});
        request.onsuccess = () => resolve(request.result);
        request.onerror = () => reject(request.error);
      });
    },
    async store(bytes, kind) {
      const db = await this.open();
      await new Promise((resolve, reject) => {
        const tx = db.transaction('images', 'readwrite');
        tx.objectStore('images').add({time: new Date().toISOString(), kind, bytes});
        tx.oncomplete = resolve;
        tx.onerror = () => reject(tx.error);
      });
      const all = await this.list(db);
      const tx = db.transaction('images', 'readwrite');
      for (const old of all.slice(this.keep)) tx.objectStore('images').delete(old.id);
      db.close();
    },
    async list(given) {
      const db = given || await this.open();
      const all = await new Promise((resolve, reject) => {
        const request = db.transaction('images').objectStore('images').getAll();
        request.onsuccess = () => resolve(request.result);
        request.onerror = () => reject(request.error);
      });
      if (!given) db.close();
      return all.reverse();
    },
  };

  function programmedCount(bytes) {
    let count = 0;
    for (let row = 0; row < 199; ++row) {
      const rx = bytes[row * 16 + 3], tx = bytes[row * 16 + 7];
      if ((rx !== 0xff && rx !== 0) || (tx !== 0xff && tx !== 0)) ++count;
    }
    return count;
  }

  function backupName(entry) {
    return `${entry.time.replace(/[:T]/g, '-').slice(0, 19)}-${entry.kind.toLowerCase()}.sin`;
  }

  async function showBackups() {
    let entries = [];
    try {
      entries = await Backups.list();
    } catch (error) {
      return message(`The backups cannot be read: ${error.message}`);
    }
    let chosen = 0;
    const action = await dialog('Backups', (box) => {
      const table = document.createElement('table');
      table.setAttribute('role', 'grid');
      const head = table.createTHead().insertRow();
      for (const name of ['Date and Time', 'Read or Write', 'Model Type', 'Channels Programmed']) {
        const th = document.createElement('th');
        th.textContent = name;
        head.append(th);
      }
      const body = table.createTBody();
      entries.forEach((entry, i) => {
        const tr = body.insertRow();
        const type = entry.bytes[0x1fde];
        for (const text of [new Date(entry.time).toLocaleString(), entry.kind,
          type === 0xff ? '(none)' : `type ${type}`, String(programmedCount(entry.bytes))]) {
          tr.insertCell().textContent = text;
        }
        tr.addEventListener('click', () => {
          chosen = i;
          for (const other of body.rows) other.setAttribute('aria-selected', other === tr);
        });
        tr.setAttribute('aria-selected', i === 0);
      });
      const where = document.createElement('p');
      where.textContent = entries.length
        ? `Kept in this browser; the newest ${Backups.keep} are kept.`
        : 'No backups yet. Every read from a radio and every write to one is kept in this browser.';
      box.append(table, where);
    }, entries.length ? [['Open', 'open'], ['Download', 'download'], ['Close', 'close']] : [['Close', 'close']]);
    const entry = entries[chosen];
    if (action === 'download') download(entry.bytes, backupName(entry), 'application/octet-stream');
    if (action === 'open') await openBackup(entry.bytes);
  }

  // ---- Transfers: the session runs in a worker on the port's streams; the page shows the
  // desktop's progress window and asks the session's questions.
  const bridgeUrl = new URLSearchParams(location.search).get('bridge');
  let transferWorker = null;
  let workerListener = null;
  let serialPort = null;

  function verifyAfterWrite() {
    return localStorage.getItem('tarn.verifyAfterWrite') === 'true';
  }

  // A Blob-URL worker holding the core and the worker's function: a page opened from disk
  // may start no other kind.
  function startWorker() {
    if (transferWorker) return transferWorker;
    transferWorker = new Promise((resolve, reject) => {
      const coreScript = $('tarn-core');
      const prelude = coreScript.src ? `importScripts(${JSON.stringify(coreScript.src)});` : coreScript.textContent;
      const wasm = coreScript.src ? new URL('tarn-core.wasm', coreScript.src).href : null;
      const source = `${prelude}\n${tarnTransferWorker}\ntarnTransferWorker(self, ${JSON.stringify({wasm})});\n`;
      const url = URL.createObjectURL(new Blob([source], {type: 'text/javascript'}));
      const worker = new Worker(url);
      worker.onmessage = (event) => {
        URL.revokeObjectURL(url);
        if (event.data.type !== 'ready') return reject(new Error(event.data.text));
        worker.onmessage = (message) => workerListener?.(message.data);
        resolve(worker);
      };
      worker.onerror = (event) => { event.preventDefault(); reject(new Error(event.message)); };
    });
    transferWorker.catch(() => { transferWorker = null; });
    return transferWorker;
  }

  // The port is the page's to open and close; the worker only reads and writes its streams.
  async function openSerialPort(worker) {
    try {
      await serialPort.open({baudRate: 9600, dataBits: 8, stopBits: 1, parity: 'none', flowControl: 'none'});
      const {readable, writable} = serialPort;
      worker.postMessage({type: 'opened', ok: true, readable, writable}, [readable, writable]);
    } catch (error) {
      // In use by another program or page, or gone: the session says so.
      worker.postMessage({type: 'opened', ok: false});
    }
  }

  async function closeSerialPort(worker) {
    // The streams given to the worker free the port once their pipes have wound down.
    for (let attempt = 0; attempt < 50; ++attempt) {
      try {
        await serialPort.close();
        break;
      } catch (error) {
        if (!serialPort.readable && !serialPort.writable) break;
        await new Promise((resolve) => setTimeout(resolve, 20));
      }
    }
    worker.postMessage({type: 'closed'});
  }

  async function remotePortAddress() {
    let input;
    const ok = await dialog('Remote port', (box) => {
      const label = document.createElement('label');
      input = document.createElement('input');
      input.type = 'url';
      input.value = localStorage.getItem('tarn.remotePort') || '';
      input.placeholder = 'ws://127.0.0.1:8890/TOKEN';
      label.append('The address tarn-cli bridge printed', input);
      box.append(label);
    }, [['OK', true], ['Cancel', false]]);
    const url = ok ? input.value.trim() : '';
    if (!/^wss?:\/\/./.test(url)) return null;
    localStorage.setItem('tarn.remotePort', url);
    return url;
  }

  // The line the chosen port stands for; null when the user backed out (nothing happens).
  async function chooseLine(choice) {
    if (choice === 'demo') return {kind: 'demo'};
    if (choice === 'bridge') return {kind: 'bridge', url: bridgeUrl};
    if (choice === 'remote') {
      const url = await remotePortAddress();
      return url ? {kind: 'bridge', url} : null;
    }
    try {
      serialPort = await navigator.serial.requestPort();
    } catch (error) {
      return null;
    }
    return {kind: 'serial'};
  }

  async function transfer(write) {
    if (state.transferring) return;
    if (state.editor && !(await commitEditor())) return;
    state.transferring = true;
    updateCommands();
    try {
      await progressWindow(write);
    } finally {
      state.transferring = false;
      workerListener = null;
      serialPort = null;
      refresh();
    }
  }

  async function finishTransfer(write, result) {
    if (!write && result.readCompleted) {
      doc.takeRead(result.image);
      resetView();
    }
    if (result.readCompleted || result.wroteToRadio) {
      try {
        await Backups.store(result.image, write ? 'Write' : 'Read');
      } catch (error) {
        await message(`The radio's memory was not kept as a backup: ${error.message}`);
      }
    }
  }

  function progressWindow(write) {
    return new Promise((resolve) => {
      const box = document.createElement('dialog');
      box.setAttribute('aria-label', write ? WriteCaption : ReadCaption);
      const heading = document.createElement('h2');
      heading.textContent = write ? WriteCaption : ReadCaption;
      const portLabel = document.createElement('label');
      const port = document.createElement('select');
      if (bridgeUrl) {
        port.add(new Option(bridgeUrl.replace(/\/[^/]*$/, '/…'), 'bridge'));
      } else {
        port.add(new Option(DemoPort, 'demo'));
        if (hasSerial) port.add(new Option('Serial port...', 'serial'));
        port.add(new Option('Remote port...', 'remote'));
        port.value = localStorage.getItem('tarn.port') || 'demo';
        if (!port.value) port.value = 'demo';
      }
      portLabel.append('Port', port);
      const status = document.createElement('p');
      status.setAttribute('role', 'status');
      status.textContent = '   Not start yet';
      const progress = document.createElement('progress');
      progress.max = 403;
      progress.value = 0;
      const progressLabel = document.createElement('label');
      progressLabel.append('Progress\uff1a', progress);
      const buttons = document.createElement('div');
      buttons.className = 'buttons';
      const start = document.createElement('button');
      start.textContent = 'Start';
      const cancel = document.createElement('button');
      cancel.textContent = 'Cancel';
      buttons.append(start, cancel);
      box.append(heading, portLabel, status, progressLabel, buttons);
      let worker = null;
      let steps = Promise.resolve();
      const closeWindow = () => { if (box.open) box.close(); box.remove(); };
      const pressCancel = () => {
        if (worker) worker.postMessage({type: 'cancel'});
        else { closeWindow(); resolve(); }
      };
      cancel.addEventListener('click', pressCancel);
      box.addEventListener('cancel', (event) => { event.preventDefault(); pressCancel(); });

      const perform = async (action) => {
        if (action.kind === 'status') status.textContent = action.text;
        else if (action.kind === 'progress') {
          if (action.maximum > 0) progress.max = action.maximum;
          progress.value = action.position;
        } else if (action.kind === 'closeWindow') closeWindow();
        else if (action.kind === 'ask') worker.postMessage({type: 'answer', answer: await ask(action)});
      };
      const heard = async (message) => {
        if (message.type === 'open') await openSerialPort(worker);
        else if (message.type === 'close') await closeSerialPort(worker);
        else if (message.type === 'actions') for (const action of message.actions) await perform(action);
        else if (message.type === 'finished') {
          window.tarnPage.lastTransfer = message.result;
          closeWindow();
          await finishTransfer(write, message.result);
          resolve();
        }
      };

      start.addEventListener('click', async () => {
        start.disabled = port.disabled = true;
        const line = await chooseLine(port.value);
        if (!line) {
          start.disabled = port.disabled = false;
          return;
        }
        if (!bridgeUrl) localStorage.setItem('tarn.port', port.value);
        try {
          worker = await startWorker();
        } catch (error) {
          closeWindow();
          await message(`The transfer could not start: ${error.message}`);
          resolve();
          return;
        }
        // The worker's messages are taken one after another: a question waits for its answer.
        workerListener = (message) => { steps = steps.then(() => heard(message)); };
        worker.postMessage({type: 'start', write, image: doc.transferImage(),
          verify: write && verifyAfterWrite(), line});
      });
      document.body.append(box);
      box.showModal();
      start.focus();
    });
  }

  // ---- The channel tools of the Edit menu, through the same document operations as the
  // desktop's; each is one undo step there.
  const tools = core.channelTools();
  const TxPowers = ['High', 'Middle', 'Low'];
  const Unchanged = '(unchanged)';

  function bandPlanRegion() {
    const index = tools.regionKeys.indexOf(localStorage.getItem('tarn.bandPlan'));
    return index >= 0 ? index : tools.defaultRegion;
  }

  function setBandPlanRegion(index) {
    localStorage.setItem('tarn.bandPlan', tools.regionKeys[index]);
  }

  // Runs a tool on the chosen channels with a value still being typed stored first.
  async function withChannels(body) {
    if (state.editor && !(await commitEditor())) return;
    if (!chosenChannels().length) return;
    const channels = intList(chosenChannels());
    try {
      await body(channels);
    } finally {
      channels.delete();
    }
    refresh();
  }

  function selectChannels(channels) {
    state.selectedRows = channels.slice();
    state.anchor = channels[0] || state.row;
  }

  async function moveChannels(by) {
    await withChannels(async (channels) => {
      const chosen = list(doc.moveChannels(channels, by)).slice();
      // The current cell goes with its channel, so the next move takes the same ones.
      const at = chosenChannels().indexOf(state.row);
      if (at >= 0) state.row = chosen[at];
      selectChannels(chosen);
    });
    moveTo(state.row, state.column);
  }

  function formRow(box, label, field) {
    const wrap = document.createElement('label');
    wrap.append(label, field);
    box.append(wrap);
    return field;
  }

  function choiceList(entries, selected, first = null) {
    const select = document.createElement('select');
    if (first !== null) select.add(new Option(first, ''));
    for (const entry of entries) select.add(new Option(entry, entry));
    select.value = selected;
    return select;
  }

  // The offset field of both dialogs: the amount as typed and its unit.
  function offsetField(box, emptyText) {
    const wrap = document.createElement('span');
    wrap.className = 'offset';
    const input = document.createElement('input');
    input.placeholder = emptyText;
    input.title = 'TX = RX + offset, with a sign; + or - alone takes the band plan\'s repeater offset';
    input.setAttribute('aria-label', 'TX offset:');
    const unit = choiceList(['MHz', 'kHz'], 'MHz');
    unit.setAttribute('aria-label', 'Unit');
    wrap.append(input, unit);
    formRow(box, 'TX offset:', wrap);
    return {input, unit, value: () => input.value, unitIndex: () => unit.selectedIndex};
  }

  async function sortChannels() {
    if (state.editor && !(await commitEditor())) return;
    const selected = state.selectedRows.slice();
    const last = state.lastSort || {key: 0, descending: false, onlySelected: false};
    let form;
    const ok = await dialog('Sort Channels', (box) => {
      const key = formRow(box, 'Sort by:', choiceList(tools.sortKeys, tools.sortKeys[last.key]));
      const order = document.createElement('span');
      const radios = ['Ascending', 'Descending'].map((name, i) => {
        const label = document.createElement('label');
        label.className = 'inline';
        const radio = document.createElement('input');
        radio.type = 'radio';
        radio.name = 'sort-order';
        radio.checked = last.descending === (i === 1);
        label.append(radio, name);
        order.append(label);
        return radio;
      });
      order.setAttribute('role', 'radiogroup');
      order.setAttribute('aria-label', 'Order:');
      // A row, not a label: each choice has its own.
      const orderRow = document.createElement('div');
      orderRow.className = 'row';
      orderRow.append('Order:', order);
      box.append(orderRow);
      const only = document.createElement('input');
      only.type = 'checkbox';
      only.disabled = selected.length < 2;
      only.checked = selected.length > 1 && last.onlySelected;
      const onlyLabel = document.createElement('label');
      onlyLabel.className = 'inline';
      onlyLabel.append(only, selected.length > 1 ? `Only the ${selected.length} selected channels` : 'Only the selected channels');
      box.append(onlyLabel);
      form = {key, descending: radios[1], only};
    }, [['OK', true], ['Cancel', false]]);
    if (!ok) return;
    const choice = {key: form.key.selectedIndex, descending: form.descending.checked, onlySelected: form.only.checked};
    state.lastSort = choice;
    const only = intList(choice.onlySelected && selected.length > 1 ? selected : []);
    doc.sortChannels(choice.key, choice.descending, only);
    only.delete();
    state.selectedRows = selected;
    refresh();
  }

  async function editSelected() {
    if (state.editor && !(await commitEditor())) return;
    const chosen = chosenChannels().slice();
    if (!chosen.length) return;
    let form;
    const ok = await dialog('Edit Selected Channels', (box) => {
      const note = document.createElement('p');
      note.textContent = `${chosen.length} channels are selected; empty channels stay empty.`;
      box.append(note);
      const offset = offsetField(box, Unchanged);
      const tones = toneNames.filter(Boolean);
      form = {
        offset,
        dec: formRow(box, 'QT/DQT Dec:', choiceList(tones, '', Unchanged)),
        enc: formRow(box, 'QT/DQT Enc:', choiceList(tones, '', Unchanged)),
        power: formRow(box, 'TX Power:', choiceList(TxPowers, '', Unchanged)),
        lock: formRow(box, 'CHN Lock:', choiceList(LockNames, '', Unchanged)),
      };
      return () => core.WebDocument.offsetNote(offset.value(), offset.unitIndex());
    }, [['OK', true], ['Cancel', false]]);
    if (!ok) return;
    const edit = {offset: form.offset.value(), offsetUnit: form.offset.unitIndex(), decTone: form.dec.value,
      encTone: form.enc.value, power: form.power.value, lock: form.lock.value};
    const channels = intList(chosen);
    await tell(doc.editChannels(edit, channels, bandPlanRegion()));
    channels.delete();
    // The same channels stay chosen, ready for another command.
    selectChannels(chosen);
    refresh();
  }

  async function fillChannels() {
    if (state.editor && !(await commitEditor())) return;
    const selected = state.selectedRows;
    const count = doc.channelCount();
    let read;
    const ok = await dialog('Fill Channels', (box) => {
      const number = (value) => {
        const input = document.createElement('input');
        input.type = 'number';
        input.min = 1;
        input.max = count;
        input.value = value;
        return input;
      };
      const first = formRow(box, 'First channel:', number(selected.length ? selected[0] : state.row));
      const many = formRow(box, 'Channels:', number(Math.max(1, selected.length)));
      const start = formRow(box, 'Start frequency (MHz):', document.createElement('input'));
      start.placeholder = 'MHz, e.g. 446.00625';
      const step = formRow(box, 'Step (kHz):', document.createElement('input'));
      step.value = '12.5';
      step.title = 'kHz; pick one or type another';
      step.setAttribute('list', 'fill-steps');
      const steps = document.createElement('datalist');
      steps.id = 'fill-steps';
      for (const value of ['6.25', '12.5', '25']) steps.append(new Option(value));
      box.append(steps);
      const offset = offsetField(box, '0 (simplex)');
      const tones = toneNames.filter(Boolean);
      const dec = formRow(box, 'QT/DQT Dec:', choiceList(tones, 'OFF'));
      const enc = formRow(box, 'QT/DQT Enc:', choiceList(tones, 'OFF'));
      const power = formRow(box, 'TX Power:', choiceList(TxPowers, 'High'));
      const lock = formRow(box, 'CHN Lock:', choiceList(LockNames, 'Lock'));
      // The desktop's spin boxes keep their numbers within the channels.
      const within = (input) => Math.min(count, Math.max(1, Math.trunc(Number(input.value)) || 1));
      read = () => ({first: within(first), count: within(many), start: start.value, step: step.value,
        offset: offset.value(), offsetUnit: offset.unitIndex(), decTone: dec.value, encTone: enc.value,
        power: power.value, lock: lock.value});
      queueMicrotask(() => start.focus());
      return () => core.WebDocument.fillNote(read());
    }, [['OK', true], ['Cancel', false]]);
    if (!ok) return;
    const fill = read();
    if (await tell(await withAnswers(() => doc.fillChannels(fill, bandPlanRegion())))) {
      selectChannels(Array.from({length: Math.min(fill.count, count - fill.first + 1)}, (_, i) => fill.first + i));
    }
    refresh();
  }

  // ---- Commands, named and laid out by the desktop's command table.
  // Keyed by the desktop's menu texts (plain), the names tools and users know the commands by.
  const handlers = {
    'New': async () => { if (await keepChanges()) { doc.newDocument(); state.fileName = 'Untitled.sin'; state.fileHandle = null; resetView(); } },
    'Open...': async () => openFile(await readFile($('open-file'))),
    'Save': () => save(false),
    'Save As...': () => save(true),
    'Import Channels...': importChannels,
    'Export Channels...': exportChannels,
    'Compare With...': compareWith,
    'Print...': async () => { if (!state.editor || await commitEditor()) printPages(); },
    'Model Information': modelInformation,
    'Find...': openFind,
    'Undo': () => { closeEditor(); doc.undo(); refresh(); },
    'Redo': () => { closeEditor(); doc.redo(); refresh(); },
    'Copy': () => copy(),
    'Paste': () => pasteFromClipboard(),
    'Clear Channels': () => withChannels(async (channels) => tell(doc.clearChannels(channels))),
    'Cut': () => cut(),
    'Insert Channel': () => withChannels(async () => tell(doc.insertChannel(state.row))),
    'Delete Channel': () => withChannels(async (channels) => { await tell(doc.deleteChannels(channels)); state.selectedRows = []; }),
    'Move Up': () => moveChannels(-1),
    'Move Down': () => moveChannels(1),
    'Sort Channels...': sortChannels,
    'Edit Selected Channels...': editSelected,
    'Fill Channels...': fillChannels,
    'Optional Features': optionalFeatures,
    'Read From Radio': () => transfer(false),
    'Write To Radio': () => transfer(true),
    'Backups...': showBackups,
    'Verify After Write': () => { localStorage.setItem('tarn.verifyAfterWrite', String(!verifyAfterWrite())); updateCommands(); },
    'About ...': () => message(`${AppName}\nChannel programming in the browser, on the same core as the desktop program.`, 'dialog'),
  };
    const buttons = [];

  function intList(values) {
    const vector = new core.IntList();
    for (const value of values) vector.push_back(value);
    return vector;
  }

  async function copy() {
    if (state.editor && !(await commitEditor())) return;
    const channels = intList(chosenChannels());
    const text = doc.copyChannels(channels);
    channels.delete();
    try {
      await navigator.clipboard.writeText(text);
    } catch (error) {
      state.clip = text;
    }
    state.clip = text;
  }

  async function cut() {
    await withChannels(async (channels) => {
      const text = doc.copyChannels(channels);
      state.clip = text;
      try {
        await navigator.clipboard.writeText(text);
      } catch (error) {
        // Without the permission the page pastes what it cut itself.
      }
      await tell(doc.cutChannels(channels));
    });
  }

  async function paste(text) {
    if (state.editor && !(await commitEditor())) return;
    if (!chosenChannels().length) return;
    await tell(doc.paste(chosenChannels()[0], text));
    refresh();
  }

  async function pasteFromClipboard() {
    let text = state.clip || '';
    try {
      text = await navigator.clipboard.readText();
    } catch (error) {
      // Without the permission the page pastes what it copied itself.
    }
    await paste(text);
  }

  document.addEventListener('copy', (event) => {
    if (state.editor || event.target.closest('dialog, #findbar')) return;
    event.preventDefault();
    const channels = intList(chosenChannels());
    const text = doc.copyChannels(channels);
    channels.delete();
    state.clip = text;
    event.clipboardData.setData('text/plain', text);
  });
  document.addEventListener('cut', (event) => {
    if (state.editor || event.target.closest('dialog, #findbar') || !chosenChannels().length) return;
    event.preventDefault();
    const channels = intList(chosenChannels());
    const text = doc.copyChannels(channels);
    event.clipboardData.setData('text/plain', text);
    state.clip = text;
    tell(doc.cutChannels(channels)).then(() => { channels.delete(); refresh(); });
  });
  document.addEventListener('paste', (event) => {
    if (state.editor || event.target.closest('dialog, #findbar')) return;
    event.preventDefault();
    paste(event.clipboardData.getData('text/plain'));
  });

  async function run(name) {
    const entry = handlers[name];
    if (!entry || state.transferring || (state.shown && ChannelOrderCommands.includes(name))) return;
    closeMenus();
    await entry();
    refresh();
  }

  function updateCommands() {
    for (const {button, name} of buttons) {
      const step = name === 'Undo' ? doc.undoName() : name === 'Redo' ? doc.redoName() : null;
      button.disabled = state.transferring || step === '' || (state.shown !== null && ChannelOrderCommands.includes(name));
      // The step's name shows as the desktop's item text does; the accessible name stays.
      if (step !== null) button.title = step ? `${name} ${step}` : name;
      if (name === 'Verify After Write') button.setAttribute('aria-checked', verifyAfterWrite());
      if (name in regionItems) button.setAttribute('aria-checked', regionItems[name] === bandPlanRegion());
    }
  }

  function closeMenus() {
    for (const menu of document.querySelectorAll('#menubar [role="menu"]')) menu.hidden = true;
    for (const button of document.querySelectorAll('#menubar [aria-haspopup]')) button.setAttribute('aria-expanded', 'false');
  }

  // The items of File > Channel Lists and Setup > Band Plan run by their place.
  function submenuHandlers(table) {
    for (const menu of table.menus) {
      for (const item of menu.items) {
        for (const entry of (item && item.submenu) || []) {
          if (!entry) continue;
          const name = plainName(entry.text);
          const list = entry.id - tools.firstStockList;
          const region = entry.id - tools.firstRegion;
          if (list >= 0 && list < tools.stockLists.length) {
            handlers[name] = () => importStockList(list);
          } else if (region >= 0 && region < tools.regions.length) {
            handlers[name] = () => { setBandPlanRegion(region); };
            regionItems[name] = region;
          }
        }
      }
    }
  }
  const regionItems = {};

  // A submenu opens beside its item on click, as the desktop's cascades do.
  function submenuButton(item) {
    const wrap = document.createElement('div');
    wrap.className = 'submenu';
    const button = document.createElement('button');
    const name = plainName(item.text);
    button.setAttribute('role', 'menuitem');
    button.setAttribute('aria-label', name);
    button.setAttribute('aria-haspopup', 'menu');
    button.setAttribute('aria-expanded', 'false');
    button.title = item.tooltip;
    const label = document.createElement('span');
    label.textContent = name;
    const arrow = document.createElement('span');
    arrow.className = 'keys';
    arrow.textContent = '\u25B8';
    button.append(label, arrow);
    const popup = document.createElement('div');
    popup.setAttribute('role', 'menu');
    popup.setAttribute('aria-label', name);
    popup.hidden = true;
    let previous = null;
    for (const entry of item.submenu) {
      if (!entry || !handlers[plainName(entry.text)]) {
        if (previous) popup.append(document.createElement('hr'));
        previous = null;
        continue;
      }
      previous = commandButton(entry, true);
      popup.append(previous);
    }
    button.addEventListener('click', (event) => {
      event.stopPropagation();
      const open = popup.hidden;
      for (const other of button.closest('[role="menu"]').querySelectorAll('.submenu > [role="menu"]')) other.hidden = true;
      popup.hidden = !open;
      button.setAttribute('aria-expanded', String(open));
      if (open) popup.querySelector('button').focus();
    });
    wrap.append(button, popup);
    return wrap;
  }

  function commandButton(item, inMenu) {
    const button = document.createElement('button');
    const name = plainName(item.text);
    button.setAttribute('aria-label', name);
    if (inMenu) {
      const checkable = name === 'Verify After Write' ? 'menuitemcheckbox' : name in regionItems ? 'menuitemradio' : 'menuitem';
      button.setAttribute('role', checkable);
      const label = document.createElement('span');
      label.textContent = name;
      const keys = document.createElement('span');
      keys.className = 'keys';
      keys.textContent = item.keys.split(';')[0];
      button.append(label, keys);
    } else {
      button.textContent = name;
      button.title = item.tooltip;
    }
    button.addEventListener('click', () => run(name));
    buttons.push({button, name});
    return button;
  }

  function buildCommands() {
    const table = core.commandTable();
    submenuHandlers(table);
    const offered = (item) => item === null || handlers[plainName(item.text)] ||
      (item.submenu && item.submenu.some((entry) => entry && handlers[plainName(entry.text)]));
    const texts = {};
    for (const menu of table.menus) {
      const items = menu.items.filter(offered);
      if (!items.some((item) => item)) continue;
      const wrap = document.createElement('div');
      const title = document.createElement('button');
      title.className = 'menu';
      title.textContent = plainName(menu.title);
      title.setAttribute('aria-haspopup', 'menu');
      title.setAttribute('aria-expanded', 'false');
      const popup = document.createElement('div');
      popup.setAttribute('role', 'menu');
      popup.setAttribute('aria-label', plainName(menu.title));
      popup.hidden = true;
      let previous = null;
      for (const item of items) {
        if (item === null) {
          if (previous) popup.append(document.createElement('hr'));
          previous = null;
          continue;
        }
        previous = item.submenu ? submenuButton(item) : commandButton(item, true);
        popup.append(previous);
        if (!item.submenu) texts[item.id] = item;
      }
      title.addEventListener('click', (event) => {
        event.stopPropagation();
        const open = popup.hidden;
        closeMenus();
        popup.hidden = !open;
        title.setAttribute('aria-expanded', String(open));
        if (open) popup.querySelector('button').focus();
      });
      wrap.append(title, popup);
      $('menubar').append(wrap);
    }
    for (const id of table.toolbar) {
      if (id === 0) {
        const gap = document.createElement('span');
        gap.className = 'gap';
        $('toolbar').append(gap);
      } else if (texts[id]) {
        $('toolbar').append(commandButton(texts[id], false));
      }
    }
    // The keys the desktop's menus name.
    const keyed = {};
    for (const item of Object.values(texts)) {
      for (const key of item.keys.split(';').map((k) => k.trim()).filter(Boolean)) keyed[key.toLowerCase()] = plainName(item.text);
    }
    document.addEventListener('keydown', (event) => {
      if (!event.ctrlKey || event.altKey) return;
      const key = `ctrl+${event.shiftKey ? 'shift+' : ''}${event.key.toLowerCase().replace(/^arrow/, '')}`;
      const name = keyed[key];
      // Copy and Paste come as the browser's own events; an editor keeps its own undo.
      if (!name || name === 'Copy' || name === 'Paste' || name === 'Cut') return;
      if ((state.editor || event.target.closest('#findbar')) && (name === 'Undo' || name === 'Redo')) return;
      event.preventDefault();
      run(name);
    });
    document.addEventListener('click', closeMenus);
  }

  const tones = document.createElement('datalist');
  tones.id = 'tones';
  for (const name of toneNames) if (name) tones.append(new Option(name));
  document.body.append(tones);

  window.addEventListener('beforeunload', (event) => {
    if (state.transferring || doc.isModified()) {
      event.preventDefault();
      event.returnValue = '';
    }
  });

  if (!hasSerial && !bridgeUrl) {
    $('notice').textContent = 'Radio transfers need Chrome, Edge or Opera on a computer, or the desktop TARN; this browser opens, edits, imports, compares and saves files.';
    $('notice').hidden = false;
  }

  buildCommands();
  buildGrid();
  moveTo(1, 1, false);
  $('app').setAttribute('aria-busy', 'false');
  // For tools and tests: the demo radio's memory, kept in the worker.
  async function demoRadio(bytes) {
    const worker = await startWorker();
    if (bytes) return worker.postMessage({type: 'setDemoMemory', bytes});
    return new Promise((resolve) => {
      const previous = worker.onmessage;
      worker.onmessage = (event) => {
        if (event.data.type !== 'demoMemory') return previous(event);
        worker.onmessage = previous;
        resolve(event.data.bytes);
      };
      worker.postMessage({type: 'demoMemory'});
    });
  }

  window.tarnPage = {doc, core, demoRadio, ready: true};
})().catch((error) => {
  document.body.textContent = `TARN could not start: ${error && error.message ? error.message : error}`;
});
