// Bundles the tables' worker for the browser (sqlite-wasm, mdb-reader and its Buffer), minified,
// into a folder: tables-worker.js, sqlite3.wasm beside it, and client.js for the page. The web
// page's build (web/tools/build-site.mjs) calls bundleTables(); `node tools/build.js [OUT]`
// bundles into OUT (default dist/).

import { copyFileSync, mkdirSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';

import { build } from 'esbuild';

const here = fileURLToPath(new URL('..', import.meta.url));

// mdb-reader's ciphers (and the Node streams they pull in) only serve encrypted files.
const noCipher = {
  name: 'no-cipher',
  setup(b) {
    b.onResolve({ filter: /^(browserify-aes\/browser\.js|create-hash)$/ }, () => ({ path: join(here, 'tools/no-cipher.js') }));
  },
};

// The files written, by name.
export async function bundleTables(out) {
  mkdirSync(out, { recursive: true });
  const common = { bundle: true, format: 'esm', platform: 'browser', target: 'es2022', logLevel: 'error', legalComments: 'eof', minify: true };
  await build({ ...common, entryPoints: [join(here, 'src/worker.js')], outfile: join(out, 'tables-worker.js'), inject: [join(here, 'tools/buffer-shim.js')], plugins: [noCipher] });
  await build({ ...common, entryPoints: [join(here, 'src/client.js')], outfile: join(out, 'tables-client.js') });
  const wasm = createRequire(import.meta.url).resolve('@sqlite.org/sqlite-wasm/sqlite3.wasm');
  copyFileSync(wasm, join(out, 'sqlite3.wasm'));
  return ['tables-worker.js', 'tables-client.js', 'sqlite3.wasm'];
}

if (process.argv[1] && fileURLToPath(import.meta.url) === process.argv[1]) await bundleTables(process.argv[2] ?? join(here, 'dist'));
