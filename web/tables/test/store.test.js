// The page's tables against the desktop's: the same seeded files, the same rules and words for
// every maintenance step, refusals that change nothing, and files that move both ways.

import assert from 'node:assert/strict';
import { test } from 'node:test';

import { addRow, newRowCell, setCell, titleOperation } from '../src/maintenance.js';
import { FluidStore, POINT_STRIDE } from '../src/store.js';
import { contents, desktopFiles, inFolder, join, newFiles, run, calc, writeFileSync } from './support.js';

test('a new file holds the tables the desktop seeds, in its order, byte for byte in schema and values', () => {
  inFolder((dir) => {
    const desktop = desktopFiles(dir);
    const files = newFiles();
    for (const family of ['GASES', 'LIQUIDOS']) assert.deepEqual(contents(files.bytes(family)), contents(desktop[family]), family);
  });
});

test('the title screen refuses, creates, edits and deletes as the desktop does', () => {
  const store = new FluidStore(newFiles(), 'GASES');
  const steps = [
    ['AGREGAR', '', { message: 'ESCRIBA EL TITULO DE LA TABLA QUE DESEA AGREGAR ', clear: false, next: null }],
    ['MODIFICAR', '', { message: 'ESCRIBA EL TITULO DE LA TABLA QUE DESEA MODIFICAR ', clear: false, next: null }],
    ['AGREGAR', 'aire', { message: 'LA TABLA aire YA EXISTE,  ASIGNELE UN NOMBRE DIFERENTE', clear: true, next: null }],
    ['AGREGAR', 'sqlite_x', { message: 'LA TABLA sqlite_x YA EXISTE,  ASIGNELE UN NOMBRE DIFERENTE', clear: true, next: null }],
    ['AGREGAR', ' Mi gas', { message: null, clear: false, next: 'frmPRUEBA' }],
    ['MODIFICAR', 'mi gas', { message: 'LA TABLA mi gas NO EXISTE, ¡ ¡ ¡ ¡ ¡  ANTES DE MODIFICARLA TIENE QUE CREARLA  ! ! ! !', clear: true, next: null }],
    ['MODIFICAR', ' MI GAS', { message: null, clear: false, next: 'frmMODIFICAR' }],
    ['ELIMINAR', 'X', { message: 'LA TABLA X NO EXISTE, ¡ ¡ ¡ ¡ ¡  NO PUEDE ELIMINARLA  ! ! ! !', clear: true, next: null }],
    ['ELIMINAR', 'helio', { message: 'LA TABLA helio HA SIDO ELIMINADA', clear: false, next: 'fluids' }],
    ['ELIMINAR', 'sqlite_master', { message: 'LA TABLA sqlite_master NO EXISTE EN EL ARCHIVO GASES.mdb', clear: false, next: null }],
  ];
  for (const [operation, title, answer] of steps) assert.deepEqual(titleOperation(store, operation, title), answer, `${operation} "${title}"`);
  assert.deepEqual(store.listFluidTables(), ['AIRE', 'AMONIACO', 'CO', 'CO2', 'HIDROGENO', 'NITROGENO', 'OXIGENO', 'VAPOR', ' Mi gas']);
});

test('rows are entered, edited and refused as the desktop does, and a refusal changes nothing', () => {
  const files = newFiles();
  const store = new FluidStore(files, 'LIQUIDOS');
  store.createTable('T');
  // The fields' leading numbers, as the page's core reads them, then what is stored or the refusal.
  const entries = [
    [[1, 1000, 0.0025, 0, 16, 0, -1, 1.1614, 7], [1, 1000, Math.fround(0.0025), 0, 16, 0, -1, Math.fround(1.1614), 7]],
    [[300, 1e39, 0, 0, 0, 0, 0, 0, 0], 'EL VALOR DE DEN NO ES UN NUMERO FINITO DE PRECISION SIMPLE; NO SE HA GUARDADO'],
    [[Infinity, 0, 0, 0, 0, 0, 0, 0, 0], 'EL VALOR DE TEMP NO ES UN NUMERO FINITO DE PRECISION SIMPLE; NO SE HA GUARDADO'],
    [[300, 1], 'UNA FILA DE ESTA TABLA LLEVA 9 VALORES (SE DIERON 2); NO SE HA GUARDADO'],
  ];
  for (const [values, want] of entries) {
    const before = files.bytes('LIQUIDOS');
    const r = addRow(store, 'T', values);
    if (typeof want === 'string') {
      assert.deepEqual(r, { message: want, clear: false });
      assert.deepEqual(files.bytes('LIQUIDOS'), before);
    } else {
      assert.deepEqual(r, { message: null, clear: true });
      assert.deepEqual(store.readRows('T').at(-1).values, want);
    }
  }
  const [{ rowid }] = store.readRows('T');
  // A cell's value as read (null: what was typed is not a number).
  const edits = [
    ['T', rowid, 0, 250, { value: 250, message: null }],
    ['T', rowid, 1, null, { value: null, message: 'Data error event hit err: DEBE INTRODUCIR UN NUMERO' }],
    ['t', rowid, 1, 1.1614, { value: Math.fround(1.1614), message: null }],
    ['T', rowid, 2, 3.5e38, { value: null, message: 'Data error event hit err:EL VALOR DE CP NO ES UN NUMERO FINITO DE PRECISION SIMPLE; NO SE HA GUARDADO' }],
    ['T', 999, 1, 2, { value: null, message: 'Data error event hit err:LA FILA YA NO EXISTE EN LA TABLA T DEL ARCHIVO LIQUIDOS.mdb' }],
  ];
  for (const [title, row, column, number, want] of edits) {
    const before = files.bytes('LIQUIDOS');
    assert.deepEqual(setCell(store, title, row, column, number), want, String(number));
    if (want.message) assert.deepEqual(files.bytes('LIQUIDOS'), before);
  }
  const added = newRowCell(store, 'T', 0, 400);
  assert.deepEqual(added.values, [400, 0, 0, 0, 0, 0, 0, 0, 0]);
  const before = store.readRows('T');
  assert.equal(newRowCell(store, 'T', 3, null).message, 'Data error event hit err: DEBE INTRODUCIR UN NUMERO');
  assert.deepEqual(store.readRows('T'), before);
});

