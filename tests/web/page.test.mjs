// The page in Debian's Chromium, headless, from a static server on 127.0.0.1 that each test
// starts and stops: a property calculation and its results file, a table of 100,000 rows and
// its CSV, a convection derivation, each byte for byte what velmorantes-calc gives; the
// language and its switch; the page again with the server stopped; axe-core on every view in
// both languages, with no serious or critical violation.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { createRequire } from 'node:module';
import { after, before, test } from 'node:test';
import { SOURCE, browser, calc, scratch, serve } from './support.mjs';

const require = createRequire(import.meta.url);
const AXE = require.resolve('axe-core/axe.min.js', { paths: [SOURCE] });

let dbDir;
let downloads;
before(() => {
  dbDir = scratch('db');
  downloads = scratch('downloads');
});
after(() => {
  for (const d of [dbDir, downloads]) fs.rmSync(d, { recursive: true, force: true });
});

// A test's own server and browser, closed whatever happens.
async function withPage(options, body) {
  const server = await serve();
  const b = await browser({ downloads, ...options });
  const errors = [];
  b.page.on('pageerror', (e) => errors.push(e.message));
  try {
    await b.page.goto(server.url);
    await b.page.waitForSelector('html[data-ready]');
    await body(b.page, server, b);
    assert.deepEqual(errors, []);
  } finally {
    await b.close();
    await server.close();
  }
}

async function downloaded(page, click) {
  const [d] = await Promise.all([page.waitForEvent('download'), click()]);
  return fs.readFileSync(await d.path());
}

const value = (page, selector) => page.$eval(selector, (e) => e.value);

test('a property calculation, its messages and its results file', async () => {
  await withPage({}, async (page) => {
    await page.fill('#p-temperature', '300');
    await page.fill('#p-pressure', '101.3');
    await page.press('#p-pressure', 'Enter');
    await page.waitForFunction(() => document.querySelector('#p-DEN')?.value !== '');
    // The display patterns of the property screen.
    assert.equal(await value(page, '#p-DEN'), ' 1.16011');
    assert.equal(await value(page, '#p-MIU'), '1.8479E-5');
    assert.equal(await page.textContent('label[for="p-DEN"]'), 'D (Kg/m^3)');

    // Outside the range: the desktop's warning, and the values of the stored table.
    await page.fill('#p-temperature', '3500');
    await page.press('#p-temperature', 'Enter');
    await page.waitForSelector('#p-messages p[data-code="OUT_OF_CORRELATION_RANGE"]');
    const warned = calc(['--family', 'GASES', '--fluid', 'AIRE', '--temp', '3500', '--pressure', '101.3'], { dbDir });
    assert.equal(await page.textContent('#p-messages'), warned.err.trimEnd());

    // A refusal empties its box and gives it the focus.
    await page.fill('#p-pressure', '-1');
    await page.press('#p-pressure', 'Enter');
    await page.waitForSelector('#p-messages p[data-code="NEGATIVE_PRESSURE"]');
    assert.equal(await value(page, '#p-pressure'), '');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'p-pressure');

    const file = path.join(dbDir, 'resultados.txt');
    for (const t of ['300', '3500'])
      assert.notEqual(calc(['--family', 'GASES', '--fluid', 'AIRE', '--temp', t, '--pressure', '101.3', '--output', file],
                           { dbDir }).status, 2);
    assert.deepEqual(await downloaded(page, () => page.click('#p-save')), fs.readFileSync(file));
  });
});

