// The fluid tables that come with the program, which seed a new database file, read as the
// desktop reads them (store/ShippedTables.cpp): the heading must be the family's columns, every
// field a number, every value rounded as the store keeps it.

import { columnsOf, FAMILIES, storedValue } from './schema.js';
import { SHIPPED_CSV } from './shipped.generated.js';
import { say, text, UserError } from './texts.js';

const unreadableText = text('velm::msg', 'NO SE PUEDE LEER LA TABLA INCORPORADA AL PROGRAMA %1');

// The number a field holds, as strtod in the C locale reads a whole field; null otherwise.
function fieldNumber(field) {
  if (!/^[+-]?(?:\d+\.?\d*|\.\d+)(?:[eE][+-]?\d+)?$/.test(field)) return null;
  return Number(field);
}

export function parseShipped(family, name, csv) {
  const unreadable = () => new UserError(say(unreadableText, name));
  const heading = columnsOf(family).join(',');
  const lines = csv.trim().split('\n');
  if (lines.length === 0 || lines[0].trim() !== heading) throw unreadable();
  return lines.slice(1).map((line) => {
    const fields = line.trim().split(',');
    if (fields.length !== columnsOf(family).length) throw unreadable();
    return fields.map((f) => {
      const n = fieldNumber(f.trim());
      const v = n === null ? null : storedValue(n);
      if (v === null) throw unreadable();
      return v;
    });
  });
}

// { GASES: [{ name, rows }], LIQUIDOS: [...] }, in the catalogue's order.
export function shippedTables() {
  const tables = {};
  for (const family of FAMILIES) tables[family] = SHIPPED_CSV[family].map(([name, csv]) => ({ name, rows: parseShipped(family, name, csv) }));
  return tables;
}

