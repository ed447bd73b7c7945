"""The Python module's convection() against velmorantes-calc --convection: the same values to
the bit, the same messages and codes, its arguments as each case takes them."""

import csv
import io
import math
import subprocess
import warnings

import numpy as np
import pytest

import velmorantes
from support import CALC, bits, make_table

def calc_convection(folder, family, fluid, case, options):
    """velmorantes-calc --convection's CSV rows (dicts, "" where a field does not apply), its
    messages (each once, in order) and its exit status."""
    run = subprocess.run([CALC, "--family", family, "--fluid", fluid, "--convection", case, "--format", "csv",
                          "--db-dir", str(folder), *options],
                         capture_output=True, text=True, cwd=folder, check=False)
    return list(csv.DictReader(io.StringIO(run.stdout))), list(dict.fromkeys(run.stderr.splitlines())), run.returncode


def options_of(kwargs):
    """The calculator's options for the module's arguments; a sweep (FROM, TO, STEP) as --vary."""
    options = []
    for name, value in kwargs.items():
        option = name.replace("_", "-")
        if isinstance(value, tuple):
            options += ["--vary", option, "--sweep", ":".join(repr(float(v)) for v in value)]
        else:
            options += ["--" + option, value if isinstance(value, str) else repr(value)]
    return options


def swept(first, last, step):
    """The calculator's values of FROM:TO:STEP."""
    return np.array([first + i * step for i in range(math.floor((last - first) / step + 1e-9) + 1)])


def convection(family, fluid, case, **kwargs):
    """convection() with a sweep given as (FROM, TO, STEP), and the warnings it issued."""
    kwargs = {k: swept(*v) if isinstance(v, tuple) else v for k, v in kwargs.items()}
    with warnings.catch_warnings(record=True) as caught:
        warnings.simplefilter("always")
        result = velmorantes.convection(family, fluid, case, **kwargs)
    return result, [str(w.message) for w in caught if w.category is velmorantes.RangeWarning]


AIR = dict(pressure=101.3)
CONVECTION = [
    # one row per case, both families where the case is met with both; then sweeps of each input
    ("GASES", "AIRE", "flat-plate", dict(surface_temp=350, fluid_temp=300, length=1, velocity=5, **AIR)),
    ("LIQUIDOS", "AGUA", "flat-plate", dict(surface_temp=350, fluid_temp=300, length=1, velocity=2)),
    ("GASES", "AIRE", "cylinder", dict(surface_temp=400, fluid_temp=300, diameter=0.05, velocity=10, **AIR)),
    ("GASES", "AIRE", "cylinder", dict(surface_temp=301, fluid_temp=300, diameter=1e-4, velocity=0.01, **AIR)),
    ("LIQUIDOS", "ACEITE", "cylinder", dict(surface_temp=60, fluid_temp=20, diameter=0.02, velocity=1, scale="ºC")),
    ("GASES", "AIRE", "sphere", dict(surface_temp=350, fluid_temp=300, diameter=0.01, velocity=5, **AIR)),
    ("LIQUIDOS", "AGUA", "sphere", dict(surface_temp=320, fluid_temp=300, diameter=0.01, velocity=0.5)),
    ("GASES", "AIRE", "tube", dict(surface_temp=400, fluid_temp=300, diameter=0.05, velocity=10,
                                   correlation="dittus-boelter", **AIR)),
    ("LIQUIDOS", "AGUA", "tube", dict(surface_temp=340, fluid_temp=300, diameter=0.01, velocity=0.01,
                                      tube_condition="flux")),
    ("LIQUIDOS", "AGUA", "tube", dict(surface_temp=280, fluid_temp=300, diameter=0.02, velocity=(0.01, 1, 0.01))),
    ("GASES", "AIRE", "vertical-plate", dict(surface_temp=(310, 400, 2.5), fluid_temp=300, length=0.5, **AIR)),
    ("LIQUIDOS", "AGUA", "vertical-plate", dict(surface_temp=330, fluid_temp=300, length=0.3)),
    ("GASES", "CO2", "horizontal-cylinder", dict(surface_temp=400, fluid_temp=300, diameter=0.1, pressure=200)),
    ("LIQUIDOS", "GLICERINA", "sphere-free", dict(surface_temp=310, fluid_temp=290, diameter=0.05)),
    ("GASES", "AIRE", "horizontal-plate-up", dict(surface_temp=400, fluid_temp=300, area=0.25, perimeter=2, **AIR)),
    ("LIQUIDOS", "AGUA", "horizontal-plate-down", dict(surface_temp=340, fluid_temp=300, length=(0.01, 0.5, 0.01))),
    ("GASES", "NITROGENO", "sphere", dict(surface_temp=200, fluid_temp=100, diameter=(0.5, 3, 0.25), velocity=10,
                                          pressure=14.7, units="INGLES")),
    ("LIQUIDOS", "AGUA", "horizontal-plate-up", dict(surface_temp=120, fluid_temp=60, area=1, perimeter=4,
                                                     units="INGLES", scale="F")),
]