test('a table of 100,000 rows, its CSV and the rows in view', async () => {
  await withPage({}, async (page) => {
    await page.click('#tab-tables');
    await page.selectOption('#t-family', 'LIQUIDOS');
    await page.selectOption('#t-fluid', 'AGUA');
    await page.fill('#t-from', '250');
    await page.fill('#t-to', '649.996');
    await page.fill('#t-step', '0.004');
    await page.click('#t-form button[type="submit"]');
    await page.waitForSelector('html[data-table-shown="100000"]', { timeout: 30000 });
    assert.equal(await page.$eval('#t-table', (t) => t.getAttribute('aria-rowcount')), '100001');
    // Text only for the rows in view.
    assert.ok(await page.$$eval('#t-body tr[aria-rowindex]', (r) => r.length) < 60);

    const c = calc(['--family', 'LIQUIDOS', '--fluid', 'AGUA', '--sweep', '250:649.996:0.004', '--format', 'csv'], { dbDir });
    assert.equal(c.status, 0);
    const csv = await downloaded(page, () => page.click('#t-save'));
    assert.ok(csv.equals(c.out), 'the CSV differs from the calculator\'s');

    // The last rows, as the calculator's CSV has them.
    await page.$eval('#t-grid', (g) => { g.scrollTop = g.scrollHeight; });
    await page.waitForSelector('#t-body tr[aria-rowindex="100001"]');
    const last = await page.$$eval('#t-body tr[aria-rowindex="100001"] td', (tds) => tds.map((td) => td.textContent));
    assert.equal(last[0], '649.996');
    assert.equal(last.at(-1), 'EXTRAPOLADO');
    assert.match(await page.textContent('#t-summary'), /^\d+ TEMPERATURAS FUERA DEL RANGO/);
    assert.match(await page.innerHTML('#t-plot'), /^<svg/);
  });
});

test('the plot as PNG and SVG, and the table copied as the desktop copies it', async () => {
  await withPage({}, async (page, server, b) => {
    await b.context.grantPermissions(['clipboard-read', 'clipboard-write'], { origin: server.url });
    await page.click('#tab-tables');
    await page.selectOption('#t-family', 'LIQUIDOS');
    await page.selectOption('#t-fluid', 'GLICERINA');
    await page.fill('#t-from', '260');
    await page.fill('#t-to', '330');
    await page.fill('#t-step', '0.5');
    await page.press('#t-step', 'Enter');
    await page.waitForSelector('#t-plot svg');
    const png = await downloaded(page, () => page.click('#t-png'));
    assert.equal(png.subarray(1, 4).toString(), 'PNG');
    assert.deepEqual([png.readUInt32BE(16), png.readUInt32BE(20)], [1200, 800]);
    const svg = (await downloaded(page, () => page.click('#t-svg'))).toString();
    assert.match(svg, /^<svg [^>]*width="1200" height="800"/);
    assert.ok(svg.includes('GLICERINA'));
    // Tab-separated, with the decimal separator of the browser's region (es-ES: a comma).
    await page.click('#t-copy');
    await page.waitForFunction(() => document.querySelector('#t-note').textContent !== '');
    const copied = await page.evaluate(() => navigator.clipboard.readText());
    const spanish = { LANG: 'es_ES.UTF-8', LC_ALL: 'es_ES.UTF-8' };
    const c = calc(['--family', 'LIQUIDOS', '--fluid', 'GLICERINA', '--sweep', '260:330:0.5', '--format', 'tsv'], { dbDir, env: spanish });
    assert.equal(copied, c.text);
  });
});

