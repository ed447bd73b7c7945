// The tables' worker: sqlite-wasm on the browser's origin-private file system through the
// "opfs-sahpool" VFS, which works without cross-origin isolation (no special HTTP headers).
//
// That VFS holds its files exclusively while it is active, so it is active only inside the
// tables' Web Lock: a request takes the lock, wakes the VFS, does its work, puts the VFS to
// sleep and lets go. Two tabs of the page thus take turns, as two desktop programs do on one
// file; a tab that cannot have the lock within WAIT_SECONDS is told so and changes nothing.
// A browser that keeps no files for the page (no origin-private file system, as in some
// private windows) gets the tables in memory, seeded afresh, and a message saying so.

import sqlite3InitModule from '@sqlite.org/sqlite-wasm';

import { MemoryFiles, PoolFiles } from './files.js';
import { msg } from './messages.js';
import { TablesService } from './service.js';
import { shippedTables } from './shipped.js';
import { setTranslator, UserError } from './texts.js';

const LOCK = 'velmorantes-tablas';
const WAIT_SECONDS = 5;
const POOL = { name: 'velmorantes-tablas', directory: '.velmorantes-tablas', initialCapacity: 8, preserveOnInitFailure: true };

const sqlite3 = await sqlite3InitModule({ print: () => {}, printErr: () => {} });
const shipped = shippedTables();

let pool = null;
let files = null;
let warning = null;

async function install() {
  pool = await sqlite3.installOpfsSAHPoolVfs({ ...POOL, forceReinitIfPreviouslyFailed: true });
  files = new PoolFiles(pool, shipped);
}

// The VFS awake, in memory when the browser keeps nothing; a pool whose folder was cleared
// with the site's data is made afresh (and seeded at its first use).
async function wake() {
  if (files && !files.persistent) return;
  if (!pool) {
    try {
      await install();
    } catch (e) {
      warning = msg.noStorage(e?.message ?? String(e));
      files = new MemoryFiles(sqlite3, shipped);
    }
    return;
  }
  try {
    await pool.unpauseVfs();
  } catch {
    await pool.removeVfs().catch(() => {});
    await install();
  }
}

async function access(work) {
  const timeout = new AbortController();
  const timer = setTimeout(() => timeout.abort(), WAIT_SECONDS * 1000);
  try {
    return await navigator.locks.request(LOCK, { signal: timeout.signal }, async () => {
      clearTimeout(timer);
      await wake();
      try {
        return work(files);
      } finally {
        if (files.persistent) pool.pauseVfs();
      }
    });
  } catch (e) {
    if (e?.name === 'AbortError') throw new UserError(msg.busy(WAIT_SECONDS));
    throw e;
  } finally {
    clearTimeout(timer);
  }
}

const service = new TablesService({ sqlite3, shipped, access });

// What the page may ask besides the service's own requests.
const extra = {
  async status() {
    await access(() => {});
    return { persistent: files.persistent, warning };
  },
  // The translations the page has made from the translation file, keyed as its texts.json
  // keys them: { "context\u0004source": text }; null for the source texts (Spanish).
  translations(table) {
    setTranslator((context, source) => table?.[`${context}\u0004${source}`] ?? source);
  },
};

self.onmessage = async ({ data: { id, request, args } }) => {
  try {
    const handler = extra[request] ?? (typeof service[request] === 'function' && request !== 'constructor' ? service[request].bind(service) : null);
    if (!handler) throw new TypeError(`no such request: ${request}`);
    const result = await handler(...args);
    self.postMessage({ id, result }, result instanceof Float64Array ? [result.buffer] : []);
  } catch (e) {
    self.postMessage({ id, error: e instanceof UserError ? e.message : String(e?.stack ?? e), refusal: e instanceof UserError });
  }
};

self.postMessage({ ready: true });
