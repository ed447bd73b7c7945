// The layout of the desktop's database files, kept byte for byte so that a file moves between
// the page and the desktop program unchanged (store/Database.cpp, store/FluidStore.cpp): one
// file per family, one STRICT table per fluid with REAL columns, every value the nearest 32-bit
// float widened back to double.

export const FAMILIES = ['GASES', 'LIQUIDOS'];

const GAS_COLUMNS = ['TEMP', 'DEN', 'CP', 'MIU', 'UN', 'K', 'ALFA', 'PR'];
const LIQUID_COLUMNS = [...GAS_COLUMNS, 'BETA'];

export function checkFamily(family) {
  if (!FAMILIES.includes(family)) throw new TypeError(`not a family: ${family}`);
  return family;
}

export const isGas = (family) => checkFamily(family) === 'GASES';

// "GASES.mdb", "LIQUIDOS.mdb": the names users know.
export const fileNameOf = (family) => `${checkFamily(family)}.mdb`;

// TEMP, then the properties in their order: a gas table stops before BETA.
export const columnsOf = (family) => (isGas(family) ? GAS_COLUMNS : LIQUID_COLUMNS);

// A title as an SQL identifier: in double quotes, embedded quotes doubled.
export const quoted = (identifier) => `"${identifier.replaceAll('"', '""')}"`;

export const createStatement = (title, family) =>
  `CREATE TABLE ${quoted(title)} (${columnsOf(family).map((c) => `${quoted(c)} REAL`).join(', ')}) STRICT`;

export const insertStatement = (table, family) => {
  const columns = columnsOf(family);
  return `INSERT INTO ${quoted(table)} (${columns.map(quoted).join(', ')}) VALUES (${columns.map(() => '?').join(', ')})`;
};

export const columnList = (family) => columnsOf(family).map(quoted).join(', ');

const FLOAT_MAX = 3.4028234663852886e38;

// A value as the store keeps it: the nearest 32-bit float, widened back to double (1.1614
// becomes 1.1613999605178833); null when that is not a finite number: NaN, an infinity, or
// beyond the range of a float.
export function storedValue(value) {
  if (typeof value !== 'number' || !(Math.abs(value) <= FLOAT_MAX)) return null;
  return Math.fround(value);
}

// Names SQLite keeps for itself: "sqlite_" in any letter case.
export const isEngineName = (name) => name.slice(0, 7).toUpperCase() === 'SQLITE_';

// Titles are compared as the desktop compares them, upper-cased whole.
export const upper = (title) => title.toUpperCase();

// Whether a new table of this title would clash with the tables `names` (every table of the
// file, the engine's own included): letter case ignored, the names the engine reserves too.
export function clashes(names, title) {
  if (isEngineName(title)) return true;
  const u = upper(title);
  return names.some((name) => upper(name) === u);
}

// The stored fluid table the title names: an exact match first, then one that differs only in
// letter case; never one of the engine's own tables. null when none.
export function fluidTable(names, title) {
  let found = null;
  const u = upper(title);
  for (const name of names) {
    if (isEngineName(name)) continue;
    if (name === title) return name;
    if (found === null && upper(name) === u) found = name;
  }
  return found;
}
