// mdb-reader reads through Node's Buffer; in the browser the `buffer` package stands in.
import { Buffer } from 'buffer';

globalThis.Buffer ??= Buffer;
export { Buffer };
