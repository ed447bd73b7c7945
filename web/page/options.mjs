// The OPCIONES view: a family's fluid tables kept as the desktop keeps them. The menu and the
// title (frmTABLAS, frmDATOS: AGREGAR, ELIMINAR or MODIFICAR the table of a title), the row entry
// (frmPRUEBA) once a table is created, the editing grid (frmMODIFICAR) of a table, and the
// family's database file opened or saved. The rules and their words are web/tables', run in the
// tables' worker; what is typed is read by the core's own rules (the worker's op "read"). After
// every change the fluid lists and whatever the other views show follow (page.changed()).

const FLOAT_MAX = 3.4028234663852886e38;

export function optionsView(page) {
  const { $, tr, ask, tell, msg } = page;
  const area = $('o-messages');
  const family = $('o-family');
  const title = $('o-title');
  const listing = $('o-tables');
  const button = { add: $('o-grid-add'), remove: $('o-grid-delete'), update: $('o-grid-update'), close: $('o-grid-close') };
  let entry = null;  // the row entry's {family, title}
  let grid = null;   // the grid's {family, title, columns, rows: [{rowid, values}], position, lastModified}

  const say = (texts) => tell(area, texts.filter((t) => t).map((text) => ({ text, code: 'TABLES' })));

  // A request of the tables' worker. A refusal (another tab holding the tables, the storage
  // full, a damaged file ...) is told, and gives null: nothing has changed.
  async function request(name, ...args) {
    const tables = await page.store();
    if (!tables) return null;
    try {
      return await tables[name](...args);
    } catch (e) {
      say([e.message]);
      return null;
    }
  }

  // Edits of the grid take their turns, in the order they were made.
  let queue = Promise.resolve();
  const serial = (work) => (queue = queue.then(work, work));

  function show(part) {
    $('o-menu').hidden = part !== 'menu';
    $('o-menu-lower').hidden = part !== 'menu';
    $('o-entry').hidden = part !== 'entry';
    $('o-grid').hidden = part !== 'grid';
  }

  function backToMenu() {
    entry = null;
    grid = null;
    show('menu');
    title.value = '';  // empty every time the title screen shows, as on the desktop
    title.focus();
  }

  function refill() {
    const chosen = family.value || 'GASES';
    family.replaceChildren(new Option(tr('gases'), 'GASES'), new Option(tr('liquids'), 'LIQUIDOS'));
    family.value = chosen;
    const picked = listing.value;
    listing.replaceChildren(...page.lists().fluids[family.value].map((f) => new Option(f.shown, f.title)));
    if ([...listing.options].some((o) => o.value === picked)) listing.value = picked;
  }
  family.addEventListener('change', () => {
    refill();
    tell(area, []);
    $('o-lines').replaceChildren();
  });
  listing.addEventListener('change', () => { title.value = listing.value; });

  // ---- frmDATOS: the title and the operation ----------------------------------------------
  async function operate(operation) {
    const typed = title.value;
    const r = await request('titleOperation', family.value, operation, typed);
    if (!r) return title.focus();
    say([r.message]);
    if (r.clear) title.value = '';
    if (r.next === null) return title.focus();
    if (r.next !== 'frmMODIFICAR') await page.changed();
    if (r.next === 'frmPRUEBA') return openEntry(family.value, typed);
    if (r.next === 'frmMODIFICAR') return openGrid(family.value, typed);
    backToMenu();  // deleted: the list no longer shows it
  }
  for (const b of document.querySelectorAll('#o-form [data-operation]'))
    b.addEventListener('click', () => operate(b.dataset.operation));
  $('o-form').addEventListener('submit', (e) => e.preventDefault());

  // ---- frmPRUEBA: one row at a time ------------------------------------------------------------
  function entryFields() {
    const units = page.lists().entryUnits[entry.family];
    $('o-entry-fields').replaceChildren(...units.map((unit, i) => {
      const row = document.createElement('div');
      row.className = 'entry-field';
      row.innerHTML = `<label for="o-field-${i}"></label>` +
        `<input id="o-field-${i}" inputmode="decimal" autocomplete="off" spellcheck="false" aria-describedby="o-unit-${i}">` +
        `<span class="unit" id="o-unit-${i}"></span>`;
      row.querySelector('label').textContent = tr(`field${i}`);
      row.querySelector('.unit').textContent = unit;
      return row;
    }));
  }
  function openEntry(f, typed) {
    entry = { family: f, title: typed };
    $('o-entry-title').textContent = typed;
    entryFields();
    show('entry');
    $('o-field-0').focus();
  }
  $('o-entry').addEventListener('submit', async (e) => {
    e.preventDefault();
    if (!entry) return;
    const fields = [...$('o-entry-fields').querySelectorAll('input')];
    const values = await ask('read', { texts: fields.map((f) => f.value), how: 'leading' });
    const r = await request('addRow', entry.family, entry.title, values);
    if (!r) return;
    say([r.message]);
    if (!r.clear) return;
    for (const f of fields) f.value = '';
    await page.changed();
  });
  $('o-entry-cancel').addEventListener('click', () => {
    tell(area, []);
    backToMenu();
  });

  // ---- frmMODIFICAR: the grid ---------------------------------------------------------------
  // A stored value as the grid shows it: the 32-bit number it is (1.1614, not
  // 1.1613999605178833); one no 32-bit number holds, as the file holds it.
  const cellText = (v) => (v === null ? '' : Math.abs(v) <= FLOAT_MAX ? page.shortestText(Math.fround(v), true) : page.shortestText(v, false));
  const body = $('o-rows-body');
  const cell = (row, column) => body.rows[row]?.cells[column + 1]?.querySelector('input') ?? null;
  const where = (input) => ({ row: input.closest('tr').sectionRowIndex, column: input.closest('td').cellIndex - 1 });
  const stored = () => grid.rows.length;

  function rowElement(index) {
    const line = document.createElement('tr');
    if (index < stored()) line.dataset.rowid = String(grid.rows[index].rowid);
    const head = document.createElement('th');
    head.scope = 'row';
    head.id = `o-row-${index}`;
    head.textContent = index < stored() ? String(index + 1) : '*';
    line.append(head);
    grid.columns.forEach((c, column) => {
      const td = document.createElement('td');
      const input = document.createElement('input');
      input.setAttribute('aria-labelledby', `o-column-${column} ${head.id}`);
      input.autocomplete = 'off';
      input.spellcheck = false;
      input.inputMode = 'decimal';
      input.value = index < stored() ? cellText(grid.rows[index].values[column]) : '';
      input.dataset.shown = input.value;
      td.append(input);
      line.append(td);
    });
    return line;
  }
  // The rows afresh, the empty new row last; what is typed and not yet stored stays where it is.
  function render() {
    const active = document.activeElement && body.contains(document.activeElement) ? where(document.activeElement) : null;
    const typed = [...body.querySelectorAll('input')].filter((i) => i.value !== i.dataset.shown)
      .map((i) => ({ ...where(i), value: i.value, pending: i.dataset.pending }));
    const head = document.createElement('tr');
    head.append(document.createElement('td'));
    grid.columns.forEach((c, i) => {
      const th = Object.assign(document.createElement('th'), { scope: 'col', id: `o-column-${i}`, textContent: c });
      head.append(th);
    });
    $('o-rows-head').replaceChildren(head);
    body.replaceChildren(...Array.from({ length: stored() + 1 }, (_, i) => rowElement(i)));
    for (const t of typed) {
      const again = cell(t.row, t.column);
      if (!again) continue;
      again.value = t.value;
      if (t.pending !== undefined) again.dataset.pending = t.pending;
    }
    if (active) cell(active.row, active.column)?.focus();
  }

  // The current row marked, and its place under the grid (none on the empty new row).
  function record() {
    for (const line of body.querySelectorAll('tr.current')) line.classList.remove('current');
    body.rows[grid.position]?.classList.add('current');
    if (grid.position >= 0 && grid.position < stored()) $('o-record').textContent = tr('record') + String(grid.position + 1);
  }
  // The current row, and the focus on its cell in the column in use.
  function moveTo(row) {
    grid.position = Math.max(0, Math.min(row, stored()));
    const active = document.activeElement;
    const column = active && body.contains(active) ? where(active).column : 0;
    cell(grid.position, column)?.focus();
    record();
  }

  async function openGrid(f, typed) {
    const r = await request('readRows', f, typed);
    if (!r) return title.focus();
    grid = { family: f, title: typed, columns: r.columns, rows: r.rows, position: 0, lastModified: -1 };
    $('o-grid-title').textContent = typed;
    $('o-record').textContent = '';
    for (const b of Object.values(button)) b.disabled = false;
    show('grid');
    render();
    moveTo(0);
  }

  // A cell's text stored, or refused with the grid's message and the cell as it was. A cell is
  // stored when the focus leaves it (or on Enter), once for what it holds. The empty row becomes a
  // stored row with its first value; what is typed into its other cells meanwhile goes to that
  // row (its <tr> keeps the row id), and a new empty row follows it.
  function commit(input) {
    if (!grid || !input || !body.contains(input)) return queue;
    const text = input.value;
    if (text === (input.dataset.pending ?? input.dataset.shown)) return queue;
    input.dataset.pending = text;
    const row = input.closest('tr');
    const { column } = where(input);
    return serial(async () => {
      if (!grid) return;
      // The row may have been drawn again meanwhile: its cell now.
      const now = () => (input.isConnected ? input : body.querySelector(`tr[data-rowid="${row.dataset.rowid}"]`)?.cells[column + 1].querySelector('input'));
      const done = (shown) => {
        const c = now();
        if (!c) return;
        delete c.dataset.pending;
        if (shown !== undefined && c.value === text) c.value = c.dataset.shown = shown;
      };
      const [number] = await ask('read', { texts: [text], how: 'number' });
      const rowid = row.dataset.rowid === undefined ? null : Number(row.dataset.rowid);
      const r = rowid !== null ? await request('setCell', grid.family, grid.title, rowid, column, number)
                               : await request('newRowCell', grid.family, grid.title, column, number);
      if (!r || r.message) {
        if (r) say([r.message]);
        done(now()?.dataset.shown);
        return;
      }
      tell(area, []);
      if (rowid !== null) {
        const at = grid.rows.findIndex((x) => x.rowid === rowid);
        if (at >= 0) grid.rows[at].values[column] = r.value;
        grid.lastModified = at;
        done(cellText(r.value));
      } else {
        grid.rows.push({ rowid: r.rowid, values: r.values });
        grid.lastModified = grid.rows.length - 1;
        row.dataset.rowid = String(r.rowid);
        done();
        render();
        done(cellText(r.value));
      }
      await page.changed();
    });
  }

  body.addEventListener('focusin', (e) => {
    if (e.target.matches('input')) {
      grid.position = where(e.target).row;
      record();
    }
  });
  body.addEventListener('focusout', (e) => { if (e.target.matches('input')) commit(e.target); });
  // Up and down move along the column, as in the desktop's grid; Enter stores the cell and goes down.
  body.addEventListener('keydown', (e) => {
    if (!e.target.matches('input')) return;
    const step = { ArrowUp: -1, ArrowDown: 1, Enter: 1 }[e.key];
    if (!step) return;
    e.preventDefault();
    const { row, column } = where(e.target);
    if (e.key === 'Enter') commit(e.target);
    cell(Math.max(0, Math.min(row + step, stored())), column)?.focus();
  });

  button.add.addEventListener('click', () => {
    let p = grid.position;
    if (p >= stored() && stored() > 0) p = stored() - 1;
    moveTo(p + 1);  // from the last row onto the empty new row, otherwise one row down
    button.close.disabled = true;
    button.remove.disabled = true;
  });
  button.remove.addEventListener('click', () => serial(async () => {
    if (!grid) return;
    let p = grid.position;
    if (p >= stored()) p = stored() - 1;  // on the new row: the last stored one
    if (p < 0) {
      button.remove.disabled = true;
      return;
    }
    const r = await request('deleteRow', grid.family, grid.title, grid.rows[p].rowid);
    if (!r) return;
    if (r.message) return say([r.message]);
    tell(area, []);
    grid.rows.splice(p, 1);
    if (grid.lastModified === p) grid.lastModified = -1;
    else if (grid.lastModified > p) --grid.lastModified;
    render();
    // The next row stands where the deleted one stood; past the last, the new last.
    moveTo(p < stored() ? p : stored() - 1);
    await page.changed();
  }));
  button.update.addEventListener('click', async () => {
    await commit(document.activeElement && body.contains(document.activeElement) ? document.activeElement : null);
    if (!grid) return;
    if (grid.lastModified >= 0 && grid.lastModified < stored()) moveTo(grid.lastModified);
    for (const b of Object.values(button)) b.disabled = false;
  });
  button.close.addEventListener('click', async () => {
    // An edit in progress is stored, or refused with its message: never lost.
    await commit(document.activeElement && body.contains(document.activeElement) ? document.activeElement : null);
    backToMenu();
  });

  // ---- The database file in and out ----------------------------------------------------------
  $('o-open').addEventListener('click', () => $('o-file').click());
  // A file opened: what it brings, then the user's answers: replace the family's tables, add
  // to them (asking before each overwrite), or nothing at all.
  async function openFile(file) {
    const f = family.value;
    const database = `${f}.mdb`;
    $('o-lines').replaceChildren();
    const opened = await request('open', f, file.name, new Uint8Array(await file.arrayBuffer()));
    if (!opened) return $('o-open').focus();
    tell(area, []);
    const mode = await page.question({
      text: msg.replaceOrMerge(database), lines: opened.lines,
      answers: [{ value: 'replace', label: msg.replaceButton() }, { value: 'merge', label: msg.mergeButton() },
                { value: null, label: msg.cancelButton() }],
    });
    if (!mode) return request('forget', opened.id);
    // A merge asks before it overwrites each table of the same name; Escape leaves all as it was.
    const overwrite = [];
    for (const t of mode === 'merge' ? opened.conflicts : []) {
      const yes = await page.question({ text: msg.overwrite(t, database), answers: [{ value: true, label: tr('yes') }, { value: false, label: tr('no') }] });
      if (yes === null) return request('forget', opened.id);
      if (yes) overwrite.push(t);
    }
    const r = await request('apply', opened.id, mode, overwrite);
    if (!r) return;
    say([r.message]);
    $('o-lines').replaceChildren(...opened.lines.map((line) => Object.assign(document.createElement('li'), { textContent: line })));
    await page.changed();
  }
  $('o-file').addEventListener('change', async () => {
    const file = $('o-file').files[0];
    $('o-file').value = '';
    if (!file) return;
    try {
      await openFile(file);
    } finally {
      // How many openings have ended, whatever their end (the tests wait on it).
      document.documentElement.dataset.opened = String(Number(document.documentElement.dataset.opened ?? 0) + 1);
    }
  });
  $('o-save').addEventListener('click', async () => {
    const r = await request('save', family.value);
    if (r) page.download(r.name, r.bytes, 'application/vnd.sqlite3');
  });

  return {
    refill,
    relabel() {
      if (entry) for (const [i, label] of [...$('o-entry-fields').querySelectorAll('label')].entries()) label.textContent = tr(`field${i}`);
      if (grid) record();
    },
    // Without the browser's tables nothing here can be changed.
    disable() {
      for (const el of $('view-options').querySelectorAll('button, input, select')) el.disabled = true;
    },
    focus: () => title.focus(),
  };
}
