// velmorantes.mjs against velmorantes-calc: every built-in fluid across its range and beyond
// it (where the shipped tables take over), in both unit systems and every scale; the nine
// convection cases, single and swept; every refusal the calculator can give, code and text,
// in both languages. Each number must be the very double the calculator's CSV field reads as.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { after, before, describe, test } from 'node:test';
import { BUILD, SITE, SOURCE, calc, parseCsv, scratch } from './support.mjs';

const { createVelmorantes, VelmorantesError } = await import(path.join(SITE, 'velmorantes.mjs'));

let dbDir;
let es;
let en;
before(async () => {
  dbDir = scratch('db');
  es = await createVelmorantes();
  en = await createVelmorantes({ language: 'en' });
});
after(() => fs.rmSync(dbDir, { recursive: true, force: true }));

// Where WebAssembly's C library (musl) and glibc may round pow() or log() differently: a
// property on a power-law piece, and a convection coefficient, which takes powers and a
// logarithm of Re, Pr and Ra (Nu, and h and q from it); one unit in the last place at most.
// (Cube roots are the core's own, correctly rounded: the same bits on both.) The numbers
// that did differ are printed at the end.
const POW_PIECES = new Set(['GASES HIDROGENO']);
const LIBM_COLUMNS = new Set(['NU', 'H', 'Q']);
const LIBM_ULPS = 1n;

const bits = (x) => new BigInt64Array(new Float64Array([x]).buffer)[0];
// How many units in the last place apart the calculator's field and the module's number are;
// fails beyond `most`.
function sameNumber(field, value, most, what) {
  const want = Number(field);
  if (Object.is(want, value)) return 0n;
  const ulps = bits(want) > bits(value) ? bits(want) - bits(value) : bits(value) - bits(want);
  assert.ok(ulps <= most && Math.sign(want) === Math.sign(value),
            `${what}: the calculator gives ${field}, the module ${value}`);
  return ulps;
}

const distinctLines = (text) => [...new Set(text.split('\n').filter((l) => l !== ''))];
const PROPERTY_KEYS = ['DEN', 'CP', 'MIU', 'UN', 'K', 'ALFA', 'PR', 'BETA'];

// Temperatures from below the correlations' ranges to beyond the shipped tables' ends.
const SWEEPS = {
  GASES: { K: '20:3500:10', 'ºC': '-250:3250:25', 'ºF': '-420:5800:40' },
  LIQUIDOS: { K: '150:900:5', 'ºC': '-120:620:5', 'ºF': '-180:1150:10' },
};
const PRESSURES = { SI: ['101.3', '250'], INGLES: ['14.696', '3'] };
const differences = [];

