// The page's side of the tables' worker: each request a promise, refusals rejected with a
// UserError whose message is the whole text to show.
//
//   const tables = await openTables(new URL('tables-worker.js', import.meta.url));
//   await tables.listFluidTables('GASES');  // ['AIRE', ...]

import { UserError } from './texts.js';

// What the page shows itself: the questions of an opened file, in the same words; a stored
// value as the editing grid writes it.
export { msg } from './messages.js';
export { shortestText } from './numbers.js';
export { setTranslator, UserError } from './texts.js';

export function openTables(workerUrl) {
  const worker = new Worker(workerUrl, { type: 'module' });
  const pending = new Map();
  let next = 1;
  const ready = new Promise((resolve, reject) => {
    worker.addEventListener('error', (e) => reject(new Error(e.message)), { once: true });
    worker.addEventListener('message', function first({ data }) {
      if (data.ready) {
        worker.removeEventListener('message', first);
        resolve();
      }
    });
  });
  worker.addEventListener('message', ({ data }) => {
    const p = pending.get(data.id);
    if (!p) return;
    pending.delete(data.id);
    if ('error' in data) p.reject(data.refusal ? new UserError(data.error) : new Error(data.error));
    else p.resolve(data.result);
  });
  const call = (request, ...args) =>
    new Promise((resolve, reject) => {
      const id = next++;
      pending.set(id, { resolve, reject });
      worker.postMessage({ id, request, args });
    });
  // Not a thenable: a promise resolved with it must not take it for one.
  const get = (target, request) => (request in target || typeof request !== 'string' || request === 'then' ? target[request] : (...args) => call(request, ...args));
  return ready.then(() => new Proxy({ worker }, { get }));
}
