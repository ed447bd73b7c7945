// Files in and out of the page: a family's database saved as the desktop's file (its bytes),
// and a file opened to bring its tables in: a GASES.mdb or LIQUIDOS.mdb made by the desktop
// program, or an old Access file converted as velmorantes-import converts it. An opened file
// is only read; what it brings replaces the family's tables or is added to them, in one
// transaction, so a failure leaves the tables as they were.

import { looksLikeAccessFile, planConversion, readAccessFile, reportLines } from './access.js';
import { databaseFromBytes } from './files.js';
import { msg } from './messages.js';
import { allTables, engineWords, failure, number, writeTable } from './store.js';
import {
  clashes, columnList, columnsOf, fileNameOf, fluidTable, isEngineName, quoted,
  storedValue,
} from './schema.js';
import { UserError } from './texts.js';

const SQLITE_HEADER = 'SQLite format 3\0';

const isSqlite = (bytes) => bytes.length >= 16 && String.fromCharCode(...bytes.subarray(0, 16)) === SQLITE_HEADER;

const SQLITE_NOTADB = 26;

function readFailure(e, name) {
  if (e instanceof UserError) return e;
  if (((e?.resultCode ?? 0) & 0xff) === SQLITE_NOTADB) return new UserError(msg.notADatabase(name));
  return new UserError(msg.databaseError(name, engineWords(e)));
}

// The fluid tables of a desktop database file, every row as stored. Refused whole: a file that
// the engine finds damaged, a table without exactly the family's columns, a value that is not
// a number or that no float holds.
function readDatabaseFile(sqlite3, family, name, bytes) {
  let db;
  try {
    db = databaseFromBytes(sqlite3, bytes);
    const check = db.selectValues('PRAGMA quick_check');
    if (check.length !== 1 || check[0] !== 'ok') throw new UserError(msg.databaseError(name, check.join('; ')));
    const wanted = columnsOf(family);
    return allTables(db).filter((t) => t.slice(0, 7) !== 'sqlite_').map((title) => {
      const columns = db.selectValues('SELECT name FROM pragma_table_info(?)', [title]);
      const same = columns.length === wanted.length && wanted.every((c) => columns.some((d) => d.toUpperCase() === c));
      if (!same) throw new UserError(msg.wrongFamily(title, name, family));
      const rows = db.selectArrays(`SELECT ${columnList(family)} FROM ${quoted(title)} ORDER BY rowid`).map((row) =>
        row.map((cell, i) => {
          const v = number(cell);
          if (v === null) throw new UserError(msg.badStoredValue(title, name, wanted[i]));
          if (storedValue(v) === null) throw new UserError(msg.storedValueTooLarge(title, name, wanted[i]));
          return v;
        }));
      return { title, rows };
    });
  } catch (e) {
    throw readFailure(e, name);
  } finally {
    db?.close();
  }
}

// What an opened file brings, for the user to confirm: `tables` (title and rows, in the file's
// order) and `lines`, what the page shows. From an Access file, `merged` holds the tables it
// converted and `tables` the whole converted file: those plus the shipped table of each built-in
// fluid it lacks, as velmorantes-import writes it.
export function inspectFile({ sqlite3, shipped }, family, name, bytes) {
  if (isSqlite(bytes)) {
    const tables = readDatabaseFile(sqlite3, family, name, bytes);
    return { kind: 'sqlite', name, tables, merged: tables, lines: msg.brings(name, briefly(tables)) };
  }
  if (looksLikeAccessFile(bytes)) {
    const plan = planConversion(readAccessFile(bytes, name), family, shipped);
    const added = shipped[family].filter((s) => plan.report.shipped.includes(s.name)).map((s) => ({ title: s.name, rows: s.rows }));
    return {
      kind: 'access', name, tables: [...plan.tables, ...added], merged: plan.tables, report: plan.report,
      lines: reportLines(plan.report, name, fileNameOf(family)),
    };
  }
  throw new UserError(msg.notAnyDatabase(name));
}

export const briefly = (tables) => tables.map((t) => ({ title: t.title, rows: t.rows.length }));

// The titles of the file's tables that would overwrite one of the family's when added: the page
// asks about each (msg.overwrite).
export function conflicts(store, inspected) {
  const names = store.listFluidTables();
  return inspected.merged.map((t) => t.title).filter((title) => fluidTable(names, title) !== null);
}

// Brings the tables in. "replace": the family's tables become the file's; "merge": the file's
// are added, and one whose title names a stored table replaces it only when its title is in
// `overwrite` (otherwise it is left out). Returns the message for the user.
export function applyFile(store, inspected, mode, overwrite = []) {
  const family = store.family;
  const file = fileNameOf(family);
  let written = 0;
  store.write((db) => {
    if (mode === 'replace') {
      for (const name of allTables(db)) if (!isEngineName(name)) db.exec(`DROP TABLE ${quoted(name)}`);
      for (const t of inspected.tables) writeTable(db, family, t.title, t.rows);
      written = inspected.tables.length;
      return;
    }
    for (const t of inspected.merged) {
      const stored = fluidTable(allTables(db), t.title);
      if (stored !== null) {
        if (!overwrite.includes(t.title)) continue;
        db.exec(`DROP TABLE ${quoted(stored)}`);
      } else if (clashes(allTables(db), t.title)) {
        continue;
      }
      writeTable(db, family, t.title, t.rows);
      ++written;
    }
  });
  return { written, message: mode === 'replace' ? msg.replaced(file, inspected.name) : msg.merged(file, inspected.name) };
}

// The family's database as the file the desktop program opens.
export function saveFile(files, family) {
  try {
    return { name: fileNameOf(family), bytes: files.bytes(family) };
  } catch (e) {
    throw failure(e, fileNameOf(family));
  }
}