describe('properties() gives the calculator\'s numbers', () => {
  for (const family of ['GASES', 'LIQUIDOS']) {
    for (const [units, scales] of [['SI', ['K', 'ºC']], ['INGLES', ['ºF']]]) {
      for (const scale of scales) {
        test(`${family} ${units} ${scale}`, () => {
          for (const fluid of es.fluids(family)) {
            for (const pressure of family === 'GASES' ? PRESSURES[units] : [null]) {
              const args = ['--family', family, '--fluid', fluid, '--units', units, '--scale', scale,
                            '--sweep', SWEEPS[family][scale], '--format', 'csv'];
              if (pressure) args.push('--pressure', pressure);
              const c = calc(args, { dbDir });
              assert.equal(c.status, 0, `${fluid}: ${c.err}`);
              const csv = parseCsv(c.text);
              const t = csv.rows.map((r) => Number(r[0]));
              const v = es.properties(family, fluid, t, { pressure: pressure && Number(pressure), units, scale });
              const keys = PROPERTY_KEYS.slice(0, family === 'GASES' ? 7 : 8);
              assert.deepEqual(Object.keys(v), [...keys, 'ORIGEN']);
              csv.rows.forEach((row, i) => {
                keys.forEach((key, k) => {
                  const what = `${fluid} ${row[0]} ${scale} ${pressure ?? ''} ${key}`;
                  const ulps = sameNumber(row[k + 1], v[key][i], POW_PIECES.has(`${family} ${fluid}`) ? 1n : 0n, what);
                  if (ulps) differences.push([`${family} ${fluid} ${key}`, ulps]);
                });
                assert.equal(v.ORIGEN[i], row.at(-1), `${fluid} ${row[0]} ORIGEN`);
              });
              assert.deepEqual(v.warnings.map((w) => w.message), distinctLines(c.err), `${fluid}: warnings`);
              for (const w of v.warnings) assert.match(w.code, /^(OUT_OF_CORRELATION_RANGE|ABOVE_TABLE|BELOW_TABLE)$/);
            }
          }
        });
      }
    }
  }

  test('one temperature gives numbers and a word', () => {
    const c = parseCsv(calc(['--family', 'GASES', '--fluid', 'AIRE', '--temp', '300', '--pressure', '101.3',
                             '--format', 'csv'], { dbDir }).text);
    const v = es.properties('GASES', 'AIRE', 300, { pressure: 101.3 });
    assert.equal(typeof v.DEN, 'number');
    assert.equal(v.DEN, Number(c.rows[0][1]));
    assert.equal(v.ORIGEN, 'CORRELACION');
    assert.deepEqual(v.warnings, []);
  });

  test('a stored title is matched as the database files match it, whatever its case', () => {
    const c = calc(['--family', 'GASES', '--fluid', 'aire', '--temp', '5000', '--pressure', '101.3', '--format', 'csv'],
                   { dbDir });
    const v = es.properties('GASES', 'aire', [5000], { pressure: 101.3 });
    assert.equal(v.DEN[0], Number(parseCsv(c.text).rows[0][1]));
    assert.deepEqual(v.warnings.map((w) => w.message), distinctLines(c.err));
  });

  test('the fluids are those a new database file lists', () => {
    for (const family of ['GASES', 'LIQUIDOS']) {
      const py = spawnSync('/usr/bin/python3', ['-c', `import velmorantes, json; print(json.dumps(velmorantes.fluids("${family}", db_dir="${dbDir}")))`],
                           { env: { ...process.env, PYTHONPATH: path.join(BUILD, 'python') } });
      assert.equal(py.status, 0, py.stderr.toString());
      assert.deepEqual(es.fluids(family), JSON.parse(py.stdout.toString()));
    }
  });
});

