// The user's fluid tables in the page, in Debian's Chromium: desktop database files opened,
// merged, replaced and refused; old Access files converted as velmorantes-import converts them;
// the storage full and two tabs at once.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { test } from 'node:test';
import { BUILD, SOURCE, scratch } from './support.mjs';
import { contents } from '../../web/tables/test/support.js';
import {
  changes, closeGrid, createTable, GAS, grid, LONG, OIL, openFile, openGrid, operate, saveDatabase, told, typeCell,
  version, withSite,
} from './opciones.mjs';

const IMPORT = process.env.VELM_IMPORT ?? path.join(BUILD, 'cli', 'velmorantes-import');

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
