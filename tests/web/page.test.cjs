// The page in real Chromium: what a user sees in the grid and what they keep on disk.
'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const http = require('node:http');
const {execFileSync, spawn} = require('node:child_process');
const {chromium} = require('playwright-core');

const source = path.resolve(__dirname, '../..');
const webBuild = process.env.TARN_WEB_BUILD || path.join(source, 'build-web');
const nativeBuild = process.env.TARN_BUILD || path.join(source, 'build');
const site = path.join(webBuild, 'site');
const sinCorpus = path.join(source, 'tests/tools/fuzz/sin-corpus');
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'tarn-page-'));

let browser;
let server;
let origin;

const types = {'.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm'};

test.before(async () => {
  server = http.createServer((request, response) => {
    const name = path.join(site, path.normalize(new URL(request.url, 'http://x').pathname).replace(/^\/+$/, 'index.html'));
    if (!name.startsWith(site) || !fs.existsSync(name) || fs.statSync(name).isDirectory()) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, {'Content-Type': types[path.extname(name)] || 'application/octet-stream'});
    fs.createReadStream(name).pipe(response);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  origin = `http://localhost:${server.address().port}`;
  browser = await chromium.launch({
    executablePath: process.env.TARN_CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--no-first-run'],
  });
});

test.after(async () => {
  await browser?.close();
  server?.close();
  fs.rmSync(work, {recursive: true, force: true});
});

// A fresh page; without the save picker, Save downloads, which a test can catch.
async function openPage(url = `${origin}/index.html`, {noSerial = false, fakeSerial = null} = {}) {
  const context = await browser.newContext({acceptDownloads: true});
  await context.addInitScript((withoutSerial) => {
    delete window.showSaveFilePicker;
    if (withoutSerial) delete Navigator.prototype.serial;
  }, noSerial);
  if (fakeSerial) await context.addInitScript(installFakeSerial, fakeSerial);
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  await page.goto(url);
  await page.waitForFunction(() => window.tarnPage && window.tarnPage.ready);
  return {page, context, errors};
}

// navigator.serial with one port, behind which the compiled virtual radio answers on the
// page's clock. Set before the page loads, as a browser's own would be. options: faults (the
// virtual radio's --fault list), memory (its bytes), busy (open fails as with a port in use),
// chooserClosed (requestPort rejects as when the user closes the chooser), unplugAtWrite (the
// device is lost at that write).
function installFakeSerial(options) {
  const log = {opens: [], closes: 0, requests: 0, writes: 0};
  window.fakeSerial = log;
  const port = {
    readable: null,
    writable: null,
    getInfo: () => ({usbVendorId: 0x1a86, usbProductId: 0x7523}),
    async open(settings) {
      if (this.readable || log.busy) throw new DOMException('Failed to open serial port.', 'InvalidStateError');
      log.opens.push(settings);
      if (!this.radio) {
        const core = await TarnCore({});
        this.radio = options.faults ? core.VirtualRadio.withFaults(options.faults) : new core.VirtualRadio();
        if (options.memory) this.radio.setMemory(new Uint8Array(options.memory));
        log.memory = () => Array.from(this.radio.memory());
      }
      const radio = this.radio;
      let open = true;
      let readController = null;
      this.readable = new ReadableStream({
        start: (controller) => { readController = controller; },
        pull: (controller) => new Promise((resolve) => {
          const poll = () => {
            if (!open) return resolve();
            const next = radio.nextOutput();
            const now = performance.now();
            if (next >= 0 && next <= now) {
              controller.enqueue(radio.takeOutput(now));
              return resolve();
            }
            setTimeout(poll, next >= 0 ? next - now : 1);
          };
          poll();
        }),
        cancel: () => { open = false; },
      });
      this.writable = new WritableStream({
        write: (chunk) => {
          if (++log.writes === options.unplugAtWrite) {
            // The cable is pulled: both streams fail, as a lost device's do.
            const lost = new DOMException('The device has been lost.', 'NetworkError');
            open = false;
            readController.error(lost);
            throw lost;
          }
          radio.receive(chunk, performance.now());
        },
      });
    },
    async close() {
      if (!this.readable) throw new DOMException('The port is already closed.', 'InvalidStateError');
      if (this.readable.locked || this.writable.locked) throw new TypeError('Cannot close a locked stream');
      this.readable = this.writable = null;
      ++log.closes;
    },
  };
  log.busy = Boolean(options.busy);
  const serial = {
    async requestPort() {
      ++log.requests;
      if (options.chooserClosed) throw new DOMException('No port selected by the user.', 'NotFoundError');
      return port;
    },
    async getPorts() { return [port]; },
  };
  Object.defineProperty(Navigator.prototype, 'serial', {get: () => serial, configurable: true});
}

function row(page, channel) {
  return page.getByRole('row').filter({has: page.getByRole('rowheader', {name: String(channel), exact: true})});
}

async function cells(page, channel) {
  return row(page, channel).getByRole('gridcell').allTextContents();
}

async function command(page, menu, name) {
  await page.getByRole('button', {name: menu, exact: true}).click();
  await page.getByRole('menuitem', {name, exact: true}).click();
}

// The desktop's question after a file has loaded; answered with the named button.
async function answerRewrite(page, button = 'OK') {
  const box = page.getByRole('alertdialog', {name: 'Prompt'});
  await box.waitFor();
  assert.equal(await box.locator('.message').textContent(), 'Do you rewrite data?');
  await box.getByRole('button', {name: button, exact: true}).click();
  await box.waitFor({state: 'detached'});
}

async function openSin(page, name) {
  const chooser = page.waitForEvent('filechooser');
  await command(page, 'File', 'Open...');
  await (await chooser).setFiles(path.join(sinCorpus, name));
  await answerRewrite(page);
  await page.getByRole('heading', {name}).waitFor();
}

async function answerMessage(page) {
  const box = page.getByRole('alertdialog');
  await box.waitFor();
  const text = await box.locator('.message').textContent();
  await box.getByRole('button', {name: 'OK'}).click();
  return text;
}

test('the grid has the desktop columns, every channel row, and the commands by name', async () => {
  const {page, context, errors} = await openPage();
  const headers = await page.getByRole('columnheader').allTextContents();
  assert.deepEqual(headers, ['Channel NO.', 'RX Freq', 'TX Freq', 'QT/DQT Dec', 'QT/DQT Enc', 'TX Power', 'CHN Lock']);
  assert.equal(await page.getByRole('rowheader').count(), 199);
  for (const name of ['New', 'Open...', 'Save', 'Read From Radio', 'Write To Radio']) {
    assert.equal(await page.getByRole('toolbar').getByRole('button', {name, exact: true}).count(), 1, name);
  }
  await page.getByRole('button', {name: 'Model', exact: true}).click();
  assert.equal(await page.getByRole('menuitem', {name: 'Model Information'}).count(), 1);
  assert.equal(await page.getByRole('note').count(), 0);
  assert.deepEqual(errors, []);
  await context.close();
});

test('an opened file shows its cells; a dropped one opens too; a short one is refused', async () => {
  const {page, context} = await openPage();
  await openSin(page, 'programmed.sin');
  assert.deepEqual(await cells(page, 1), ['146.52500', '146.52500', '67.0', '67.0', 'High', 'Lock']);
  assert.deepEqual(await cells(page, 2), ['439.50000', '434.50000', 'D023N', 'D754I', 'Middle', 'UnLock']);

  const bytes = [...fs.readFileSync(path.join(sinCorpus, 'model4.sin'))];
  await page.evaluate((data) => {
    const transfer = new DataTransfer();
    transfer.items.add(new File([new Uint8Array(data)], 'model4.sin'));
    document.querySelector('#statusbar').dispatchEvent(new DragEvent('drop', {dataTransfer: transfer, bubbles: true}));
  }, bytes);
  await answerRewrite(page);
  await page.getByRole('heading', {name: 'model4.sin'}).waitFor();

  await page.evaluate(() => {
    const transfer = new DataTransfer();
    transfer.items.add(new File([new Uint8Array(10)], 'short.sin'));
    document.body.dispatchEvent(new DragEvent('drop', {dataTransfer: transfer, bubbles: true}));
  });
  assert.equal(await answerMessage(page),
    'Could not open "short.sin": not a channel file: it holds 10 bytes, a channel file holds 8192.');
  await page.getByRole('heading', {name: 'model4.sin'}).waitFor();

  // A longer file is the desktop's question: No keeps the document, Yes takes the first bytes.
  const long = [...fs.readFileSync(path.join(sinCorpus, 'programmed.sin')), 1, 2, 3, 4];
  const dropLong = () => page.evaluate((data) => {
    const transfer = new DataTransfer();
    transfer.items.add(new File([new Uint8Array(data)], 'long.sin'));
    document.body.dispatchEvent(new DragEvent('drop', {dataTransfer: transfer, bubbles: true}));
  }, long);
  const question = page.getByRole('alertdialog');
  await dropLong();
  assert.equal(await question.locator('.message').textContent(),
    'long.sin is 8196 bytes; a channel file has 8192. Open its first 8192 bytes?');
  await page.keyboard.press('Enter');
  await question.waitFor({state: 'detached'});
  await page.getByRole('heading', {name: 'model4.sin'}).waitFor();
  await dropLong();
  await question.getByRole('button', {name: 'Yes'}).click();
  await answerRewrite(page);
  await page.getByRole('heading', {name: 'long.sin'}).waitFor();
  assert.deepEqual(await cells(page, 1), ['146.52500', '146.52500', '67.0', '67.0', 'High', 'Lock']);
  await context.close();
});

test('Open asks "Do you rewrite data?": Cancel keeps everything, OK then offers to save the changed document', async () => {
  const {page, context} = await openPage();
  await row(page, 1).getByRole('gridcell').first().click();
  await page.keyboard.type('145.5');
  await page.keyboard.press('Enter');
  await page.keyboard.press('Escape');
  const openProgrammed = async () => {
    const chooser = page.waitForEvent('filechooser');
    await command(page, 'File', 'Open...');
    await (await chooser).setFiles(path.join(sinCorpus, 'programmed.sin'));
  };
  // Cancel: nothing is asked or changed, and the edit can still be undone.
  await openProgrammed();
  const box = page.getByRole('alertdialog', {name: 'Prompt'});
  await box.waitFor();
  assert.equal(await box.getAttribute('data-icon'), 'warning');
  assert.deepEqual(await box.getByRole('button').allTextContents(), ['OK', 'Cancel']);
  await page.screenshot({path: path.join(webBuild, 'page-rewrite-question.png')});
  await answerRewrite(page, 'Cancel');
  assert.equal(await page.getByRole('dialog').count(), 0);
  assert.equal(await page.locator('#title').textContent(), 'Untitled.sin *');
  assert.deepEqual(await cells(page, 1), ['145.50000', '145.50000', 'OFF', 'OFF', 'High', 'Lock']);
  // Escape is Cancel too.
  await openProgrammed();
  await box.waitFor();
  await page.keyboard.press('Escape');
  await box.waitFor({state: 'detached'});
  assert.equal((await cells(page, 1))[0], '145.50000');
  // OK: only now is the changed document offered for saving; its Cancel keeps it still.
  await openProgrammed();
  await answerRewrite(page);
  const save = page.getByRole('alertdialog').filter({hasText: 'Save changes to'});
  assert.equal(await save.locator('.message').textContent(), 'Save changes to Untitled.sin?');
  assert.equal(await save.getAttribute('data-icon'), 'warning');
  await save.getByRole('button', {name: 'Cancel'}).click();
  assert.equal((await cells(page, 1))[0], '145.50000');
  await openProgrammed();
  await answerRewrite(page);
  await save.getByRole('button', {name: 'No'}).click();
  await page.getByRole('heading', {name: 'programmed.sin'}).waitFor();
  assert.deepEqual(await cells(page, 1), ['146.52500', '146.52500', '67.0', '67.0', 'High', 'Lock']);
  // A short file is told without the question.
  await page.evaluate(() => {
    const transfer = new DataTransfer();
    transfer.items.add(new File([new Uint8Array(10)], 'short.sin'));
    document.body.dispatchEvent(new DragEvent('drop', {dataTransfer: transfer, bubbles: true}));
  });
  assert.match(await answerMessage(page), /^Could not open "short.sin"/);
  assert.equal(await page.getByRole('alertdialog').count(), 0);
  await context.close();
});

test('a typed frequency walks on with Enter, saves the bytes tarn-cli writes, and undoes', async () => {
  const {page, context} = await openPage();
  await openSin(page, 'programmed.sin');
  await row(page, 6).getByRole('gridcell').first().click();
  await page.keyboard.type('433.5');
  await page.keyboard.press('Enter');
  const shown = await cells(page, 6);
  assert.deepEqual([shown[0], ...shown.slice(2)], ['433.50000', 'OFF', 'OFF', 'High', 'Lock']);
  // Enter moved on to TX Freq with its editor open, filled in as a new channel's.
  const editor = row(page, 6).getByRole('textbox', {name: 'TX Freq'});
  assert.equal(await editor.inputValue(), '433.50000');
  await page.keyboard.press('Escape');

  const download = page.waitForEvent('download');
  await page.getByRole('toolbar').getByRole('button', {name: 'Save', exact: true}).click();
  const saved = path.join(work, 'saved.sin');
  await (await download).saveAs(saved);

  const table = path.join(work, 'edit.tsv');
  fs.writeFileSync(table, 'Channel NO.\tRX Freq\tTX Freq\tQT/DQT Dec\tQT/DQT Enc\tTX Power\tCHN Lock\n' +
    '  6\t433.50000\t433.50000\tOFF\tOFF\tHigh\tLock\n');
  const expected = path.join(work, 'expected.sin');
  execFileSync(path.join(nativeBuild, 'tools/cli/tarn-cli'),
    ['apply', path.join(sinCorpus, 'programmed.sin'), table, '-o', expected], {env: {...process.env, TARN_TEST: '1'}});
  assert.ok(fs.readFileSync(saved).equals(fs.readFileSync(expected)), 'the saved bytes are tarn-cli\'s');

  await page.keyboard.press('Control+z');
  assert.deepEqual(await cells(page, 6), ['', '', '', '', '', '']);
  await context.close();
});

test('editing keeps the desktop rules: Enter walks the row, L and U over CHN Lock, letters are told', async () => {
  const {page, context} = await openPage();
  await row(page, 1).getByRole('gridcell').first().click();
  await page.keyboard.type('146.52');
  await page.keyboard.press('Enter');
  // TX Freq opens filled in, then the tones, then power; power's Enter goes on to the next
  // channel's RX Freq.
  assert.equal(await row(page, 1).getByRole('textbox', {name: 'TX Freq'}).inputValue(), '146.52000');
  await page.keyboard.press('Enter');
  await page.keyboard.type('67');
  await page.keyboard.press('Enter');
  assert.equal(await row(page, 1).getByRole('combobox', {name: 'QT/DQT Enc'}).inputValue(), 'OFF');
  await page.keyboard.press('Enter');
  assert.equal(await row(page, 1).getByRole('combobox', {name: 'TX Power'}).inputValue(), 'High');
  await page.keyboard.press('Enter');
  assert.equal(await row(page, 2).getByRole('textbox', {name: 'RX Freq'}).inputValue(), '');
  await page.keyboard.press('Escape');
  assert.deepEqual(await cells(page, 1), ['146.52000', '146.52000', '67.0', 'OFF', 'High', 'Lock']);

  // Over CHN Lock, U and L store at once; other keys open nothing.
  await row(page, 1).getByRole('gridcell').nth(5).click();
  await page.keyboard.press('Escape');
  await page.keyboard.press('u');
  assert.equal((await cells(page, 1))[5], 'UnLock');
  await page.keyboard.press('x');
  assert.equal(await row(page, 1).getByRole('combobox').count(), 0);
  await page.keyboard.press('l');
  assert.equal((await cells(page, 1))[5], 'Lock');

  // A letter typed over a frequency is told, and an empty cell's editor opens empty.
  await row(page, 3).getByRole('gridcell').first().click();
  await page.keyboard.press('Escape');
  await page.keyboard.press('a');
  assert.equal(await answerMessage(page), 'Please input Number');
  assert.equal(await row(page, 3).getByRole('textbox', {name: 'RX Freq'}).inputValue(), '');
  await page.keyboard.press('Escape');
  // Escape drops what was typed.
  await row(page, 1).getByRole('gridcell').first().click();
  await page.keyboard.type('147');
  await page.keyboard.press('Escape');
  assert.equal((await cells(page, 1))[0], '146.52000');
  await context.close();
});

test('Sort, Move and a ready-made list from the menus: one undo step each, the sort saved as tarn-cli sorts', async () => {
  const {page, context, errors} = await openPage();
  await openSin(page, 'programmed.sin');
  const rx = async (count) => {
    const out = [];
    for (let channel = 1; channel <= count; ++channel) out.push((await cells(page, channel))[0]);
    return out;
  };
  const undoTitle = () => page.locator('[role="menuitem"][aria-label="Undo"]').getAttribute('title');

  await command(page, 'Edit', 'Sort Channels...');
  const sort = page.getByRole('dialog', {name: 'Sort Channels'});
  assert.equal(await sort.getByRole('checkbox').isDisabled(), true);
  assert.deepEqual(await sort.locator('select option').allTextContents(), ['RX Freq', 'TX Freq', 'QT/DQT Dec', 'QT/DQT Enc', 'TX Power']);
  await page.screenshot({path: path.join(webBuild, 'page-sort-dialog.png')});
  await sort.getByRole('button', {name: 'OK'}).click();
  // By value; the channel with no RX Freq goes last, its TX Freq with it.
  assert.deepEqual(await rx(5), ['100.00000', '145.00625', '146.52500', '439.50000', '']);
  assert.equal((await cells(page, 5))[1], '600.00000');
  assert.equal(await undoTitle(), 'Undo Sort Channels');

  const download = page.waitForEvent('download');
  await page.getByRole('toolbar').getByRole('button', {name: 'Save', exact: true}).click();
  const saved = path.join(work, 'sorted.sin');
  await (await download).saveAs(saved);
  const expected = path.join(work, 'sorted-by-cli.sin');
  execFileSync(path.join(nativeBuild, 'tools/cli/tarn-cli'),
    ['sort', path.join(sinCorpus, 'programmed.sin'), '--by', 'rx', '-o', expected], {cwd: work, env: {...process.env, TARN_TEST: '1'}});
  assert.ok(fs.readFileSync(saved).equals(fs.readFileSync(expected)), 'the sorted bytes are tarn-cli\'s');

  // Move: the chosen channel goes down with its key and comes back up from the menu.
  await row(page, 1).getByRole('rowheader').click();
  await page.keyboard.press('Control+Shift+ArrowDown');
  assert.deepEqual(await rx(3), ['145.00625', '100.00000', '146.52500']);
  assert.equal(await row(page, 2).getAttribute('aria-selected'), 'true');
  await page.keyboard.press('Control+Shift+ArrowDown');
  assert.deepEqual(await rx(3), ['145.00625', '146.52500', '100.00000']);
  await command(page, 'Edit', 'Move Up');
  assert.deepEqual(await rx(3), ['145.00625', '100.00000', '146.52500']);
  assert.equal(await undoTitle(), 'Undo Move Up');
  await page.keyboard.press('Control+z');
  await page.keyboard.press('Control+z');
  assert.deepEqual(await rx(3), ['145.00625', '100.00000', '146.52500']);

  // A ready-made list from its submenu, after the import's report; undone in one step.
  await page.getByRole('button', {name: 'File', exact: true}).click();
  await page.getByRole('menuitem', {name: 'Channel Lists', exact: true}).click();
  const lists = page.getByRole('menu', {name: 'Channel Lists'});
  assert.equal(await lists.getByRole('menuitem').count(), 7);
  await page.screenshot({path: path.join(webBuild, 'page-channel-lists.png')});
  await lists.getByRole('menuitem', {name: 'PMR446 (16 channels)'}).click();
  await page.getByRole('dialog', {name: 'Import Channels'}).getByRole('button', {name: 'OK'}).click();
  assert.deepEqual(await cells(page, 1), ['446.00625', '446.00625', 'OFF', 'OFF', 'Low', 'Lock']);
  assert.equal((await cells(page, 16))[0], '446.19375');
  await page.keyboard.press('Control+z');
  assert.deepEqual(await rx(3), ['145.00625', '100.00000', '146.52500']);

  // Descending, only the chosen channels among their own places; the rest stay.
  await row(page, 1).getByRole('rowheader').click();
  await row(page, 3).getByRole('rowheader').click({modifiers: ['Shift']});
  await command(page, 'Edit', 'Sort Channels...');
  await sort.getByText('Descending').click();
  await sort.getByText('Only the 3 selected channels').click();
  await sort.getByRole('button', {name: 'OK'}).click();
  assert.deepEqual(await rx(4), ['146.52500', '145.00625', '100.00000', '439.50000']);
  assert.deepEqual(errors, []);
  await context.close();
});

test('Fill asks before replacing programmed channels; Edit Selected and the band plan', async () => {
  const {page, context, errors} = await openPage();
  await openSin(page, 'programmed.sin');
  await row(page, 1).getByRole('rowheader').click();
  await row(page, 2).getByRole('rowheader').click({modifiers: ['Shift']});
  await command(page, 'Edit', 'Fill Channels...');
  const fill = page.getByRole('dialog', {name: 'Fill Channels'});
  const ok = fill.getByRole('button', {name: 'OK'});
  assert.equal(await fill.getByRole('status').textContent(), 'Type the start frequency in MHz.');
  assert.equal(await ok.isDisabled(), true);
  await fill.getByPlaceholder('MHz, e.g. 446.00625').fill('145.5');
  assert.equal(await ok.isDisabled(), false);
  await page.screenshot({path: path.join(webBuild, 'page-fill-dialog.png')});
  await ok.click();
  const question = page.getByRole('alertdialog');
  assert.equal(await question.locator('.message').textContent(), 'Fill Channels replaces 2 programmed channels.');
  await question.getByRole('button', {name: 'Cancel'}).click();
  assert.equal((await cells(page, 1))[0], '146.52500');
  await command(page, 'Edit', 'Fill Channels...');
  await fill.getByPlaceholder('MHz, e.g. 446.00625').fill('145.5');
  await ok.click();
  await question.getByRole('button', {name: 'OK'}).click();
  assert.deepEqual(await cells(page, 1), ['145.50000', '145.50000', 'OFF', 'OFF', 'High', 'Lock']);
  assert.equal((await cells(page, 2))[0], '145.51250');

  // The band plan's "+" on the channels still chosen: IARU Region 1 shifts 145.5 by 0.6 MHz.
  await page.getByRole('button', {name: 'Setup', exact: true}).click();
  await page.getByRole('menuitem', {name: 'Band Plan', exact: true}).click();
  assert.equal(await page.getByRole('menuitemradio', {name: 'IARU Region 1'}).getAttribute('aria-checked'), 'true');
  await page.getByRole('button', {name: 'Setup', exact: true}).click();
  await command(page, 'Edit', 'Edit Selected Channels...');
  const edit = page.getByRole('dialog', {name: 'Edit Selected Channels'});
  await edit.getByRole('textbox', {name: 'TX offset:'}).fill('-');
  await edit.getByRole('button', {name: 'OK'}).click();
  assert.deepEqual((await cells(page, 1)).slice(0, 2), ['145.50000', '144.90000']);
  assert.equal(await page.locator('[role="menuitem"][aria-label="Undo"]').getAttribute('title'), 'Undo Edit 2 Channels');
  assert.deepEqual(errors, []);
  await context.close();
});

test('Find shows only the matching channels; edits reach only them and Escape shows all', async () => {
  const {page, context, errors} = await openPage();
  await openSin(page, 'programmed.sin');
  for (const channel of [6, 8]) {
    await row(page, channel).getByRole('gridcell').first().click();
    await page.keyboard.type('146.52');
    await page.keyboard.press('Enter');
    await page.keyboard.press('Escape');
  }
  const channelsShown = () => page.getByRole('rowheader').allTextContents();
  const count = page.locator('#find-count');

  await page.keyboard.press('Control+f');
  const field = page.getByRole('searchbox', {name: 'Find:'});
  assert.equal(await field.evaluate((input) => input === document.activeElement), true);
  await page.keyboard.type('146.52');
  // Channel 1's 146.52500 is another frequency.
  assert.equal(await count.textContent(), '2 of 199 channels');
  assert.deepEqual(await channelsShown(), ['6', '8']);
  assert.equal(await row(page, 8).getAttribute('aria-rowindex'), '9');
  await field.fill('xyz');
  assert.equal(await count.textContent(), 'No channel matches "xyz".');
  assert.deepEqual(await channelsShown(), []);
  await field.fill('146.52');
  assert.deepEqual(await channelsShown(), ['6', '8']);

  // Commands on channels one after another are off, and the status bar says why.
  await page.getByRole('button', {name: 'Edit', exact: true}).click();
  for (const name of ['Insert Channel', 'Delete Channel', 'Move Up', 'Move Down', 'Sort Channels...', 'Fill Channels...']) {
    assert.equal(await page.getByRole('menuitem', {name, exact: true}).isDisabled(), true, name);
  }
  assert.equal(await page.getByRole('menuitem', {name: 'Edit Selected Channels...', exact: true}).isDisabled(), false);
  await page.getByRole('button', {name: 'Edit', exact: true}).click();
  assert.equal(await page.locator('#statusbar').textContent(), 'Found or sorted: Insert, Delete, Move, Sort and Fill are off');
  await page.screenshot({path: path.join(webBuild, 'page-find.png')});

  // An edit of a shown channel; Enter from its power walks on to the next channel shown.
  await row(page, 6).getByRole('gridcell').nth(1).click();
  await page.keyboard.press('Escape');
  await page.keyboard.type('147.12');
  await page.keyboard.press('Enter');
  await page.keyboard.press('Escape');
  await row(page, 6).getByRole('gridcell').nth(4).click();
  await page.keyboard.press('Enter');
  assert.equal(await row(page, 8).getByRole('textbox', {name: 'RX Freq'}).inputValue(), '146.52000');
  await page.keyboard.press('Escape');
  // Choosing channels 6 to 8 leaves out the hidden 7.
  await row(page, 6).getByRole('rowheader').click();
  await row(page, 8).getByRole('rowheader').click({modifiers: ['Shift']});
  assert.equal(await page.locator('#grid tbody tr[data-row="7"]').getAttribute('aria-selected'), 'false');

  // Escape on the grid closes the bar and every channel shows again.
  await row(page, 8).getByRole('gridcell').first().click();
  await page.keyboard.press('Escape');
  await page.keyboard.press('Escape');
  assert.equal(await page.locator('#findbar').isHidden(), true);
  assert.equal((await channelsShown()).length, 199);
  assert.equal(await page.locator('#statusbar').textContent(), '');

  const download = page.waitForEvent('download');
  await page.getByRole('toolbar').getByRole('button', {name: 'Save', exact: true}).click();
  const saved = path.join(work, 'found.sin');
  await (await download).saveAs(saved);
  const table = path.join(work, 'found.tsv');
  fs.writeFileSync(table, 'Channel NO.\tRX Freq\tTX Freq\tQT/DQT Dec\tQT/DQT Enc\tTX Power\tCHN Lock\n' +
    '  6\t146.52000\t147.12000\tOFF\tOFF\tHigh\tLock\n' +
    '  8\t146.52000\t146.52000\tOFF\tOFF\tHigh\tLock\n');
  const expected = path.join(work, 'found-by-cli.sin');
  execFileSync(path.join(nativeBuild, 'tools/cli/tarn-cli'),
    ['apply', path.join(sinCorpus, 'programmed.sin'), table, '-o', expected], {env: {...process.env, TARN_TEST: '1'}});
  assert.ok(fs.readFileSync(saved).equals(fs.readFileSync(expected)), 'only the edited channels changed');
  assert.deepEqual(errors, []);
  await context.close();
});

test('a refused value is told and nothing is stored', async () => {
  const {page, context} = await openPage();
  await row(page, 3).getByRole('gridcell').first().click();
  await page.keyboard.type('99');
  await page.keyboard.press('Enter');
  const text = await answerMessage(page);
  assert.ok(text.length > 0);
  assert.equal(await row(page, 3).getByRole('textbox', {name: 'RX Freq'}).inputValue(), '99');
  await page.keyboard.press('Escape');
  assert.deepEqual(await cells(page, 3), ['', '', '', '', '', '']);
  await context.close();
});

test('a CSV channel list imports after its report', async () => {
  const {page, context} = await openPage();
  const chooser = page.waitForEvent('filechooser');
  await command(page, 'File', 'Import Channels...');
  await (await chooser).setFiles(path.join(source, 'tests/data/csv/current.csv'));
  await page.getByRole('dialog', {name: 'Import Channels'}).getByRole('button', {name: 'OK'}).click();
  assert.deepEqual(await cells(page, 2), ['145.29000', '144.69000', 'OFF', '100.0', 'Middle', 'Lock']);
  assert.deepEqual(await cells(page, 7), ['162.55000', '', 'OFF', 'OFF', 'High', 'Lock']);
  await context.close();
});

test('the demo radio reads and writes with the progress window, and keeps backups', async () => {
  const {page, context} = await openPage();
  await row(page, 1).getByRole('gridcell').first().click();
  await page.keyboard.type('145.5');
  await page.keyboard.press('Enter');
  await page.keyboard.press('Escape');

  await page.getByRole('toolbar').getByRole('button', {name: 'Write To Radio', exact: true}).click();
  let progress = page.getByRole('dialog', {name: 'Writing Data Progress'});
  await progress.getByRole('button', {name: 'Start'}).click();
  await progress.waitFor({state: 'detached'});

  await command(page, 'File', 'New');
  await page.getByRole('alertdialog').filter({hasText: 'Save changes to'}).getByRole('button', {name: 'No'}).click();
  assert.deepEqual(await cells(page, 1), ['', '', '', '', '', '']);

  await page.getByRole('toolbar').getByRole('button', {name: 'Read From Radio', exact: true}).click();
  progress = page.getByRole('dialog', {name: 'Reading Data Progress'});
  await progress.getByRole('button', {name: 'Start'}).click();
  await progress.waitFor({state: 'detached'});
  // Shown from the image read, where no tone is an empty cell.
  assert.deepEqual(await cells(page, 1), ['145.50000', '145.50000', '', '', 'High', 'Lock']);

  await command(page, 'Program', 'Backups...');
  const backups = page.getByRole('dialog', {name: 'Backups'});
  // The dialog opens once the browser's storage has answered.
  await backups.getByRole('row').nth(2).waitFor();
  assert.equal(await backups.getByRole('row').count(), 3);
  assert.equal(await backups.getByRole('row').nth(1).getByRole('gridcell').nth(1).textContent(), 'Read');
  await backups.getByRole('button', {name: 'Close'}).click();
  await page.screenshot({path: path.join(webBuild, 'page-after-read.png')});
  await context.close();
});

test('Print lays out the desktop pages: 29 channels each under the title and page number', async () => {
  const {page, context} = await openPage();
  await page.evaluate(() => { window.print = () => { window.printed = true; }; });
  await openSin(page, 'programmed.sin');
  await page.getByRole('toolbar').getByRole('button', {name: 'Print...', exact: true}).click();
  assert.equal(await page.evaluate(() => window.printed), true);
  await page.emulateMedia({media: 'print'});
  const pages = page.locator('#print .page');
  assert.equal(await pages.count(), 7);
  assert.equal(await pages.nth(0).locator('header').textContent(), 'programmed.sinPage 1 of 7');
  assert.equal(await pages.nth(0).locator('tbody tr').count(), 29);
  assert.equal(await pages.nth(6).locator('tbody tr').count(), 199 - 6 * 29);
  assert.deepEqual(await pages.nth(0).locator('tbody tr').first().locator('td').allTextContents(),
    ['1', '146.52500', '146.52500', '67.0', '67.0', 'High', 'Lock']);
  assert.equal(await page.locator('#grid').isVisible(), false);
  await page.screenshot({path: path.join(webBuild, 'page-print.png'), fullPage: false});
  await context.close();
});

test('the self-contained page works from file:// and without Web Serial says so', async () => {
  const {page, context, errors} = await openPage(`file://${path.join(webBuild, 'tarn.html')}`, {noSerial: true});
  assert.match(await page.getByRole('note').textContent(), /Radio transfers need Chrome, Edge or Opera/);
  await openSin(page, 'programmed.sin');
  assert.deepEqual(await cells(page, 3), ['145.00625', '', '', '254.1', 'Low', 'UnLock']);
  // The transfer worker starts from disk too: the demo radio reads back a blank radio.
  const progress = await transferOn(page, false, 'demo');
  await progress.waitFor({state: 'detached'});
  assert.deepEqual(await cells(page, 3), ['', '', '', '', '', '']);
  assert.deepEqual(errors, []);
  await context.close();
});

// Starts a transfer from the toolbar on the named port and waits for its window to go.
async function transferOn(page, write, port) {
  await page.getByRole('toolbar').getByRole('button', {name: write ? 'Write To Radio' : 'Read From Radio', exact: true}).click();
  const progress = page.getByRole('dialog', {name: write ? 'Writing Data Progress' : 'Reading Data Progress'});
  await progress.getByRole('combobox', {name: 'Port'}).selectOption(port);
  await progress.getByRole('button', {name: 'Start'}).click();
  return progress;
}

test('Web Serial: a read and a write through the port, 9600 8N1, the port released', async () => {
  const memory = [...fs.readFileSync(path.join(sinCorpus, 'programmed.sin'))];
  const {page, context, errors} = await openPage(undefined, {fakeSerial: {memory}});
  let progress = await transferOn(page, false, 'serial');
  await progress.waitFor({state: 'detached'});
  assert.deepEqual(await cells(page, 1), ['146.52500', '146.52500', '67.0', '67.0', 'High', 'Lock']);
  assert.deepEqual(await cells(page, 2), ['439.50000', '434.50000', 'D023N', 'D754I', 'Middle', 'UnLock']);

  await row(page, 5).getByRole('gridcell').first().click();
  await page.keyboard.type('433.5');
  await page.keyboard.press('Enter');
  await page.keyboard.press('Escape');
  progress = await transferOn(page, true, 'serial');
  await progress.waitFor({state: 'detached'});
  const log = await page.evaluate(() => ({opens: window.fakeSerial.opens, closes: window.fakeSerial.closes, memory: window.fakeSerial.memory()}));
  assert.deepEqual(log.opens[0], {baudRate: 9600, dataBits: 8, stopBits: 1, parity: 'none', flowControl: 'none'});
  assert.equal(log.closes, log.opens.length, 'every open is closed again');
  assert.equal(log.memory[4 * 16 + 3], 0x43);
  assert.deepEqual(errors, []);
  await context.close();
});

test('Web Serial: a write refused part-way says how far it got; the document stays', async () => {
  const {page, context} = await openPage(undefined, {fakeSerial: {faults: 'refuse-write=7'}});
  await openSin(page, 'programmed.sin');
  const before = await cells(page, 2);
  const progress = await transferOn(page, true, 'serial');
  assert.equal(await answerMessage(page), ' Program Interrupt\uff0cPlease reset the radio and try again');
  await progress.waitFor({state: 'detached'});
  const stopped = await answerMessage(page);
  assert.ok(stopped.startsWith(
    'Writing stopped after 7 of 404 blocks: the radio is partly programmed. Write again to complete it.'),
  stopped);
  assert.match(stopped, /The last channel written is channel 3\./);
  assert.deepEqual(await cells(page, 2), before);
  assert.equal(await page.evaluate(() => window.fakeSerial.closes), 1);
  await context.close();
});

test('Web Serial: a closed chooser does nothing; a port in use is told and nothing changes', async () => {
  let {page, context} = await openPage(undefined, {fakeSerial: {chooserClosed: true}});
  const progress = await transferOn(page, false, 'serial');
  await page.waitForFunction(() => window.fakeSerial.requests === 1);
  assert.equal(await progress.getByRole('button', {name: 'Start'}).isEnabled(), true);
  assert.equal(await progress.getByRole('status').textContent(), '   Not start yet');
  await progress.getByRole('button', {name: 'Cancel'}).click();
  await progress.waitFor({state: 'detached'});
  await context.close();

  ({page, context} = await openPage(undefined, {fakeSerial: {busy: true}}));
  await openSin(page, 'programmed.sin');
  await transferOn(page, false, 'serial');
  assert.equal(await answerMessage(page),
    'Could not Open the Port,Please check whether the Port are occupied or the device are ok');
  assert.deepEqual(await cells(page, 1), ['146.52500', '146.52500', '67.0', '67.0', 'High', 'Lock']);
  await page.getByRole('heading', {name: 'programmed.sin'}).waitFor();
  await context.close();
});

// The first line a program prints: the virtual radio's device, the bridge's address.
function firstLine(child) {
  return new Promise((resolve, reject) => {
    let text = '';
    child.stdout.on('data', (chunk) => {
      text += chunk;
      if (text.includes('\n')) resolve(text.slice(0, text.indexOf('\n')).trim());
    });
    child.on('exit', (code) => reject(new Error(`${child.spawnfile} exited with ${code}`)));
  });
}

// The paced radio and the relay must not be starved by the suite's other work: a byte late
// by 30 ms ends a read, as it would with a real radio. Where the system lets us.
function firstInLine(child) {
  try {
    execFileSync('chrt', ['-f', '-p', '1', String(child.pid)], {stdio: 'ignore'});
  } catch {
    // Not permitted here: the case runs at the usual priority.
  }
}

// tarn-virtual-radio (the desktop tests' radio) behind tarn-cli bridge on a free port.
async function radioBehindBridge(radioArgs) {
  const env = {...process.env, TARN_TEST: '1'};
  const radio = spawn(path.join(nativeBuild, 'tools/virtual-radio/tarn-virtual-radio'), radioArgs,
    {stdio: ['ignore', 'pipe', 'inherit'], env});
  firstInLine(radio);
  const device = await firstLine(radio);
  const bridge = spawn(path.join(nativeBuild, 'tools/cli/tarn-cli'),
    ['bridge', '--port', device, '--listen', '127.0.0.1:0'], {stdio: ['ignore', 'pipe', 'ignore'], env});
  firstInLine(bridge);
  const address = await firstLine(bridge);
  const stop = async () => {
    const gone = (child) => new Promise((resolve) => child.exitCode !== null ? resolve() : child.on('exit', resolve));
    bridge.kill('SIGTERM');
    radio.kill('SIGTERM');
    await Promise.all([gone(bridge), gone(radio)]);
  };
  return {address, stop};
}

test('tarn-cli bridge: a read and a write to the native virtual radio; one page at a time, with the token', async () => {
  const saved = path.join(work, 'bridged-radio.sin');
  const {address, stop} = await radioBehindBridge(['--image', path.join(sinCorpus, 'programmed.sin'), '--save', saved]);
  assert.match(address, /^ws:\/\/127\.0\.0\.1:\d+\/[0-9a-f]{32}$/);
  const {page, context, errors} = await openPage(`${origin}/index.html?bridge=${encodeURIComponent(address)}`);
  try {
    assert.equal((await completedTransfer(page, false)).outcome, 'completed');
    assert.deepEqual(await cells(page, 2), ['439.50000', '434.50000', 'D023N', 'D754I', 'Middle', 'UnLock']);
    await row(page, 5).getByRole('gridcell').first().click();
    await page.keyboard.type('433.5');
    await page.keyboard.press('Enter');
    await page.keyboard.press('Escape');
    assert.equal((await completedTransfer(page, true)).outcome, 'completed');

    // A second client while one holds the port is told to come back later; a wrong token
    // is refused outright.
    const codes = await page.evaluate(async (url) => {
      const closed = (socket) => new Promise((resolve) => { socket.onclose = (event) => resolve(event.code); });
      const first = new WebSocket(url);
      await new Promise((resolve) => { first.onmessage = resolve; });
      const second = await closed(new WebSocket(url));
      const wrong = await closed(new WebSocket(url.replace(/[0-9a-f]{32}$/, '0'.repeat(32))));
      first.close();
      return [second, wrong];
    }, address);
    assert.deepEqual(codes, [1013, 1008]);
    assert.deepEqual(errors, []);
  } finally {
    await context.close();
    await stop();
  }
  assert.equal(fs.readFileSync(saved)[4 * 16 + 3], 0x43, 'the radio holds the written channel');
});

// One transfer through the bridge; what it said when it did not complete.
async function timedTransfer(page, write) {
  const progress = await transferOn(page, write, 'bridge');
  const told = page.getByRole('alertdialog');
  await Promise.race([progress.waitFor({state: 'detached', timeout: 60000}), told.waitFor({timeout: 60000})]);
  if (!(await told.count())) return {run: await page.evaluate(() => window.tarnPage.lastTransfer)};
  const failure = await told.locator('.message').textContent();
  // Every message answered with its first button, the partly-written report after the
  // window has gone included.
  const dismiss = async () => {
    while (await told.count()) {
      await told.getByRole('button').first().click();
      await page.waitForTimeout(100);
    }
  };
  await dismiss();
  await progress.waitFor({state: 'detached', timeout: 60000});
  await page.waitForTimeout(300);
  await dismiss();
  return {failure};
}

// A transfer through the bridge that completes: a machine too busy for the radio's 30 ms
// interval fails one now and then (told, nothing changed), so up to three tries.
async function completedTransfer(page, write) {
  let failure = '';
  for (let attempt = 0; attempt < 3; ++attempt) {
    const done = await timedTransfer(page, write);
    if (done.run) return done.run;
    failure = done.failure;
    console.log(`bridge ${write ? 'write' : 'read'}: try ${attempt + 1} said "${failure}"`);
  }
  return {outcome: `failed three times, last with "${failure}"`};
}

test('benchmark: a write and a read through tarn-cli bridge to the paced virtual radio', async (t) => {
  const {address, stop} = await radioBehindBridge(['--pace', '9600']);
  const {page, context} = await openPage(`${origin}/index.html?bridge=${encodeURIComponent(address)}`);
  try {
    for (const write of [true, false]) {
      // A machine too busy to keep the radio's 30 ms interval fails a transfer now and then;
      // the second try is the measure. Whether transfers through the bridge work is the test
      // above; this one only measures, so two failures leave it unmeasured, not failed.
      let {run, failure} = await timedTransfer(page, write);
      if (failure) {
        console.log(`bridge ${write ? 'write' : 'read'}: first try said "${failure}"; trying again`);
        ({run, failure} = await timedTransfer(page, write));
      }
      if (failure) {
        t.skip(`not measured: the machine was too busy for the radio's timing ("${failure}")`);
        return;
      }
      assert.equal(run.outcome, 'completed');
      // The physical limit: every byte on the wire at 10 bits, plus the protocol's own waits.
      const limit = run.wireBytes * 10 / 9600 * 1000 + run.pausedMs;
      console.log(`bridge ${write ? 'write' : 'read '}: ${(run.ms / 1000).toFixed(3)} s, limit ${(limit / 1000).toFixed(3)} s ` +
        `(${run.wireBytes} bytes, ${run.pausedMs.toFixed(0)} ms of waits), ratio ${(run.ms / limit).toFixed(3)} (goal <= 1.10)`);
      // Where the rest went: each write's report that it left the port is a round trip
      // through the browser and the bridge; deadlines met late add their lateness.
      const {written, late} = run.timing;
      console.log(`  beyond the limit ${((run.ms - limit) / 1000).toFixed(3)} s: written-report round trip median ` +
        `${written.median.toFixed(1)} ms (p90 ${written.p90.toFixed(1)}), deadlines late median ${late.median.toFixed(1)} ms ` +
        `(p90 ${late.p90.toFixed(1)}, total ${(late.total / 1000).toFixed(3)} s); load average ${os.loadavg()[0].toFixed(1)} on ${os.cpus().length} cores`);
    }
  } finally {
    await context.close();
    await stop();
  }
});

test('Web Serial: a cable pulled mid-write is told, the document stays and the port is released', async () => {
  const {page, context} = await openPage(undefined, {fakeSerial: {unplugAtWrite: 60}});
  await openSin(page, 'programmed.sin');
  const before = await cells(page, 2);
  const progress = await transferOn(page, true, 'serial');
  const told = [];
  // The session's messages, each answered OK (Retry would find the port gone again).
  while (told.length < 4) {
    const box = page.getByRole('alertdialog');
    await Promise.race([box.waitFor(), progress.waitFor({state: 'detached'})]);
    if (!(await box.count())) break;
    told.push(await box.locator('.message').textContent());
    const retry = box.getByRole('button', {name: 'Cancel'});
    await ((await retry.count()) ? retry : box.getByRole('button', {name: 'OK'})).click();
  }
  await progress.waitFor({state: 'detached'});
  while (await page.getByRole('alertdialog').count()) {
    told.push(await page.getByRole('alertdialog').locator('.message').textContent());
    await page.getByRole('alertdialog').getByRole('button').first().click();
  }
  assert.equal(told[0], ' Program Interrupt\uff0cPlease reset the radio and try again');
  assert.match(told[told.length - 1], /^Writing stopped after \d+ of 404 blocks/);
  assert.deepEqual(await cells(page, 2), before);
  await page.waitForFunction(() => window.fakeSerial.closes === window.fakeSerial.opens.length);
  await context.close();
});
