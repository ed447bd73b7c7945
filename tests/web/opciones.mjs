// The OPCIONES view driven as a user drives it, for the page's tests of the user's tables: a
// browser on a test's own server, the view's steps (a table made, its grid, a file opened or
// the family's file saved), and the rows typed into the row entry.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import { after, before } from 'node:test';
import { browser, scratch, serve } from './support.mjs';

export const LONG = 90000;  // ms: generous, for a loaded machine; every wait is on a state, never a sleep

let downloads;
before(() => { downloads = scratch('downloads'); });
after(() => fs.rmSync(downloads, { recursive: true, force: true }));

// A browser on the page with its tables in the lists; `profile` keeps its storage.
export async function open(server, { profile, language = 'es-ES' } = {}) {
  const b = await browser({ downloads, profile, language });
  b.page.setDefaultTimeout(LONG);
  b.errors = [];
  b.page.on('pageerror', (e) => b.errors.push(e.message));
  await b.page.goto(server.url);
  await b.page.waitForSelector('html[data-tables]');
  return b;
}

// A test's own server, and its browsers closed whatever happens; no script error on any page.
export async function withSite(body) {
  const server = await serve();
  const opened = [];
  try {
    await body(server, async (options) => {
      const b = await open(server, options);
      opened.push(b);
      return b;
    });
    for (const b of opened) assert.deepEqual(b.errors, []);
  } finally {
    for (const b of opened) await b.close().catch(() => {});
    await server.close();
  }
}

export const version = (page) => page.evaluate(() => Number(document.documentElement.dataset.tables));
// An action that changes the tables, and the page having followed the change.
export async function changes(page, action) {
  const n = await version(page);
  await action();
  await page.waitForFunction((m) => Number(document.documentElement.dataset.tables) > m, n);
}

// What an action brings to a view's messages (emptied first).
export async function told(page, action, area = '#o-messages') {
  await page.$eval(area, (a) => a.replaceChildren());
  await action();
  await page.waitForSelector(`${area} p`);
  return page.$$eval(`${area} p`, (ps) => ps.map((p) => p.textContent).join('\n'));
}

export async function downloaded(page, click) {
  const [d] = await Promise.all([page.waitForEvent('download'), click()]);
  return fs.readFileSync(await d.path());
}

// ---- OPCIONES, step by step -----------------------------------------------------------------
// Each step brings its tab to the front first: Chromium holds back the frames of a tab behind
// another, and a click waits for frames.
export async function operate(page, family, title, operation) {
  await page.bringToFront();
  await page.click('#tab-options');
  await page.selectOption('#o-family', family);
  await page.fill('#o-title', title);
  await page.click(`#o-form [data-operation="${operation}"]`);
}

// A new table, filled through the row entry: each row's fields as typed.
export async function createTable(page, family, title, rows) {
  await changes(page, () => operate(page, family, title, 'AGREGAR'));
  await page.waitForSelector('#o-entry:not([hidden])');
  for (const row of rows) {
    for (const [i, text] of row.entries()) await page.fill(`#o-field-${i}`, text);
    await changes(page, () => page.click('#o-entry button[type="submit"]'));
    assert.equal(await page.inputValue('#o-field-0'), '');
  }
  await page.click('#o-entry-cancel');
  await page.waitForSelector('#o-menu:not([hidden])');
}

export async function openGrid(page, family, title) {
  await operate(page, family, title, 'MODIFICAR');
  await page.waitForSelector('#o-grid:not([hidden])');
}
export async function closeGrid(page) {
  await page.bringToFront();
  await page.click('#o-grid-close');
  await page.waitForSelector('#o-menu:not([hidden])');
}
export const cell = (row, column) => `#o-rows-body tr:nth-child(${row + 1}) td:nth-child(${column + 2}) input`;
export const grid = (page) => page.$$eval('#o-rows-body tr', (rows) => rows.map((r) => [...r.querySelectorAll('input')].map((i) => i.value)));
export async function typeCell(page, row, column, text) {
  await page.fill(cell(row, column), text);
  await page.press(cell(row, column), 'Enter');
}

export async function saveDatabase(page, family) {
  await page.bringToFront();
  await page.click('#tab-options');
  await page.selectOption('#o-family', family);
  return downloaded(page, () => page.click('#o-save'));
}

// A file opened in OPCIONES, each question answered by `answer({text, lines})` with a button's
// caption: what was asked, and what the view said at the end.
export async function openFile(page, family, name, bytes, answer = () => 'CANCELAR') {
  await page.click('#tab-options');
  await page.selectOption('#o-family', family);
  await page.$eval('#o-messages', (a) => a.replaceChildren());
  const opened = () => Number(document.documentElement.dataset.opened ?? 0);
  const ended = await page.evaluate(opened);
  let asked = await page.evaluate(() => Number(document.querySelector('#question').dataset.asked ?? 0));
  const questions = [];
  await page.setInputFiles('#o-file', { name, mimeType: 'application/octet-stream', buffer: Buffer.from(bytes) });
  for (;;) {
    const next = await (await page.waitForFunction(([e, a]) => {
      const d = document.querySelector('#question');
      if (d.open && Number(d.dataset.asked) > a) return 'question';
      return Number(document.documentElement.dataset.opened ?? 0) > e ? 'ended' : null;
    }, [ended, asked])).jsonValue();
    if (next === 'ended') break;
    asked += 1;
    const q = { text: await page.textContent('#question-text'),
                lines: await page.$$eval('#question-lines li', (ls) => ls.map((l) => l.textContent)) };
    questions.push(q);
    await page.click(`#question-answers button:text-is("${answer(q)}")`);
  }
  const said = await page.$$eval('#o-messages p', (ps) => ps.map((p) => p.textContent).join('\n'));
  return { questions, said };
}

// Each row of a table as typed into the row entry.
export const OIL = [
  ['280', '890', '1.8', '0.5', '5.6e-4', '0.145', '9e-8', '6000', '7e-4'],
  ['300', '884', '1.9', '0.3', '3.4e-4', '0.144', '8.6e-8', '3900', '7e-4'],
  ['320', '870', '1.95', '0.1', '1.15e-4', '0.143', '8.4e-8', '1370', '7.1e-4'],
  ['300', '884', '1.9', '0.3', '3.4e-4', '0.144', '8.6e-8', '3900', '7e-4'],
  ['350', '855', '2.05', '0.04', '4.7e-5', '0.141', '8e-8', '580', '7.2e-4'],
];
export const GAS = [
  ['250', '1.4', '1.0', '1.6e-5', '1.1e-5', '0.022', '1.6e-5', '0.72'],
  ['400', '0.87', '1.014', '2.3e-5', '2.6e-5', '0.034', '3.8e-5', '0.69'],
  ['300', '1.16', '1.007', '1.85e-5', '1.59e-5', '0.026', '2.2e-5', '0.707'],
];
