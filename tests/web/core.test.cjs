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
      const result = doc.open(sin(`${name}.sin`), `${name}.sin`);
      assert.deepEqual(list(result.messages), []);
      assert.equal(result.ok, true);
      assert.deepEqual(table(doc).slice(0, 4), expectedTable(`${name}.tsv`).slice(0, 4));
      assert.deepEqual(doc.saveBytes(), sin(`${name}.sin`));
    });
  }
});

test('a short file is refused with the desktop message and the document stays', () => {
  withDocument((doc) => {
    doc.open(sin('programmed.sin'), 'programmed.sin');
    const result = doc.open(new Uint8Array(100), 'short.sin');
    assert.equal(result.ok, false);
    assert.deepEqual(list(result.messages), [
      'Could not open "short.sin": not a channel file: it holds 100 bytes, a channel file holds 8192.']);
    assert.equal(doc.cellText(1, 1), '146.52500');
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

test('a CSV import places what the native import places, and a bad list changes nothing', () => {
  withDocument((doc) => {
    const text = fs.readFileSync(path.join(source, 'tests/data/csv/current.csv'), 'utf8');
    assert.equal(doc.importChannels(text, 'current.csv', false).ok, true);
    // As the native test reads it: saved, then shown again from the image.
    assert.equal(doc.open(doc.saveBytes(), 'saved.sin').ok, true);
    const cells = (row) => Array.from({length: 6}, (_, i) => doc.cellText(row, i + 1)).join('|');
    assert.equal(cells(1), '146.52000|146.52000|||High|Lock');
    assert.equal(cells(2), '145.29000|144.69000||100.0|Middle|Lock');
    assert.equal(cells(4), '446.00625|446.00625|D754I|D754N|High|Lock');
    assert.equal(cells(6), '|||||');
    assert.equal(cells(7), '162.55000||||High|Lock');

    const before = table(doc);
    const bad = doc.importChannels('Location,Frequency\n1,99.5\n', 'bad.csv', false);
    assert.equal(bad.ok, false);
    assert.match(list(bad.messages)[0], /^Could not import "bad.csv":\nline 2/);
    assert.deepEqual(table(doc), before);
  });
});

test('a read and a write through the virtual radio inside the module', () => {
  withDocument((doc) => {
    doc.setDemoRadioMemory(sin('programmed.sin'));
    const read = doc.demoTransfer(false, false);
    assert.deepEqual(list(read.messages), []);
    assert.equal(read.ok, true);
    assert.deepEqual(table(doc).slice(0, 4), expectedTable('programmed.tsv').slice(0, 4));
    assert.equal(doc.isModified(), true);
    assert.equal(doc.lastTransferBytes().length, 8192);

    assert.equal(doc.storeCell(5, 1, '433.5', true).ok, true);
    const write = doc.demoTransfer(true, true);
    const messages = list(write.messages);
    assert.equal(write.ok, true, messages.join('\n'));
    assert.deepEqual(messages, []);
    const texts = list(doc.lastStatusTexts());
    assert.equal(texts[texts.length - 1], 'Verify passed: the radio holds what was written');
    const sent = doc.saveBytes();
    const radio = doc.demoRadioMemory();
    // The radio takes the channel rows and the settings the write sends.
    assert.deepEqual(radio.slice(0, 0x0c70), sent.slice(0, 0x0c70));
    assert.equal(radio[4 * 16 + 3], 0x43);
  });
});
