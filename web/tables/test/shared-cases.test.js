// The case tables the desktop's tests run too (tests/store/SharedCasesTest.cpp), here through
// the page's store, and the page's texts against the translation file. (Typed values are read
// by the page's core: tests/web holds its readings to number-reading.json.)

import assert from 'node:assert/strict';
import { test } from 'node:test';

import { FluidStore } from '../src/store.js';
import { usedTexts } from '../src/texts.js';
import '../src/messages.js';
import { join, newFiles, readFileSync, repository, run } from './support.js';

const cases = (name) => JSON.parse(readFileSync(join(repository, 'tests/data', name), 'utf8'));

test('titles are found as the desktop finds them', () => {
  const { created, cases: all } = cases('table-titles.json');
  const store = new FluidStore(newFiles(), 'GASES');
  for (const title of created) store.createTable(title);
  for (const c of all) {
    assert.equal(store.titleExists(c.title), c.exists, c.title);
    assert.equal(store.storedName(c.title), c.stored, c.title);
  }
});

test('every text the page shows is in the translation file under its source and context', () => {
  const ts = readFileSync(join(repository, 'translations/velmorantes_en.ts'), 'utf8');
  const unescape = (s) => s.replaceAll('&quot;', '"').replaceAll('&apos;', "'").replaceAll('&lt;', '<').replaceAll('&gt;', '>').replaceAll('&amp;', '&');
  const known = new Set();
  for (const [, context, body] of ts.matchAll(/<context>\s*<name>([^<]*)<\/name>([\s\S]*?)<\/context>/g))
    for (const [, source] of body.matchAll(/<source>([^<]*)<\/source>/g)) known.add(`${unescape(context)}\n${unescape(source)}`);
  for (const [context, source] of usedTexts) assert.ok(known.has(`${context}\n${source}`), `${context}: "${source}"`);
});

test('the shipped tables are those of data/reference', () => {
  const r = run(process.execPath, [join(repository, 'web/tables/tools/make-shipped.js'), '--check']);
  assert.equal(r.status, 0, r.stderr);
});
