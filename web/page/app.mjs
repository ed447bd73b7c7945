// The page: three views that do what the desktop's property, tables and convection screens do,
// in the program's own words. Every calculation runs in the worker (worker.mjs); this module
// only reads the boxes, shows what comes back and hands out the files.
import { createTableView } from './table.mjs';

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
    if (k && el.matches('button')) el.accessKey = k;
  }
  for (const el of document.querySelectorAll('[data-label]')) el.setAttribute('aria-label', tr(el.dataset.label));
  $('language').value = state.language;
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
function refuse(box, area, messages) {
  tell(area, messages);
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

  async function calculate(request, record) {
    const r = await ask('evaluate', request);
    if (r.refused) {
      clear();
      last = null;
      return refuse(r.refused === 'pressure' ? pressure : temperature, area, r.messages);
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
    relabel() { if (last) calculate(last, false); },
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
  let shown = null;  // {fluid, headings}

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

  form.addEventListener('submit', async (e) => {
    e.preventDefault();
    const request = { family: c.family.value, fluid: c.fluid.value, english: c.english(), scale: c.scale.value,
                      from: box.from.value, to: box.to.value, step: box.step.value, pressure: box.pressure.value };
    const r = await ask('tabulate', request);
    if (r.refused) {
      shown = null;
      table.show(0, []);
      $('t-summary').textContent = '';
      enable(false);
      plot();
      return refuse(box[r.refused], area, r.messages);
    }
    tell(area, r.messages);
    if (!r.rows) {
      shown = null;
      table.show(0, []);
      $('t-summary').textContent = '';
      enable(false);
      return plot();
    }
    shown = { fluid: request.fluid };
    words(r);
    enable(true);
    await plot();
    document.documentElement.dataset.tableShown = String(r.rows);
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

  async function derive(r) {
    const out = await ask('derive', r);
    if (out.refused) {
      $('c-derivation').value = '';
      $('c-copy').disabled = true;
      return refuse(box[out.refused], area, out.messages);
    }
    tell(area, out.messages);
    $('c-derivation').value = out.text ?? '';
    $('c-copy').disabled = !out.text;
  }
  async function plot(r) {
    const out = await ask('plotH', { ...r, size: plotSize($('c-plot')) });
    const ok = !out.refused && out.svg;
    $('c-plot').innerHTML = ok ? out.svg : '';
    for (const id of ['c-png', 'c-svg']) $(id).disabled = !ok;
    if (out.refused) return refuse(box[out.refused], area, out.messages);
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
    focus: () => box.surface.focus(),
  };
}

// ---- Views, language, start ----------------------------------------------------------------
const TABS = ['properties', 'tables', 'convection'];
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
  applyTexts();
  for (const v of Object.values(views)) await v.refill();
  for (const v of Object.values(views)) await v.relabel();
}
$('language').addEventListener('change', (e) => setLanguage(e.target.value));

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
  for (const v of Object.values(views)) await v.refill();
  const view = saved(STORE.view);
  showView(TABS.includes(view) ? view : 'properties');
  $('status').textContent = '';
  document.documentElement.dataset.ready = 'true';
  performance.mark('velmorantes-ready');
  if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    navigator.serviceWorker.register('./sw.js').then(() => navigator.serviceWorker.ready)
      .then(() => { document.documentElement.dataset.offline = 'true'; })
      .catch(() => {});
  }
}

start().catch((e) => {
  $('status').textContent = state.texts ? tr('loadFailed', [e.message]) : String(e.message);
});
