// VELMORANTES in JavaScript: the properties of fluids and convection coefficients computed by
// the program's own core, compiled to WebAssembly, for web pages and node alike. The numbers
// are velmorantes-calc's, bit for bit; refusals are Errors with the program's message and its
// code; warnings come with the result.
//
//   import { createVelmorantes } from './velmorantes.mjs';
//   const v = await createVelmorantes();
//   v.properties('GASES', 'AIRE', 300, { pressure: 101.3 }).DEN   // 1.1601109560817253
//
// Outside a built-in fluid's range the values come from the fluid's stored table: here the
// tables the program ships (tables.json beside this file), the ones a new database file of
// the desktop program starts with. A fluid that is in none of them is refused as the program
// refuses a table its database file does not have.
import createCore from './velmorantes-core.mjs';

const here = new URL('./', import.meta.url);
const inNode = typeof process === 'object' && typeof process.versions?.node === 'string' &&
               typeof window === 'undefined' && typeof importScripts === 'undefined';

async function fileBytes(name) {
  if (inNode) {
    const { readFile } = await import('node:fs/promises');
    return readFile(new URL(name, here));
  }
  const response = await fetch(new URL(name, here));
  if (!response.ok) throw new Error(`velmorantes: ${name} could not be loaded (${response.status})`);
  return new Uint8Array(await response.arrayBuffer());
}
const fileJson = async (name) => JSON.parse(new TextDecoder().decode(await fileBytes(name)));

export const FAMILIES = ['GASES', 'LIQUIDOS'];
export const UNITS = ['SI', 'INGLES'];
const KEY = '\u0004';

// A refusal of the program: `code` is its identifier ("ZERO_PRESSURE" ...), the message its
// text; null for an argument this module refuses itself.
export class VelmorantesError extends Error {
  constructor(message, code = null) {
    super(message);
    this.name = 'VelmorantesError';
    this.code = code;
  }
}

const refuse = (what) => { throw new VelmorantesError(what); };

// The scale box's texts from their own spellings or those of a keyboard without "º".
const SCALES = { 'K': 'K', 'ºC': 'ºC', 'C': 'ºC', '°C': 'ºC', 'ºF': 'ºF', 'F': 'ºF', '°F': 'ºF' };

// The shipped tables as a reader of stored points: a family's table by its title (the exact
// title first, then one that differs in case only, as the database files match them).
export function shippedTableReader(tables, say) {
  return (family, fluid) => {
    const titles = Object.keys(tables[family] ?? {});
    const title = titles.find((t) => t === fluid) ?? titles.find((t) => t.toUpperCase() === fluid.toUpperCase());
    if (title !== undefined) return Float64Array.from(tables[family][title]);
    return say('velm::msg', 'LA TABLA %1 NO EXISTE EN EL ARCHIVO %2', [fluid, `${family}.mdb`]);
  };
}

// The core with its texts and tables, for this module and the page's worker: `language` "es"
// (the program's own words) or "en" (the translation file's).
export async function loadCore({ language = 'es', decimalComma = false } = {}) {
  const [wasmBinary, tables, texts] = await Promise.all([
    inNode ? fileBytes('velmorantes-core.wasm') : undefined, fileJson('tables.json'), fileJson('texts.json')]);
  const core = await createCore(inNode ? { wasmBinary } : {});
  const state = { language: 'es' };
  const say = (context, source, values = []) => {
    const text = state.language === 'en' ? texts.en[context + KEY + source] ?? source : source;
    return text.replace(/%([1-9])/g, (whole, n) => (values[n - 1] !== undefined ? values[n - 1] : whole));
  };
  const setLanguage = (lang, comma = decimalComma) => {
    if (lang !== 'es' && lang !== 'en') refuse(`language must be "es" or "en", not "${lang}"`);
    state.language = lang;
    core.setLanguage(lang === 'en' ? texts.en : null, comma);
  };
  setLanguage(language, decimalComma);
  const reader = shippedTableReader(tables, say);
  core.setPointReader((family, fluid) => {
    try {
      return reader(family, fluid);
    } catch (e) {
      return String(e?.message ?? e);
    }
  });
  return { core, texts, tables, say, setLanguage, language: () => state.language,
           fluids: (family) => core.builtInNames(family).filter((f) => f in tables[family]) };
}

function familyOf(family) {
  if (!FAMILIES.includes(family)) refuse(`family must be "GASES" or "LIQUIDOS", not "${family}"`);
  return family;
}

function unitsOf(units = 'SI') {
  if (units === 'ENGLISH') return 'INGLES';  // the English name of the same units
  if (!UNITS.includes(units)) refuse(`units must be "SI" or "INGLES", not "${units}"`);
  return units;
}

// The scale as the calculator takes it: K or ºC under SI units, ºF under English units.
function scaleOf(scale, english) {
  if (scale === undefined || scale === null) return english ? 'ºF' : 'K';
  const named = SCALES[scale];
  if (!named) refuse(`scale must be "K", "ºC" (or "C") or "ºF" (or "F"), not "${scale}"`);
  if ((named === 'ºF') !== english)
    refuse(`scale "${named}" is not offered under ${english ? 'INGLES units (use "ºF")' : 'SI units (use "K" or "ºC")'}`);
  return named;
}

