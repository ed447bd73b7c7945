"""What the Python module's tests share: velmorantes-calc's output for a state, a table stored
as the program's row entry stores it, and numbers by their bits."""

import csv
import io
import os
import sqlite3
import struct
import subprocess

import velmorantes

CALC = os.environ.get("VELM_CALC", "")
BUILT_IN = {
    "GASES": [("AIRE", 100, 3000), ("AMONIACO", 300, 580), ("CO", 200, 800), ("CO2", 280, 800),
              ("HELIO", 100, 1000), ("HIDROGENO", 100, 2000), ("NITROGENO", 100, 1300),
              ("OXIGENO", 100, 1300), ("VAPOR", 380, 850)],
    "LIQUIDOS": [("ACEITE", 273, 430), ("AGUA", 273, 573), ("AMONIACO", 223, 323), ("CO2", 223, 303),
                 ("FREON12", 230, 320), ("GLICERINA", 273, 320), ("GLICOL", 273, 373),
                 ("MERCURIO", 273, 600), ("SO2", 223, 323)],
}
KEYS = {"GASES": ["DEN", "CP", "MIU", "UN", "K", "ALFA", "PR"],
        "LIQUIDOS": ["DEN", "CP", "MIU", "UN", "K", "ALFA", "PR", "BETA"]}


def calc(folder, family, fluid, *args):
    """velmorantes-calc's CSV for a state: (temperatures, {key: values}, origins, messages)."""
    run = subprocess.run([CALC, "--family", family, "--fluid", fluid, "--format", "csv",
                          "--db-dir", str(folder), *args],
                         capture_output=True, text=True, cwd=folder, check=False)
    messages = list(dict.fromkeys(run.stderr.splitlines()))  # each once, in order
    rows = list(csv.reader(io.StringIO(run.stdout)))[1:]
    temperatures = [float(r[0]) for r in rows]
    values = {k: [float(r[1 + i]) for r in rows] for i, k in enumerate(KEYS[family])}
    return temperatures, values, [r[-1] for r in rows], messages


def bits(values):
    return [struct.pack("<d", float(v)) for v in values]


def make_table(folder, family, title, rows):
    """A stored table beside the shipped ones, as the program's row-entry screen keeps it."""
    velmorantes.fluids(family, db_dir=folder)  # the file, with the shipped tables
    columns = ["TEMP"] + KEYS[family]
    with sqlite3.connect(folder / f"{family}.mdb") as db:
        db.execute(f'CREATE TABLE "{title}" ({", ".join(f"{c} REAL" for c in columns)}) STRICT')
        db.executemany(f'INSERT INTO "{title}" VALUES ({", ".join("?" * len(columns))})', rows)
    db.close()
