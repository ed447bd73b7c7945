// The user's fluid tables in the page, in Debian's Chromium: a table made, filled, edited and
// deleted through OPCIONES and found again after a reload and a restart of the browser; the
// page's numbers and warnings from stored tables against velmorantes-calc on the database file the
// page saves; desktop files opened, merged, replaced and refused; old Access files converted as
// velmorantes-import converts them; the storage full and two tabs at once; axe on the view in
// both languages, and the keyboard.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { createRequire } from 'node:module';
import { after, before, test } from 'node:test';
import { BUILD, SOURCE, browser, calc, scratch, serve } from './support.mjs';
import { contents } from '../../web/tables/test/support.js';

const require = createRequire(import.meta.url);
const AXE = require.resolve('axe-core/axe.min.js', { paths: [SOURCE] });
const IMPORT = process.env.VELM_IMPORT ?? path.join(BUILD, 'cli', 'velmorantes-import');
const LONG = 90000;  // ms: generous, for a loaded machine; every wait is on a state, never a sleep

let downloads;
before(() => { downloads = scratch('downloads'); });
after(() => fs.rmSync(downloads, { recursive: true, force: true }));

// A browser on the page with its tables in the lists; `profile` keeps its storage.
async function open(server, { profile, language = 'es-ES' } = {}) {
  const b = await browser({ downloads, profile, language });
  b.page.setDefaultTimeout(LONG);
  b.errors = [];
  b.page.on('pageerror', (e) => b.errors.push(e.message));
  await b.page.goto(server.url);
  await b.page.waitForSelector('html[data-tables]');
  return b;
}

