// The page's three calculating views, as the desktop's property, tables and convection screens:
// each reads its boxes, asks the core's worker for the calculation (with the points of a stored
// fluid: page.calculation) and shows what comes back; and the controls they share with the
// OPCIONES view. `page` gives them the page's own: its elements ($), texts (tr), the worker
// (ask, calculation), the core's lists (lists) and whether a fluid is still listed (listed).
import { createTableView } from './table.mjs';

// ---- Shared controls: family, fluid, units, scale; messages, files, plots ----------------------
export const FAMILIES = [['GASES', 'gases'], ['LIQUIDOS', 'liquids']];

export function fill(select, items, keep = true) {
  const chosen = select.value;
  select.replaceChildren(...items.map(([value, text]) => new Option(text, value)));
  if (keep && items.some(([v]) => v === chosen)) select.value = chosen;
}

// The family, fluid, units and scale boxes of a form (data-role), kept consistent.
function choices(page, form) {
  const { tr } = page;
  const box = (role) => form.querySelector(`[data-role="${role}"]`);
  const c = { family: box('family'), fluid: box('fluid'), units: box('units'), scale: box('scale') };
  c.english = () => c.units.value === 'INGLES';
  c.refill = () => {
    fill(c.family, FAMILIES.map(([v, k]) => [v, tr(k)]));
    fill(c.fluid, page.lists().fluids[c.family.value].map((f) => [f.title, f.shown]));
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
export function tell(area, messages) {
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

export function download(name, bytes, type) {
  const url = URL.createObjectURL(new Blob([bytes], { type }));
  const a = Object.assign(document.createElement('a'), { href: url, download: name });
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10000);
}

async function copyText(page, text, note) {
  try {
    await navigator.clipboard.writeText(text);
    note.textContent = page.tr('copied');
  } catch {
    note.textContent = '';
  }
}

// A plot's files: the SVG as the worker writes it, the PNG drawn from it.
const IMAGE = { width: 1200, height: 800 };
async function savePlot(page, view, name, kind) {
  const svg = await page.ask('plotImage', { view, size: IMAGE });
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
export function propertiesView(page) {
  const { $, tr, ask, calculation, listed } = page;
  const form = $('p-form');
  const c = choices(page, form);
  const temperature = $('p-temperature');
  const pressure = $('p-pressure');
  const area = $('p-messages');
  const file = { key: null, heading: null, lines: [] };
  let last = null;

  function rows() {
    const family = c.family.value;
    const headings = page.lists().headings[`${family} ${c.english()}`];
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
export function tablesView(page) {
  const { $, tr, ask, calculation, listed } = page;
  const form = $('t-form');
  const c = choices(page, form);
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
    copyText(page, new TextDecoder().decode(await ask('tableFile', { kind: 'tsv' })), $('t-note')));
  $('t-png').addEventListener('click', () => savePlot(page, 'tables', shown.fluid, 'png'));
  $('t-svg').addEventListener('click', () => savePlot(page, 'tables', shown.fluid, 'svg'));
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
export function convectionView(page) {
  const { $, tr, ask, calculation, listed } = page;
  const form = $('c-form');
  const c = choices(page, form);
  const area = $('c-messages');
  const kase = $('c-case');
  const box = { surface: $('c-surface'), fluidTemp: $('c-fluidTemp'), length: $('c-length'), perimeter: $('c-perimeter'),
                velocity: $('c-velocity'), pressure: $('c-pressure'), from: $('c-from'), to: $('c-to'), step: $('c-step') };
  let derived = null;
  let plotted = null;

  const info = () => page.lists().cases.find((k) => k.name === kase.value);
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
  $('c-copy').addEventListener('click', () => copyText(page, $('c-derivation').value, $('c-note')));
  $('c-png').addEventListener('click', () => savePlot(page, 'convection', plotted.fluid, 'png'));
  $('c-svg').addEventListener('click', () => savePlot(page, 'convection', plotted.fluid, 'svg'));
  return {
    refill() {
      fill(kase, page.lists().cases.map((k) => [k.name, k.title]));
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