// What the calculator refuses, and the module alike: the same code's text on standard error.
const REFUSALS = [
  ['not a number', 'NOT_A_NUMBER', ['--family', 'GASES', '--fluid', 'AIRE', '--temp', 'nan', '--pressure', '101.3'],
   (v) => v.properties('GASES', 'AIRE', NaN, { pressure: 101.3 })],
  ['below 0 K', 'TEMPERATURE_DOES_NOT_EXIST', ['--family', 'LIQUIDOS', '--fluid', 'AGUA', '--temp', '-5'],
   (v) => v.properties('LIQUIDOS', 'AGUA', -5)],
  ['below 0 K in ºF', 'TEMPERATURE_DOES_NOT_EXIST', ['--family', 'LIQUIDOS', '--fluid', 'AGUA', '--temp', '-459.67', '--units', 'INGLES'],
   (v) => v.properties('LIQUIDOS', 'AGUA', [-459.67], { units: 'INGLES' })],
  ['a negative pressure', 'NEGATIVE_PRESSURE', ['--family', 'GASES', '--fluid', 'AIRE', '--temp', '300', '--pressure', '-1'],
   (v) => v.properties('GASES', 'AIRE', 300, { pressure: -1 })],
  ['a pressure of zero', 'ZERO_PRESSURE', ['--family', 'GASES', '--fluid', 'CO2', '--temp', '300', '--pressure', '0'],
   (v) => v.properties('GASES', 'CO2', 300, { pressure: 0 })],
  ['a table the file does not have', 'TABLE_UNREADABLE', ['--family', 'GASES', '--fluid', 'XENON', '--temp', '300', '--pressure', '101.3'],
   (v) => v.properties('GASES', 'XENON', 300, { pressure: 101.3 })],
  ['a convection length of zero', 'LENGTH_NOT_POSITIVE',
   ['--family', 'GASES', '--fluid', 'AIRE', '--pressure', '101.3', '--convection', 'flat-plate', '--surface-temp', '350',
    '--fluid-temp', '300', '--length', '0', '--velocity', '5', '--format', 'csv'],
   (v) => v.convection('GASES', 'AIRE', 'flat-plate', { surfaceTemp: 350, fluidTemp: 300, length: 0, velocity: 5, pressure: 101.3 })],
  ['a negative diameter', 'DIAMETER_NOT_POSITIVE',
   ['--family', 'LIQUIDOS', '--fluid', 'AGUA', '--convection', 'sphere', '--surface-temp', '350', '--fluid-temp', '300',
    '--diameter', '-0.1', '--velocity', '1', '--format', 'csv'],
   (v) => v.convection('LIQUIDOS', 'AGUA', 'sphere', { surfaceTemp: 350, fluidTemp: 300, diameter: -0.1, velocity: 1 })],
  ['an area of zero', 'AREA_NOT_POSITIVE',
   ['--family', 'GASES', '--fluid', 'AIRE', '--pressure', '101.3', '--convection', 'horizontal-plate-up', '--surface-temp', '350',
    '--fluid-temp', '300', '--area', '0', '--perimeter', '2', '--format', 'csv'],
   (v) => v.convection('GASES', 'AIRE', 'horizontal-plate-up', { surfaceTemp: 350, fluidTemp: 300, area: 0, perimeter: 2, pressure: 101.3 })],
  ['a perimeter of zero', 'PERIMETER_NOT_POSITIVE',
   ['--family', 'GASES', '--fluid', 'AIRE', '--pressure', '101.3', '--convection', 'horizontal-plate-down', '--surface-temp', '350',
    '--fluid-temp', '300', '--area', '1', '--perimeter', '0', '--format', 'csv'],
   (v) => v.convection('GASES', 'AIRE', 'horizontal-plate-down', { surfaceTemp: 350, fluidTemp: 300, area: 1, perimeter: 0, pressure: 101.3 })],
  ['a velocity of zero', 'VELOCITY_NOT_POSITIVE',
   ['--family', 'LIQUIDOS', '--fluid', 'ACEITE', '--convection', 'tube', '--surface-temp', '350', '--fluid-temp', '300',
    '--diameter', '0.02', '--velocity', '0', '--format', 'csv'],
   (v) => v.convection('LIQUIDOS', 'ACEITE', 'tube', { surfaceTemp: 350, fluidTemp: 300, diameter: 0.02, velocity: 0 })],
  ['a swept value that is no number', 'NOT_A_NUMBER',
   ['--family', 'GASES', '--fluid', 'AIRE', '--pressure', '101.3', '--convection', 'cylinder', '--surface-temp', '350',
    '--fluid-temp', '300', '--diameter', '0.05', '--vary', 'velocity', '--sweep', '1:x:1', '--format', 'csv'],
   (v) => v.convection('GASES', 'AIRE', 'cylinder', { surfaceTemp: 350, fluidTemp: 300, diameter: 0.05, pressure: 101.3,
                                                     vary: 'velocity', sweep: '1:x:1' })],
  ['a convection gas at zero pressure', 'ZERO_PRESSURE',
   ['--family', 'GASES', '--fluid', 'AIRE', '--pressure', '0', '--convection', 'vertical-plate', '--surface-temp', '350',
    '--fluid-temp', '300', '--length', '1', '--format', 'csv'],
   (v) => v.convection('GASES', 'AIRE', 'vertical-plate', { surfaceTemp: 350, fluidTemp: 300, length: 1, pressure: 0 })],
];

