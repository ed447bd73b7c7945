// Files in and out: a desktop database opened, merged and replaced; a damaged or foreign file
// refused with the tables untouched; each old Access file converted as velmorantes-import
// converts it, table for table, row for row and line for line.

import assert from 'node:assert/strict';
import { test } from 'node:test';

import { applyFile, conflicts, inspectFile, saveFile } from '../src/transfer.js';
import { FluidStore } from '../src/store.js';
import { contents, desktopFiles, importer, inFolder, join, newFiles, readFileSync, repository, run, shipped, sqlite3, writeFileSync } from './support.js';

const context = { sqlite3, shipped };

// A desktop file with a table of its own beside the shipped ones, made by the desktop itself.
function desktopFileWith(dir) {
  desktopFiles(dir);
  const files = newFiles();
  files.setBytes('GASES', readFileSync(join(dir, 'GASES.mdb')));
  return files;
}

test('a desktop file is shown, then replaces the tables or is merged into them, asking before it overwrites', () => {
  inFolder((dir) => {
    const desktop = desktopFiles(dir);
    const mine = newFiles();
    const store = new FluidStore(mine, 'GASES');
    store.createTable('PROPIA');
    store.deleteTable('AIRE');
    store.appendRow('co', [300, 1, 1, 1, 1, 1, 1, 1]);

    const opened = inspectFile(context, 'GASES', 'GASES.mdb', desktop.GASES);
    assert.equal(opened.lines[0], 'EL ARCHIVO GASES.mdb TRAE 9 TABLAS:');
    assert.equal(opened.lines[1], '  "AIRE": 35 FILAS');
    assert.deepEqual(conflicts(store, opened), ['AMONIACO', 'CO', 'CO2', 'HELIO', 'HIDROGENO', 'NITROGENO', 'OXIGENO', 'VAPOR']);

    // merging overwrites CO only, as asked; AIRE, which it lacked, comes in
    assert.equal(applyFile(store, opened, 'merge', ['CO']).message, 'SE HAN AÑADIDO A GASES.mdb LAS TABLAS ELEGIDAS DEL ARCHIVO GASES.mdb');
    assert.deepEqual(store.listFluidTables(), ['AMONIACO', 'CO2', 'HELIO', 'HIDROGENO', 'NITROGENO', 'OXIGENO', 'VAPOR', 'PROPIA', 'AIRE', 'CO']);
    assert.equal(store.readRows('CO').length, shipped.GASES[2].rows.length);

    // replacing leaves exactly the desktop's tables, which the desktop reads as its own
    assert.equal(applyFile(store, opened, 'replace').message, 'LAS TABLAS DE GASES.mdb SON AHORA LAS DEL ARCHIVO GASES.mdb');
    const saved = saveFile(mine, 'GASES');
    assert.equal(saved.name, 'GASES.mdb');
    assert.deepEqual(contents(saved.bytes), contents(desktop.GASES));
    writeFileSync(join(dir, 'GASES.mdb'), saved.bytes);
    assert.equal(run('sqlite3', [join(dir, 'GASES.mdb'), 'PRAGMA integrity_check']).stdout.trim(), 'ok');
  });
});

