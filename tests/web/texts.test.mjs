// Every word the page asks for by key is one of page/texts.js (which lupdate reads into the
// translation file, where the translation test holds it to a finished translation); and the
// built page's table has an English text for each.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { test } from 'node:test';
import { SITE, SOURCE } from './support.mjs';
import { pageTexts } from '../../web/tools/texts.mjs';

const page = path.join(SOURCE, 'web', 'page');
const keys = pageTexts(fs.readFileSync(path.join(page, 'texts.js'), 'utf8'));

test('the keys the page uses are its texts\'', () => {
  const used = new Set();
  for (const file of fs.readdirSync(page).filter((f) => /\.(mjs|html)$/.test(f))) {
    const text = fs.readFileSync(path.join(page, file), 'utf8');
    for (const [, key] of text.matchAll(/data-(?:text|label)="([^"]+)"/g)) used.add(key);
    for (const [, key] of text.matchAll(/\btr\('([A-Za-z]+)'/g)) used.add(key);
  }
  for (const key of ['DEN', 'CP', 'MIU', 'UN', 'K', 'ALFA', 'PR', 'BETA', 'length', 'diameter', 'area']) used.add(key);
  for (let i = 0; i < 9; ++i) used.add(`field${i}`);  // the row entry's captions
  const missing = [...used].filter((k) => !(k in keys));
  assert.deepEqual(missing, []);
});

test('the built table gives each page text in English', () => {
  const texts = JSON.parse(fs.readFileSync(path.join(SITE, 'texts.json'), 'utf8'));
  for (const [key, [context, source]] of Object.entries(keys))
    assert.ok(texts.en[`${context}\u0004${source}`], `${key}: ${context} "${source}"`);
});
