// The WebAssembly core under Node gives the answers the native tests give for the same input.
'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');

const source = path.resolve(__dirname, '../..');
const site = process.env.TARN_WEB_SITE || path.join(source, 'build-web/site');
const TarnCore = require(path.join(site, 'tarn-core.js'));

const Columns = 7;
let core;

test.before(async () => {
  core = await TarnCore({wasmBinary: fs.readFileSync(path.join(site, 'tarn-core.wasm'))});
});

function list(vector) {
  const out = [];
  for (let i = 0; i < vector.size(); ++i) out.push(vector.get(i));
  vector.delete();
  return out;
}

// The grid as tarn-cli show prints it: a header, then one tab-separated line a channel.
function table(doc) {
  const lines = [];
  for (let row = 1; row <= doc.channelCount(); ++row) {
    const cells = [];
    for (let column = 0; column < Columns; ++column) cells.push(doc.cellText(row, column));
    lines.push(cells.join('\t'));
  }
  return lines;
}

function expectedTable(name) {
  return fs.readFileSync(path.join(source, 'tests/tools/fuzz/table-corpus', name), 'utf8')
    .split('\n').slice(1).filter((line) => line.length > 0);
}

function sin(name) {
  return new Uint8Array(fs.readFileSync(path.join(source, 'tests/tools/fuzz/sin-corpus', name)));
}

// Opens as the page does once the user has answered OK to "Do you rewrite data?".
const Ok = 0;
const Cancel = 1;
function openAnswered(doc, bytes, name, firstOfLarger = false) {
  doc.giveAnswer(Ok);
  return firstOfLarger ? doc.openFirstBytes(bytes, name) : doc.open(bytes, name);
}

function withDocument(body) {
  const doc = new core.WebDocument();
  try {
    return body(doc);
  } finally {
    doc.delete();
  }
}

test('a file opens into the cells the desktop shows and saves back byte for byte', () => {
  for (const name of ['programmed', 'model4']) {
    withDocument((doc) => {
      const result = openAnswered(doc, sin(`${name}.sin`), `${name}.sin`);
      assert.deepEqual(list(result.messages), []);
      assert.equal(result.ok, true);
      assert.deepEqual(table(doc).slice(0, 4), expectedTable(`${name}.tsv`).slice(0, 4));
      assert.deepEqual(doc.saveBytes(), sin(`${name}.sin`));
    });
  }
});

test('a short file is refused with the desktop message and the document stays', () => {
  withDocument((doc) => {
    openAnswered(doc, sin('programmed.sin'), 'programmed.sin');
    const result = openAnswered(doc, new Uint8Array(100), 'short.sin');
    assert.equal(result.ok, false);
    assert.deepEqual(list(result.messages), [
      'Could not open "short.sin": not a channel file: it holds 100 bytes, a channel file holds 8192.']);
    assert.equal(doc.cellText(1, 1), '146.52500');
  });
});

test('a file longer than a channel file opens its first 8192 bytes only when asked to', () => {
  withDocument((doc) => {
    assert.equal(core.WebDocument.sizeQuestion(8192, 'a.sin'), '');
    assert.equal(core.WebDocument.sizeQuestion(100, 'a.sin'), '');
    assert.equal(core.WebDocument.sizeQuestion(8200, 'long.sin'),
      'long.sin is 8200 bytes; a channel file has 8192. Open its first 8192 bytes?');
    const long = new Uint8Array(8200);
    long.set(sin('programmed.sin'));
    const refused = doc.open(long, 'long.sin');
    assert.equal(refused.ok, false);
    list(refused.messages);
    const opened = openAnswered(doc, long, 'long.sin', true);
    assert.deepEqual(list(opened.messages), []);
    assert.equal(doc.cellText(1, 1), '146.52500');
    assert.equal(openAnswered(doc, new Uint8Array(100), 'short.sin', true).ok, false);
  });
});

