// The shipped tables, as the desktop seeds them into a new database file from
// data/reference: each value read from its text, then kept as the store keeps it, a 32-bit
// float widened back to a double. The page evaluates a built-in fluid outside its range (and
// a fluid of these tables) from them until the user's own tables come to the browser.
import fs from 'node:fs';
import path from 'node:path';

const PROPERTIES = ['DEN', 'CP', 'MIU', 'UN', 'K', 'ALFA', 'PR', 'BETA'];
const FOLDERS = { GASES: 'gases', LIQUIDOS: 'liquids' };

// {GASES: {AIRE: [TEMP, DEN, CP, MIU, UN, K, ALFA, PR, BETA, TEMP, ...]}, LIQUIDOS: {...}},
// rows of nine numbers in the file's order (BETA 0 in a gas table).
export function shippedTables(reference) {
  const out = {};
  for (const [family, folder] of Object.entries(FOLDERS)) {
    out[family] = {};
    for (const file of fs.readdirSync(path.join(reference, folder)).filter((f) => f.endsWith('.csv')).sort()) {
      const lines = fs.readFileSync(path.join(reference, folder, file), 'latin1').trim().split('\n');
      const heading = lines[0].trim().split(',');
      const rows = [];
      for (const line of lines.slice(1)) {
        const fields = line.trim().split(',');
        if (fields.length !== heading.length) throw new Error(`${file}: a row of ${fields.length} fields`);
        const value = (column) => {
          const i = heading.indexOf(column);
          if (i < 0) return 0;
          const v = Number(fields[i]);
          if (fields[i].trim() === '' || !Number.isFinite(v)) throw new Error(`${file}: ${column} "${fields[i]}"`);
          return Math.fround(v);
        };
        rows.push(value('TEMP'), ...PROPERTIES.map(value));
      }
      out[family][file.slice(0, -'.csv'.length)] = rows;
    }
  }
  return out;
}
