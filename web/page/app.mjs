// The page: four views that do what the desktop's property, tables and convection screens and its
// OPCIONES do, in the program's own words. Every calculation runs in the worker (worker.mjs), the
// user's fluid tables live in the tables' worker (web/tables, tables-worker.js); this module
// reads the boxes, shows what comes back, hands out the files and tells each worker what the
// other has.
import { question } from './dialog.mjs';
import { optionsView } from './options.mjs';
import { createTableView } from './table.mjs';
import { msg, openTables, setTranslator, shortestText } from './tables-client.js';

const $ = (id) => document.getElementById(id);
const KEY = '\u0004';
const STORE = { language: 'velmorantes.language', view: 'velmorantes.view' };

// ---- The worker ------------------------------------------------------------------------
const worker = new Worker(new URL('./worker.mjs', import.meta.url), { type: 'module' });
const pending = new Map();
let nextId = 1;
worker.onmessage = ({ data }) => {
  const p = pending.get(data.id);
  pending.delete(data.id);
  if (data.error) p.reject(Object.assign(new Error(data.error.message), { code: data.error.code }));
  else p.resolve(data.result);
};
export function ask(op, args) {
  const id = nextId++;
  return new Promise((resolve, reject) => {
    pending.set(id, { resolve, reject });
    worker.postMessage({ id, op, args });
  });
}

// ---- Texts -----------------------------------------------------------------------------
const saved = (key) => { try { return localStorage.getItem(key); } catch { return null; } };
const save = (key, value) => { try { localStorage.setItem(key, value); } catch { /* private mode */ } };
const browserLanguage = () => ((navigator.language || '').toLowerCase().startsWith('es') ? 'es' : 'en');
// The regional decimal separator, as the desktop takes it from the system's settings.
const decimalComma = (() => {
  try {
    return new Intl.NumberFormat(navigator.language).formatToParts(1.5).find((p) => p.type === 'decimal')?.value === ',';
  } catch {
    return false;
  }
})();

const state = { language: saved(STORE.language) ?? browserLanguage(), texts: null, lists: null };

// A page text by its key, in the language in force; "&" marks the desktop's access key.
function raw(key, values = []) {
  const [context, source] = state.texts.page[key];
  const text = state.language === 'en' ? state.texts.en[context + KEY + source] ?? source : source;
  return text.replace(/%([1-9])/g, (whole, n) => values[n - 1] ?? whole);
}
export const tr = (key, values) => raw(key, values).replace(/&(.)/g, '$1');
const accessKey = (key) => raw(key).match(/&(.)/)?.[1]?.toLowerCase() ?? null;

function applyTexts() {
  document.documentElement.lang = state.language;
  for (const el of document.querySelectorAll('[data-text]')) {
    el.textContent = tr(el.dataset.text);
    const k = accessKey(el.dataset.text);
    if (k && el.matches('button:not([role="tab"])')) el.accessKey = k;  // the tabs answer the arrow keys
  }
  for (const el of document.querySelectorAll('[data-label]')) el.setAttribute('aria-label', tr(el.dataset.label));
  $('language').value = state.language;
}

// ---- The user's tables -----------------------------------------------------------------
// One database per family in the browser's origin-private storage, with the desktop's tables
// and rules. The fluid lists show its tables; before a calculation the fluid's points are read
// (readPoints) and handed to the core, which keeps them until the tables change. A change here
// is told to the page's other tabs, which read the tables again.
//
// The tables' worker (sqlite-wasm, and on a first visit the files seeded) loads once the page is
// ready, so that opening the page costs what the core costs: until the tables are in, the lists
// show the built-in fluids and a calculation waits for them (`store.loaded`).
const store = { tables: null, problem: null, warning: null, settled: false };
let tablesLoaded;
store.loaded = new Promise((resolve) => { tablesLoaded = resolve; });
const prepared = new Set();  // family KEY fluid: the core has its points
const channel = typeof BroadcastChannel === 'function' ? new BroadcastChannel('velmorantes-tablas') : null;

