// Numbers written as the desktop writes them in its reports: the shortest text that reads back
// as the value (std::to_chars with no format), as a float for a Single column.

// The shortest significant digits of v > 0 and the power of ten of the first.
function shortestDigits(v, single) {
  let s;
  if (single) {
    for (let p = 1; p <= 9; ++p) {
      s = v.toExponential(p - 1);
      if (Math.fround(Number(s)) === v) break;
    }
  } else {
    s = v.toExponential();
  }
  const [mantissa, exponent] = s.split('e');
  return { digits: mantissa.replace('.', ''), exponent: Number(exponent) };
}

function fixed(digits, exponent) {
  if (exponent < 0) return `0.${'0'.repeat(-exponent - 1)}${digits}`;
  if (digits.length <= exponent + 1) return digits + '0'.repeat(exponent + 1 - digits.length);
  return `${digits.slice(0, exponent + 1)}.${digits.slice(exponent + 1)}`;
}

function scientific(digits, exponent) {
  const mantissa = digits.length > 1 ? `${digits[0]}.${digits.slice(1)}` : digits;
  const e = Math.abs(exponent);
  return `${mantissa}e${exponent < 0 ? '-' : '+'}${e < 10 ? '0' : ''}${e}`;
}

// `single`: the value is a float (a Single column) and is written as one.
export function shortestText(v, single) {
  if (Number.isNaN(v)) return 'nan';
  if (!Number.isFinite(v)) return v < 0 ? '-inf' : 'inf';
  if (v === 0) return Object.is(v, -0) ? '-0' : '0';
  const sign = v < 0 ? '-' : '';
  const { digits, exponent } = shortestDigits(Math.abs(v), single);
  const f = fixed(digits, exponent);
  const e = scientific(digits, exponent);
  return sign + (e.length < f.length ? e : f);
}
