// The page's texts from the translation file (Qt Linguist's .ts): the English of every text
// the core renders in the browser, and of the page's own words, listed in page/texts.js.
// A page text without a finished translation stops the build, as the translation test stops
// the desktop's.
import fs from 'node:fs';

const entities = { amp: '&', lt: '<', gt: '>', quot: '"', apos: "'" };
function unescape(text) {
  return text.replace(/&(#x[0-9a-fA-F]+|#[0-9]+|[a-z]+);/g, (whole, e) => {
    if (e[0] !== '#') return entities[e] ?? whole;
    return String.fromCodePoint(e[1] === 'x' ? parseInt(e.slice(2), 16) : parseInt(e.slice(1), 10));
  });
}

// Every message of the file: {context, source, translation, finished}.
export function parseTs(xml) {
  const messages = [];
  for (const [, body] of xml.matchAll(/<context>([\s\S]*?)<\/context>/g)) {
    const context = unescape(body.match(/<name>([\s\S]*?)<\/name>/)[1]);
    for (const [, message] of body.matchAll(/<message[^>]*>([\s\S]*?)<\/message>/g)) {
      const source = unescape(message.match(/<source>([\s\S]*?)<\/source>/)[1]);
      const t = message.match(/<translation([^>]*)>([\s\S]*?)<\/translation>|<translation([^>]*)\/>/);
      const attributes = (t && (t[1] ?? t[3])) || '';
      const translation = t && t[2] !== undefined ? unescape(t[2]) : '';
      messages.push({ context, source, translation, finished: !/type="(unfinished|obsolete|vanished)"/.test(attributes) });
    }
  }
  return messages;
}

export function readTranslations(file) {
  return parseTs(fs.readFileSync(file, 'utf8'));
}

// The keys of the page's texts and their context and source: page/texts.js run with
// QT_TRANSLATE_NOOP giving both.
export function pageTexts(script) {
  const run = new Function('QT_TRANSLATE_NOOP', `${script}\nreturn PAGE_TEXTS;`);
  return run((context, source) => [context, source]);
}

// The core renders its messages and data in these contexts; the desktop's screens, the
// calculator's help and the programs' start are not the page's.
const coreContext = (c) => c.startsWith('velm::') && !['velm::calc', 'velm::import', 'velm::start', 'velm::language'].includes(c);

export const KEY_SEPARATOR = '\u0004';

// {en: {"context\u0004source": English}, page: {key: [context, source]}}; `shown`: more
// [context, source] the page shows (the user's tables' words), held to a translation too.
export function textsForPage(messages, page, shown = []) {
  const en = {};
  const byKey = new Map(messages.map((m) => [m.context + KEY_SEPARATOR + m.source, m]));
  for (const m of messages)
    if (coreContext(m.context) && m.finished && m.translation) en[m.context + KEY_SEPARATOR + m.source] = m.translation;
  const missing = [];
  for (const [context, source] of [...Object.values(page), ...shown]) {
    const m = byKey.get(context + KEY_SEPARATOR + source);
    if (!m || !m.finished || !m.translation) missing.push(`${context}: ${source}`);
    else en[context + KEY_SEPARATOR + source] = m.translation;
  }
  if (missing.length)
    throw new Error(`the page's texts without a finished English translation in velmorantes_en.ts ` +
                    `(run the velm_lupdate target and translate them):\n  ${missing.join('\n  ')}`);
  return { en, page };
}
