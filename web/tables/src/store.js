// The fluid tables of one family, in its database file, with the desktop's operations and
// refusals (store/FluidStore.cpp): every operation opens the file, does its work in a
// transaction and closes it; every failure is a UserError in the program's words and leaves
// the file as it was.
//
// `files` is where the two files live (files.js): in the browser's origin-private file
// system, or in memory. It opens a family's database as an sqlite-wasm oo1.DB, seeding a
// missing or empty file with the shipped tables as the desktop does.

import { msg } from './messages.js';
import {
  clashes, columnList, columnsOf, createStatement, fileNameOf, fluidTable, insertStatement, isEngineName,
  isGas, quoted, storedValue,
} from './schema.js';
import { UserError } from './texts.js';

// The stride of a point: TEMP and the eight properties, BETA 0 in a gas table (engine/PointSource.h).
export const POINT_STRIDE = 9;

const SQLITE_IOERR = 10;
const SQLITE_FULL = 13;
const SQLITE_NOTADB = 26;

// The engine's error as the user's message, naming the file.
export function failure(e, file) {
  if (e instanceof UserError) return e;
  const code = (e?.resultCode ?? 0) & 0xff;
  // A write the browser refused for want of room comes back as an I/O error.
  if (code === SQLITE_FULL || code === SQLITE_IOERR || e?.name === 'QuotaExceededError') return new UserError(msg.storageFull(file));
  if (code === SQLITE_NOTADB) return new UserError(msg.notADatabase(file));
  return new UserError(msg.databaseError(file, engineWords(e)));
}

// What SQLite said, without the wrapper's "SQLITE_ERROR: sqlite3 result code 1: ".
export function engineWords(e) {
  const text = String(e?.message ?? e);
  const m = /^SQLITE_[A-Z_]+: sqlite3 result code \d+: (.*)$/s.exec(text);
  return m ? m[1] : text;
}

// Every table of the file, the engine's own included, in creation order.
export function allTables(db) {
  return db.selectValues("SELECT name FROM sqlite_master WHERE type='table' ORDER BY rowid");
}

// A value read back; null when the file holds NULL, text or bytes there.
export function number(v) {
  if (typeof v === 'number') return v;
  if (typeof v === 'bigint') return Number(v);
  return null;
}

// Runs `work` in one IMMEDIATE transaction (the write lock taken at the start): committed
// whole, or rolled back whole.
export function inTransaction(db, work) {
  db.exec('BEGIN IMMEDIATE');
  try {
    const result = work();
    db.exec('COMMIT');
    return result;
  } catch (e) {
    try {
      db.exec('ROLLBACK');
    } catch {
      // nothing left to roll back: the engine did it itself
    }
    throw e;
  }
}

// Creates a table of the family and writes its rows, inside the caller's transaction.
export function writeTable(db, family, title, rows) {
  db.exec(createStatement(title, family));
  if (rows.length === 0) return;
  const insert = db.prepare(insertStatement(title, family));
  try {
    for (const row of rows) insert.bind(row).stepReset();
  } finally {
    insert.finalize();
  }
}

// Creates the tables of a new file: the given ones in their order, then the shipped table of
// every built-in fluid of the family that none of them names (letter case ignored).
export function fillNewFile(db, family, tables, shipped) {
  inTransaction(db, () => {
    const written = new Set();
    const write = (title, rows) => writeTable(db, family, title, rows);
    for (const t of tables) {
      write(t.title, t.rows);
      written.add(t.title.toUpperCase());
    }
    for (const s of shipped[family]) if (!written.has(s.name.toUpperCase())) write(s.name, s.rows);
  });
}

export class FluidStore {
  // `files.use(family, work)` opens the family's file, runs work(db) and closes it.
  constructor(files, family) {
    this.files = files;
    this.family = family;
    this.file = fileNameOf(family);
    this.columns = columnsOf(family);
  }

  use(work) {
    try {
      return this.files.use(this.family, work);
    } catch (e) {
      throw failure(e, this.file);
    }
  }

  write(work) {
    return this.use((db) => inTransaction(db, () => work(db)));
  }

  // The table the title names, or the message that there is none.
  tableFor(db, title) {
    const table = fluidTable(allTables(db), title);
    if (table === null) throw new UserError(msg.tableMissing(title, this.file));
    return table;
  }

