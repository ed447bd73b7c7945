// A plot as SVG text, from the core's numbers and words (runs, stored points, the
// correlation's range, round axes): what the screen shows and what "Guardar gráfica" saves,
// as the desktop's charts draw them. Made in the worker; no DOM needed.

const COLOURS = { line: '#005aa0', extrapolated: '#be2828', marker: '#1e1e1e', range: 'rgba(0,128,128,0.18)',
                  grid: '#d7e3e2', axis: '#3a4a4a', text: '#102020' };

const escape = (s) => String(s).replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');
// Coordinates to a tenth of a pixel: plenty for the eye, and short.
const px = (v) => Math.round(v * 10) / 10;

// At most two points a pixel column of a long run (its lowest and its highest, in the order
// they come): the line looks the same and a hundred thousand rows stay quick to draw.
function thinned(xs, ys, toX, toY, columns) {
  const out = [];
  if (xs.length <= columns * 4) {
    for (let i = 0; i < xs.length; ++i) out.push([toX(xs[i]), toY(ys[i])]);
    return out;
  }
  let column = null;
  let lo = null;
  let hi = null;
  const flush = () => {
    if (!lo) return;
    if (lo === hi) out.push(lo);
    else out.push(...(lo[2] < hi[2] ? [lo, hi] : [hi, lo]));
  };
  for (let i = 0; i < xs.length; ++i) {
    const x = toX(xs[i]);
    const y = toY(ys[i]);
    const c = Math.round(x);
    if (c !== column) {
      flush();
      column = c;
      lo = hi = [x, y, i];
    } else {
      if (y < lo[1]) lo = [x, y, i];
      if (y > hi[1]) hi = [x, y, i];
    }
  }
  flush();
  if (out.length && out[out.length - 1][2] !== xs.length - 1) out.push([toX(xs.at(-1)), toY(ys.at(-1)), xs.length - 1]);
  return out;
}

