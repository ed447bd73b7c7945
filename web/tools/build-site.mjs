// Lays out the web page's static folder: the core (velmorantes-core.mjs and .wasm), the
// module and the page's files, the user's tables' worker (web/tables bundled with sqlite-wasm),
// the texts of both languages made from the translation file, the shipped tables made from
// data/reference, the manifest and the service worker with the list of every file it keeps for
// offline use.
//
//   node build-site.mjs --source REPO --core DIR_OF_THE_CORE --out FOLDER
import { createHash } from 'node:crypto';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { bundleTables } from '../tables/tools/build.js';
import { usedTexts } from '../tables/src/texts.js';
import '../tables/src/messages.js';
import '../tables/src/shipped.js';
import { pageTexts, readTranslations, textsForPage } from './texts.mjs';
import { shippedTables } from './tables.mjs';

function options(argv) {
  const o = {};
  for (let i = 2; i < argv.length; i += 2) o[argv[i].replace(/^--/, '')] = argv[i + 1];
  for (const name of ['source', 'core', 'out'])
    if (!o[name]) throw new Error(`build-site: --${name} is missing`);
  return o;
}

const o = options(process.argv);
const web = path.join(o.source, 'web');
fs.rmSync(o.out, { recursive: true, force: true });
fs.mkdirSync(o.out, { recursive: true });

const written = [];
function write(name, bytes) {
  const file = path.join(o.out, name);
  fs.mkdirSync(path.dirname(file), { recursive: true });
  fs.writeFileSync(file, bytes);
  written.push(name);
}
const copy = (from, name) => write(name, fs.readFileSync(from));

copy(path.join(o.core, 'velmorantes-core.mjs'), 'velmorantes-core.mjs');
copy(path.join(o.core, 'velmorantes-core.wasm'), 'velmorantes-core.wasm');
copy(path.join(web, 'velmorantes.mjs'), 'velmorantes.mjs');
for (const name of fs.readdirSync(path.join(web, 'page')).sort()) {
  if (name === 'texts.js' || name === 'sw.js') continue;  // made below
  copy(path.join(web, 'page', name), name);
}
// The tables' worker, bundled aside and copied in, so that the service worker lists its files.
const bundled = fs.mkdtempSync(path.join(os.tmpdir(), 'velm-site-tables-'));
try {
  for (const name of await bundleTables(bundled)) copy(path.join(bundled, name), name);
} finally {
  fs.rmSync(bundled, { recursive: true, force: true });
}

// One source of every text: the translation file, for the core's messages and the page's words.
const translations = readTranslations(path.join(o.source, 'translations', 'velmorantes_en.ts'));
const page = pageTexts(fs.readFileSync(path.join(web, 'page', 'texts.js'), 'utf8'));
write('texts.json', JSON.stringify(textsForPage(translations, page, usedTexts)));
write('tables.json', JSON.stringify(shippedTables(path.join(o.source, 'data', 'reference'))));

// The service worker keeps every file of this build under a name made from their contents,
// so a new build replaces the old files at once and never mixes the two.
const hash = createHash('sha256');
for (const name of [...written].sort()) hash.update(name).update(fs.readFileSync(path.join(o.out, name)));
const version = hash.digest('hex').slice(0, 16);
const files = ['./', ...[...written].sort().map((n) => `./${n}`)];
const worker = fs.readFileSync(path.join(web, 'page', 'sw.js'), 'utf8')
  .replace("'__VERSION__'", JSON.stringify(version))
  .replace("['__FILES__']", JSON.stringify(files));
write('sw.js', worker);