async function openStore() {
  try {
    store.tables = await openTables(new URL('./tables-worker.js', import.meta.url));
  } catch (e) {
    store.problem = String(e?.message ?? e);
  }
}

// The stored tables into the lists of every view, once, after the page is ready.
async function loadTables() {
  try {
    await openStore();
    await translateTables();
    await storeStatus();
    if (store.tables) await giveTitles(await readTitles());
    else {
      views.options.disable();
      status('');
    }
  } finally {
    store.settled = true;
    tablesLoaded();
  }
  for (const v of Object.values(views)) await v.refill();
  document.documentElement.dataset.tables = '0';
  performance.mark('velmorantes-tables');
}

function translateTables() {
  const table = state.language === 'en' ? state.texts.en : null;
  setTranslator((context, source) => table?.[context + KEY + source] ?? source);
  return store.tables?.translations(table);
}

// The families' titles ({GASES: [...], LIQUIDOS: [...]}), or the refusal's words (another tab
// holding the tables too long).
async function readTitles() {
  try {
    const titles = {};
    for (const [family] of FAMILIES) titles[family] = await store.tables.listFluidTables(family);
    return titles;
  } catch (e) {
    return String(e?.message ?? e);
  }
}

// The titles into the core's lists; a refusal leaves the lists as they were and is told.
async function giveTitles(titles) {
  if (typeof titles === 'string') return status(titles);
  for (const [family] of FAMILIES) state.lists = await ask('tables', { family, titles: titles[family] });
  prepared.clear();
  status('');
}

async function readTables() {
  if (store.tables) await giveTitles(await readTitles());
}

// A calculation of the core, with the points of the fluid it names.
export async function calculation(op, request) {
  await store.loaded;
  const key = request.family + KEY + request.fluid;
  if (store.tables && request.fluid && !prepared.has(key)) {
    let points;
    try {
      points = await store.tables.readPoints(request.family, request.fluid);
      prepared.add(key);
    } catch (e) {
      points = e.message;  // the core tells it where it needs the table
    }
    await ask('points', { family: request.family, fluid: request.fluid, points });
  }
  return ask(op, request);
}

const listed = (family, fluid) => state.lists.fluids[family].some((f) => f.title === fluid);

// After a change of the tables, here or in another tab: the lists, then what each view shows.
// The first change here asks the browser to keep the site's storage even when it runs short of
// room (it may say no; the tables then stay until the user clears the site's data or the
// browser needs the room).
let persistAsked = false;
async function tablesChanged({ here = true } = {}) {
  if (here && !persistAsked) {
    persistAsked = true;
    navigator.storage?.persist?.().catch(() => {});
  }
  await readTables();
  for (const v of Object.values(views)) await v.refill();
  for (const v of Object.values(views)) await v.recompute?.();
  if (here) channel?.postMessage('changed');
  // How many changes the page has followed (its tests wait on it).
  document.documentElement.dataset.tables = String(Number(document.documentElement.dataset.tables ?? 0) + 1);
}
if (channel) channel.onmessage = () => store.loaded.then(() => tablesChanged({ here: false }));

function status(text) {
  const warning = store.warning ? [store.warning] : [];
  $('status').textContent = [...warning, text].filter((t) => t).join('\n');
}

// ---- Shared choices: family, fluid, units, scale --------------------------------------
const FAMILIES = [['GASES', 'gases'], ['LIQUIDOS', 'liquids']];
const views = {};

function fill(select, items, keep = true) {
  const chosen = select.value;
  select.replaceChildren(...items.map(([value, text]) => new Option(text, value)));
  if (keep && items.some(([v]) => v === chosen)) select.value = chosen;
}

