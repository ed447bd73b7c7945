// The web page's figures: the page ready with the core loaded, the user's tables in its lists, a
// 100,000-row table shown, the cost of a temperature in WebAssembly beside the native core's (velmorantes-bench, in the
// same run), and the bytes a browser fetches. Each time is the median of several runs.
//
//   node bench/web/bench.mjs        (after make build and make web)
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { gzipSync } from 'node:zlib';
import { BUILD, SITE, browser, serve } from '../../tests/web/support.mjs';

const RUNS = 5;
const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];
const ms = (x) => `${x.toFixed(1)} ms`;

// The bytes fetched: every file of the folder, gzipped as a server would send them.
function transfer() {
  let raw = 0;
  let gz = 0;
  for (const f of fs.readdirSync(SITE)) {
    const bytes = fs.readFileSync(path.join(SITE, f));
    raw += bytes.length;
    gz += gzipSync(bytes, { level: 9 }).length;
  }
  return { raw, gz };
}

// A sweep of 100,000 temperatures in WebAssembly (the tables screen's table, as the page's
// worker makes it) against the same in the native core (velmorantes-bench's figure).
async function perTemperature() {
  const { loadCore } = await import(path.join(SITE, 'velmorantes.mjs'));
  const { core } = await loadCore();
  const out = {};
  for (const [family, fluid, from, to] of [['GASES', 'AIRE', 100, 3000], ['LIQUIDOS', 'AGUA', 273, 573]]) {
    const step = String((to - from) / 99999);
    const times = [];
    for (let i = 0; i < RUNS + 1; ++i) {
      const t0 = performance.now();
      const r = core.tabulate({ family, fluid, english: false, scale: 'K', from: String(from), to: String(to), step,
                                pressure: '101.3', decimalComma: false });
      times.push(performance.now() - t0);
      if (r.rows !== 100000) throw new Error(`${fluid}: ${r.rows} rows`);
    }
    out[fluid] = median(times.slice(1));
  }
  // The fast path of velmorantes.mjs: a million temperatures straight into columns.
  const { createVelmorantes } = await import(path.join(SITE, 'velmorantes.mjs'));
  const v = await createVelmorantes();
  const t = Float64Array.from({ length: 1e6 }, (_, i) => 100 + (i * 2900) / 999999);
  const times = [];
  for (let i = 0; i < RUNS; ++i) {
    const t0 = performance.now();
    v.properties('GASES', 'AIRE', t, { pressure: 101.3 });
    times.push(performance.now() - t0);
  }
  out.columns = median(times);
  const csv = [];
  core.tabulate({ family: 'GASES', fluid: 'AIRE', english: false, scale: 'K', from: '100', to: '3000',
                  step: String(2900 / 99999), pressure: '101.3', decimalComma: false });
  for (let i = 0; i < 3; ++i) {
    const t0 = performance.now();
    core.tableFile('csv', false);
    csv.push(performance.now() - t0);
  }
  out.csv = median(csv);
  return out;
}

function native() {
  const bench = path.join(BUILD, 'bench', 'velmorantes-bench');
  const r = spawnSync(bench, ['--benchmark_filter=^Sweep/100000 temperatures/', '--benchmark_format=json',
                              `--benchmark_repetitions=${RUNS}`, '--benchmark_report_aggregates_only=true'],
                      { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' }, maxBuffer: 1 << 26 });
  if (r.status !== 0) throw new Error(`velmorantes-bench: ${r.stderr}`);
  const out = {};
  for (const b of JSON.parse(r.stdout).benchmarks)
    if (b.aggregate_name === 'median') out[b.run_name.split('/').at(-1)] = b.real_time;  // ms
  return out;
}

// The page in Chromium: from the navigation to the page ready with the core loaded, and to the
// user's tables in its lists (a first visit: the tables' worker loaded after the page is ready,
// and the database files seeded); from CALCULAR to a 100,000-row table shown (its rows in view
// drawn, its plot drawn).
async function page() {
  const ready = [];
  const tables = [];
  const table = [];
  for (let i = 0; i < RUNS; ++i) {
    const server = await serve();
    const b = await browser({});
    try {
      await b.page.goto(server.url);
      await b.page.waitForSelector('html[data-ready]');
      ready.push(await b.page.evaluate(() => performance.getEntriesByName('velmorantes-ready')[0].startTime));
      await b.page.waitForSelector('html[data-tables]');
      tables.push(await b.page.evaluate(() => performance.getEntriesByName('velmorantes-tables')[0].startTime));
      await b.page.click('#tab-tables');
      await b.page.fill('#t-pressure', '101.3');
      await b.page.fill('#t-from', '100');
      await b.page.fill('#t-to', '3000');
      await b.page.fill('#t-step', String(2900 / 99999));
      table.push(await b.page.evaluate(() => new Promise((resolve) => {
        const t0 = performance.now();
        new MutationObserver((_, o) => {
          if (document.documentElement.dataset.tableShown === '100000' && document.querySelector('#t-body tr[aria-rowindex]')) {
            o.disconnect();
            requestAnimationFrame(() => resolve(performance.now() - t0));
          }
        }).observe(document.documentElement, { attributes: true, subtree: true, childList: true });
        document.querySelector('#t-form button[type="submit"]').click();
      })));
    } finally {
      await b.close();
      await server.close();
    }
  }
  return { ready: median(ready), tables: median(tables), table: median(table) };
}

const size = transfer();
const wasm = await perTemperature();
const nat = native();
const p = await page();
console.log(`Page ready with the core loaded (local server, Chromium):   ${ms(p.ready)}   (goal < 1000 ms)`);
console.log(`The user's tables in the lists (first visit, files seeded):  ${ms(p.tables)}`);
console.log(`100,000-row table shown (CALCULAR to rows and plot drawn):  ${ms(p.table)}   (goal < 500 ms)`);
for (const fluid of ['AIRE', 'AGUA']) {
  const ratio = wasm[fluid] / nat[fluid];
  console.log(`Sweep of 100,000 temperatures of ${fluid}: WebAssembly ${ms(wasm[fluid])}, native ${ms(nat[fluid])}: ` +
              `${(wasm[fluid] * 10).toFixed(0)} ns against ${(nat[fluid] * 10).toFixed(0)} ns a temperature, ` +
              `${ratio.toFixed(2)}x   (goal <= 3x)`);
}
console.log(`velmorantes.mjs properties(), a million AIRE temperatures: ${ms(wasm.columns)} (${(wasm.columns).toFixed(0)} ns a temperature)`);
console.log(`The 100,000-row table's CSV made in WebAssembly:          ${ms(wasm.csv)}`);
console.log(`Transfer size of ${path.relative(process.cwd(), SITE) || SITE}: ${(size.gz / 1024).toFixed(0)} KiB gzipped ` +
            `(${(size.raw / 1024).toFixed(0)} KiB as stored)   (goal < 1024 KiB)`);
