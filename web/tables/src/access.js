// Old Access database files converted with the rules of velmorantes-import
// (legacy/Conversion.cpp): the same tables, rows, values, refusals and report lines. The file
// is read in memory with mdb-reader and never written.
//
// A table becomes a fluid table when it has every column of its family (names matched ignoring
// letter case, in any order, other columns ignored), each of a number type; its title is kept
// exactly and every value is stored as the store keeps any value. What cannot be taken over is
// reported and left out: a table that is not a fluid table, a liquid table without BETA, a
// damaged table, a row lacking a value. The built-in fluids that the old file has no table for
// get the shipped table, after the imported ones.

import MDBReader from 'mdb-reader';

import { msg } from './messages.js';
import { shortestText } from './numbers.js';
import { columnsOf, isEngineName, storedValue } from './schema.js';
import { UserError } from './texts.js';

const VERSION_OFFSET = 0x14;
const LATEST_VERSION = 0x06;  // Access 2019
const JET3_PAGE = 2048;
const JET4_PAGE = 4096;

// How the values of a column are read: Byte, Integer and Long Integer as whole numbers, Single
// and Double as themselves; every other type not at all.
const KINDS = { byte: 'whole', integer: 'whole', long: 'whole', float: 'single', double: 'double' };

// Whether the first bytes are an Access (Jet or ACE) file's: its name for its format follows
// four fixed bytes.
export function looksLikeAccessFile(bytes) {
  if (bytes.length < 20 || bytes[0] !== 0 || bytes[1] !== 1 || bytes[2] !== 0 || bytes[3] !== 0) return false;
  const name = String.fromCharCode(...bytes.subarray(4, 20));
  return name === 'Standard Jet DB\0' || name === 'Standard ACE DB\0';
}

// The checks the desktop's reader makes before reading: an Access file whose version is known
// and whose size is a whole number of its pages.
function checkAccessFile(bytes, name) {
  if (bytes.length < VERSION_OFFSET + 1 || !looksLikeAccessFile(bytes)) throw new UserError(msg.notAnAccessFile(name));
  const version = bytes[VERSION_OFFSET];
  if (version > LATEST_VERSION) throw new UserError(msg.accessFileDamaged(name, msg.unknownVersion()));
  // A file cut short would read as one with fewer rows: refused, never half imported.
  const page = version === 0 ? JET3_PAGE : JET4_PAGE;
  if (bytes.length < 2 * page || bytes.length % page !== 0) throw new UserError(msg.accessFileDamaged(name, msg.truncated()));
}

function readTable(reader, tableName) {
  const table = { name: tableName, columns: [], rows: [], damage: '' };
  let t;
  let columns;
  try {
    t = reader.getTable(tableName);
    columns = t.getColumns();
  } catch {
    table.damage = msg.noDefinition();
    return table;
  }
  table.columns = columns.map((c) => ({ name: c.name, kind: KINDS[c.type] ?? 'other' }));
  let data;
  try {
    data = t.getData();
  } catch {
    table.damage = msg.badCell();
    return table;
  }
  for (const record of data) {
    table.rows.push(table.columns.map((c) => {
      if (c.kind === 'other') return null;
      const v = record[c.name];
      return typeof v === 'number' ? v : null;
    }));
  }
  // Rows the reader passes over without a word: the count the definition declares tells.
  if (data.length !== t.rowCount) table.damage = msg.rowCountMismatch(data.length, t.rowCount);
  return table;
}

// Every user table of the file, in its catalogue's order: names, columns and the values of the
// number columns as stored.
export function readAccessFile(bytes, name) {
  checkAccessFile(bytes, name);
  let reader;
  let names;
  try {
    reader = new MDBReader(globalThis.Buffer ? globalThis.Buffer.from(bytes.buffer, bytes.byteOffset, bytes.byteLength) : bytes);
    names = reader.getTableNames({ normalTables: true, systemTables: false, linkedTables: false });
  } catch {
    throw new UserError(msg.accessFileDamaged(name, msg.noCatalogue()));
  }
  return names.map((tableName) => readTable(reader, tableName));
}