// The family, fluid, units and scale boxes of a form (data-role), kept consistent.
function choices(form) {
  const box = (role) => form.querySelector(`[data-role="${role}"]`);
  const c = { family: box('family'), fluid: box('fluid'), units: box('units'), scale: box('scale') };
  c.english = () => c.units.value === 'INGLES';
  c.refill = () => {
    fill(c.family, FAMILIES.map(([v, k]) => [v, tr(k)]));
    fill(c.fluid, state.lists.fluids[c.family.value].map((f) => [f.title, f.shown]));
    fill(c.units, [['SI', tr('si')], ['INGLES', tr('englishUnits')]]);
    fill(c.scale, c.english() ? [['ºF', 'ºF']] : [['K', 'K'], ['ºC', 'ºC']]);
    const gas = c.family.value === 'GASES';
    for (const el of form.closest('.view').querySelectorAll('.gas')) el.hidden = !gas;
    for (const el of form.querySelectorAll('[data-role="pressure-unit"]')) el.textContent = c.english() ? '(psi)' : '(KPa)';
  };
  c.family.addEventListener('change', () => { c.fluid.value = ''; c.refill(); form.dispatchEvent(new Event('choice')); });
  for (const b of [c.fluid, c.units, c.scale]) b.addEventListener('change', () => { c.refill(); form.dispatchEvent(new Event('choice')); });
  return c;
}

// The messages of a calculation in the view's message area; a refused box emptied and focused.
function tell(area, messages) {
  area.replaceChildren(...(messages ?? []).map((m) => {
    const p = document.createElement('p');
    p.textContent = m.text;
    p.dataset.code = m.code;
    return p;
  }));
}
// `quiet`: a calculation made again because the tables changed, which moves no focus.
function refuse(box, area, messages, quiet = false) {
  tell(area, messages);
  if (quiet) return;
  box.value = '';
  box.focus();
}

function download(name, bytes, type) {
  const url = URL.createObjectURL(new Blob([bytes], { type }));
  const a = Object.assign(document.createElement('a'), { href: url, download: name });
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10000);
}

async function copyText(text, note) {
  try {
    await navigator.clipboard.writeText(text);
    note.textContent = tr('copied');
  } catch {
    note.textContent = '';
  }
}

// A plot's files: the SVG as the worker writes it, the PNG drawn from it.
const IMAGE = { width: 1200, height: 800 };
async function savePlot(view, name, kind) {
  const svg = await ask('plotImage', { view, size: IMAGE });
  if (!svg) return;
  if (kind === 'svg') return download(`${name}.svg`, svg, 'image/svg+xml');
  const image = new Image();
  const url = URL.createObjectURL(new Blob([svg], { type: 'image/svg+xml' }));
  await new Promise((resolve, reject) => { image.onload = resolve; image.onerror = reject; image.src = url; });
  const canvas = Object.assign(document.createElement('canvas'), IMAGE);
  canvas.getContext('2d').drawImage(image, 0, 0);
  URL.revokeObjectURL(url);
  const png = await new Promise((resolve) => canvas.toBlob(resolve, 'image/png'));
  download(`${name}.png`, png, 'image/png');
}

function plotSize(figure) {
  const width = Math.max(320, Math.round(figure.clientWidth || 640));
  return { width, height: Math.round(Math.min(560, Math.max(300, width * 0.68))) };
}