describe('refusals are Errors with the program\'s code and message', () => {
  for (const [what, code, args, call] of REFUSALS) {
    for (const [language, v] of [['es', () => es], ['en', () => en]]) {
      test(`${what} (${language})`, () => {
        const c = calc(args, { dbDir, language });
        assert.equal(c.status, 1);
        assert.throws(() => call(v()), (e) => {
          assert.ok(e instanceof VelmorantesError && e instanceof Error);
          assert.equal(e.code, code);
          assert.equal(e.message, c.err.replace(/\n$/, ''));
          return true;
        });
      });
    }
  }

  test('arguments the module refuses itself carry no code', () => {
    for (const call of [() => es.properties('SOLIDOS', 'AIRE', 300), () => es.properties('GASES', 'AIRE', 300),
                        () => es.properties('LIQUIDOS', 'AGUA', 300, { pressure: 1 }),
                        () => es.properties('LIQUIDOS', 'AGUA', 300, { units: 'INGLES', scale: 'K' }),
                        () => es.properties('LIQUIDOS', 'AGUA', 'caliente'),
                        () => es.convection('GASES', 'AIRE', 'cube', {}),
                        () => es.convection('LIQUIDOS', 'AGUA', 'sphere', { surfaceTemp: 1, fluidTemp: 1, diameter: 1 })])
      assert.throws(call, (e) => e instanceof VelmorantesError && e.code === null);
  });
});

// What only the screens refuse (DESDE, HASTA and PASO), through the calls the page's worker
// makes: the box to empty and the desktop's message, in both languages.
const RANGES = [
  ['tabulate', { from: '400', to: '300', step: '1' }, 'to', 'FROM_ABOVE_TO',
   'LA TEMPERATURA INICIAL (DESDE) ES MAYOR QUE LA FINAL (HASTA)', 'THE FIRST TEMPERATURE (FROM) IS ABOVE THE LAST (TO)'],
  ['tabulate', { from: '300', to: '400', step: '0' }, 'step', 'BAD_STEP',
   'EL PASO DEBE SER UN NUMERO MAYOR QUE CERO', 'THE STEP MUST BE A NUMBER ABOVE ZERO'],
  ['tabulate', { from: '300', to: '400', step: '0.0001' }, 'step', 'TOO_MANY_TEMPERATURES',
   'SON MAS DE 100000 TEMPERATURAS   AUMENTE EL PASO O REDUZCA EL RANGO', null],
  ['tabulate', { from: '-300', to: '400', step: '1' }, 'from', 'TEMPERATURE_DOES_NOT_EXIST', 'ESTA TEMPERATURA NO EXISTE ', null],
  ['plotH', { from: '5', to: '1', step: '1' }, 'to', 'VALUE_FROM_ABOVE_TO',
   'EL VALOR INICIAL (DESDE) ES MAYOR QUE EL FINAL (HASTA)', null],
  ['plotH', { from: '1', to: '100', step: '0.0001' }, 'step', 'TOO_MANY_VALUES',
   'SON MAS DE 100000 VALORES   AUMENTE EL PASO O REDUZCA EL RANGO', null],
];

test('the screens\' ranges are refused in the desktop\'s words', async () => {
  const { loadCore } = await import(path.join(SITE, 'velmorantes.mjs'));
  const c = await loadCore();
  const table = { family: 'GASES', fluid: 'AIRE', english: false, scale: 'K', pressure: '101.3', decimalComma: false };
  const convection = { ...table, case: 'cylinder', tubeCondition: 'temperature', correlation: 'gnielinski', surface: '350',
                       fluidTemp: '300', length: '0.05', perimeter: '', velocity: '10', variable: 'velocity' };
  for (const [call, range, box, code, spanish, english] of RANGES) {
    for (const [language, text] of [['es', spanish], ['en', english]]) {
      c.setLanguage(language);
      const r = c.core[call]({ ...(call === 'tabulate' ? table : convection), ...range });
      assert.equal(r.refused, box, `${code}`);
      assert.equal(r.messages.length, 1);
      assert.equal(r.messages[0].code, code);
      if (text) assert.equal(r.messages[0].text, text);
      else if (language === 'en') assert.notEqual(r.messages[0].text, spanish);
    }
  }
});

