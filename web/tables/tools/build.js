// Bundles the tables' worker for the browser (sqlite-wasm, mdb-reader and its Buffer) into
// OUT (default dist/): tables-worker.js, sqlite3.wasm beside it, and client.js for the page.
// `node tools/build.js [OUT]`.

import { copyFileSync, mkdirSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';

import { build } from 'esbuild';

const here = fileURLToPath(new URL('..', import.meta.url));
const out = process.argv[2] ?? join(here, 'dist');
mkdirSync(out, { recursive: true });

// mdb-reader's ciphers (and the Node streams they pull in) only serve encrypted files.
const noCipher = {
  name: 'no-cipher',
  setup(b) {
    b.onResolve({ filter: /^(browserify-aes\/browser\.js|create-hash)$/ }, () => ({ path: join(here, 'tools/no-cipher.js') }));
  },
};

const common = { bundle: true, format: 'esm', platform: 'browser', target: 'es2022', logLevel: 'error', legalComments: 'eof' };
await build({ ...common, entryPoints: [join(here, 'src/worker.js')], outfile: join(out, 'tables-worker.js'), inject: [join(here, 'tools/buffer-shim.js')], plugins: [noCipher] });
await build({ ...common, entryPoints: [join(here, 'src/client.js')], outfile: join(out, 'client.js') });
const wasm = createRequire(import.meta.url).resolve('@sqlite.org/sqlite-wasm/sqlite3.wasm');
copyFileSync(wasm, join(out, 'sqlite3.wasm'));
