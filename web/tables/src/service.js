// The tables as the page asks for them, one promise per request: each request takes its turn
// at the files (`access`), which in the browser means holding the tables' lock (worker.js), and
// answers with plain data; a refusal rejects with a UserError whose message is the whole text.

import { addRow, deleteRow, newRowCell, setCell, titleOperation } from './maintenance.js';
import { FluidStore } from './store.js';
import { applyFile, briefly, conflicts, inspectFile, saveFile } from './transfer.js';

export class TablesService {
  // `access(work)` runs work(files) in its turn and gives its result. Typed values come read
  // by the page's core: numbers (null where a cell's text is not one).
  constructor({ sqlite3, shipped, access }) {
    this.context = { sqlite3, shipped };
    this.access = access;
    this.opened = new Map();
    this.nextId = 1;
  }

  with(family, work) {
    return this.access((files) => work(new FluidStore(files, family)));
  }

  listFluidTables(family) {
    return this.with(family, (s) => s.listFluidTables());
  }

  titleOperation(family, operation, title) {
    return this.with(family, (s) => titleOperation(s, operation, title));
  }

  addRow(family, title, values) {
    return this.with(family, (s) => addRow(s, title, values));
  }

  readRows(family, title) {
    return this.with(family, (s) => ({ table: s.storedName(title), columns: s.columns, rows: s.readRows(title) }));
  }

  setCell(family, title, rowid, column, number) {
    return this.with(family, (s) => setCell(s, title, rowid, column, number));
  }

  newRowCell(family, title, column, number) {
    return this.with(family, (s) => newRowCell(s, title, column, number));
  }

  deleteRow(family, title, rowid) {
    return this.with(family, (s) => deleteRow(s, title, rowid));
  }

  // The evaluation's points of a stored table (engine/PointSource.h): TEMP and the eight
  // properties a row, as stored; rejects with the desktop's message when there is no such
  // table or a stored value is bad.
  readPoints(family, title) {
    return this.with(family, (s) => s.readPoints(title));
  }

  save(family) {
    return this.access((files) => saveFile(files, family));
  }

  // An opened file's tables, kept here until the user chooses; `lines` for the page to show,
  // `conflicts` the titles a merge would overwrite (ask about each).
  open(family, name, given) {
    const bytes = given instanceof Uint8Array ? given : Uint8Array.from(given);
    return this.with(family, (s) => {
      const inspected = inspectFile(this.context, family, name, bytes);
      const id = this.nextId++;
      this.opened.set(id, { family, inspected });
      return { id, kind: inspected.kind, lines: inspected.lines, tables: briefly(inspected.tables), conflicts: conflicts(s, inspected) };
    });
  }

  // mode "replace" or "merge"; `overwrite`: the conflicting titles the user agreed to replace.
  apply(id, mode, overwrite = []) {
    const opened = this.opened.get(id);
    this.opened.delete(id);
    if (!opened) return Promise.resolve(null);
    return this.with(opened.family, (s) => applyFile(s, opened.inspected, mode, overwrite));
  }

  forget(id) {
    this.opened.delete(id);
  }
}