test('a convection derivation is the calculator\'s text', async () => {
  await withPage({}, async (page) => {
    await page.click('#tab-convection');
    await page.selectOption('#c-case', 'cylinder');
    await page.fill('#c-surface', '400');
    await page.fill('#c-fluidTemp', '300');
    await page.fill('#c-pressure', '101.3');
    await page.fill('#c-length', '0.0127');
    await page.fill('#c-velocity', '10');
    await page.press('#c-velocity', 'Enter');
    await page.waitForFunction(() => document.querySelector('#c-derivation').value !== '');
    const c = calc(['--family', 'GASES', '--fluid', 'AIRE', '--pressure', '101.3', '--convection', 'cylinder',
                    '--surface-temp', '400', '--fluid-temp', '300', '--diameter', '0.0127', '--velocity', '10'], { dbDir });
    assert.equal(await value(page, '#c-derivation'), c.text);

    // h against the velocity, outside the correlation's range too: its warnings once each.
    await page.fill('#c-from', '0.01');
    await page.fill('#c-to', '0.2');
    await page.fill('#c-step', '0.01');
    await page.press('#c-step', 'Enter');
    await page.waitForSelector('#c-plot svg');
    const swept = calc(['--family', 'GASES', '--fluid', 'AIRE', '--pressure', '101.3', '--convection', 'cylinder',
                        '--surface-temp', '400', '--fluid-temp', '300', '--diameter', '0.0127', '--vary', 'velocity',
                        '--sweep', '0.01:0.2:0.01', '--format', 'csv'], { dbDir });
    assert.equal(await page.$$eval('#c-messages p', (ps) => ps.map((p) => p.textContent).join('\n')), swept.err.trimEnd());
  });
});

test('the browser\'s language, the switch, and the choice remembered', async () => {
  await withPage({ language: 'en-US' }, async (page) => {
    assert.equal(await page.textContent('#tab-properties'), 'PROPERTIES');
    assert.equal(await page.textContent('label[for="p-temperature"]'), 'TEMPERATURE');
    assert.equal(await page.$eval('#p-fluid option[value="AIRE"]', (o) => o.textContent), 'AIRE (air)');
    await page.selectOption('#language', 'es');
    await page.waitForFunction(() => document.documentElement.lang === 'es');
    assert.equal(await page.textContent('label[for="p-temperature"]'), 'TEMPERATURA');
    await page.reload();
    await page.waitForSelector('html[data-ready]');
    assert.equal(await page.textContent('#tab-tables'), 'TABLAS Y GRAFICAS');
    // The core's messages follow.
    await page.selectOption('#language', 'en');
    await page.waitForFunction(() => document.documentElement.lang === 'en');
    await page.fill('#p-temperature', 'x');
    await page.press('#p-temperature', 'Enter');
    await page.waitForSelector('#p-messages p');
    assert.equal(await page.textContent('#p-messages'),
                 calc(['--family', 'GASES', '--fluid', 'AIRE', '--temp', 'x', '--pressure', '1'], { dbDir, language: 'en' }).err.trimEnd());
  });
});

test('a family\'s own tables, handed to the worker, take the shipped ones\' place', async () => {
  await withPage({}, async (page) => {
    await page.waitForSelector('html[data-tables]');
    const shown = await page.evaluate(async () => {
      const { ask } = await import('./app.mjs');
      const row = (t, den) => [t, den, 1, 2e-5, 1.5e-5, 0.03, 2e-5, 0.7, 0];
      const lists = await ask('tables', { family: 'GASES', titles: ['MI GAS'] });
      await ask('points', { family: 'GASES', fluid: 'MI GAS', points: new Float64Array([...row(300, 1.5), ...row(400, 1.25)]) });
      const at = (temperature) => ask('evaluate', { family: 'GASES', fluid: 'MI GAS', english: false, scale: 'K',
                                                     temperature, pressure: '202.6' });
      const missing = await ask('evaluate', { family: 'GASES', fluid: 'AIRE', english: false, scale: 'K', temperature: '5000',
                                              pressure: '101.3' });
      return { list: lists.fluids.GASES.map((f) => f.title), exact: (await at('300')).texts[0],
               between: (await at('350')).texts[0], missing: missing.messages.map((m) => m.code) };
    });
    // At twice the reference pressure a gas is twice as dense; a table whose points were not
    // handed over is one the file does not have.
    assert.deepEqual(shown, { list: ['MI GAS'], exact: ' 3', between: ' 2.75', missing: ['OUT_OF_CORRELATION_RANGE', 'TABLE_UNREADABLE'] });
  });
});

