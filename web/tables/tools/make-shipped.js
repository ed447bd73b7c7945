// Writes src/shipped.generated.js from data/reference: the shipped table of every built-in
// fluid, in the catalogue's order (the desktop's seeding order, which the tests hold it to).
// `node tools/make-shipped.js --check` only compares.

import { readFileSync, writeFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';

const root = fileURLToPath(new URL('../../../', import.meta.url));
const out = fileURLToPath(new URL('../src/shipped.generated.js', import.meta.url));

const CATALOGUE = {
  GASES: ['gases', ['AIRE', 'AMONIACO', 'CO', 'CO2', 'HELIO', 'HIDROGENO', 'NITROGENO', 'OXIGENO', 'VAPOR']],
  LIQUIDOS: ['liquids', ['ACEITE', 'AGUA', 'AMONIACO', 'CO2', 'FREON12', 'GLICERINA', 'GLICOL', 'MERCURIO', 'SO2']],
};

let js = '// Written by tools/make-shipped.js from data/reference: do not edit.\n\nexport const SHIPPED_CSV = {\n';
for (const [family, [folder, names]] of Object.entries(CATALOGUE)) {
  js += `  ${family}: [\n`;
  for (const name of names) {
    const csv = readFileSync(`${root}data/reference/${folder}/${name}.csv`, 'utf8');
    js += `    [${JSON.stringify(name)}, ${JSON.stringify(csv)}],\n`;
  }
  js += '  ],\n';
}
js += '};\n';

if (process.argv.includes('--check')) {
  if (readFileSync(out, 'utf8') !== js) {
    console.error('src/shipped.generated.js differs from data/reference: run node tools/make-shipped.js');
    process.exit(1);
  }
} else {
  writeFileSync(out, js);
}
