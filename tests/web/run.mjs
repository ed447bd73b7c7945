// Runs web tests under node's own test runner once the page is built (make web); without it,
// the test is skipped (exit status 77, as ctest's SKIP_RETURN_CODE says).
import { spawnSync } from 'node:child_process';
import { built, SITE } from './support.mjs';

if (!built()) {
  console.log(`skipped: the web page is not built in ${SITE} (make web)`);
  process.exit(77);
}
const r = spawnSync(process.execPath, ['--test', '--test-concurrency=1', ...process.argv.slice(2)], { stdio: 'inherit' });
process.exit(r.status ?? 1);