// ---- The property screen ---------------------------------------------------------------
function propertiesView() {
  const form = $('p-form');
  const c = choices(form);
  const temperature = $('p-temperature');
  const pressure = $('p-pressure');
  const area = $('p-messages');
  const file = { key: null, heading: null, lines: [] };
  let last = null;

  function rows() {
    const family = c.family.value;
    const headings = state.lists.headings[`${family} ${c.english()}`];
    const keys = ['DEN', 'CP', 'MIU', 'UN', 'K', 'ALFA', 'PR', 'BETA'].slice(0, headings.length);
    const values = Object.fromEntries(keys.map((k) => [k, $(`p-${k}`)?.value ?? '']));
    $('p-rows').replaceChildren(...keys.map((k, i) => {
      const row = document.createElement('div');
      row.className = 'result';
      row.innerHTML = `<span class="name"></span><label class="heading" for="p-${k}"></label><input id="p-${k}" readonly>`;
      row.querySelector('.name').textContent = tr(k);
      row.querySelector('label').textContent = headings[i];
      row.querySelector('input').value = values[k];
      return row;
    }));
  }
  function count() {
    const n = file.lines.length;
    $('p-count').textContent = n === 0 ? '' : n === 1 ? tr('calculationsOne') : tr('calculationsMany', [String(n)]);
    $('p-save').disabled = n === 0;
  }
  function clear() {
    for (const input of $('p-rows').querySelectorAll('input')) input.value = '';
  }

  async function calculate(request, record, quiet = false) {
    const r = await calculation('evaluate', request);
    if (r.refused) {
      clear();
      last = null;
      return refuse(r.refused === 'pressure' ? pressure : temperature, area, r.messages, quiet);
    }
    tell(area, r.messages);
    r.texts.forEach((t, i) => { $('p-rows').querySelectorAll('input')[i].value = t; });
    if (!record) return;
    // Like a results file the desktop appends to: its heading once, for the units and scale.
    const key = `${request.family} ${request.english} ${request.scale}`;
    if (file.key !== key) Object.assign(file, { key, heading: r.fileHeading, lines: [] });
    file.lines.push(r.fileLine);
    count();
  }

  form.addEventListener('submit', (e) => {
    e.preventDefault();
    last = { family: c.family.value, fluid: c.fluid.value, english: c.english(), scale: c.scale.value,
             temperature: temperature.value, pressure: pressure.value };
    calculate(last, true);
  });
  form.addEventListener('choice', () => { clear(); tell(area, []); rows(); });
  $('p-save').addEventListener('click', () => download('resultados.txt', new Blob([file.heading, ...file.lines]), 'text/plain'));
  return {
    refill() { c.refill(); rows(); count(); },
    // In another language: the same calculation's messages again, nothing added to the file.
    relabel() { if (last) return calculate(last, false); },
    // Other tables: the same calculation again, nothing added to the file; gone with its fluid.
    recompute() {
      if (last && listed(last.family, last.fluid)) return calculate(last, false, true);
      if (last) {
        last = null;
        clear();
        tell(area, []);
      }
    },
    focus: () => temperature.focus(),
  };
}

// ---- The tables screen ----------------------------------------------------------------
function tablesView() {
  const form = $('t-form');
  const c = choices(form);
  const area = $('t-messages');
  const box = { from: $('t-from'), to: $('t-to'), step: $('t-step'), pressure: $('t-pressure') };
  const table = createTableView({ grid: $('t-grid'), head: $('t-head'), body: $('t-body'), table: $('t-table'),
                                  rows: (first, count) => ask('rows', { first, count }) });
  let shown = null;  // {fluid, headings, request}

  function enable(on) {
    for (const id of ['t-save', 't-png', 't-svg', 't-copy']) $(id).disabled = !on;
  }
  async function plot() {
    if (!shown) {
      $('t-plot').replaceChildren();
      return;
    }
    $('t-plot').innerHTML = await ask('tablePlot', { property: Number($('t-property').value), log: $('t-log').checked,
                                                     size: plotSize($('t-plot')) });
  }
  function words(w) {
    shown.headings = w.headings;
    fill($('t-property'), w.headings.slice(1, -1).map((h, i) => [String(i), h]));
    $('t-summary').textContent = w.summary;
    table.show(w.rows, w.headings);
  }

  function empty() {
    shown = null;
    table.show(0, []);
    $('t-summary').textContent = '';
    enable(false);
    return plot();
  }
  async function tabulate(request, quiet = false) {
    const r = await calculation('tabulate', request);
    if (r.refused) {
      empty();
      return refuse(box[r.refused], area, r.messages, quiet);
    }
    tell(area, r.messages);
    if (!r.rows) return empty();
    shown = { fluid: request.fluid, request };
    words(r);
    enable(true);
    await plot();
    document.documentElement.dataset.tableShown = String(r.rows);
  }
  form.addEventListener('submit', (e) => {
    e.preventDefault();
    tabulate({ family: c.family.value, fluid: c.fluid.value, english: c.english(), scale: c.scale.value,
               from: box.from.value, to: box.to.value, step: box.step.value, pressure: box.pressure.value });
  });
  $('t-property').addEventListener('change', plot);
  $('t-log').addEventListener('change', plot);
  $('t-save').addEventListener('click', async () => download(`${shown.fluid}.csv`, await ask('tableFile', { kind: 'csv' }), 'text/csv'));
  $('t-copy').addEventListener('click', async () =>
    copyText(new TextDecoder().decode(await ask('tableFile', { kind: 'tsv' })), $('t-note')));
  $('t-png').addEventListener('click', () => savePlot('tables', shown.fluid, 'png'));
  $('t-svg').addEventListener('click', () => savePlot('tables', shown.fluid, 'svg'));
  return {
    refill: () => c.refill(),
    async relabel() {
      if (!shown) return;
      words(await ask('tableWords'));
      await plot();
    },
    recompute() {
      if (!shown) return;
      if (listed(shown.request.family, shown.fluid)) return tabulate(shown.request, true);
      tell(area, []);
      return empty();
    },
    focus: () => box.from.focus(),
  };
}

