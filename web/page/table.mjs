// A table of up to 100,000 rows that makes text only for the rows in view: the rows stay in
// the worker, and this asks for the cells of those on screen (a few dozen) as the user
// scrolls. Two spacer rows stand for all the others, so the scroll bar is the whole table's.
const ROW = 24;      // px, as the style sheet sets it
const CHUNK = 64;    // rows asked for at once

export function createTableView({ grid, head, body, table, rows }) {
  let count = 0;
  let columns = 0;
  let generation = 0;
  const chunks = new Map();  // chunk index -> {texts, kinds} or a promise of them

  // A spacer is one cell across the whole row, so that the columns keep their widths.
  const spacer = () => {
    const tr = document.createElement('tr');
    tr.setAttribute('aria-hidden', 'true');
    tr.className = 'spacer-row';
    tr.append(document.createElement('td'));
    return tr;
  };
  const top = spacer();
  const bottom = spacer();

  function chunk(i) {
    if (!chunks.has(i)) {
      const g = generation;
      chunks.set(i, rows(i * CHUNK, CHUNK).then((c) => {
        if (g === generation) chunks.set(i, c);
        return c;
      }));
    }
    return chunks.get(i);
  }

  let drawing = false;
  async function draw() {
    if (drawing) return;
    drawing = true;
    requestAnimationFrame(async () => {
      drawing = false;
      const g = generation;
      const first = Math.max(0, Math.floor(grid.scrollTop / ROW) - 5);
      const last = Math.min(count, Math.ceil((grid.scrollTop + grid.clientHeight) / ROW) + 5);
      const wanted = [];
      for (let c = Math.floor(first / CHUNK); c * CHUNK < last; ++c) wanted.push(c);
      const got = await Promise.all(wanted.map(chunk));
      if (g !== generation) return;
      const trs = [];
      for (let r = first; r < last; ++r) {
        const c = got[Math.floor(r / CHUNK) - wanted[0]];
        const at = r % CHUNK;
        const tr = document.createElement('tr');
        tr.className = `src-${c.kinds[at]}`;
        tr.setAttribute('aria-rowindex', String(r + 2));  // the heading row is the first
        for (let k = 0; k < columns; ++k) {
          const td = document.createElement('td');
          td.textContent = c.texts[at * columns + k];
          tr.append(td);
        }
        trs.push(tr);
      }
      top.style.height = `${first * ROW}px`;
      bottom.style.height = `${(count - last) * ROW}px`;
      for (const s of [top, bottom]) s.firstChild.colSpan = columns;
      body.replaceChildren(top, ...trs, bottom);
    });
  }
  grid.addEventListener('scroll', draw, { passive: true });
  new ResizeObserver(draw).observe(grid);

  return {
    // A new table (or its words in another language): `n` rows under these headings.
    show(n, headings) {
      generation += 1;
      chunks.clear();
      count = n;
      columns = headings.length;
      table.setAttribute('aria-rowcount', String(n + 1));
      const row = document.createElement('tr');
      row.setAttribute('aria-rowindex', '1');
      for (const h of headings) {
        const th = document.createElement('th');
        th.scope = 'col';
        th.textContent = h;
        row.append(th);
      }
      head.replaceChildren(...(n ? [row] : []));
      body.replaceChildren();
      if (n && grid.scrollTop > n * ROW) grid.scrollTop = 0;
      draw();
    },
  };
}