@pytest.mark.parametrize("family,fluid,case,kwargs", CONVECTION,
                         ids=[f"{i}-{c[2]}-{c[1]}" for i, c in enumerate(CONVECTION)])
def test_convection_equals_the_calculator_to_the_bit(tmp_path, family, fluid, case, kwargs):
    rows, messages, status = calc_convection(tmp_path, family, fluid, case, options_of(kwargs))
    assert status == 0 and rows
    got, warned = convection(family, fluid, case, db_dir=tmp_path, **kwargs)
    assert list(got) == list(rows[0])
    assert warned == messages
    scalar = not any(isinstance(v, tuple) for v in kwargs.values())
    assert len(rows) == 1 or not scalar
    for key, value in got.items():
        expected = [row[key] for row in rows]
        if key in ("CASO", "CORRELACION"):
            assert (value if scalar else list(value)) == (expected[0] if scalar else expected), key
        elif expected[0] == "":
            assert value is None and set(expected) == {""}, key
        else:
            assert isinstance(value, float) if scalar else value.dtype == np.float64, key
            assert bits([value] if scalar else value) == bits(expected), key


def test_convection_from_a_stored_table_reads_it_and_a_built_in_fluid_in_range_reads_nothing(tmp_path):
    make_table(tmp_path, "LIQUIDOS", "MEDIDO", [(300, 1000, 4, 0.5, 0.4, 0.6, 1e-7, 7, 2e-4),
                                                 (400, 950, 4.5, 0.125, 0.2, 0.75, 2e-7, 3, 5e-4)])
    kwargs = dict(surface_temp=360, fluid_temp=320, length=0.2)
    rows, messages, _ = calc_convection(tmp_path, "LIQUIDOS", "MEDIDO", "vertical-plate", options_of(kwargs))
    got, warned = convection("LIQUIDOS", "MEDIDO", "vertical-plate", db_dir=tmp_path, **kwargs)
    assert bits([got["H"], got["BETA"]]) == bits([rows[0]["H"], rows[0]["BETA"]]) and warned == messages

    empty = tmp_path / "empty"
    empty.mkdir()
    convection("GASES", "AIRE", "cylinder", surface_temp=350, fluid_temp=300, diameter=0.1, velocity=3,
               pressure=101.3, db_dir=empty)
    assert list(empty.iterdir()) == []


CONVECTION_REFUSALS = [
    # what, family, fluid, case, the arguments, the message's code
    ("velocity zero", "GASES", "AIRE", "flat-plate", dict(surface_temp=350, fluid_temp=300, length=1, velocity=0, **AIR),
     "VELOCITY_NOT_POSITIVE"),
    ("length negative", "LIQUIDOS", "AGUA", "vertical-plate", dict(surface_temp=350, fluid_temp=300, length=-1),
     "LENGTH_NOT_POSITIVE"),
    ("diameter zero", "LIQUIDOS", "AGUA", "sphere-free", dict(surface_temp=350, fluid_temp=300, diameter=0),
     "DIAMETER_NOT_POSITIVE"),
    ("perimeter zero", "LIQUIDOS", "AGUA", "horizontal-plate-up",
     dict(surface_temp=350, fluid_temp=300, area=1, perimeter=0), "PERIMETER_NOT_POSITIVE"),
    ("below 0 K", "LIQUIDOS", "AGUA", "vertical-plate", dict(surface_temp=-300, fluid_temp=20, length=1, scale="ºC"),
     "TEMPERATURE_DOES_NOT_EXIST"),
    ("zero pressure", "GASES", "AIRE", "vertical-plate", dict(surface_temp=350, fluid_temp=300, length=1, pressure=0),
     "ZERO_PRESSURE"),
    ("unknown fluid", "LIQUIDOS", "NOEXISTE", "vertical-plate", dict(surface_temp=350, fluid_temp=300, length=1),
     "TABLE_UNREADABLE"),
    ("a velocity swept to zero", "LIQUIDOS", "AGUA", "cylinder",
     dict(surface_temp=350, fluid_temp=300, diameter=0.1, velocity=(2, -2, -1)), "VELOCITY_NOT_POSITIVE"),
    ("not a number", "LIQUIDOS", "AGUA", "vertical-plate", dict(surface_temp=math.nan, fluid_temp=300, length=1),
     "NOT_A_NUMBER"),
    ("not computable", "LIQUIDOS", "CERO", "vertical-plate", dict(surface_temp=350, fluid_temp=300, length=1),
     "NOT_COMPUTABLE"),
]