test('a file that loads is taken only after OK to "Do you rewrite data?"; Cancel keeps all', () => {
  withDocument((doc) => {
    assert.equal(doc.storeCell(1, 1, '145.5', true).ok, true);
    const asked = doc.open(sin('programmed.sin'), 'programmed.sin');
    assert.deepEqual([asked.ok, list(asked.messages)], [false, []]);
    assert.deepEqual(asked.question, {asked: true, text: 'Do you rewrite data?', caption: 'Prompt', buttons: 1, icon: 2});
    // Unanswered, or Cancel: the document, its changed mark and its history stay.
    doc.giveAnswer(Cancel);
    const cancelled = doc.open(sin('programmed.sin'), 'programmed.sin');
    assert.deepEqual([cancelled.ok, list(cancelled.messages), cancelled.question.asked], [false, [], false]);
    assert.deepEqual([doc.cellText(1, 1), doc.isModified(), doc.undoName()], ['145.50000', true, 'Edit Channel 1']);
    // An answer given for one call never reaches the next.
    doc.giveAnswer(Ok);
    list(doc.storeCell(2, 1, '146.5', true).messages);
    assert.equal(doc.open(sin('programmed.sin'), 'programmed.sin').question.asked, true);
    const opened = openAnswered(doc, sin('programmed.sin'), 'programmed.sin');
    assert.deepEqual([opened.ok, list(opened.messages), opened.question.asked], [true, [], false]);
    assert.deepEqual([doc.cellText(1, 1), doc.isModified(), doc.undoName()], ['146.52500', false, '']);
    // A file that does not load is told, and asks nothing.
    const short = doc.open(new Uint8Array(10), 'short.sin');
    assert.deepEqual([short.ok, list(short.messages).length, short.question.asked], [false, 1, false]);
    // A backup opens without the question.
    const copy = doc.openCopy(sin('model4.sin'), 'Untitled.sin');
    assert.deepEqual([copy.ok, list(copy.messages), copy.question.asked, doc.channelCount()], [true, [], false, 160]);
  });
});

test('cell values pass the grid rules: refusals store nothing, undo and redo restore', () => {
  withDocument((doc) => {
    const refused = doc.storeCell(1, 1, '99', true);
    assert.equal(refused.ok, false);
    assert.equal(list(refused.messages).length, 1);
    assert.equal(doc.cellText(1, 1), '');
    assert.equal(doc.storeCell(1, 1, '146.52', true).ok, true);
    assert.deepEqual(table(doc)[0], '  1\t146.52000\t146.52000\tOFF\tOFF\tHigh\tLock');
    assert.equal(doc.undoName(), 'Edit Channel 1');
    assert.equal(doc.undo(), true);
    assert.equal(doc.cellText(1, 1), '');
    assert.equal(doc.redo(), true);
    assert.equal(doc.cellText(1, 2), '146.52000');
  });
});

test('editing steps follow the grid rules: Enter names the next cell, Tab wraps, letters are told', () => {
  withDocument((doc) => {
    assert.deepEqual([1, 2, 3, 4, 5, 6, 0].map((c) => core.WebDocument.editorFor(c)), [1, 1, 2, 2, 3, 4, 0]);
    const entered = doc.enterCell(1, 1, '146.52');
    assert.deepEqual([entered.ok, entered.nextRow, entered.nextColumn], [true, 1, 2]);
    list(entered.messages);
    const power = doc.enterCell(1, 5, 'Low');
    assert.deepEqual([power.ok, power.nextRow, power.nextColumn], [true, 2, 1]);
    list(power.messages);
    assert.equal(doc.cellText(1, 5), 'Low');
    const refused = doc.enterCell(2, 1, '99');
    assert.equal(refused.ok, false);
    assert.equal(refused.nextRow, 0);
    assert.equal(list(refused.messages).length, 1);
    assert.equal(doc.differs(2, 1, '99'), true);
    assert.equal(doc.differs(1, 1, '146.52'), false);

    const letter = doc.openFrequency(1, 1, 'a'.codePointAt(0));
    assert.deepEqual(list(letter.messages), ['Please input Number']);
    assert.equal(letter.text, 'a');
    const mouse = doc.openFrequency(1, 1, 0);
    list(mouse.messages);
    assert.deepEqual([mouse.text, mouse.selectAll], ['146.52000', true]);

    assert.equal(doc.typeOverLock(1, 'u'.codePointAt(0)), true);
    assert.equal(doc.cellText(1, 6), 'UnLock');
    assert.equal(doc.typeOverLock(1, 'x'.codePointAt(0)), false);
    assert.equal(doc.keyOpensEditor(1, 6, 'x'.codePointAt(0)), false);
    assert.equal(doc.keyOpensEditor(1, 1, 8), true);
    assert.equal(doc.keyOpensEditor(1, 3, 8), false);

    const tab = doc.tabFrom(1, 6, false);
    assert.deepEqual([tab.nextRow, tab.nextColumn], [2, 1]);
    const back = doc.tabFrom(1, 1, true);
    assert.equal(back.leavesGrid, true);
    const left = doc.leaveCell(1, 3, 3, 'nonsense');
    assert.equal(left.ok, false);
    assert.equal(list(left.messages).length, 1);
  });
});