const joined = (items) => items.join(', ');

// Why the table cannot be a fluid table of the family; empty when it can. `at` gets the
// position of each of the family's columns.
function fluidColumns(t, family, at) {
  const missing = [];
  for (const wanted of columnsOf(family)) {
    const i = t.columns.findIndex((c) => c.name.toLowerCase() === wanted.toLowerCase());
    if (i < 0) missing.push(wanted);
    at.push(i);
  }
  if (family !== 'GASES' && missing.length === 1 && missing[0] === 'BETA') return msg.noBeta();
  if (missing.length > 0) return msg.notAFluidTable(joined(missing), missing.length > 1);
  for (const i of at) if (t.columns[i].kind === 'other') return msg.columnNotANumber(t.columns[i].name);
  return '';
}

function whyTableLeftOut(t, taken, family, at) {
  if (t.damage) return msg.tableDamaged(t.damage);
  if (t.name === '' || t.name.includes('\uFFFD')) return msg.unreadableTitle();
  if (isEngineName(t.name)) return msg.reservedTitle();
  if (taken.has(t.name.toUpperCase())) return msg.repeatedTitle();
  return fluidColumns(t, family, at);
}

// Why the row is left out; empty when `values` got every value of the family, in its order.
function whyRowLeftOut(cells, at, family, values) {
  const names = columnsOf(family);
  const empty = [];
  const unfit = [];
  at.forEach((i, c) => {
    const cell = cells[i];
    const v = cell === null ? null : storedValue(cell);
    if (cell === null) empty.push(names[c]);
    else if (v === null) unfit.push(names[c]);
    else values.push(v);
  });
  if (empty.length > 0) return msg.missingValues(joined(empty), empty.length > 1);
  if (unfit.length > 0) return msg.valueNotSingle(unfit[0]);
  return '';
}

function importRows(t, at, family) {
  const rows = [];
  const skippedRows = [];
  t.rows.forEach((cells, r) => {
    const values = [];
    const why = whyRowLeftOut(cells, at, family, values);
    if (!why) {
      rows.push(values);
      return;
    }
    const temp = cells[at[0]];
    const row = temp !== null ? msg.rowByTemp(shortestText(temp, t.columns[at[0]].kind === 'single')) : msg.rowByNumber(r + 1);
    skippedRows.push({ row, reason: why });
  });
  return { rows, skippedRows };
}

// The tables and rows of an Access database that become fluid tables of the family, the
// built-in fluids given the program's table, and the report.
export function planConversion(accessTables, family, shipped) {
  const tables = [];
  const imported = [];
  const skipped = [];
  const taken = new Set();  // upper case, as the store compares titles
  for (const t of accessTables) {
    const at = [];
    const why = whyTableLeftOut(t, taken, family, at);
    if (why) {
      skipped.push({ title: t.name, reason: why });
      continue;
    }
    const { rows, skippedRows } = importRows(t, at, family);
    imported.push({ title: t.name, rows: rows.length, skippedRows });
    taken.add(t.name.toUpperCase());
    tables.push({ title: t.name, rows });
  }
  const shippedNames = shipped[family].map((s) => s.name).filter((n) => !taken.has(n.toUpperCase()));
  return { tables, report: { imported, skipped, shipped: shippedNames } };
}

// Every table and every row taken over.
export const complete = (report) => report.skipped.length === 0 && report.imported.every((t) => t.skippedRows.length === 0);

// The report in the program's words, a line each; `source` and `target` as the user knows them.
export function reportLines(report, source, target) {
  const out = [msg.importedFrom(report.imported.length, source, target)];
  for (const t of report.imported) {
    out.push(msg.importedTable(t.title, t.rows));
    for (const r of t.skippedRows) out.push(msg.skippedRow(r.row, r.reason));
  }
  if (report.skipped.length > 0) {
    out.push(msg.skippedTables(report.skipped.length));
    for (const t of report.skipped) out.push(msg.skippedTable(t.title, t.reason));
  }
  if (report.shipped.length > 0) out.push(msg.shippedAdded(joined(report.shipped)));
  return out;
}
