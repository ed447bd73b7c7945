// Where the two database files live. Each keeps the desktop's rule: a missing or empty file is
// created with the shipped tables, whole or not at all (one transaction).
//
// MemoryFiles: in memory, for the tests and for a browser that lets the page keep nothing.
// PoolFiles: in the browser's origin-private file system through sqlite-wasm's "opfs-sahpool"
// VFS, which needs no cross-origin isolation; the caller holds the tables' lock around every
// use (worker.js), so that two tabs take turns.

import { fileNameOf } from './schema.js';
import { fillNewFile } from './store.js';

const SQLITE_DESERIALIZE_FREEONCLOSE = 1;
const SQLITE_DESERIALIZE_RESIZEABLE = 2;

// A database made from a file's bytes, in memory; the bytes themselves are never written.
export function databaseFromBytes(sqlite3, given) {
  const bytes = new Uint8Array(given.buffer, given.byteOffset, given.byteLength);
  const db = new sqlite3.oo1.DB(':memory:');
  try {
    const p = sqlite3.wasm.allocFromTypedArray(bytes);
    const rc = sqlite3.capi.sqlite3_deserialize(
      db.pointer, 'main', p, bytes.byteLength, bytes.byteLength,
      SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_RESIZEABLE,
    );
    db.checkRc(rc);
    return db;
  } catch (e) {
    db.close();
    throw e;
  }
}

// The desktop's page size, so that a new file is laid out as the desktop lays it out.
function seeded(db, family, shipped) {
  if (db.selectValue('PRAGMA page_count') === 0) {
    db.exec('PRAGMA page_size = 4096');
    fillNewFile(db, family, [], shipped);
  }
  return db;
}

export class MemoryFiles {
  constructor(sqlite3, shipped) {
    this.sqlite3 = sqlite3;
    this.shipped = shipped;
    this.dbs = new Map();
  }

  get persistent() {
    return false;
  }

  use(family, work) {
    let db = this.dbs.get(family);
    if (!db) {
      db = new this.sqlite3.oo1.DB(':memory:');
      this.dbs.set(family, db);
    }
    return work(seeded(db, family, this.shipped));
  }

  // The file as the desktop would find it on disk.
  bytes(family) {
    return this.use(family, (db) => this.sqlite3.capi.sqlite3_js_db_export(db));
  }

  // Puts a file in the family's place, as copying it into the desktop's folder would.
  setBytes(family, bytes) {
    this.dbs.get(family)?.close();
    this.dbs.set(family, databaseFromBytes(this.sqlite3, bytes));
  }
}

export class PoolFiles {
  // `pool`: what sqlite3.installOpfsSAHPoolVfs() gave.
  constructor(pool, shipped) {
    this.pool = pool;
    this.shipped = shipped;
  }

  get persistent() {
    return true;
  }

  path(family) {
    return `/${fileNameOf(family)}`;
  }

  use(family, work) {
    const db = new this.pool.OpfsSAHPoolDb(this.path(family));
    try {
      return work(seeded(db, family, this.shipped));
    } finally {
      db.close();
    }
  }

  // The file's bytes, after its seeding if it had none; between uses no write is in flight.
  bytes(family) {
    this.use(family, () => {});
    return this.pool.exportFile(this.path(family));
  }
}