test('find shows the matching channels; the walk goes through them and a paste of several is refused', () => {
  withDocument((doc) => {
    const result = openAnswered(doc, sin('programmed.sin'), 'programmed.sin');
    list(result.messages);
    list(doc.enterCell(6, 1, '146.52').messages);
    list(doc.enterCell(8, 1, '146.52').messages);
    // A number matches equal values only: 146.52500 on channel 1 is not 146.52.
    assert.deepEqual(list(doc.findChannels('146.52')), [6, 8]);
    assert.equal(doc.isFound(), true);
    assert.equal(core.WebDocument.findCountText(2, 199), '2 of 199 channels');
    assert.deepEqual(list(doc.findChannels(' d023 ')), [2, 5]);
    assert.deepEqual(list(doc.findChannels('nothing')), []);

    list(doc.findChannels('146.52'));
    const power = doc.enterCell(6, 5, 'High');
    list(power.messages);
    assert.deepEqual([power.nextRow, power.nextColumn], [8, 1]);
    const tab = doc.tabFrom(8, 6, false);
    assert.equal(tab.nextRow, 0);
    const back = doc.tabFrom(8, 1, true);
    assert.deepEqual([back.nextRow, back.nextColumn], [6, 6]);
    assert.equal(doc.tabFrom(6, 1, true).nextRow, 0);

    const channels = new core.IntList();
    [1, 2].forEach((c) => channels.push_back(c));
    const two = doc.copyChannels(channels);
    channels.delete();
    const before = doc.saveBytes();
    const refused = doc.paste(6, two);
    assert.equal(refused.ok, false);
    assert.match(list(refused.messages)[0], /^Several channels are pasted only while every channel shows/);
    assert.deepEqual(doc.saveBytes(), before);

    // With every channel shown again, the walk and the paste are the plain ones.
    assert.equal(list(doc.findChannels('')).length, 199);
    assert.equal(doc.isFound(), false);
    assert.equal(doc.enterCell(6, 5, 'High').nextRow, 7);
    assert.equal(doc.paste(6, two).ok, true);
    assert.equal(doc.cellText(7, 1), '439.50000');
  });
});

test('a CSV import places what the native import places, and a bad list changes nothing', () => {
  withDocument((doc) => {
    const text = fs.readFileSync(path.join(source, 'tests/data/csv/current.csv'), 'utf8');
    assert.equal(doc.importChannels(text, 'current.csv', false, false).ok, true);
    // As the native test reads it: saved, then shown again from the image.
    assert.equal(openAnswered(doc, doc.saveBytes(), 'saved.sin').ok, true);
    const cells = (row) => Array.from({length: 6}, (_, i) => doc.cellText(row, i + 1)).join('|');
    assert.equal(cells(1), '146.52000|146.52000|||High|Lock');
    assert.equal(cells(2), '145.29000|144.69000||100.0|Middle|Lock');
    assert.equal(cells(4), '446.00625|446.00625|D754I|D754N|High|Lock');
    assert.equal(cells(6), '|||||');
    assert.equal(cells(7), '162.55000||||High|Lock');

    const before = table(doc);
    const bad = doc.importChannels('Location,Frequency\n1,99.5\n', 'bad.csv', false, false);
    assert.equal(bad.ok, false);
    assert.match(list(bad.messages)[0], /^Could not import "bad.csv":\nline 2/);
    assert.deepEqual(table(doc), before);
  });
});