test('offline: the page again with the server stopped', async () => {
  await withPage({}, async (page, server) => {
    await page.waitForSelector('html[data-offline]');
    await server.close();
    await page.reload();
    await page.waitForSelector('html[data-ready]');
    await page.fill('#p-temperature', '25');
    await page.selectOption('#p-scale', 'ºC');
    await page.fill('#p-pressure', '101.3');
    await page.press('#p-pressure', 'Enter');
    await page.waitForFunction(() => document.querySelector('#p-DEN')?.value !== '');
  });
});

// Each view with something in it, for axe and for the screenshots.
async function fillViews(page) {
  await page.fill('#p-temperature', '300');
  await page.fill('#p-pressure', '101.3');
  await page.press('#p-pressure', 'Enter');
  await page.waitForFunction(() => document.querySelector('#p-DEN')?.value !== '');
  await page.click('#tab-tables');
  await page.selectOption('#t-family', 'LIQUIDOS');
  await page.selectOption('#t-fluid', 'ACEITE');
  await page.fill('#t-from', '265');
  await page.fill('#t-to', '450');
  await page.fill('#t-step', '1');
  await page.press('#t-step', 'Enter');
  await page.waitForSelector('#t-plot svg');
  await page.selectOption('#t-property', '2');
  await page.check('#t-log');
  await page.waitForFunction(() => document.querySelector('#t-plot svg')?.outerHTML.includes('0.001'));
  await page.click('#tab-convection');
  await page.selectOption('#c-case', 'cylinder');
  for (const [box, v] of [['#c-surface', '400'], ['#c-fluidTemp', '300'], ['#c-pressure', '101.3'], ['#c-length', '0.0127'],
                          ['#c-velocity', '10'], ['#c-from', '1'], ['#c-to', '30'], ['#c-step', '0.5']])
    await page.fill(box, v);
  await page.press('#c-velocity', 'Enter');
  await page.press('#c-step', 'Enter');
  await page.waitForSelector('#c-plot svg');
}

test('axe finds no serious or critical violation on any view, in either language; the views\' pictures', async () => {
  const shots = process.env.VELM_SCREENSHOT_DIR ?? scratch('shots');
  for (const language of ['es-ES', 'en-US']) {
    await withPage({ language }, async (page) => {
      await fillViews(page);
      for (const view of ['properties', 'tables', 'convection']) {
        await page.click(`#tab-${view}`);
        await page.addScriptTag({ path: AXE });
        const found = await page.evaluate(async () => (await window.axe.run(document)).violations
          .filter((v) => v.impact === 'serious' || v.impact === 'critical')
          .map((v) => `${v.id}: ${v.nodes.map((n) => `${n.target.join(' ')} (${n.any.map((a) => a.message).join('; ')})`).join(', ')}`));
        assert.deepEqual(found, [], `${view} (${language})`);
        const suffix = language === 'es-ES' ? '' : '-en';
        await page.screenshot({ path: path.join(shots, `web-${view}${suffix}.png`) });
      }
    });
  }
  if (!process.env.VELM_SCREENSHOT_DIR) fs.rmSync(shots, { recursive: true, force: true });
});

test('every control is reached with the keyboard, and named by its visible caption', async () => {
  await withPage({}, async (page) => {
    for (const view of ['properties', 'tables', 'convection']) {
      await page.click(`#tab-${view}`);
      const unnamed = await page.$$eval(`#view-${view} input, #view-${view} select, #view-${view} textarea, #view-${view} button`,
        (els) => els.filter((e) => e.offsetParent !== null).filter((e) => {
          const label = e.labels?.[0]?.textContent ?? e.getAttribute('aria-label') ?? e.textContent;
          return !label || !label.trim() || e.tabIndex < 0;
        }).map((e) => e.id));
      assert.deepEqual(unnamed, [], view);
    }
    // The views' tabs answer the arrow keys.
    await page.click('#tab-options');
    await page.keyboard.press('ArrowRight');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'tab-properties');
    assert.equal(await page.isVisible('#view-properties'), true);
  });
});
