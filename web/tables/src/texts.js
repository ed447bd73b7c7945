// The texts the user reads, by their Spanish source and the context the desktop gives them, so
// that the page translates them from the same translation file (translations/velmorantes_en.ts).
// Until the page plugs its translator in, the source texts stand.

let translator = (context, source) => source;

// `translate(context, source)` gives the text in the interface's language.
export function setTranslator(translate) {
  translator = translate ?? ((context, source) => source);
}

// Every text this folder shows, as [context, source]: the test holds them against the
// translation file.
export const usedTexts = [];

// A source text, marked once where it is written; its translation is looked up when shown.
export function text(context, source) {
  usedTexts.push([context, source]);
  return { context, source };
}

export function tr(t) {
  return translator(t.context, t.source);
}

// The pattern with each %N (N = 1 … 9) replaced by the N-th value, in one pass, as the
// desktop's text layer fills it: a value that itself holds "%1" is never filled in again.
export function fill(pattern, values) {
  return pattern.replace(/%([1-9])/g, (whole, n) => (Number(n) <= values.length ? String(values[n - 1]) : whole));
}

export function say(t, ...values) {
  return fill(tr(t), values);
}

// What every operation throws at the user: the message is the whole text, in the program's words.
export class UserError extends Error {
  constructor(message) {
    super(message);
    this.name = 'UserError';
  }
}