// The rows of a table as the desktop's store reads them from the file: every value as the
// double it holds, through the sqlite3 program.
function desktopReading(dir, family, table) {
  const columns = family === 'GASES' ? 8 : 9;
  const names = ['TEMP', 'DEN', 'CP', 'MIU', 'UN', 'K', 'ALFA', 'PR', 'BETA'].slice(0, columns);
  const r = run('sqlite3', [join(dir, `${family}.mdb`), `SELECT ${names.map((c) => `printf('%!.17g', "${c}")`).join(',')} FROM "${table}"`]);
  assert.equal(r.status, 0, r.stderr);
  return r.stdout.trim().split('\n').map((line) => line.split('|').map(Number));
}

test('a stored table is read as the desktop reads it, and a file of the page is one the desktop evaluates', () => {
  inFolder((dir) => {
    const files = newFiles();
    for (const [family, fluid] of [['GASES', 'MI GAS'], ['LIQUIDOS', 'MI LIQUIDO']]) {
      const store = new FluidStore(files, family);
      store.createTable(fluid);
      const width = store.columns.length;
      for (const T of [400, 300, 350, 300]) store.appendRow(fluid, Array.from({ length: width }, (_, i) => (i === 0 ? T : T * (i + 1) * 1.1e-3)));
      writeFileSync(join(dir, `${family}.mdb`), files.bytes(family));
      for (const table of [fluid, 'AIRE', 'AGUA'].filter((t) => store.storedName(t) === t)) {
        const points = store.readPoints(table);
        const desktop = desktopReading(dir, family, table);
        assert.equal(points.length, desktop.length * POINT_STRIDE, table);
        desktop.forEach((row, r) => row.forEach((v, i) => assert.ok(Object.is(points[r * POINT_STRIDE + i], v), `${table} ${r} ${i}`)));
      }
      // The desktop takes the page's file as its own: the table's point at 350 K, exactly.
      const args = ['--db-dir', dir, '--family', family, '--fluid', fluid, '--temp', '350', '--format', 'csv'];
      const r = run(calc, family === 'GASES' ? [...args, '--pressure', '101.3'] : args);
      assert.equal(r.status, 0, r.stderr);
      assert.match(r.stdout.trim().split('\n').at(-1), /^350,/);
    }
    assert.deepEqual(new FluidStore(files, 'GASES').readPoints('AIRE').slice(0, 3), new Float64Array([100, 3.5562000274658203, 1.031999945640564]));
  });
});

test('a stored value no float holds, or no number at all, is refused with the desktop\'s words', () => {
  const files = newFiles();
  files.use('GASES', (db) => db.exec('CREATE TABLE "X" ("TEMP" REAL, "DEN" REAL, "CP" REAL, "MIU" REAL, "UN" REAL, "K" REAL, "ALFA" REAL, "PR" REAL); INSERT INTO X VALUES (1,2,3,4,5,6,7,1e300)'));
  assert.throws(() => new FluidStore(files, 'GASES').readPoints('x'), { message: 'LA TABLA X DEL ARCHIVO GASES.mdb TIENE UN VALOR QUE NO CABE EN PRECISION SIMPLE EN LA COLUMNA PR (¿SE MODIFICO FUERA DEL PROGRAMA?)' });
  files.use('GASES', (db) => db.exec("UPDATE X SET PR = 1, K = 'a'"));
  assert.throws(() => new FluidStore(files, 'GASES').readPoints('X'), { message: 'LA TABLA X DEL ARCHIVO GASES.mdb TIENE UN VALOR VACIO O NO NUMERICO EN LA COLUMNA K (¿SE MODIFICO FUERA DEL PROGRAMA?)' });
  assert.throws(() => new FluidStore(files, 'GASES').readPoints('Y'), { message: 'LA TABLA Y NO EXISTE EN EL ARCHIVO GASES.mdb' });
});