@pytest.mark.parametrize("what,family,fluid,case,kwargs,code", CONVECTION_REFUSALS,
                         ids=[r[0] for r in CONVECTION_REFUSALS])
def test_every_convection_refusal_raises_error_with_the_programs_message(tmp_path, what, family, fluid, case, kwargs,
                                                                         code):
    if fluid == "CERO":  # ν = 0: Gr divides by it
        make_table(tmp_path, family, fluid, [(300, 1000, 4, 0, 0, 0.6, 1e-7, 7, 2e-4),
                                             (400, 950, 4.5, 0, 0, 0.75, 2e-7, 3, 5e-4)])
    _, messages, status = calc_convection(tmp_path, family, fluid, case, options_of(kwargs))
    with pytest.raises(velmorantes.Error) as raised:
        convection(family, fluid, case, db_dir=tmp_path, **kwargs)
    assert status == 1 and str(raised.value) == messages[-1]
    assert raised.value.code == code


def test_a_sweep_takes_up_to_100000_values():
    kwargs = dict(surface_temp=400, fluid_temp=300, diameter=0.0127, pressure=101.3)
    got = velmorantes.convection("GASES", "AIRE", "cylinder", velocity=np.linspace(1, 2, 100_000), **kwargs)
    assert len(got["H"]) == 100_000
    with pytest.raises(velmorantes.Error) as raised:
        velmorantes.convection("GASES", "AIRE", "cylinder", velocity=np.linspace(1, 2, 100_001), **kwargs)
    assert str(raised.value) == "velocity must hold from 1 to 100000 values" and raised.value.code is None


FREE = dict(surface_temp=350, fluid_temp=300, length=1)
CONVECTION_MISUSES = [
    ("GASES", "AIRE", "flat-plate", dict(FREE, pressure=101.3)),  # forced flow without a velocity
    ("LIQUIDOS", "AGUA", "vertical-plate", dict(FREE, velocity=1)),
    ("LIQUIDOS", "AGUA", "vertical-plate", dict(FREE, pressure=101.3)),
    ("GASES", "AIRE", "vertical-plate", FREE),
    ("LIQUIDOS", "AGUA", "cylinder", dict(FREE, velocity=1)),  # a cylinder has a diameter
    ("LIQUIDOS", "AGUA", "horizontal-plate-up", dict(FREE, area=1, perimeter=4)),
    ("LIQUIDOS", "AGUA", "horizontal-plate-up", dict(surface_temp=350, fluid_temp=300, area=1)),
    ("LIQUIDOS", "AGUA", "vertical-plate", dict(FREE, tube_condition="flux")),
    ("LIQUIDOS", "AGUA", "tube", dict(surface_temp=350, fluid_temp=300, diameter=0.1, velocity=1, correlation="x")),
    ("LIQUIDOS", "AGUA", "plate", FREE),
    ("LIQUIDOS", "AGUA", "vertical-plate", dict(FREE, scale="ºF")),
    ("LIQUIDOS", "AGUA", "vertical-plate", dict(FREE, surface_temp=[350, 360], length=[1, 2])),
    ("LIQUIDOS", "AGUA", "vertical-plate", dict(FREE, fluid_temp=[300, 310])),
    ("LIQUIDOS", "AGUA", "vertical-plate", dict(FREE, length=[[1, 2]])),
    ("LIQUIDOS", "AGUA", "vertical-plate", dict(FREE, length=[])),
]


@pytest.mark.parametrize("family,fluid,case,kwargs", CONVECTION_MISUSES)
def test_convection_arguments_against_the_case_raise_error(tmp_path, family, fluid, case, kwargs):
    with pytest.raises(velmorantes.Error):
        velmorantes.convection(family, fluid, case, db_dir=tmp_path, **kwargs)
