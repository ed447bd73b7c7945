// The two readings of a typed value (engine/Entry.cpp), for the page until its core exports
// them: the page hands the core's own `leadingNumber` and `parseNumber` to the maintenance
// rules instead (see maintenance.js). Both are held against the C++ on one table of cases
// (tests/data/number-reading.json).

const isBlank = (c) => c === ' ' || c === '\t' || c === '\r' || c === '\n';

function trimmed(s) {
  let a = 0;
  let b = s.length;
  while (a < b && isBlank(s[a])) ++a;
  while (b > a && isBlank(s[b - 1])) --b;
  return s.slice(a, b);
}

// The numeric test of every entry box. "." is always a decimal point; with a regional decimal
// comma, one comma is accepted in its place. Blanks around the number and an exponent are
// allowed; digit grouping, hexadecimal, "inf", "nan" and values too large for a double are
// not. null means "not a number"; a value too small for a double is (nearly) zero.
export function parseNumber(text, decimalComma) {
  let s = trimmed(text);
  if (decimalComma && !s.includes('.')) s = s.replace(',', '.');
  if (!/^[+-]?(?:\d+\.?\d*|\.\d+)(?:[eE][+-]?\d+)?$/.test(s)) return null;
  const negative = s[0] === '-';
  const unsigned = s[0] === '+' || s[0] === '-' ? s.slice(1) : s;
  const value = Number(unsigned);  // correctly rounded, whatever the number of digits
  if (!Number.isFinite(value)) return null;
  return negative ? -value : value;
}

// The leading number of a row-entry field: blanks, tabs and line feeds are skipped wherever they
// stand; then an optional sign, digits with "." as the decimal point and an optional exponent
// introduced by E, or a hexadecimal (&H) or octal (&O) integer. Reading stops at the first
// character that does not fit; a text with no leading number gives 0; one too large for a
// double gives an infinity (which the store refuses).
export function leadingNumber(text) {
  let s = '';
  for (const c of text) if (!isBlank(c)) s += c;

  if (s.length >= 2 && s[0] === '&' && 'HhOo'.includes(s[1])) {
    const base = s[1] === 'H' || s[1] === 'h' ? 16 : 8;
    let value = 0;
    for (const c of s.slice(2)) {
      const digit = /[0-9]/.test(c) ? c.charCodeAt(0) - 48 : /[A-Fa-f]/.test(c) ? c.toUpperCase().charCodeAt(0) - 55 : 99;
      if (digit >= base) break;
      value = value * base + digit;
    }
    return value;
  }

  const m = /^([+-]?)(\d*(?:\.\d*)?)((?:[eE][+-]?\d+)?)/.exec(s);
  if (!/\d/.test(m[2])) return 0;
  const value = Number((m[2].startsWith('.') ? '0' : '') + m[2].replace(/\.$/, '') + m[3]);
  return m[1] === '-' ? -value : value;
}
