// What the tests share: sqlite-wasm in memory, the desktop's programs (built in the main build,
// named by VELM_CALC and VELM_IMPORT), scratch folders of their own, and a whole database read
// back for comparison.

import { execFileSync, spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';

import sqlite3InitModule from '@sqlite.org/sqlite-wasm';

import { databaseFromBytes, MemoryFiles } from '../src/files.js';
import { shippedTables } from '../src/shipped.js';

export const sqlite3 = await sqlite3InitModule();
export const shipped = shippedTables();
export const repository = fileURLToPath(new URL('../../../', import.meta.url));

const build = process.env.VELM_BUILD_DIR ?? join(repository, 'build');
export const calc = process.env.VELM_CALC ?? join(build, 'cli/velmorantes-calc');
export const importer = process.env.VELM_IMPORT ?? join(build, 'cli/velmorantes-import');

export const newFiles = () => new MemoryFiles(sqlite3, shipped);

// A scratch folder removed when `work` is done.
export function inFolder(work) {
  const dir = mkdtempSync(join(tmpdir(), 'velm-web-tables-'));
  try {
    return work(dir);
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
}

// Every table of a database file as [name, sql, rows in rowid order], values exactly.
export function contents(bytes) {
  const db = databaseFromBytes(sqlite3, bytes);
  try {
    return db.selectArrays("SELECT name, sql FROM sqlite_master ORDER BY rowid").map(([name, sql]) => [
      name, sql, db.selectArrays(`SELECT * FROM "${name.replaceAll('"', '""')}" ORDER BY rowid`),
    ]);
  } finally {
    db.close();
  }
}

// The desktop's own files, made in `dir` by the calculator (a read seeds a missing file).
export function desktopFiles(dir) {
  for (const args of [['GASES', 'AIRE', '--pressure', '101.3'], ['LIQUIDOS', 'AGUA']]) {
    const [family, fluid, ...pressure] = args;
    spawnSync(calc, ['--db-dir', dir, '--family', family, '--fluid', fluid, '--temp', '9000', ...pressure]);
  }
  return { GASES: readFileSync(join(dir, 'GASES.mdb')), LIQUIDOS: readFileSync(join(dir, 'LIQUIDOS.mdb')) };
}

export function run(program, args, options = {}) {
  const r = spawnSync(program, args, { encoding: 'utf8', env: { ...process.env, LANGUAGE: 'es', LC_ALL: 'C.UTF-8' }, ...options });
  return { status: r.status, stdout: r.stdout, stderr: r.stderr };
}

export { execFileSync, readFileSync, writeFileSync, join };
