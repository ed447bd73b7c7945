// The page's worker: the core runs here, so that the page never waits on a calculation. The
// page sends {id, op, args} and gets {id, result} or {id, error: {message, code}} back.
// Texts are made only for what the page shows: a table stays here, and the page asks for
// the rows in view; the files (CSV, TSV, results file) are made here as bytes.
//
// Stored tables reach the core as rows of TEMP and the eight properties (a Float64Array, BETA 0
// in a gas table), asked for by family and title when a calculation needs them. The user's
// tables live in the database in the browser, in the tables' own worker, which this one cannot
// wait for in the middle of a calculation: the op "tables" gives a family's titles (what the
// fluid lists show), and before each calculation the page hands over the points of the fluid
// it names (op "points": the rows readPoints gave, or its refusal's words), kept until the
// tables change. Until then, and where the browser's database cannot be had, the tables the
// program ships stand in.
import { loadCore, shippedTableReader } from './velmorantes.mjs';
import { plotSvg } from './plot.mjs';

let c = null;
let decimalComma = false;
const own = {};    // family -> {titles, points: Map(title -> Float64Array | refusal's words)}
const plots = {};  // the last plot of each view, kept for its files

function pointReader(family, fluid) {
  if (!own[family]) return shippedTableReader(c.tables, c.say)(family, fluid);
  return own[family].points.get(fluid) ?? c.say('velm::msg', 'LA TABLA %1 NO EXISTE EN EL ARCHIVO %2', [fluid, `${family}.mdb`]);
}

// The words of the page's lists in the language in force.
function lists() {
  const fluids = {};
  for (const family of ['GASES', 'LIQUIDOS'])
    fluids[family] = (own[family]?.titles ?? c.fluids(family)).map((title) => ({ title, shown: c.core.fluidName(family, title) }));
  const headings = {};
  for (const family of ['GASES', 'LIQUIDOS'])
    for (const english of [false, true]) headings[`${family} ${english}`] = c.core.resultHeadings(family, english);
  const cases = c.core.caseList().map((k) => ({ ...k, title: c.core.caseWords(k.name, false, 'K').title }));
  const entryUnits = { GASES: c.core.rowEntryUnits('GASES'), LIQUIDOS: c.core.rowEntryUnits('LIQUIDOS') };
  return { fluids, headings, cases, entryUnits };
}

function plotOf(view, data, size) {
  plots[view] = data;
  return data ? plotSvg(data, { ...size, tick: (v) => c.core.tickText(v), id: view }) : null;
}

const ops = {
  async init(args) {
    decimalComma = args.decimalComma;
    c = await loadCore({ language: args.language, decimalComma });
    c.core.setPointReader((family, fluid) => {
      try {
        return pointReader(family, fluid);
      } catch (e) {
        return String(e?.message ?? e);
      }
    });
    return lists();
  },
  language(args) {
    c.setLanguage(args.language, decimalComma);
    return lists();
  },
  // {family, titles}: the family's stored tables, their points to come; titles null: the
  // shipped tables again.
  tables(args) {
    if (args.titles) own[args.family] = { titles: args.titles, points: new Map() };
    else delete own[args.family];
    return lists();
  },
  // {family, fluid, points}: a Float64Array of the table's rows, or the words of its refusal.
  points(args) {
    own[args.family]?.points.set(args.fluid, args.points);
  },
  // Typed values read by the core's rules: `how` "leading" (the row-entry fields) or "number"
  // (the editing grid's cells: null where the text is not a number).
  read: (args) => args.texts.map((t) => (args.how === 'leading' ? c.core.leadingNumber(t) : c.core.parseNumber(t, decimalComma))),
  evaluate: (args) => c.core.evaluate({ ...args, decimalComma }),
  tabulate: (args) => c.core.tabulate({ ...args, decimalComma }),
  rows: (args) => c.core.tableRows(args.first, args.count),
  tableWords: () => c.core.tableWords({}),
  tablePlot(args) {
    return plotOf('tables', c.core.tablePlot(args.property, args.log), args.size);
  },
  tableFile: (args) => c.core.tableFile(args.kind, decimalComma),
  derive: (args) => c.core.derive({ ...args, decimalComma }),
  plotH(args) {
    const r = c.core.plotH({ ...args, decimalComma });
    return { ...r, svg: r.plot ? plotOf('convection', r.plot, args.size) : null, plot: undefined };
  },
  caseWords: (args) => c.core.caseWords(args.case, args.english, args.scale),
  // A view's last plot again, at the size of the file to save.
  plotImage: (args) => (plots[args.view] ? plotSvg(plots[args.view], { ...args.size, tick: (v) => c.core.tickText(v), id: args.view }) : null),
};

// The bytes of typed arrays in the result travel without a copy.
function transferables(value, found = []) {
  if (ArrayBuffer.isView(value)) found.push(value.buffer);
  else if (value && typeof value === 'object') for (const v of Object.values(value)) transferables(v, found);
  return found;
}

self.onmessage = async (event) => {
  const { id, op, args } = event.data;
  try {
    const result = await ops[op](args ?? {});
    self.postMessage({ id, result }, transferables(result));
  } catch (e) {
    self.postMessage({ id, error: { message: String(e?.message ?? e), code: e?.code ?? null } });
  }
};