test('the channel tools run the desktop operations: one undo step each, refusals change nothing', () => {
  withDocument((doc) => {
    const ints = (values) => { const v = new core.IntList(); values.forEach((x) => v.push_back(x)); return v; };
    const rx = (count) => Array.from({length: count}, (_, i) => doc.cellText(i + 1, 1));
    const fill = {first: 1, count: 3, start: '446.00625', step: '12.5', offset: '', offsetUnit: 0,
      decTone: 'OFF', encTone: '67.0', power: 'Low', lock: 'UnLock'};
    assert.deepEqual(core.WebDocument.fillNote({...fill, start: '446.000001'}), 'Type the start frequency in MHz.');
    assert.deepEqual(core.WebDocument.fillNote({...fill, step: '+5'}), 'The step is a number of kHz.');
    assert.match(core.WebDocument.offsetNote('5x', 0), /^The TX offset is a number/);
    assert.deepEqual([core.WebDocument.offsetNote('', 0), core.WebDocument.offsetNote('-', 1), core.WebDocument.fillNote(fill)], ['', '', '']);

    const filled = doc.fillChannels(fill, 0);
    assert.deepEqual([filled.ok, list(filled.messages), doc.undoName()], [true, [], 'Fill 3 Channels']);
    assert.deepEqual(rx(4), ['446.00625', '446.01875', '446.03125', '']);
    assert.deepEqual([doc.cellText(2, 4), doc.cellText(2, 5), doc.cellText(2, 6)], ['67.0', 'Low', 'UnLock']);
    // Over programmed channels it asks first; unanswered, nothing is filled.
    const asked = doc.fillChannels({...fill, start: '145.5', count: 2}, 0);
    assert.deepEqual([asked.ok, asked.question.text, asked.question.buttons], [false, 'Fill Channels replaces 2 programmed channels.', 1]);
    assert.equal(doc.cellText(1, 1), '446.00625');

    const sorted = doc.sortChannels(0, true, ints([]));
    assert.deepEqual([sorted, rx(3), doc.undoName()], [true, ['446.03125', '446.01875', '446.00625'], 'Sort Channels']);
    assert.deepEqual(list(doc.moveChannels(ints([2, 3]), -1)), [1, 2]);
    assert.deepEqual([rx(3), doc.undoName()], [['446.01875', '446.00625', '446.03125'], 'Move Up']);
    // A block at the edge stays, and no step is recorded.
    assert.deepEqual(list(doc.moveChannels(ints([1]), -1)), [1]);
    assert.equal(doc.undoName(), 'Move Up');

    const edited = doc.editChannels({offset: '-5', offsetUnit: 0, decTone: '', encTone: '', power: 'High', lock: ''}, ints([1, 2, 4]), 0);
    assert.deepEqual([edited.ok, list(edited.messages), doc.undoName()], [true, [], 'Edit 3 Channels']);
    assert.deepEqual([doc.cellText(1, 2), doc.cellText(1, 5), doc.cellText(1, 6), doc.cellText(4, 1)], ['441.01875', 'High', 'UnLock', '']);
    const refused = doc.editChannels({offset: '600', offsetUnit: 0, decTone: '', encTone: '', power: '', lock: ''}, ints([3]), 0);
    assert.equal(refused.ok, false);
    assert.match(list(refused.messages)[0], /^Nothing was changed\. /);
    assert.equal(doc.cellText(3, 2), '446.03125');

    assert.deepEqual([doc.deleteChannels(ints([1])).ok, rx(2), doc.undoName()], [true, ['446.00625', '446.03125'], 'Delete 1 Channel']);
    assert.deepEqual([doc.insertChannel(1).ok, rx(2), doc.undoName()], [true, ['', '446.00625'], 'Insert Channel']);
    assert.deepEqual([doc.cutChannels(ints([2])).ok, rx(2), doc.undoName()], [true, ['', ''], 'Cut 1 Channel']);
    for (const step of ['Cut 1 Channel', 'Insert Channel', 'Delete 1 Channel', 'Edit 3 Channels', 'Move Up', 'Sort Channels']) {
      assert.equal(doc.undoName(), step);
      doc.undo();
    }
    assert.deepEqual(rx(3), ['446.00625', '446.01875', '446.03125']);
  });
});