// The nine cases as the calculator's --convection --format csv gives them; each value exact.
const CASES = [
  ['flat-plate', 'GASES', 'AIRE', ['--length', '0.5', '--velocity', '5']],
  ['flat-plate', 'LIQUIDOS', 'AGUA', ['--length', '2', '--velocity', '3']],
  ['cylinder', 'GASES', 'AIRE', ['--diameter', '0.0127', '--velocity', '10']],
  ['sphere', 'LIQUIDOS', 'ACEITE', ['--diameter', '0.01', '--velocity', '0.2']],
  ['tube', 'LIQUIDOS', 'AGUA', ['--diameter', '0.02', '--velocity', '1']],
  ['tube', 'LIQUIDOS', 'GLICERINA', ['--diameter', '0.01', '--velocity', '0.1', '--tube-condition', 'flux']],
  ['tube', 'GASES', 'NITROGENO', ['--diameter', '0.05', '--velocity', '20', '--correlation', 'dittus-boelter']],
  ['vertical-plate', 'GASES', 'AIRE', ['--length', '0.3']],
  ['horizontal-cylinder', 'LIQUIDOS', 'AGUA', ['--diameter', '0.05']],
  ['sphere-free', 'GASES', 'CO2', ['--diameter', '0.1']],
  ['horizontal-plate-up', 'GASES', 'AIRE', ['--area', '0.25', '--perimeter', '2']],
  ['horizontal-plate-down', 'LIQUIDOS', 'MERCURIO', ['--length', '0.125']],
];
const OPTION = { '--length': 'length', '--diameter': 'diameter', '--velocity': 'velocity', '--area': 'area',
                 '--perimeter': 'perimeter', '--tube-condition': 'tubeCondition', '--correlation': 'correlation' };
const optionsOf = (args) => Object.fromEntries(
  Array.from({ length: args.length / 2 }, (_, i) => [OPTION[args[2 * i]], /^[a-z]/.test(args[2 * i + 1]) ? args[2 * i + 1] : Number(args[2 * i + 1])]));

function compareConvection(c, v, rows, what) {
  assert.equal(c.status, 0, `${what}: ${c.err}`);
  const csv = parseCsv(c.text);
  assert.deepEqual(Object.keys(v), csv.heading, what);
  assert.equal(csv.rows.length, rows, what);
  csv.rows.forEach((row, i) => csv.heading.forEach((key, k) => {
    const got = v[key] === null ? null : rows === 1 && !ArrayBuffer.isView(v[key]) && !Array.isArray(v[key]) ? v[key] : v[key][i];
    if (key === 'CASO' || key === 'CORRELACION') assert.equal(got, row[k], `${what} ${key}`);
    else if (row[k] === '') assert.equal(v[key], null, `${what} ${key}`);
    else {
      const ulps = sameNumber(row[k], got, LIBM_COLUMNS.has(key) ? LIBM_ULPS : 0n, `${what} row ${i} ${key}`);
      if (ulps) differences.push([`${what.split(' ')[0]} ${key}`, ulps]);
    }
  }));
  assert.deepEqual(v.warnings.map((w) => w.message), distinctLines(c.err), `${what}: warnings`);
}