// ---- The convection screen ----------------------------------------------------------------
function convectionView() {
  const form = $('c-form');
  const c = choices(form);
  const area = $('c-messages');
  const kase = $('c-case');
  const box = { surface: $('c-surface'), fluidTemp: $('c-fluidTemp'), length: $('c-length'), perimeter: $('c-perimeter'),
                velocity: $('c-velocity'), pressure: $('c-pressure'), from: $('c-from'), to: $('c-to'), step: $('c-step') };
  let derived = null;
  let plotted = null;

  const info = () => state.lists.cases.find((k) => k.name === kase.value);
  async function caseChanged() {
    const k = info();
    const w = await ask('caseWords', { case: k.name, english: c.english(), scale: c.scale.value });
    $('c-length-label').textContent = tr(k.length);
    $('c-length-unit').textContent = `(${k.length === 'area' ? w.areaUnit : w.lengthUnit})`;
    $('c-perimeter-unit').textContent = `(${w.lengthUnit})`;
    $('c-velocity-unit').textContent = `(${w.velocityUnit})`;
    $('c-perimeter-field').hidden = k.length !== 'area';
    $('c-velocity-field').hidden = !k.forced;
    for (const el of form.querySelectorAll('.tube')) el.hidden = k.name !== 'tube';
    fill($('c-variable'), w.variables.map((v) => [v.name, v.heading]));
  }
  const request = () => ({
    case: kase.value, family: c.family.value, fluid: c.fluid.value, english: c.english(), scale: c.scale.value,
    tubeCondition: $('c-wall').value, correlation: $('c-correlation').value, surface: box.surface.value,
    fluidTemp: box.fluidTemp.value, length: box.length.value, perimeter: box.perimeter.value,
    velocity: box.velocity.value, pressure: box.pressure.value });

  async function derive(r, quiet = false) {
    const out = await calculation('derive', r);
    if (out.refused) {
      $('c-derivation').value = '';
      $('c-copy').disabled = true;
      return refuse(box[out.refused], area, out.messages, quiet);
    }
    tell(area, out.messages);
    $('c-derivation').value = out.text ?? '';
    $('c-copy').disabled = !out.text;
  }
  async function plot(r, quiet = false) {
    const out = await calculation('plotH', { ...r, size: plotSize($('c-plot')) });
    const ok = !out.refused && out.svg;
    $('c-plot').innerHTML = ok ? out.svg : '';
    for (const id of ['c-png', 'c-svg']) $(id).disabled = !ok;
    if (out.refused) return refuse(box[out.refused], area, out.messages, quiet);
    tell(area, out.messages);
  }

  form.addEventListener('submit', (e) => {
    e.preventDefault();
    derived = request();
    derive(derived);
  });
  $('c-plot-form').addEventListener('submit', (e) => {
    e.preventDefault();
    plotted = { ...request(), variable: $('c-variable').value, from: box.from.value, to: box.to.value, step: box.step.value };
    plot(plotted);
  });
  kase.addEventListener('change', caseChanged);
  form.addEventListener('choice', caseChanged);
  $('c-copy').addEventListener('click', () => copyText($('c-derivation').value, $('c-note')));
  $('c-png').addEventListener('click', () => savePlot('convection', plotted.fluid, 'png'));
  $('c-svg').addEventListener('click', () => savePlot('convection', plotted.fluid, 'svg'));
  return {
    refill() {
      fill(kase, state.lists.cases.map((k) => [k.name, k.title]));
      c.refill();
      return caseChanged();
    },
    async relabel() {
      if (derived) await derive(derived);
      if (plotted) await plot(plotted);
    },
    async recompute() {
      if (derived && !listed(derived.family, derived.fluid)) {
        derived = null;
        $('c-derivation').value = '';
        $('c-copy').disabled = true;
        tell(area, []);
      }
      if (plotted && !listed(plotted.family, plotted.fluid)) {
        plotted = null;
        $('c-plot').innerHTML = '';
        for (const id of ['c-png', 'c-svg']) $(id).disabled = true;
      }
      if (derived) await derive(derived, true);
      if (plotted) await plot(plotted, true);
    },
    focus: () => box.surface.focus(),
  };
}

