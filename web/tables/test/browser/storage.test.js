// The tables kept by the browser: across a reload and a restart of the browser, shared by two
// tabs that take turns, a write refused whole when the storage is full, and the seeding again
// when the site's data are cleared.

import assert from 'node:assert/strict';
import { rmSync } from 'node:fs';
import { after, before, test } from 'node:test';

import { answer, ask, launch, newProfile, openPage, startSite } from './harness.js';
import { contents, join, readFileSync, repository, shipped } from '../support.js';

let site;
before(async () => {
  site = await startSite();
});
after(async () => {
  await site.close();
});

async function withBrowser(profile, work) {
  const context = await launch(profile);
  try {
    return await work(context);
  } finally {
    await context.close();
  }
}

const GAS_ROW = [300, 1.1614, 1.007, 1.846e-5, 1.589e-5, 0.0263, 2.25e-5, 0.707];

test('the tables survive a reload and a restart of the browser', async () => {
  const profile = newProfile();
  try {
    await withBrowser(profile, async (context) => {
      const page = await openPage(context, site.url);
      assert.deepEqual(await answer(page, 'status'), { persistent: true, warning: null });
      assert.equal((await answer(page, 'titleOperation', 'GASES', 'AGREGAR', 'PERSISTE')).next, 'frmPRUEBA');
      assert.deepEqual(await answer(page, 'addRow', 'GASES', 'PERSISTE', GAS_ROW), { message: null, clear: true });
      await page.reload();
      await page.evaluate(() => window.tablesReady);
      assert.equal((await answer(page, 'listFluidTables', 'GASES')).at(-1), 'PERSISTE');
    });
    await withBrowser(profile, async (context) => {
      const page = await openPage(context, site.url);
      const { rows } = await answer(page, 'readRows', 'GASES', 'persiste');
      assert.deepEqual(rows.map((r) => r.values[1]), [Math.fround(1.1614)]);
      // the evaluation's points, as the desktop's store gives them
      const points = await answer(page, 'readPoints', 'GASES', 'AIRE');
      assert.deepEqual(points.slice(0, 9), [...shipped.GASES[0].rows[0], 0]);
      assert.deepEqual(await ask(page, 'readPoints', 'GASES', 'NINGUNA'), { error: 'LA TABLA NINGUNA NO EXISTE EN EL ARCHIVO GASES.mdb', name: 'UserError' });
    });
  } finally {
    rmSync(profile, { recursive: true, force: true });
  }
});

test('two tabs take turns at the tables and neither damages them; one kept waiting is told so', async () => {
  const profile = newProfile();
  try {
    await withBrowser(profile, async (context) => {
      const [a, b] = [await openPage(context, site.url), await openPage(context, site.url)];
      await answer(a, 'titleOperation', 'LIQUIDOS', 'AGREGAR', 'COMPARTIDA');
      const row = (n) => [300 + n, 1000, 4.18, 1e-3, 1e-6, 0.6, 1.4e-7, 7, 2e-4];
      const writes = [];
      for (let n = 0; n < 20; ++n) writes.push(answer(a, 'addRow', 'LIQUIDOS', 'COMPARTIDA', row(n)), answer(b, 'addRow', 'LIQUIDOS', 'COMPARTIDA', row(100 + n)));
      await Promise.all(writes);
      assert.equal((await answer(b, 'readRows', 'LIQUIDOS', 'COMPARTIDA')).rows.length, 40);
      const saved = await a.evaluate(async () => Array.from((await window.tables.save('LIQUIDOS')).bytes));
      const table = contents(Uint8Array.from(saved)).find(([name]) => name === 'COMPARTIDA');
      assert.equal(table[2].length, 40);

      // a tab that holds the tables too long: the other is refused after its wait, untouched
      await a.evaluate(() => { navigator.locks.request('velmorantes-tablas', () => new Promise((r) => setTimeout(r, 7000))); });
      assert.deepEqual(await ask(b, 'titleOperation', 'LIQUIDOS', 'ELIMINAR', 'COMPARTIDA'), {
        error: 'LAS TABLAS ESTAN ABIERTAS EN OTRA PESTAÑA QUE NO LAS HA SOLTADO EN 5 SEGUNDOS; NO SE HAN LEIDO NI MODIFICADO. INTENTELO DE NUEVO',
        name: 'UserError',
      });
      await new Promise((r) => setTimeout(r, 2500));
      assert.ok((await answer(b, 'listFluidTables', 'LIQUIDOS')).includes('COMPARTIDA'));
    });
  } finally {
    rmSync(profile, { recursive: true, force: true });
  }
});

test('a write the full storage refuses changes nothing, and cleared site data seed the tables again', async () => {
  const profile = newProfile();
  try {
    await withBrowser(profile, async (context) => {
      const page = await openPage(context, site.url);
      await answer(page, 'titleOperation', 'GASES', 'AGREGAR', 'ANTES');
      const saved = (family) => page.evaluate(async (f) => Array.from((await window.tables.save(f)).bytes), family);
      const before = { GASES: await saved('GASES'), LIQUIDOS: await saved('LIQUIDOS') };
      const cdp = await context.newCDPSession(page);
      const origin = new URL(site.url).origin;
      const { usage } = await page.evaluate(() => navigator.storage.estimate());
      await cdp.send('Storage.overrideQuotaForOrigin', { origin, quotaSize: usage + 1024 });

      const full = (file) => `NO QUEDA ESPACIO PARA LAS TABLAS EN EL ALMACENAMIENTO DEL NAVEGADOR; EL ARCHIVO ${file} NO SE HA MODIFICADO`;
      assert.deepEqual(await answer(page, 'titleOperation', 'GASES', 'AGREGAR', `LARGA ${'x'.repeat(5000)}`), { message: full('GASES.mdb'), clear: false, next: null });
      const access = readFileSync(join(repository, 'tests/data/legacy-mdb/LIQUIDOS.mdb'));
      const opened = await answer(page, 'open', 'LIQUIDOS', 'LIQUIDOS.mdb', Array.from(access));
      assert.deepEqual(opened.conflicts, ['AGUA']);
      assert.deepEqual(await ask(page, 'apply', opened.id, 'replace'), { error: full('LIQUIDOS.mdb'), name: 'UserError' });

      await cdp.send('Storage.overrideQuotaForOrigin', { origin });
      for (const family of ['GASES', 'LIQUIDOS']) assert.deepEqual(contents(Uint8Array.from(await saved(family))), contents(Uint8Array.from(before[family])), family);

      await cdp.send('Storage.clearDataForOrigin', { origin, storageTypes: 'all' });
      assert.deepEqual(await answer(page, 'listFluidTables', 'GASES'), shipped.GASES.map((t) => t.name));
    });
  } finally {
    rmSync(profile, { recursive: true, force: true });
  }
});
