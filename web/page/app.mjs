// The page: four views that do what the desktop's property, tables and convection screens and its
// OPCIONES do, in the program's own words. Every calculation runs in the worker (worker.mjs), the
// user's fluid tables live in the tables' worker (web/tables, tables-worker.js); this module
// reads the boxes, shows what comes back, hands out the files and tells each worker what the
// other has.
import { question } from './dialog.mjs';
import { optionsView } from './options.mjs';
import { convectionView, download, FAMILIES, propertiesView, tablesView, tell } from './views.mjs';
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
const views = {};

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
  const page = { $, tr, ask, calculation, listed, lists: () => state.lists };
  views.properties = propertiesView(page);
  views.tables = tablesView(page);
  views.convection = convectionView(page);
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
