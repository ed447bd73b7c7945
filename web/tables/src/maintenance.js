// The maintenance screens' rules, as the desktop's screens apply them (ui/frmTABLAS.cpp
// frmDATOS, ui/frmPRUEBA.cpp, ui/frmMODIFICAR.cpp with store/FluidTableModel.cpp): what each
// button does to the store and what the user is told. Every answer is a plain object for the
// page to show; a refusal changes nothing.
//
// Typed values arrive read by the core's own rules (engine/Entry.cpp, exported by the page's
// WebAssembly core): a row-entry field as its leading number, a grid cell as the entry boxes
// read it, null when that is not a number.

import { msg } from './messages.js';
import { columnsOf, storedValue } from './schema.js';
import { UserError } from './texts.js';

export const OPERATIONS = ['AGREGAR', 'MODIFICAR', 'ELIMINAR'];

function refusal(e) {
  if (e instanceof UserError) return e.message;
  throw e;
}

// The title screen's button (frmDATOS cmdINSERTAR_Click). `clear`: empty the title box;
// `next`: the screen to show ("frmPRUEBA", "frmMODIFICAR", or "fluids" for the family's fluid
// screen); `message`: the box to show first.
export function titleOperation(store, operation, title) {
  if (title === '') return { message: msg.askTitle(operation) ?? null, clear: false, next: null };
  try {
    const exists = store.titleExists(title);
    if (operation === 'AGREGAR') {
      if (exists) return { message: msg.exists(title), clear: true, next: null };
      store.createTable(title);
      return { message: null, clear: false, next: 'frmPRUEBA' };
    }
    if (operation === 'MODIFICAR') {
      if (!exists) return { message: msg.cannotModify(title), clear: true, next: null };
      return { message: null, clear: false, next: 'frmMODIFICAR' };
    }
    if (operation === 'ELIMINAR') {
      if (!exists) return { message: msg.cannotDelete(title), clear: true, next: null };
      store.deleteTable(title);
      return { message: msg.deleted(title), clear: false, next: 'fluids' };
    }
    return { message: null, clear: false, next: null };
  } catch (e) {
    // The file or the engine refused: say so and let the user try again.
    return { message: refusal(e), clear: false, next: null };
  }
}

// The row-entry screen's AGREGAR (frmPRUEBA): the row appended. `values` holds the fields'
// leading numbers, TEMP … PR and, for liquids, BETA. On a refusal the fields stay for the user
// to mend (`clear` false).
export function addRow(store, title, values) {
  try {
    store.appendRow(title, values);
    return { message: null, clear: true };
  } catch (e) {
    return { message: refusal(e), clear: false };
  }
}

// A cell's value as it would be stored; `number` null when what was typed is not a number.
function cellValue(store, column, number) {
  if (typeof number !== 'number') throw new UserError(msg.notANumber());
  const stored = storedValue(number);
  if (stored === null) throw new UserError(msg.valueNotStorable(columnsOf(store.family)[column]));
  return stored;
}

// A value typed into a stored row's cell. `value`: what the cell now holds; `message`: the
// grid's error box ("Data error event hit err:" and the reason), the cell unchanged.
export function setCell(store, title, rowid, column, number) {
  try {
    const value = cellValue(store, column, number);
    store.setValue(title, rowid, column, value);
    return { value, message: null };
  } catch (e) {
    return { value: null, message: msg.dataError(refusal(e)) };
  }
}

// A value typed into the grid's empty last row: the row is stored, zeros in its other cells;
// a value that is refused takes the row back out, so nothing is left half-stored.
export function newRowCell(store, title, column, number) {
  let rowid = null;
  try {
    const value = cellValue(store, column, number);
    [rowid] = store.appendZeroRows(title, 1);
    store.setValue(title, rowid, column, value);
    return { rowid, values: columnsOf(store.family).map((c, i) => (i === column ? value : 0)), message: null };
  } catch (e) {
    if (rowid !== null) {
      try {
        store.deleteRows(title, [rowid]);
      } catch {
        // the row of zeros stays, as the grid shows it
      }
    }
    return { rowid: null, values: null, message: msg.dataError(refusal(e)) };
  }
}

// The grid's Eliminar on a stored row.
export function deleteRow(store, title, rowid) {
  try {
    store.deleteRows(title, [rowid]);
    return { message: null };
  } catch (e) {
    return { message: msg.dataError(refusal(e)) };
  }
}