  // The fluid tables, in creation order; the engine's own tables are left out.
  listFluidTables() {
    return this.use((db) => allTables(db).filter((name) => name.slice(0, 7) !== 'sqlite_'));
  }

  // Whether a table of this title exists, letter case ignored, the engine's own tables (and
  // the names the engine reserves for them) included.
  titleExists(title) {
    return this.use((db) => clashes(allTables(db), title));
  }

  // The stored name of the table the title names, letter case ignored; null when none.
  storedName(title) {
    return this.use((db) => fluidTable(allTables(db), title));
  }

  // An empty table with the family's columns, named exactly as the title.
  createTable(title) {
    if (title === '') throw new UserError(msg.emptyTitle());
    this.write((db) => {
      if (clashes(allTables(db), title)) throw new UserError(msg.tableExists(title, this.file));
      db.exec(createStatement(title, this.family));
    });
  }

  deleteTable(title) {
    this.write((db) => db.exec(`DROP TABLE ${quoted(this.tableFor(db, title))}`));
  }

  // Every value checked before the file is opened: the right count, each a finite float.
  storable(values) {
    if (values.length !== this.columns.length) throw new UserError(msg.wrongValueCount(this.columns.length, values.length));
    return values.map((v, i) => {
      const s = storedValue(v);
      if (s === null) throw new UserError(msg.valueNotStorable(this.columns[i]));
      return s;
    });
  }

  // One row: TEMP, DEN, CP, MIU, UN, K, ALFA, PR and, for liquids, BETA, each stored as the
  // nearest 32-bit float.
  appendRow(title, values) {
    const stored = this.storable(values);
    this.write((db) => db.exec({ sql: insertStatement(this.tableFor(db, title), this.family), bind: stored }));
  }

  // Every row as stored (no sort: the evaluation needs none), as the desktop's point source
  // reads it: TEMP and the properties, POINT_STRIDE numbers a row, BETA 0 in a gas table.
  readPoints(title) {
    return this.use((db) => {
      const table = this.tableFor(db, title);
      const rows = db.selectArrays(`SELECT ${columnList(this.family)} FROM ${quoted(table)}`);
      const points = new Float64Array(rows.length * POINT_STRIDE);
      rows.forEach((row, r) => {
        row.forEach((cell, i) => {
          const v = number(cell);
          if (v === null) throw new UserError(msg.badStoredValue(table, this.file, this.columns[i]));
          // Only a file written by another program holds a value a float cannot.
          if (storedValue(v) === null) throw new UserError(msg.storedValueTooLarge(table, this.file, this.columns[i]));
          points[r * POINT_STRIDE + i] = v;
        });
      });
      return points;
    });
  }

  // What the editing grid needs: the rows in storage order, keyed by their SQLite row id; a
  // value is null where the file holds no number.
  readRows(title) {
    return this.use((db) => {
      const rows = db.selectArrays(`SELECT rowid, ${columnList(this.family)} FROM ${quoted(this.tableFor(db, title))} ORDER BY rowid`);
      return rows.map(([rowid, ...values]) => ({ rowid: Number(rowid), values: values.map(number) }));
    });
  }

  setValue(title, rowid, column, value) {
    if (!(column >= 0 && column < this.columns.length)) throw new UserError(msg.wrongValueCount(this.columns.length, column + 1));
    const v = storedValue(value);
    if (v === null) throw new UserError(msg.valueNotStorable(this.columns[column]));
    this.write((db) => {
      const table = this.tableFor(db, title);
      db.exec({ sql: `UPDATE ${quoted(table)} SET ${quoted(this.columns[column])} = ? WHERE rowid = ?`, bind: [v, rowid] });
      if (db.changes() !== 1) throw new UserError(msg.rowMissing(table, this.file));
    });
  }

  // Rows of zeros at the end; their row ids.
  appendZeroRows(title, count) {
    return this.write((db) => {
      const sql = insertStatement(this.tableFor(db, title), this.family);
      const rowids = [];
      for (let r = 0; r < count; ++r) {
        db.exec({ sql, bind: this.columns.map(() => 0) });
        rowids.push(Number(db.selectValue('SELECT last_insert_rowid()')));
      }
      return rowids;
    });
  }

  deleteRows(title, rowids) {
    this.write((db) => {
      const sql = `DELETE FROM ${quoted(this.tableFor(db, title))} WHERE rowid = ?`;
      for (const rowid of rowids) db.exec({ sql, bind: [rowid] });
    });
  }
}

export { isEngineName, isGas };