// d: the core's plot (plotValue); tick(v): a tick's label as the desktop writes it; id: what
// sets this plot's inner names apart from another's on the same page.
export function plotSvg(d, { width = 720, height = 480, tick, id = 'plot' }) {
  const font = 13;
  const left = 78;
  const right = 18;
  const top = d.title ? 36 : 14;
  const legendItems = [];
  if (d.runs.some((r) => !r.extrapolated)) legendItems.push(['line', d.lineName]);
  if (d.runs.some((r) => r.extrapolated)) legendItems.push(['extrapolated', d.extrapolatedName]);
  if (d.markers.x.length) legendItems.push(['marker', d.markerName]);
  if (d.validRange) legendItems.push(['range', d.rangeName]);
  // The legend's entries in as many lines as the width needs.
  const entryWidth = (name) => 28 + (name.length + 3) * (font - 1) * 0.62;
  const legendLines = [];
  for (const item of legendItems) {
    const line = legendLines.at(-1);
    const used = line ? line.reduce((sum, [, name]) => sum + entryWidth(name), 0) : Infinity;
    if (used + entryWidth(item[1]) > width - left - right) legendLines.push([item]);
    else line.push(item);
  }
  const bottom = 58 + legendLines.length * 20 + (legendLines.length ? 4 : 0);
  const w = Math.max(10, width - left - right);
  const h = Math.max(10, height - top - bottom);

  const toX = (x) => left + ((x - d.xMin) / (d.xMax - d.xMin || 1)) * w;
  const ly = (y) => Math.log10(y);
  const toY = d.logAxis
    ? (y) => top + h - ((ly(y) - ly(d.yMin)) / (ly(d.yMax) - ly(d.yMin) || 1)) * h
    : (y) => top + h - ((y - d.yMin) / (d.yMax - d.yMin || 1)) * h;

  const out = [];
  out.push(`<svg xmlns="http://www.w3.org/2000/svg" width="${width}" height="${height}" viewBox="0 0 ${width} ${height}" ` +
           `font-family="DejaVu Sans, Arial, sans-serif" font-size="${font}">`);
  if (d.title) out.push(`<title>${escape(d.title)}</title>`);
  out.push(`<rect width="${width}" height="${height}" fill="#fff"/>`);
  if (d.title)
    out.push(`<text x="${px(left + w / 2)}" y="22" text-anchor="middle" font-weight="bold" fill="${COLOURS.text}">${escape(d.title)}</text>`);

  // The correlation's range behind everything.
  if (d.validRange) {
    const a = Math.max(left, toX(d.validRange[0]));
    const b = Math.min(left + w, toX(d.validRange[1]));
    if (b > a) out.push(`<rect x="${px(a)}" y="${top}" width="${px(b - a)}" height="${px(h)}" fill="${COLOURS.range}"/>`);
  }

  // The grid and the ticks' labels.
  const xs = [];
  for (let i = 0; i < d.xTicks; ++i) xs.push(d.xMin + (i * (d.xMax - d.xMin)) / Math.max(1, d.xTicks - 1));
  const ys = [];
  for (let i = 0; i < d.yTicks; ++i)
    ys.push(d.logAxis ? d.yMin * 10 ** i : d.yMin + (i * (d.yMax - d.yMin)) / Math.max(1, d.yTicks - 1));
  for (const x of xs) {
    const X = px(toX(x));
    out.push(`<line x1="${X}" y1="${top}" x2="${X}" y2="${px(top + h)}" stroke="${COLOURS.grid}"/>`);
    out.push(`<text x="${X}" y="${px(top + h + 18)}" text-anchor="middle" fill="${COLOURS.text}">${escape(tick(x))}</text>`);
  }
  for (const y of ys) {
    const Y = px(toY(y));
    out.push(`<line x1="${left}" y1="${Y}" x2="${px(left + w)}" y2="${Y}" stroke="${COLOURS.grid}"/>`);
    out.push(`<text x="${left - 6}" y="${px(Y + 4)}" text-anchor="end" fill="${COLOURS.text}">${escape(tick(y))}</text>`);
  }
  out.push(`<rect x="${left}" y="${top}" width="${px(w)}" height="${px(h)}" fill="none" stroke="${COLOURS.axis}"/>`);
  out.push(`<text x="${px(left + w / 2)}" y="${px(top + h + 40)}" text-anchor="middle" fill="${COLOURS.text}">${escape(d.xTitle)}</text>`);
  out.push(`<text transform="translate(16 ${px(top + h / 2)}) rotate(-90)" text-anchor="middle" fill="${COLOURS.text}">${escape(d.yTitle)}</text>`);

  // The lines, clipped to the plot: solid, and dashed where extrapolated.
  out.push(`<clipPath id="${id}-area"><rect x="${left}" y="${top}" width="${px(w)}" height="${px(h)}"/></clipPath><g clip-path="url(#${id}-area)">`);
  for (const run of d.runs) {
    const points = thinned(run.x, run.y, toX, toY, w);
    if (points.length < 1) continue;
    const path = points.map(([x, y], i) => `${i ? 'L' : 'M'}${px(x)} ${px(y)}`).join('');
    const colour = run.extrapolated ? COLOURS.extrapolated : COLOURS.line;
    out.push(`<path d="${path}" fill="none" stroke="${colour}" stroke-width="2" stroke-linejoin="round"` +
             `${run.extrapolated ? ' stroke-dasharray="7 5"' : ''}/>`);
  }
  for (let i = 0; i < d.markers.x.length; ++i)
    out.push(`<circle cx="${px(toX(d.markers.x[i]))}" cy="${px(toY(d.markers.y[i]))}" r="3.5" fill="${COLOURS.marker}"/>`);
  out.push('</g>');

  // The legend, under the axis' title.
  legendLines.forEach((line, i) => {
    let x = left;
    const y = top + h + 62 + i * 20;
    for (const [kind, name] of line) {
      if (kind === 'range') out.push(`<rect x="${x}" y="${y - 10}" width="22" height="12" fill="${COLOURS.range}"/>`);
      else if (kind === 'marker') out.push(`<circle cx="${x + 11}" cy="${y - 4}" r="3.5" fill="${COLOURS.marker}"/>`);
      else out.push(`<line x1="${x}" y1="${y - 4}" x2="${x + 22}" y2="${y - 4}" stroke="${COLOURS[kind]}" stroke-width="2"` +
                    `${kind === 'extrapolated' ? ' stroke-dasharray="7 5"' : ''}/>`);
      out.push(`<text x="${x + 28}" y="${y}" fill="${COLOURS.text}" font-size="${font - 1}">${escape(name)}</text>`);
      x += entryWidth(name);
    }
  });
  out.push('</svg>');
  return out.join('');
}