// A test's own server, and its browsers closed whatever happens; no script error on any page.
async function withSite(body) {
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

const version = (page) => page.evaluate(() => Number(document.documentElement.dataset.tables));
// An action that changes the tables, and the page having followed the change.
async function changes(page, action) {
  const n = await version(page);
  await action();
  await page.waitForFunction((m) => Number(document.documentElement.dataset.tables) > m, n);
}

// What an action brings to a view's messages (emptied first).
async function told(page, action, area = '#o-messages') {
  await page.$eval(area, (a) => a.replaceChildren());
  await action();
  await page.waitForSelector(`${area} p`);
  return page.$$eval(`${area} p`, (ps) => ps.map((p) => p.textContent).join('\n'));
}

async function downloaded(page, click) {
  const [d] = await Promise.all([page.waitForEvent('download'), click()]);
  return fs.readFileSync(await d.path());
}

// ---- OPCIONES, step by step -----------------------------------------------------------------
// Each step brings its tab to the front first: Chromium holds back the frames of a tab behind
// another, and a click waits for frames.
async function operate(page, family, title, operation) {
  await page.bringToFront();
  await page.click('#tab-options');
  await page.selectOption('#o-family', family);
  await page.fill('#o-title', title);
  await page.click(`#o-form [data-operation="${operation}"]`);
}

// A new table, filled through the row entry: each row's fields as typed.
async function createTable(page, family, title, rows) {
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

async function openGrid(page, family, title) {
  await operate(page, family, title, 'MODIFICAR');
  await page.waitForSelector('#o-grid:not([hidden])');
}
async function closeGrid(page) {
  await page.bringToFront();
  await page.click('#o-grid-close');
  await page.waitForSelector('#o-menu:not([hidden])');
}
const cell = (row, column) => `#o-rows-body tr:nth-child(${row + 1}) td:nth-child(${column + 2}) input`;
const grid = (page) => page.$$eval('#o-rows-body tr', (rows) => rows.map((r) => [...r.querySelectorAll('input')].map((i) => i.value)));
async function typeCell(page, row, column, text) {
  await page.fill(cell(row, column), text);
  await page.press(cell(row, column), 'Enter');
}

async function saveDatabase(page, family) {
  await page.bringToFront();
  await page.click('#tab-options');
  await page.selectOption('#o-family', family);
  return downloaded(page, () => page.click('#o-save'));
}

// A file opened in OPCIONES, each question answered by `answer({text, lines})` with a button's
// caption: what was asked, and what the view said at the end.
async function openFile(page, family, name, bytes, answer = () => 'CANCELAR') {
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

// ---- Made, edited, deleted, and kept -----------------------------------------------------------
test('a table made, filled, edited and deleted through OPCIONES, kept across a reload and a restart', async () => {
  const profile = scratch('kept');
  try {
    await withSite(async (server, start) => {
      const first = await start({ profile });
      const { page } = first;
      const refusals = [
        ['', 'AGREGAR', 'ESCRIBA EL TITULO DE LA TABLA QUE DESEA AGREGAR '],
        ['agua', 'AGREGAR', 'LA TABLA agua YA EXISTE,  ASIGNELE UN NOMBRE DIFERENTE'],
        ['NINGUNA', 'MODIFICAR', 'LA TABLA NINGUNA NO EXISTE, ¡ ¡ ¡ ¡ ¡  ANTES DE MODIFICARLA TIENE QUE CREARLA  ! ! ! !'],
        ['NINGUNA', 'ELIMINAR', 'LA TABLA NINGUNA NO EXISTE, ¡ ¡ ¡ ¡ ¡  NO PUEDE ELIMINARLA  ! ! ! !'],
      ];
      for (const [title, operation, message] of refusals) {
        assert.equal(await told(page, () => operate(page, 'LIQUIDOS', title, operation)), message);
        assert.equal(await page.inputValue('#o-title'), '');
        assert.equal(await page.evaluate(() => document.activeElement.id), 'o-title');
      }

      // The row entry reads each field's leading number, as the desktop's does.
      await createTable(page, 'LIQUIDOS', 'Aceite Nuevo', [
        ['300', '1,16', '1 000', '2.5E-3', '', '&H10', 'x', '-1', '7'],
        ['320', '880', '1.9', '0.1', '1.15e-4', '0.143', '8.4e-8', '1370', '7e-4'],
        ['340', '860', '2', '0.05', '5.8e-5', '0.141', '8.2e-8', '700', '7e-4'],
      ]);
      await page.click('#tab-properties');
      await page.selectOption('#p-family', 'LIQUIDOS');
      assert.equal(await page.$eval('#p-fluid', (s) => s.options[s.options.length - 1].value), 'Aceite Nuevo');

      // The grid: a cell changed, a refused cell that changes nothing, a new row, a row deleted.
      await openGrid(page, 'LIQUIDOS', 'aceite nuevo');
      assert.deepEqual(await grid(page), [['300', '1', '1000', '0.0025', '0', '16', '0', '-1', '7'],
                                          ['320', '880', '1.9', '0.1', '0.000115', '0.143', '8.4e-08', '1370', '7e-04'],
                                          ['340', '860', '2', '0.05', '5.8e-05', '0.141', '8.2e-08', '700', '7e-04'],
                                          ['', '', '', '', '', '', '', '', '']]);
      await changes(page, () => typeCell(page, 0, 1, '1.1614'));
      await closeGrid(page);
      const saved = await saveDatabase(page, 'LIQUIDOS');
      await openGrid(page, 'LIQUIDOS', 'Aceite Nuevo');
      assert.equal(await told(page, () => typeCell(page, 1, 2, 'abc')), 'Data error event hit err: DEBE INTRODUCIR UN NUMERO');
      assert.equal(await page.inputValue(cell(1, 2)), '1.9');
      assert.equal(await told(page, () => typeCell(page, 1, 3, '1e39')),
                   'Data error event hit err:EL VALOR DE MIU NO ES UN NUMERO FINITO DE PRECISION SIMPLE; NO SE HA GUARDADO');
      await closeGrid(page);
      assert.deepEqual(await saveDatabase(page, 'LIQUIDOS'), saved, 'a refused edit changed the file');

      await openGrid(page, 'LIQUIDOS', 'Aceite Nuevo');
      assert.equal(await page.textContent('#o-record'), 'Record: 1');
      await page.click('#o-grid-add');  // onto the empty new row
      assert.equal(await page.evaluate(() => document.activeElement.getAttribute('aria-labelledby')), 'o-column-0 o-row-1');
      await page.click(cell(2, 0));
      await page.click('#o-grid-add');
      assert.equal(await page.isDisabled('#o-grid-close'), true);
      await changes(page, () => typeCell(page, 3, 0, '360'));
      await changes(page, () => typeCell(page, 3, 1, '845'));
      await page.click('#o-grid-update');
      await page.waitForFunction(() => !document.querySelector('#o-grid-close').disabled);
      await page.click(cell(1, 4));
      assert.equal(await page.textContent('#o-record'), 'Record: 2');
      await changes(page, () => page.click('#o-grid-delete'));
      const rowsShown = [['300', '1.1614', '1000', '0.0025', '0', '16', '0', '-1', '7'],
                   ['340', '860', '2', '0.05', '5.8e-05', '0.141', '8.2e-08', '700', '7e-04'],
                   ['360', '845', '0', '0', '0', '0', '0', '0', '0'],
                   ['', '', '', '', '', '', '', '', '']];
      assert.deepEqual(await grid(page), rowsShown);
      await closeGrid(page);

      await page.reload();
      await page.waitForSelector('html[data-tables]');
      await openGrid(page, 'LIQUIDOS', 'Aceite Nuevo');
      assert.deepEqual(await grid(page), rowsShown);

      // The browser closed and started again on the same profile (and the same origin).
      await first.close();
      const again = (await start({ profile })).page;
      await openGrid(again, 'LIQUIDOS', 'Aceite Nuevo');
      assert.deepEqual(await grid(again), rowsShown);
      await closeGrid(again);
      let message;
      await changes(again, async () => { message = await told(again, () => operate(again, 'LIQUIDOS', 'aceite nuevo', 'ELIMINAR')); });
      assert.equal(message, 'LA TABLA aceite nuevo HA SIDO ELIMINADA');
      assert.equal(await again.$$eval('#o-tables option', (os) => os.some((o) => o.value === 'Aceite Nuevo')), false);
    });
  } finally {
    fs.rmSync(profile, { recursive: true, force: true });
  }
});

// ---- The page's numbers from stored tables ------------------------------------------------------
// Each row of a table as typed into the row entry.
const OIL = [
  ['280', '890', '1.8', '0.5', '5.6e-4', '0.145', '9e-8', '6000', '7e-4'],
  ['300', '884', '1.9', '0.3', '3.4e-4', '0.144', '8.6e-8', '3900', '7e-4'],
  ['320', '870', '1.95', '0.1', '1.15e-4', '0.143', '8.4e-8', '1370', '7.1e-4'],
  ['300', '884', '1.9', '0.3', '3.4e-4', '0.144', '8.6e-8', '3900', '7e-4'],
  ['350', '855', '2.05', '0.04', '4.7e-5', '0.141', '8e-8', '580', '7.2e-4'],
];
const GAS = [
  ['250', '1.4', '1.0', '1.6e-5', '1.1e-5', '0.022', '1.6e-5', '0.72'],
  ['400', '0.87', '1.014', '2.3e-5', '2.6e-5', '0.034', '3.8e-5', '0.69'],
  ['300', '1.16', '1.007', '1.85e-5', '1.59e-5', '0.026', '2.2e-5', '0.707'],
];

test('stored tables give the page velmorantes-calc\'s numbers and warnings on the file the page saves', async () => {
  const dbDir = scratch('saved-db');
  try {
    await withSite(async (server, start) => {
      const { page } = await start();
      await createTable(page, 'LIQUIDOS', 'ACEITE B', OIL);
      await createTable(page, 'GASES', 'MI GAS', GAS);
      await createTable(page, 'GASES', 'UNO', [GAS[0]]);
      // AIRE beyond its correlation's range: from its table, as changed here.
      await openGrid(page, 'GASES', 'AIRE');
      const last = (await grid(page)).length - 2;
      await changes(page, () => typeCell(page, last, 1, '0.1'));
      await closeGrid(page);
      await changes(page, () => operate(page, 'GASES', 'CO', 'ELIMINAR'));
      for (const family of ['GASES', 'LIQUIDOS']) fs.writeFileSync(path.join(dbDir, `${family}.mdb`), await saveDatabase(page, family));
      const run = (args) => calc(args, { dbDir });

      // The property view: each calculation's messages, and the results file of each family.
      const cases = [
        ['LIQUIDOS', 'ACEITE B', ['280', '310', '250', '400', '300']],
        ['GASES', 'MI GAS', ['300', '350', '200', '500']],
        ['GASES', 'AIRE', ['3500']],
        ['GASES', 'UNO', ['300']],
      ];
      await page.click('#tab-properties');
      for (const [family, fluid, temperatures] of cases) {
        const file = path.join(dbDir, `${family}.txt`);
        await page.selectOption('#p-family', family);
        await page.selectOption('#p-fluid', fluid);
        if (family === 'GASES') await page.fill('#p-pressure', '202.6');
        for (const t of temperatures) {
          const c = run(['--family', family, '--fluid', fluid, '--temp', t, ...(family === 'GASES' ? ['--pressure', '202.6'] : []),
                         '--output', file]);
          await page.fill('#p-temperature', t);
          await page.$eval('#p-messages', (a) => a.replaceChildren());
          const count = await page.textContent('#p-count');
          await page.press('#p-temperature', 'Enter');
          // a result counts one more line of the results file; a refusal says why
          await page.waitForFunction((n) => document.querySelector('#p-count').textContent !== n ||
                                            document.querySelector('#p-messages p[data-code="TOO_FEW_POINTS"]'), count);
          const said = await page.$$eval('#p-messages p', (ps) => ps.map((p) => p.textContent).join('\n'));
          assert.equal(said, c.err.trimEnd(), `${fluid} at ${t}`);
        }
        if (fs.existsSync(file)) assert.deepEqual(await downloaded(page, () => page.click('#p-save')), fs.readFileSync(file), fluid);
      }

      // The tables view: the CSV of a sweep across and beyond the points, bit for bit.
      const sweeps = [
        ['LIQUIDOS', 'ACEITE B', 'SI', 'K', '250:400:0.5', null],
        ['LIQUIDOS', 'ACEITE B', 'INGLES', 'ºF', '20:300:1', null],
        ['GASES', 'MI GAS', 'SI', 'ºC', '-100:300:2', '202.6'],
        ['GASES', 'AIRE', 'SI', 'K', '2000:4000:5', '101.3'],
        ['GASES', 'UNO', 'SI', 'K', '200:300:1', '101.3'],
      ];
      await page.click('#tab-tables');
      for (const [family, fluid, units, scale, range, pressure] of sweeps) {
        await page.selectOption('#t-family', family);
        await page.selectOption('#t-fluid', fluid);
        await page.selectOption('#t-units', units);
        await page.selectOption('#t-scale', scale);
        const [from, to, step] = range.split(':');
        for (const [box, v] of [['#t-from', from], ['#t-to', to], ['#t-step', step]]) await page.fill(box, v);
        if (pressure) await page.fill('#t-pressure', pressure);
        const c = run(['--family', family, '--fluid', fluid, '--units', units, '--scale', scale, '--sweep', range, '--format', 'csv',
                       ...(pressure ? ['--pressure', pressure] : [])]);
        await page.evaluate(() => { delete document.documentElement.dataset.tableShown; });
        if (c.out.length === 0) {
          assert.equal(await told(page, () => page.click('#t-form button[type="submit"]'), '#t-messages'), c.err.trimEnd(), fluid);
          continue;
        }
        await page.click('#t-form button[type="submit"]');
        await page.waitForSelector('html[data-table-shown]');
        assert.ok((await downloaded(page, () => page.click('#t-save'))).equals(c.out), `${fluid} ${units} ${range}`);
      }

      // Convection with a stored fluid: the derivation and its warnings.
      const flows = [
        ['LIQUIDOS', 'ACEITE B', ['--convection', 'cylinder', '--surface-temp', '330', '--fluid-temp', '290', '--diameter', '0.02', '--velocity', '0.5']],
        ['GASES', 'MI GAS', ['--pressure', '202.6', '--convection', 'sphere', '--surface-temp', '420', '--fluid-temp', '380', '--diameter', '0.05', '--velocity', '3']],
      ];
      await page.click('#tab-convection');
      for (const [family, fluid, args] of flows) {
        const option = (name) => args[args.indexOf(name) + 1];
        await page.selectOption('#c-case', option('--convection'));
        await page.selectOption('#c-family', family);
        await page.selectOption('#c-fluid', fluid);
        for (const [box, name] of [['#c-surface', '--surface-temp'], ['#c-fluidTemp', '--fluid-temp'], ['#c-length', '--diameter'],
                                   ['#c-velocity', '--velocity'], ['#c-pressure', '--pressure']])
          if (args.includes(name)) await page.fill(box, option(name));
        await page.$eval('#c-derivation', (t) => { t.value = ''; });
        await page.click('#c-form button[type="submit"]');
        await page.waitForFunction(() => document.querySelector('#c-derivation').value !== '');
        const c = run(['--family', family, '--fluid', fluid, ...args]);
        // The derivation ends with its warnings, which the calculator writes apart.
        const warnings = c.err.split('\n').filter((l) => l !== '');
        assert.equal(await page.inputValue('#c-derivation'), c.text + warnings.map((w) => `AVISO: ${w}\n`).join(''), fluid);
        assert.equal(await page.$$eval('#c-messages p', (ps) => ps.map((p) => p.textContent).join('\n')), c.err.trimEnd(), fluid);
      }

      // A table the file does not have: CO beyond its range, its table deleted.
      const missing = await page.evaluate(async () => {
        const { calculation } = await import('./app.mjs');
        return (await calculation('evaluate', { family: 'GASES', fluid: 'CO', english: false, scale: 'K', temperature: '5000',
                                                pressure: '101.3' })).messages.map((m) => m.text).join('\n');
      });
      assert.equal(missing, run(['--family', 'GASES', '--fluid', 'CO', '--temp', '5000', '--pressure', '101.3']).err.trimEnd());
    });
  } finally {
    fs.rmSync(dbDir, { recursive: true, force: true });
  }
});

// ---- Files in and out ---------------------------------------------------------------------------
// A database the desktop program made: velmorantes-import's conversion of the Access fixture.
function desktopFile(dir, family) {
  const out = path.join(dir, `${family}.mdb`);
  const r = spawnSync(IMPORT, [path.join(SOURCE, 'tests', 'data', 'legacy-mdb', `${family}.mdb`), out, '--family', family],
                      { env: { ...process.env, LANGUAGE: 'es', LC_ALL: 'C.UTF-8' } });
  assert.notEqual(r.status, 2, String(r.stderr));
  return fs.readFileSync(out);
}
const tableOf = (bytes, name) => contents(bytes).find(([n]) => n === name);


test('a desktop database opened: shown, merged asking before each overwrite, replaced; a bad file refused', async () => {
  const dir = scratch('desktop');
  try {
    const desktop = { GASES: desktopFile(dir, 'GASES'), LIQUIDOS: desktopFile(dir, 'LIQUIDOS') };
    await withSite(async (server, start) => {
      const { page } = await start();
      await createTable(page, 'GASES', 'MI GAS', [GAS[0]]);
      await createTable(page, 'GASES', 'PROPIA', [GAS[1]]);
      const mine = await saveDatabase(page, 'GASES');

      // What it brings, then nothing: the tables as they were, byte for byte.
      const cancelled = await openFile(page, 'GASES', 'GASES.mdb', desktop.GASES);
      const brought = contents(desktop.GASES).map(([name]) => name);
      assert.deepEqual(cancelled.questions.map((q) => q.text),
                       ['¿DESEA REEMPLAZAR LAS TABLAS DE GASES.mdb POR LAS DEL ARCHIVO (LAS QUE EL ARCHIVO NO TRAE SE PIERDEN) O AÑADIR LAS DEL ARCHIVO A LAS QUE YA TIENE?']);
      assert.equal(cancelled.questions[0].lines[0], `EL ARCHIVO GASES.mdb TRAE ${brought.length} TABLAS:`);
      assert.deepEqual(cancelled.questions[0].lines.slice(1).map((l) => l.match(/"(.*)"/)[1]), brought);
      assert.deepEqual(await saveDatabase(page, 'GASES'), mine);

      // Merged: each table of a name already here is asked about; AIRE is taken, the rest kept.
      const merged = await openFile(page, 'GASES', 'GASES.mdb', desktop.GASES, (q) =>
        (q.text.startsWith('¿DESEA') ? 'AÑADIR' : q.text.startsWith('LA TABLA AIRE ') ? 'SÍ' : 'NO'));
      const mineNames = contents(mine).map(([name]) => name);
      const overwrites = brought.filter((name) => mineNames.some((m) => m.toUpperCase() === name.toUpperCase()));
      assert.deepEqual(merged.questions.slice(1).map((q) => q.text),
                       overwrites.map((t) => `LA TABLA ${t} YA EXISTE EN GASES.mdb. ¿DESEA SUSTITUIRLA POR LA DEL ARCHIVO?`));
      assert.equal(merged.said, 'SE HAN AÑADIDO A GASES.mdb LAS TABLAS ELEGIDAS DEL ARCHIVO GASES.mdb');
      const after = await saveDatabase(page, 'GASES');
      const names = contents(after).map(([name]) => name);
      // those taken come after the page's own, in the file's order
      assert.deepEqual(names, [...mineNames.filter((n) => n !== 'AIRE'), ...brought.filter((n) => !overwrites.includes(n) || n === 'AIRE')]);
      assert.deepEqual(tableOf(after, 'AIRE')[2], tableOf(desktop.GASES, 'AIRE')[2]);
      assert.deepEqual(tableOf(after, 'MI GAS')[2], tableOf(mine, 'MI GAS')[2]);
      await page.click('#tab-properties');
      await page.selectOption('#p-family', 'GASES');
      assert.deepEqual(await page.$$eval('#p-fluid option', (os) => os.map((o) => o.value)), names);

      // Replaced: the desktop's tables exactly, and nothing else.
      const replaced = await openFile(page, 'GASES', 'GASES.mdb', desktop.GASES, () => 'REEMPLAZAR');
      assert.equal(replaced.said, 'LAS TABLAS DE GASES.mdb SON AHORA LAS DEL ARCHIVO GASES.mdb');
      assert.deepEqual(contents(await saveDatabase(page, 'GASES')), contents(desktop.GASES));

      // Refused, and nothing changes: a damaged file, one cut short, another family's, not a database.
      const before = await saveDatabase(page, 'GASES');
      const damaged = Uint8Array.from(desktop.GASES);
      damaged.fill(0x55, 4096 * 3, 4096 * 3 + 300);
      const refusals = [
        ['GASES.mdb', damaged, /^ERROR DE LA BASE DE DATOS EN EL ARCHIVO GASES.mdb \(.+\); NO SE HA MODIFICADO$/],
        ['GASES.mdb', desktop.GASES.subarray(0, 4096 * 5), /^ERROR DE LA BASE DE DATOS EN EL ARCHIVO GASES.mdb \(.+\); NO SE HA MODIFICADO$/],
        ['LIQUIDOS.mdb', desktop.LIQUIDOS, /^LA TABLA .+ DEL ARCHIVO LIQUIDOS.mdb NO TIENE LAS COLUMNAS DE UNA TABLA DE GASES; NO SE HA TOMADO NINGUNA TABLA$/],
        ['notas.txt', new TextEncoder().encode('TEMP,DEN\n300,1\n'), /^EL ARCHIVO notas.txt NO ES UNA BASE DE DATOS DEL PROGRAMA NI DE ACCESS; NO SE HA LEIDO NI MODIFICADO$/],
      ];
      for (const [name, bytes, refusal] of refusals) {
        const r = await openFile(page, 'GASES', name, bytes);
        assert.deepEqual(r.questions, [], name);
        assert.match(r.said, refusal);
        assert.deepEqual(await saveDatabase(page, 'GASES'), before, name);
      }
    });
  } finally {
    fs.rmSync(dir, { recursive: true, force: true });
  }
});

test('each old Access file is converted as velmorantes-import converts it', async () => {
  const dir = scratch('access');
  try {
    await withSite(async (server, start) => {
      const { page } = await start();
      let compared = 0;
      for (const folder of [path.join(SOURCE, 'tests', 'data', 'legacy-mdb'), path.join(SOURCE, '..', 'shared', 'fixtures', 'legacy-mdb')]) {
        for (const family of ['GASES', 'LIQUIDOS']) {
          const source = path.join(folder, `${family}.mdb`);
          if (!fs.existsSync(source)) continue;  // the shared fixtures are not beside every checkout
          const out = path.join(dir, `${family}-${compared}.mdb`);
          const r = spawnSync(IMPORT, [source, out, '--family', family], { encoding: 'utf8', env: { ...process.env, LANGUAGE: 'es', LC_ALL: 'C.UTF-8' } });
          assert.notEqual(r.status, 2, r.stderr);
          const lines = (r.stdout + r.stderr).replaceAll(source, `${family}.mdb`).replaceAll(out, `${family}.mdb`).trim().split('\n');
          const page_ = await openFile(page, family, `${family}.mdb`, fs.readFileSync(source), () => 'REEMPLAZAR');
          assert.deepEqual(page_.questions[0].lines, lines, source);
          assert.deepEqual(contents(await saveDatabase(page, family)), contents(fs.readFileSync(out)), source);
          ++compared;
        }
      }
      assert.ok(compared >= 2);
    });
  } finally {
    fs.rmSync(dir, { recursive: true, force: true });
  }
});

// ---- The browser's storage full, and two tabs -----------------------------------------------------
test('with the storage full a change is refused whole; two tabs take turns and follow each other', async () => {
  await withSite(async (server, start) => {
    const { page, context } = await start();
    await createTable(page, 'GASES', 'ANTES', [GAS[0]]);
    const before = { GASES: await saveDatabase(page, 'GASES'), LIQUIDOS: await saveDatabase(page, 'LIQUIDOS') };
    const cdp = await context.newCDPSession(page);
    const origin = new URL(server.url).origin;
    const { usage } = await page.evaluate(() => navigator.storage.estimate());
    await cdp.send('Storage.overrideQuotaForOrigin', { origin, quotaSize: usage + 1024 });
    const full = (file) => `NO QUEDA ESPACIO PARA LAS TABLAS EN EL ALMACENAMIENTO DEL NAVEGADOR; EL ARCHIVO ${file} NO SE HA MODIFICADO`;
    assert.equal(await told(page, () => operate(page, 'GASES', `LARGA ${'x'.repeat(5000)}`, 'AGREGAR')), full('GASES.mdb'));
    const access = fs.readFileSync(path.join(SOURCE, 'tests', 'data', 'legacy-mdb', 'LIQUIDOS.mdb'));
    assert.equal((await openFile(page, 'LIQUIDOS', 'LIQUIDOS.mdb', access, () => 'REEMPLAZAR')).said, full('LIQUIDOS.mdb'));
    await cdp.send('Storage.overrideQuotaForOrigin', { origin });
    for (const family of ['GASES', 'LIQUIDOS']) assert.deepEqual(await saveDatabase(page, family), before[family], family);

    // A second tab: what one changes, the other lists and computes with.
    const other = await context.newPage();
    other.setDefaultTimeout(LONG);
    await other.goto(server.url);
    await other.waitForSelector('html[data-tables]');
    const seen = await version(other);
    await createTable(page, 'LIQUIDOS', 'COMPARTIDA', OIL.slice(0, 2));
    await other.waitForFunction((n) => Number(document.documentElement.dataset.tables) > n, seen);
    await other.bringToFront();
    await other.click('#tab-properties');
    await other.selectOption('#p-family', 'LIQUIDOS');
    await other.selectOption('#p-fluid', 'COMPARTIDA');
    await other.fill('#p-temperature', '290');
    await other.press('#p-temperature', 'Enter');
    await other.waitForFunction(() => document.querySelector('#p-DEN')?.value !== '');
    assert.equal(await other.inputValue('#p-DEN'), '887.0');
    // A row changed in one tab: the other's result follows.
    await openGrid(page, 'LIQUIDOS', 'COMPARTIDA');
    await changes(other, () => changes(page, () => typeCell(page, 0, 1, '900')));
    assert.equal(await other.inputValue('#p-DEN'), '892.0');
    await closeGrid(page);

    // Both adding rows to one table at once, one in the row entry, the other in the grid (by
    // keys alone, which wait for no frame): every row is stored, the file whole.
    await changes(page, () => operate(page, 'LIQUIDOS', 'OTRA', 'AGREGAR'));
    await page.waitForSelector('#o-entry:not([hidden])');
    await openGrid(other, 'LIQUIDOS', 'OTRA');
    const entries = (async () => {
      for (let n = 0; n < 6; ++n) {
        await page.fill('#o-field-0', String(400 + n));
        await page.press('#o-field-0', 'Enter');
        await page.waitForFunction(() => document.querySelector('#o-field-0').value === '');
      }
    })();
    const cells = (async () => {
      for (let n = 0; n < 6; ++n) {
        const rows = (await grid(other)).length;
        await typeCell(other, rows - 1, 0, String(500 + n));
        await other.waitForFunction((r) => document.querySelectorAll('#o-rows-body tr').length > r, rows);
      }
    })();
    await Promise.all([entries, cells]);
    await page.bringToFront();
    await page.click('#o-entry-cancel');
    await closeGrid(other);
    const shared = tableOf(await saveDatabase(page, 'LIQUIDOS'), 'OTRA')[2];
    assert.deepEqual(shared.map((row) => row[0]).sort(), [400, 401, 402, 403, 404, 405, 500, 501, 502, 503, 504, 505]);

    // One tab holding the tables too long: the other is told so, and nothing changes.
    const held = await saveDatabase(page, 'LIQUIDOS');
    await page.evaluate(() => {
      window.release = null;
      navigator.locks.request('velmorantes-tablas', () => new Promise((r) => { window.release = r; }));
    });
    await page.waitForFunction(() => window.release !== null);
    assert.equal(await told(other, () => operate(other, 'LIQUIDOS', 'OTRA', 'ELIMINAR')),
                 'LAS TABLAS ESTAN ABIERTAS EN OTRA PESTAÑA QUE NO LAS HA SOLTADO EN 5 SEGUNDOS; NO SE HAN LEIDO NI MODIFICADO. INTENTELO DE NUEVO');
    await page.evaluate(() => window.release());
    assert.deepEqual(await saveDatabase(other, 'LIQUIDOS'), held);
    // A table deleted in one tab while the other edits it: told, never written half.
    await openGrid(other, 'LIQUIDOS', 'OTRA');
    await changes(page, () => operate(page, 'LIQUIDOS', 'OTRA', 'ELIMINAR'));
    assert.equal(await told(other, () => typeCell(other, 0, 1, '2')), 'Data error event hit err:LA TABLA OTRA NO EXISTE EN EL ARCHIVO LIQUIDOS.mdb');
    await closeGrid(other);
  });
});

// ---- Accessibility and the keyboard ------------------------------------------------------------
// The accessible name of each visible control of the view: its label, what it is labelled by,
// or its caption.
const unnamed = (page) => page.$$eval('#view-options input, #view-options select, #view-options button, #question button', (els) =>
  els.filter((e) => e.offsetParent !== null).filter((e) => {
    const by = e.getAttribute('aria-labelledby');
    const name = by ? by.split(' ').map((id) => document.getElementById(id)?.textContent ?? '').join(' ')
                    : e.labels?.[0]?.textContent ?? e.getAttribute('aria-label') ?? e.textContent;
    return !name || !name.trim() || e.tabIndex < 0;
  }).map((e) => e.id || e.outerHTML.slice(0, 60)));

async function axe(page, what) {
  await page.addScriptTag({ path: AXE });
  const found = await page.evaluate(async () => (await window.axe.run(document)).violations
    .filter((v) => v.impact === 'serious' || v.impact === 'critical')
    .map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`));
  assert.deepEqual(found, [], what);
  assert.deepEqual(await unnamed(page), [], what);
}

test('OPCIONES in both languages: axe finds no serious or critical violation, every control named and reached by keys', async () => {
  const shots = process.env.VELM_SCREENSHOT_DIR;
  const access = fs.readFileSync(path.join(SOURCE, 'tests', 'data', 'legacy-mdb', 'GASES.mdb'));
  for (const language of ['es-ES', 'en-US']) {
    await withSite(async (server, start) => {
      const { page } = await start({ language });
      const english = language === 'en-US';
      await page.click('#tab-options');
      assert.equal(await page.textContent('#tab-options'), english ? 'OPTIONS' : 'OPCIONES');
      assert.equal(await page.$eval('#o-tables option[value="AIRE"]', (o) => o.textContent), english ? 'AIRE (air)' : 'AIRE');
      await axe(page, `menu ${language}`);

      // The question of an opened file, with the focus on its first answer; Escape leaves it.
      await page.selectOption('#o-family', 'GASES');
      await page.setInputFiles('#o-file', { name: 'GASES.mdb', mimeType: 'application/octet-stream', buffer: access });
      await page.waitForSelector('#question[open]');
      assert.equal(await page.evaluate(() => document.activeElement.textContent), english ? 'REPLACE' : 'REEMPLAZAR');
      await axe(page, `question ${language}`);
      await page.keyboard.press('Escape');
      await page.waitForFunction(() => !document.querySelector('#question').open);

      // The row entry, then the grid, by the keyboard alone.
      await page.focus('#o-title');
      await page.keyboard.type('TECLADO');
      await page.keyboard.press('Tab');
      assert.equal(await page.evaluate(() => document.activeElement.dataset.operation), 'AGREGAR');
      await changes(page, () => page.keyboard.press('Enter'));
      await page.waitForSelector('#o-entry:not([hidden])');
      assert.equal(await page.evaluate(() => document.activeElement.id), 'o-field-0');
      assert.equal(await page.textContent('label[for="o-field-1"]'), english ? 'Density' : 'Densidad');
      await axe(page, `row entry ${language}`);
      for (const t of ['300', '310']) {
        await page.keyboard.type(t);
        await changes(page, () => page.keyboard.press('Enter'));
      }
      await page.click('#o-entry-cancel');
      await openGrid(page, 'GASES', 'TECLADO');
      await page.focus(cell(0, 0));
      await page.keyboard.press('ArrowDown');
      assert.equal(await page.evaluate(() => document.activeElement.getAttribute('aria-labelledby')), 'o-column-0 o-row-1');
      await page.keyboard.press('ArrowDown');
      assert.equal(await page.evaluate(() => document.activeElement.getAttribute('aria-labelledby')), 'o-column-0 o-row-2');
      await axe(page, `grid ${language}`);
      await closeGrid(page);
      await changes(page, () => operate(page, 'GASES', 'TECLADO', 'ELIMINAR'));
      if (shots) {
        await openFile(page, 'GASES', 'GASES.mdb', access, (q) => (q.text.startsWith(english ? 'DO YOU' : '¿DESEA') ? (english ? 'ADD' : 'AÑADIR') : (english ? 'NO' : 'NO')));
        await page.selectOption('#o-tables', 'MI GAS');
        await page.dispatchEvent('#o-tables', 'change');
        await page.screenshot({ path: path.join(shots, `web-options${english ? '-en' : ''}.png`) });
      }
    });
  }
});