test('a file that is not one of the family\'s databases, or is damaged, is refused and changes nothing', () => {
  inFolder((dir) => {
    const desktop = desktopFiles(dir);
    const files = newFiles();
    const store = new FluidStore(files, 'GASES');
    store.createTable('PROPIA');
    const before = files.bytes('GASES');
    const damaged = Uint8Array.from(desktop.GASES);
    damaged.fill(0x55, 4096 * 3, 4096 * 3 + 300);
    const truncated = desktop.GASES.subarray(0, 4096 * 5);
    const cases = [
      ['GASES.mdb', damaged, /^ERROR DE LA BASE DE DATOS EN EL ARCHIVO GASES.mdb \(.+\); NO SE HA MODIFICADO$/],
      ['GASES.mdb', truncated, /^ERROR DE LA BASE DE DATOS EN EL ARCHIVO GASES.mdb \(.+\); NO SE HA MODIFICADO$/],
      ['LIQUIDOS.mdb', desktop.LIQUIDOS, /^LA TABLA ACEITE DEL ARCHIVO LIQUIDOS.mdb NO TIENE LAS COLUMNAS DE UNA TABLA DE GASES; NO SE HA TOMADO NINGUNA TABLA$/],
      ['notas.txt', new TextEncoder().encode('TEMP,DEN\n300,1\n'), /^EL ARCHIVO notas.txt NO ES UNA BASE DE DATOS DEL PROGRAMA NI DE ACCESS; NO SE HA LEIDO NI MODIFICADO$/],
      ['vacio.mdb', new Uint8Array(0), /^EL ARCHIVO vacio.mdb NO ES UNA BASE DE DATOS DEL PROGRAMA NI DE ACCESS/],
      ['cabecera.mdb', new TextEncoder().encode('SQLite format 3\0' + 'x'.repeat(600)), /^EL ARCHIVO cabecera.mdb NO ES UNA BASE DE DATOS SQLITE; NO SE HA LEIDO NI MODIFICADO$/],
    ];
    for (const [name, bytes, refusal] of cases) {
      assert.throws(() => inspectFile(context, 'GASES', name, bytes), { message: refusal }, name);
      assert.deepEqual(files.bytes('GASES'), before, name);
    }
  });
});

// What velmorantes-import writes and says, with the paths as the page names the files.
function desktopConversion(dir, source, family) {
  const out = join(dir, `${family}-${Math.random().toString(36).slice(2)}.mdb`);
  const r = run(importer, [source, out, '--family', family]);
  const said = (r.stdout + r.stderr).replaceAll(source, 'ANTIGUO.mdb').replaceAll(out, `${family}.mdb`).trim().split('\n');
  return { status: r.status, said, bytes: r.status === 2 ? null : readFileSync(out) };
}

const accessFiles = (folder) => ['GASES.mdb', 'LIQUIDOS.mdb'].map((f) => join(folder, f));

test('each old Access file converts as velmorantes-import converts it', () => {
  inFolder((dir) => {
    const sources = [...accessFiles(join(repository, 'tests/data/legacy-mdb')), ...accessFiles(join(repository, '../shared/fixtures/legacy-mdb'))];
    // damaged copies: cut short, an unknown version, not Access at all
    const original = readFileSync(sources[0]);
    const variants = [
      ['cut.mdb', original.subarray(0, original.length - 1000)],
      ['version.mdb', Uint8Array.from(original, (b, i) => (i === 0x14 ? 9 : b))],
      ['header.mdb', Uint8Array.from(original, (b, i) => (i === 5 ? 0 : b))],
    ];
    for (const [name, bytes] of variants) {
      writeFileSync(join(dir, name), bytes);
      sources.push(join(dir, name));
    }
    let compared = 0;
    for (const source of sources) {
      let bytes;
      try {
        bytes = readFileSync(source);
      } catch {
        continue;  // the shared fixtures are not beside every checkout
      }
      for (const family of ['GASES', 'LIQUIDOS']) {
        const desktop = desktopConversion(dir, source, family);
        const files = newFiles();
        const store = new FluidStore(files, family);
        store.createTable('ANTERIOR');
        const before = files.bytes(family);
        if (desktop.status === 2) {
          // the page's open takes the program's own files too, and says so of any other
          const refusal = desktop.said.join('\n').replace(
            'NO ES UNA BASE DE DATOS DE ACCESS; NO SE HA CONVERTIDO NI MODIFICADO',
            'NO ES UNA BASE DE DATOS DEL PROGRAMA NI DE ACCESS; NO SE HA LEIDO NI MODIFICADO');
          assert.throws(() => inspectFile(context, family, 'ANTIGUO.mdb', bytes), { message: refusal }, source);
          assert.deepEqual(files.bytes(family), before);
          continue;
        }
        const page = inspectFile(context, family, 'ANTIGUO.mdb', bytes);
        assert.deepEqual(page.lines, desktop.said, `${source} ${family}`);
        applyFile(store, page, 'replace');
        assert.deepEqual(contents(files.bytes(family)), contents(desktop.bytes), `${source} ${family}`);
        ++compared;
      }
    }
    assert.ok(compared >= 4);
  });
});
