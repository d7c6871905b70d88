// The page in real Chromium: what a user sees in the grid and what they keep on disk.
'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const http = require('node:http');
const {execFileSync} = require('node:child_process');
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
async function openPage(url = `${origin}/index.html`, {noSerial = false} = {}) {
  const context = await browser.newContext({acceptDownloads: true});
  await context.addInitScript((withoutSerial) => {
    delete window.showSaveFilePicker;
    if (withoutSerial) delete Navigator.prototype.serial;
  }, noSerial);
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  await page.goto(url);
  await page.waitForFunction(() => window.tarnPage && window.tarnPage.ready);
  return {page, context, errors};
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

async function openSin(page, name) {
  const chooser = page.waitForEvent('filechooser');
  await command(page, 'File', 'Open...');
  await (await chooser).setFiles(path.join(sinCorpus, name));
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
  await page.getByRole('heading', {name: 'model4.sin'}).waitFor();

  await page.evaluate(() => {
    const transfer = new DataTransfer();
    transfer.items.add(new File([new Uint8Array(10)], 'short.sin'));
    document.body.dispatchEvent(new DragEvent('drop', {dataTransfer: transfer, bubbles: true}));
  });
  assert.equal(await answerMessage(page),
    'Could not open "short.sin": not a channel file: it holds 10 bytes, a channel file holds 8192.');
  await page.getByRole('heading', {name: 'model4.sin'}).waitFor();
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
  await page.getByRole('dialog', {name: 'TARN'}).getByRole('button', {name: 'No'}).click();
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
  assert.deepEqual(errors, []);
  await context.close();
});
