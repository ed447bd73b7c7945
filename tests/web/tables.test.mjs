// The user's fluid tables in the page, in Debian's Chromium: a table made, filled, edited and
// deleted through OPCIONES and found again after a reload and a restart of the browser; the
// page's numbers and warnings from stored tables against velmorantes-calc on the database file the
// page saves; axe on the view in both languages, and the keyboard. (Files in and out, the
// storage full and two tabs: tables-files.test.mjs.)
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { createRequire } from 'node:module';
import { test } from 'node:test';
import { SOURCE, calc, scratch } from './support.mjs';
import {
  cell, changes, closeGrid, createTable, downloaded, GAS, grid, OIL, openFile, openGrid, operate, saveDatabase, told,
  typeCell, withSite,
} from './opciones.mjs';

const require = createRequire(import.meta.url);
const AXE = require.resolve('axe-core/axe.min.js', { paths: [SOURCE] });

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
