// What the web tests share: where the built page and the calculator are, a static server on
// 127.0.0.1 that a test starts and stops, Debian's Chromium driven by playwright-core (a fresh
// profile each time), and the calculator run as the tests compare with it.
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
export const SOURCE = path.resolve(here, '..', '..');
export const BUILD = process.env.VELM_BUILD_DIR ?? path.join(SOURCE, 'build');
export const SITE = process.env.VELM_WEB_DIR ?? path.join(BUILD, 'web');
export const CALC = process.env.VELM_CALC ?? path.join(BUILD, 'cli', 'velmorantes-calc');
export const CHROMIUM = process.env.VELM_CHROMIUM ?? '/usr/bin/chromium';

export function scratch(prefix) {
  return fs.mkdtempSync(path.join(os.tmpdir(), `velm-web-${prefix}-`));
}

// velmorantes-calc with these arguments, in Spanish and a locale with "." decimals, on a
// database folder of its own (created with the shipped tables on first use): {status, out, err}
// with the output as bytes (out) and text (text).
export function calc(args, { dbDir, language = 'es', env = {} } = {}) {
  const r = spawnSync(CALC, ['--language', language, '--db-dir', dbDir, ...args], {
    env: { ...process.env, LANG: 'C.UTF-8', LC_ALL: 'C.UTF-8', LANGUAGE: '', QT_QPA_PLATFORM: 'offscreen', ...env },
    maxBuffer: 1 << 28,
  });
  return { status: r.status, out: r.stdout, text: r.stdout.toString('utf8'), err: r.stderr.toString('utf8') };
}

// The calculator's CSV as columns: {heading: [...], rows: [[...]]}.
export function parseCsv(text) {
  const lines = text.trimEnd().split('\n');
  return { heading: lines[0].split(','), rows: lines.slice(1).map((l) => l.split(',')) };
}

const TYPES = { '.html': 'text/html; charset=utf-8', '.mjs': 'text/javascript', '.js': 'text/javascript',
                '.css': 'text/css', '.json': 'application/json', '.wasm': 'application/wasm',
                '.svg': 'image/svg+xml', '.png': 'image/png', '.webmanifest': 'application/manifest+json' };

// A static server of `root` on 127.0.0.1 and a free port: {url, close()}.
export async function serve(root = SITE) {
  const server = http.createServer((req, res) => {
    const url = new URL(req.url, 'http://127.0.0.1');
    let file = path.join(root, decodeURIComponent(url.pathname));
    if (!file.startsWith(root)) return res.writeHead(403).end();
    if (fs.existsSync(file) && fs.statSync(file).isDirectory()) file = path.join(file, 'index.html');
    if (!fs.existsSync(file)) return res.writeHead(404).end();
    res.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] ?? 'application/octet-stream', 'Cache-Control': 'no-cache' });
    fs.createReadStream(file).pipe(res);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const sockets = new Set();
  server.on('connection', (s) => { sockets.add(s); s.on('close', () => sockets.delete(s)); });
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    close: () => new Promise((resolve) => {
      for (const s of sockets) s.destroy();
      server.close(resolve);
    }),
  };
}

// Chromium headless with a fresh profile (or `profile`, a folder the caller keeps, for storage
// that outlives the browser), in a language: {context, page, close()}.
export async function browser({ language = 'es-ES', downloads, profile: kept } = {}) {
  const { chromium } = await import('playwright-core');
  const profile = kept ?? scratch('profile');
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: CHROMIUM,
    headless: true,
    locale: language,
    acceptDownloads: true,
    downloadsPath: downloads,
    viewport: { width: 1280, height: 900 },
    args: ['--no-sandbox', '--headless=new', '--disable-gpu', '--disable-background-networking',
           '--disable-component-update', '--no-first-run', `--lang=${language}`],
  });
  const page = context.pages()[0] ?? (await context.newPage());
  return {
    context, page,
    close: async () => {
      await context.close();
      if (!kept) fs.rmSync(profile, { recursive: true, force: true });
    },
  };
}

export function built() {
  return fs.existsSync(path.join(SITE, 'velmorantes.mjs')) && fs.existsSync(CALC);
}