function numberOf(x, name) {
  if (typeof x !== 'number') refuse(`${name} must be a number`);
  return x;
}

// A number, or an array-like of numbers: {scalar, values}.
function numbersOf(x, name) {
  if (typeof x === 'number') return { scalar: true, values: new Float64Array([x]) };
  if (x instanceof Float64Array) return { scalar: false, values: x };
  if (Array.isArray(x) || ArrayBuffer.isView(x)) {
    const values = Float64Array.from(x, (v) => numberOf(v, `each value of ${name}`));
    return { scalar: false, values };
  }
  return refuse(`${name} must be a number, an array of numbers or a Float64Array`);
}

function checkOptions(given, allowed, call) {
  for (const key of Object.keys(given ?? {}))
    if (!allowed.includes(key)) refuse(`${call}() takes no option "${key}"`);
}

// The result's warnings: not among its keys, so that the keys are the calculator's columns.
function withWarnings(result, warnings) {
  Object.defineProperty(result, 'warnings', {
    value: warnings.map((w) => ({ code: w.code, message: w.text })), enumerable: false });
  return result;
}

function raise(refusal) {
  throw new VelmorantesError(refusal.text, refusal.code);
}

const CASES = ['flat-plate', 'cylinder', 'sphere', 'tube', 'vertical-plate', 'horizontal-cylinder', 'sphere-free',
               'horizontal-plate-up', 'horizontal-plate-down'];
const VARIABLES = { velocity: 'velocity', length: 'length', diameter: 'diameter', surfaceTemp: 'surface-temp' };

class Velmorantes {
  #c;

  constructor(loaded) {
    this.#c = loaded;
  }