test('the ready-made lists travel in the module; one larger than the document is refused whole', () => {
  withDocument((doc) => {
    const files = fs.readdirSync(path.join(source, 'resources/channel-lists'));
    for (let index = 0; index < 7; ++index) {
      const file = core.WebDocument.stockListFile(index);
      assert.ok(files.includes(file), file);
      assert.equal(core.WebDocument.stockListText(index),
        fs.readFileSync(path.join(source, 'resources/channel-lists', file), 'utf8'));
    }
    assert.equal(core.WebDocument.stockListText(7), '');
    const pmr = core.WebDocument.stockListText(0);
    assert.ok(list(doc.importReport(pmr, true)).length > 0);
    assert.equal(doc.importChannels(pmr, 'pmr446.csv', false, true).ok, true);
    assert.equal(doc.cellText(1, 1), '446.00625');
    const large = 'Location,Frequency\n' + Array.from({length: 200}, (_, i) => `${i + 1},446.00625\n`).join('');
    assert.deepEqual(list(doc.importReport(large, true)), []);
    const refused = doc.importChannels(large, 'large.csv', false, true);
    assert.deepEqual([refused.ok, list(refused.messages)],
      [false, ['Could not import "large.csv":\nThe list holds 200 channels; the radio has 199.\nNothing has been changed.']]);
    assert.equal(doc.cellText(17, 1), '');
  });
});

// Runs a demo transfer to its end, answering every question with its first button.
function runDemo(demo, write, image, verify) {
  demo.start(write, image, verify);
  const actions = [];
  for (let slice = 0; slice < 1000 && !demo.hasEnded(); ++slice) {
    const taken = demo.run(200);
    actions.push(...taken);
    const asked = taken.find((action) => action.kind === 'ask');
    if (asked) demo.answer(asked.buttons === 4 ? 1 : 0);
  }
  return {actions, result: demo.result()};
}

const texts = (actions, kind) => actions.filter((a) => a.kind === kind).map((a) => a.text);

test('a read and a write with the demo radio, verified, through the same session', () => {
  withDocument((doc) => {
    const demo = new core.DemoSession();
    try {
      demo.setMemory(sin('programmed.sin'));
      const read = runDemo(demo, false, doc.transferImage(), false);
      assert.deepEqual(texts(read.actions, 'ask'), []);
      assert.equal(read.result.outcome, 'completed');
      assert.equal(read.result.readCompleted, true);
      doc.takeRead(read.result.image);
      assert.deepEqual(table(doc).slice(0, 4), expectedTable('programmed.tsv').slice(0, 4));
      assert.equal(doc.isModified(), true);
      assert.equal(doc.undoName(), 'Read From Radio');

      assert.equal(doc.storeCell(5, 1, '433.5', true).ok, true);
      const write = runDemo(demo, true, doc.transferImage(), true);
      assert.deepEqual(texts(write.actions, 'ask'), []);
      assert.equal(write.result.outcome, 'completed');
      const statuses = texts(write.actions, 'status');
      assert.equal(statuses[statuses.length - 2], 'Verify passed: the radio holds what was written');
      assert.equal(statuses[statuses.length - 1], 'Written and verified: 403 blocks match');
      const radio = demo.memory();
      // The radio takes the channel rows and the settings the write sends.
      assert.deepEqual(radio.slice(0, 0x0c70), doc.saveBytes().slice(0, 0x0c70));
      assert.equal(radio[4 * 16 + 3], 0x43);
      assert.equal(write.actions.filter((a) => a.kind === 'closeWindow').length, 1);
    } finally {
      demo.delete();
    }
  });
});