describe('convection() gives the calculator\'s CSV', () => {
  for (const [kase, family, fluid, args] of CASES) {
    for (const [units, scale, temps, pressure] of [['SI', 'K', ['350', '300'], '101.3'], ['SI', 'ºC', ['80', '20'], '250'],
                                                   ['INGLES', 'ºF', ['180', '70'], '14.696']]) {
      const what = `${kase} ${family} ${fluid} ${args.join(' ')} ${units} ${scale}`;
      test(what, () => {
        const common = ['--family', family, '--fluid', fluid, '--convection', kase, '--units', units, '--scale', scale,
                        '--surface-temp', temps[0], '--fluid-temp', temps[1], ...args, '--format', 'csv'];
        if (family === 'GASES') common.push('--pressure', pressure);
        const options = { ...optionsOf(args), units, scale, surfaceTemp: Number(temps[0]), fluidTemp: Number(temps[1]) };
        if (family === 'GASES') options.pressure = Number(pressure);
        compareConvection(calc(common, { dbDir }), es.convection(family, fluid, kase, options), 1, what);

        // Swept: the length, and the velocity of forced flow, as --vary with --sweep and as an array.
        const varied = args.includes('--diameter') ? 'diameter' : args.includes('--length') ? 'length' : null;
        if (!varied) return;
        const at = common.indexOf(`--${varied}`);
        const sweepArgs = [...common.slice(0, at), ...common.slice(at + 2), '--vary', varied, '--sweep', '0.01:1:0.07'];
        const swept = calc(sweepArgs, { dbDir });
        const { [varied]: _, ...rest } = options;
        compareConvection(swept, es.convection(family, fluid, kase, { ...rest, vary: varied, sweep: '0.01:1:0.07' }),
                          parseCsv(swept.text).rows.length, `${what} --vary ${varied}`);
        const values = parseCsv(calc(['--family', 'LIQUIDOS', '--fluid', 'AGUA', '--sweep', '0.01:1:0.07', '--format', 'csv'],
                                     { dbDir }).text).rows.map((r) => Number(r[0]));
        compareConvection(swept, es.convection(family, fluid, kase, { ...rest, [varied]: values }), values.length,
                          `${what} ${varied} as an array`);
      });
    }
  }

  test('the surface temperature swept, warnings once each', () => {
    const args = ['--family', 'GASES', '--fluid', 'AIRE', '--pressure', '101.3', '--convection', 'vertical-plate',
                  '--fluid-temp', '2500', '--length', '2', '--vary', 'surface-temp', '--sweep', '2501:4000:7', '--format', 'csv'];
    const c = calc(args, { dbDir });
    const v = es.convection('GASES', 'AIRE', 'vertical-plate', { fluidTemp: 2500, length: 2, pressure: 101.3,
                                                                 vary: 'surface-temp', sweep: '2501:4000:7' });
    compareConvection(c, v, parseCsv(c.text).rows.length, 'vertical-plate Ts swept');
    assert.ok(v.warnings.length > 0);
  });
});

// The page's tables read what is typed with the core's own rules (the entry boxes' and the grid's
// test, the row-entry fields' leading number): the cases the desktop's tests run too.
test('typed values read by the core in WebAssembly as the desktop reads them', async () => {
  const { loadCore } = await import(path.join(SITE, 'velmorantes.mjs'));
  const { core } = await loadCore();
  const { cases } = JSON.parse(fs.readFileSync(path.join(SOURCE, 'tests', 'data', 'number-reading.json'), 'utf8'));
  const textOf = (t) => (typeof t === 'string' ? t : t.map((p) => (typeof p === 'string' ? p : p[0].repeat(p[1]))).join(''));
  const numberOf = (v) => ({ inf: Infinity, '-inf': -Infinity, '-0': -0 })[v] ?? v;
  for (const c of cases) {
    const text = textOf(c.text);
    const number = core.parseNumber(text, c.comma ?? false);
    const leading = core.leadingNumber(text);
    assert.ok(Object.is(number, numberOf(c.number)), `${JSON.stringify(text.slice(0, 40))}: ${number}`);
    assert.ok(Object.is(leading, numberOf(c.leading)), `${JSON.stringify(text.slice(0, 40))}: ${leading}`);
  }
});

// The numbers that differ where the C libraries do, by where and how many units in the last place.
after(() => {
  const most = new Map();
  for (const [where, ulps] of differences) most.set(where, (most.get(where) ?? [0, 0n]).map((x, i) => (i ? (ulps > x ? ulps : x) : x + 1)));
  for (const [where, [count, ulps]] of most) console.log(`${where}: ${count} values apart, at most ${ulps} units in the last place`);
});