// ---- Views, language, start ----------------------------------------------------------------
const TABS = ['properties', 'tables', 'convection', 'options'];
function showView(name, focus = false) {
  for (const t of TABS) {
    const on = t === name;
    $(`tab-${t}`).setAttribute('aria-selected', String(on));
    $(`tab-${t}`).tabIndex = on ? 0 : -1;
    $(`view-${t}`).hidden = !on;
  }
  save(STORE.view, name);
  if (focus) $(`tab-${name}`).focus();
}
$('views').addEventListener('click', (e) => {
  const tab = e.target.closest('[role="tab"]');
  if (tab) showView(tab.id.slice(4));
});
$('views').addEventListener('keydown', (e) => {
  const i = TABS.findIndex((t) => $(`tab-${t}`).getAttribute('aria-selected') === 'true');
  const step = { ArrowRight: 1, ArrowLeft: -1 }[e.key];
  if (step) showView(TABS[(i + step + TABS.length) % TABS.length], true);
  else if (e.key === 'Home') showView(TABS[0], true);
  else if (e.key === 'End') showView(TABS[TABS.length - 1], true);
  else return;
  e.preventDefault();
});

async function setLanguage(language) {
  state.language = language;
  save(STORE.language, language);
  state.lists = await ask('language', { language });
  await translateTables();
  if (store.settled) {
    await storeStatus();
    status('');
  }
  applyTexts();
  for (const v of Object.values(views)) await v.refill();
  for (const v of Object.values(views)) await v.relabel();
}
$('language').addEventListener('change', (e) => setLanguage(e.target.value));

// What the tables' worker says of the browser's storage (nothing kept: a browser without the
// origin-private file system), in the language in force; as before while another tab holds
// the tables.
async function storeStatus() {
  store.warning = store.tables ? (await store.tables.status().catch(() => ({ warning: store.warning }))).warning
                               : tr('tablesUnavailable', [store.problem]);
}

async function start() {
  const [texts, lists] = await Promise.all([
    fetch(new URL('./texts.json', import.meta.url)).then((r) => r.json()),
    ask('init', { language: state.language, decimalComma }),
  ]);
  state.texts = texts;
  state.lists = lists;
  applyTexts();
  views.properties = propertiesView();
  views.tables = tablesView();
  views.convection = convectionView();
  views.options = optionsView({ $, tr, ask, tell, msg, shortestText, question, download, lists: () => state.lists,
                                store: async () => { await store.loaded; return store.tables; },
                                changed: () => tablesChanged() });
  for (const v of Object.values(views)) await v.refill();
  const view = saved(STORE.view);
  showView(TABS.includes(view) ? view : 'properties');
  status('');
  document.documentElement.dataset.ready = 'true';
  performance.mark('velmorantes-ready');
  loadTables().catch((e) => status(String(e?.message ?? e)));
  if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    navigator.serviceWorker.register('./sw.js').then(() => navigator.serviceWorker.ready)
      .then(() => { document.documentElement.dataset.offline = 'true'; })
      .catch(() => {});
  }
}

start().catch((e) => {
  $('status').textContent = state.texts ? tr('loadFailed', [e.message]) : String(e.message);
});