  // "es" or "en": the language of the messages (the values never change with it).
  get language() { return this.#c.language(); }
  set language(lang) { this.#c.setLanguage(lang); }

  // The fluids of a family the module computes: the built-in fluids, whose tables it ships.
  fluids(family) {
    return this.#c.fluids(familyOf(family));
  }

  // The properties at one temperature or at many (an array or a Float64Array), in the scale
  // given: DEN, CP, MIU, UN, K, ALFA, PR (and BETA for liquids) and ORIGEN, as
  // velmorantes-calc --format csv gives them; numbers (Float64Arrays for many temperatures).
  properties(family, fluid, temperature, options = {}) {
    checkOptions(options, ['pressure', 'units', 'scale'], 'properties');
    familyOf(family);
    if (typeof fluid !== 'string') refuse('fluid must be a string');
    const english = unitsOf(options.units) === 'INGLES';
    const scale = scaleOf(options.scale, english);
    const t = numbersOf(temperature, 'temperature');
    let pressure = 0;
    if (family === 'GASES') {
      if (options.pressure === undefined || options.pressure === null) refuse('a gas needs a pressure (kPa, or psi under INGLES)');
      pressure = numberOf(options.pressure, 'pressure');
    } else if (options.pressure !== undefined && options.pressure !== null) {
      refuse('pressure is for gases only');
    }
    const r = this.#c.core.properties({ family, fluid, temperatures: t.values, pressure, english, scale });
    if (r.refusal) raise(r.refusal);
    const result = {};
    for (const [key, column] of Object.entries(r.columns)) result[key] = t.scalar ? column[0] : column;
    const n = t.values.length;
    let origin;
    if (r.sameOrigin !== undefined) {
      origin = new Array(n).fill(r.originWords[r.sameOrigin]);
    } else {
      origin = new Array(n);
      for (let i = 0; i < n; ++i) origin[i] = r.originWords[r.origin[i]];
    }
    result.ORIGEN = t.scalar ? origin[0] : origin;
    return withWarnings(result, r.warnings);
  }

  // A convection coefficient as velmorantes-calc --convection CASE gives it: the options by the
  // calculator's names (surfaceTemp, fluidTemp, length or diameter, area and perimeter,
  // velocity, pressure, units, scale, tubeCondition, correlation). One of surfaceTemp, length,
  // diameter and velocity may be an array, or `vary` (velocity, length, diameter,
  // surface-temp) with `sweep` "FROM:TO:STEP" as the calculator's --vary and --sweep: one
  // calculation per value. The keys are the calculator's CSV columns; a field the case does
  // not have is null.
  convection(family, fluid, kase, options = {}) {
    checkOptions(options, ['surfaceTemp', 'fluidTemp', 'length', 'diameter', 'area', 'perimeter', 'velocity',
                           'pressure', 'units', 'scale', 'tubeCondition', 'correlation', 'vary', 'sweep'], 'convection');
    familyOf(family);
    if (typeof fluid !== 'string') refuse('fluid must be a string');
    if (!CASES.includes(kase)) refuse(`case must be one of ${CASES.join(', ')}, not "${kase}"`);
    const info = this.#c.core.caseList().find((c) => c.name === kase);
    const english = unitsOf(options.units) === 'INGLES';
    const scale = scaleOf(options.scale, english);
    const tube = kase === 'tube';
    for (const name of ['tubeCondition', 'correlation'])
      if (options[name] !== undefined && !tube) refuse(`${name} is for tube only`);
    const tubeCondition = options.tubeCondition ?? 'temperature';
    if (!['temperature', 'flux'].includes(tubeCondition)) refuse(`tubeCondition must be "temperature" or "flux", not "${tubeCondition}"`);
    const correlation = options.correlation ?? 'gnielinski';
    if (!['gnielinski', 'dittus-boelter'].includes(correlation))
      refuse(`correlation must be "gnielinski" or "dittus-boelter", not "${correlation}"`);

    // The sweep given as the calculator's --vary and --sweep.
    let vary = null;
    let values = null;
    if ((options.vary === undefined) !== (options.sweep === undefined)) refuse('vary and sweep go together');
    if (options.vary !== undefined) {
      vary = Object.entries(VARIABLES).find(([, name]) => name === options.vary)?.[0];
      if (!vary) refuse('vary must be velocity, length, diameter or surface-temp');
      if (!info.variables.includes(options.vary)) refuse(`${kase} has no ${options.vary} to vary`);
      if (options[vary] !== undefined) refuse(`${vary} is varied by vary: give it only there`);
      const range = this.#c.core.range(String(options.sweep), 100000);
      if (range.problem === 'NOT_A_NUMBER') raise(this.#c.core.notANumber());
      if (range.problem === 'FORM') refuse('sweep takes FROM:TO:STEP');
      if (range.problem === 'DIRECTION') refuse('sweep: the step cannot be zero and must lead from FROM to TO');
      if (range.problem === 'TOO_MANY') refuse('sweep gives more than 100000 values');
      values = range.values;
    }
    const given = (name) => options[name] !== undefined && options[name] !== null;
    const take = (name, wanted, why, sweepable) => {
      const varied = vary === name;
      if (!given(name)) {
        if (wanted && !varied) refuse(`${kase} needs ${name}`);
        return varied ? values[0] : 0;
      }
      if (!wanted) refuse(`${name} is not taken ${why}`);
      if (!sweepable || typeof options[name] === 'number') return numberOf(options[name], name);
      const n = numbersOf(options[name], name);
      if (vary) refuse('only one of surfaceTemp, length, diameter and velocity may be an array');
      if (n.values.length === 0 || n.values.length > 100000) refuse(`${name} must hold from 1 to 100000 values`);
      if (!n.values.every(Number.isFinite)) raise(this.#c.core.notANumber());
      vary = name;
      values = n.values;
      return values[0];  // refused as the first value, as the calculator does
    };
    const byCase = `by ${kase}`;
    const request = { case: kase, family, fluid, english, scale, tubeCondition, correlation, perimeter: null };
    request.surface = take('surfaceTemp', true, '', true);
    request.fluidTemp = take('fluidTemp', true, '', false);
    request.velocity = take('velocity', info.forced, 'in free convection', true);
    if (family === 'GASES') {
      if (!given('pressure')) refuse('a gas needs a pressure (kPa, or psi under INGLES)');
      request.pressure = numberOf(options.pressure, 'pressure');
    } else {
      if (given('pressure')) refuse('pressure is for gases only');
      request.pressure = 0;
    }
    const plate = info.length === 'area';
    const areaGiven = plate && (given('area') || given('perimeter'));
    if (areaGiven && vary === 'length') refuse('vary length varies L itself, not area or perimeter');
    const diameter = take('diameter', info.length === 'diameter', byCase, true);
    const length = take('length', info.length !== 'diameter' && !areaGiven, areaGiven ? 'with area and perimeter' : byCase, true);
    const area = take('area', areaGiven, byCase, false);
    const perimeter = take('perimeter', areaGiven, byCase, false);
    request.length = info.length === 'diameter' ? diameter : areaGiven ? area : length;
    if (areaGiven) request.perimeter = perimeter;
    request.vary = vary ? VARIABLES[vary] : null;
    request.values = values ?? new Float64Array(0);

    const r = this.#c.core.convection(request);
    if (r.refusal) raise(r.refusal);
    const scalar = !vary;
    const result = {};
    const rows = r.correlation.length;
    result.CASO = scalar ? kase : Array(rows).fill(kase);
    const names = new Array(r.correlation.length);
    for (let i = 0; i < names.length; ++i) names[i] = r.correlationNames[r.correlation[i]];
    result.CORRELACION = scalar ? names[0] : names;
    for (const [key, column] of Object.entries(r.columns)) result[key] = column === null ? null : scalar ? column[0] : column;
    return withWarnings(result, r.warnings);
  }
}

// The module, ready: `language` "es" (the default, the program's own words) or "en".
export async function createVelmorantes({ language = 'es' } = {}) {
  return new Velmorantes(await loadCore({ language }));
}

export default createVelmorantes;