// The worker's contract with a session, on simulated time against a compiled virtual radio:
// every action done in order, the radio's bytes handed in when they are on the wire.
function runSession(radio, write, image, {answers = [], openFails = false} = {}) {
  const session = new core.TransferSession();
  const actions = [];
  let now = 0;
  let open = false;
  let reply = null;
  session.start(write, image, false, now);
  try {
    for (let step = 0; step < 100000 && !session.hasEnded(); ++step) {
      for (const action of session.takeActions()) {
        actions.push(action);
        if (action.kind === 'open') {
          open = !openFails;
          reply = () => session.portOpened(open, now);
        } else if (action.kind === 'close') {
          open = false;
        } else if (action.kind === 'write') {
          radio.receive(action.bytes, now);
          reply = () => session.written(true, now);
        } else if (action.kind === 'ask') {
          const answer = answers.length ? answers.shift() : 0;
          reply = () => session.answer(answer, now);
        }
      }
      if (session.hasEnded()) break;
      if (reply) {
        const pending = reply;
        reply = null;
        pending();
        continue;
      }
      const deadline = session.nextDeadline();
      const next = open ? radio.nextOutput() : -1;
      if (next >= 0 && (deadline < 0 || next <= deadline)) {
        now = Math.max(now, next);
        session.bytesReceived(radio.takeOutput(now), now);
      } else {
        assert.ok(deadline >= 0, 'the session waits for something');
        now = Math.max(now, deadline);
        session.timeElapsed(now);
      }
    }
    return {actions, result: session.result()};
  } finally {
    session.delete();
  }
}

test('a port session reads, writes, tells a refused write part-way and a port it cannot open', () => {
  withDocument((doc) => {
    const radio = new core.VirtualRadio();
    try {
      radio.setMemory(sin('model4.sin'));
      const read = runSession(radio, false, doc.transferImage());
      assert.equal(read.result.outcome, 'completed');
      doc.takeRead(read.result.image);
      assert.deepEqual(table(doc).slice(0, 4), expectedTable('model4.tsv').slice(0, 4));
      const write = runSession(radio, true, sin('programmed.sin'));
      assert.equal(write.result.outcome, 'completed');
      assert.deepEqual(radio.memory().slice(0, 0x0c70), sin('programmed.sin').slice(0, 0x0c70));

      const closed = runSession(radio, false, doc.transferImage(), {openFails: true});
      assert.equal(closed.result.outcome, 'portUnavailable');
      assert.deepEqual(texts(closed.actions, 'ask'), [
        'Could not Open the Port,Please check whether the Port are occupied or the device are ok']);
    } finally {
      radio.delete();
    }
    assert.equal(core.VirtualRadio.withFaults('no-such-fault'), null);
    const refusing = core.VirtualRadio.withFaults('refuse-write=5');
    try {
      const before = table(doc);
      const refused = runSession(refusing, true, sin('programmed.sin'));
      assert.equal(refused.result.outcome, 'failed');
      assert.equal(refused.result.wroteToRadio, true);
      assert.deepEqual(texts(refused.actions, 'ask'), [
        ' Program Interrupt\uff0cPlease reset the radio and try again',
        'Writing stopped after 5 of 404 blocks: the radio is partly programmed. Write again to complete it.\n' +
          'The last channel written is channel 2.']);
      // The port closes before the window, and the reports come after it.
      const kinds = refused.actions.map((a) => a.kind);
      assert.ok(kinds.lastIndexOf('close') < kinds.indexOf('closeWindow'));
      assert.ok(kinds.lastIndexOf('ask') > kinds.indexOf('closeWindow'));
      assert.deepEqual(table(doc), before);
    } finally {
      refusing.delete();
    }
  });
});
