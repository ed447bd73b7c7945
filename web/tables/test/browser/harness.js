// The page's tables in headless Chromium: the worker bundled into a scratch folder, served on
// 127.0.0.1, and a browser profile of the test's own, so that its storage outlives a reload and
// a restart of the browser.

import { copyFileSync, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { extname, join, normalize } from 'node:path';
import { execFileSync } from 'node:child_process';
import { fileURLToPath } from 'node:url';

import { chromium } from 'playwright-core';

const here = fileURLToPath(new URL('.', import.meta.url));
const TYPES = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm' };

export async function startSite() {
  const root = mkdtempSync(join(tmpdir(), 'velm-web-tables-site-'));
  execFileSync(process.execPath, [join(here, '../../tools/build.js'), root]);
  copyFileSync(join(here, 'page.html'), join(root, 'index.html'));
  const server = createServer((req, res) => {
    const path = normalize(decodeURIComponent(new URL(req.url, 'http://x').pathname)).replace(/^\/+/, '') || 'index.html';
    try {
      const body = readFileSync(join(root, path));
      res.writeHead(200, { 'content-type': TYPES[extname(path)] ?? 'application/octet-stream' });
      res.end(body);
    } catch {
      res.writeHead(404);
      res.end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const url = `http://127.0.0.1:${server.address().port}/`;
  return {
    url,
    async close() {
      await new Promise((resolve) => server.close(resolve));
      rmSync(root, { recursive: true, force: true });
    },
  };
}

export function newProfile() {
  return mkdtempSync(join(tmpdir(), 'velm-web-tables-profile-'));
}

export function launch(profile) {
  return chromium.launchPersistentContext(profile, {
    executablePath: process.env.VELM_CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu'],
  });
}

// A tab of the page with its tables ready.
export async function openPage(context, url) {
  const page = await context.newPage();
  await page.goto(url);
  await page.evaluate(() => window.tablesReady);
  return page;
}

export const ask = (page, request, ...args) => page.evaluate(([r, a]) => window.ask(r, ...a), [request, args]);

// The answer of a request that must succeed.
export async function answer(page, request, ...args) {
  const r = await ask(page, request, ...args);
  if ('error' in r) throw new Error(`${request}: ${r.error}`);
  return r.result;
}
