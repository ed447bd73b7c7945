"""The Python module against velmorantes-calc: the same values to the bit, the same
messages, from the build and from the unpacked Debian package."""

import ast
import builtins
import inspect
import math
import os
import pathlib
import sqlite3
import subprocess
import sys
import threading
import warnings

import numpy as np
import pytest

import velmorantes
from support import BUILT_IN, KEYS, bits, calc, make_table

def call(*args, **kwargs):
    """properties() and the warnings it issued."""
    with warnings.catch_warnings(record=True) as caught:
        warnings.simplefilter("always")
        result = velmorantes.properties(*args, **kwargs)
    return result, [str(w.message) for w in caught if w.category is velmorantes.RangeWarning]


CASES = [(family, fluid, lo, hi, units)
         for family, fluids in BUILT_IN.items() for fluid, lo, hi in fluids for units in ("SI", "INGLES")]


@pytest.mark.parametrize("family,fluid,lo,hi,units", CASES)
def test_every_built_in_fluid_equals_the_calculator_to_the_bit(tmp_path, family, fluid, lo, hi, units):
    # Beyond both ends too, where the shipped table takes over after a warning.
    english = units == "INGLES"
    scale = "ºF" if english else "K"
    to_scale = (lambda k: (k - 273) * 9 / 5 + 32) if english else (lambda k: k)
    first, last = to_scale(lo - 40), to_scale(hi + 40)
    step = (last - first) / 400.5  # 401 temperatures, whatever the rounding
    pressure = ["--pressure", "14.7" if english else "101.3"] if family == "GASES" else []
    t, expected, origins, messages = calc(tmp_path, family, fluid, "--units", units, "--scale", scale,
                                          "--sweep", f"{first!r}:{last!r}:{step!r}", *pressure)
    assert len(t) == 401
    kwargs = dict(units=units, scale=scale, db_dir=tmp_path)
    p = float(pressure[1]) if pressure else None

    got, warned = call(family, fluid, np.array(t), p, **kwargs)
    assert list(got) == KEYS[family] + ["ORIGEN"]
    for key in KEYS[family]:
        assert got[key].dtype == np.float64
        assert bits(got[key]) == bits(expected[key]), key
    assert list(got["ORIGEN"]) == origins  # from both the correlation and the table: one per row
    assert warned == messages and len(warned) == 1  # once per call, not per temperature

    for row in range(0, len(t), 23):
        one, warned = call(family, fluid, t[row], p, **kwargs)
        assert bits(one[k] for k in KEYS[family]) == bits(expected[k][row] for k in KEYS[family])
        assert one["ORIGEN"] == origins[row] and isinstance(one["ORIGEN"], str)
        assert len(warned) == (origins[row] != "CORRELACION")


def test_a_stored_table_interpolated_and_extrapolated(tmp_path):
    rows = [(300, 1000, 4, 0.5, 0.4, 0.6, 1e-7, 7, 2e-4), (350, 980, 4.2, 0.25, 0.3, 0.65, 1.5e-7, 5, 3e-4),
            (400, 950, 4.5, 0.125, 0.2, 0.75, 2e-7, 3, 5e-4)]
    make_table(tmp_path, "LIQUIDOS", "MEDIDO", rows)
    assert velmorantes.fluids("LIQUIDOS", db_dir=tmp_path) == [f for f, _, _ in BUILT_IN["LIQUIDOS"]] + ["MEDIDO"]

    t = [250.0, 300.0, 325.0, 400.0, 500.0]
    got, warned = call("LIQUIDOS", "MEDIDO", t, db_dir=str(tmp_path))
    assert list(got["ORIGEN"]) == ["EXTRAPOLADO", "PUNTO DE TABLA", "INTERPOLADO", "PUNTO DE TABLA", "EXTRAPOLADO"]
    assert got["DEN"].tolist() == [1020, 1000, 990, 950, 890]  # exact in binary: lines through the points
    _, expected, _, messages = calc(tmp_path, "LIQUIDOS", "MEDIDO", "--sweep", "250:500:25")
    got, warned = call("LIQUIDOS", "MEDIDO", np.arange(250, 501, 25), db_dir=tmp_path)
    for key in KEYS["LIQUIDOS"]:
        assert bits(got[key]) == bits(expected[key]), key
    assert warned == messages and len(warned) == 2  # below the first point, above the last


ORIGINS = [
    # what, arguments, ORIGEN: one str when every row came from one place, else one per row
    ("a built-in fluid inside its range", ("GASES", "AIRE", np.linspace(100, 3000, 5000), 101.3), "CORRELACION"),
    ("a list inside its range", ("LIQUIDOS", "AGUA", [300, 310.5]), "CORRELACION"),
    ("inside and beyond its range", ("LIQUIDOS", "AGUA", [300, 600]), ["CORRELACION", "PUNTO DE TABLA"]),
    ("a stored table between its points", ("LIQUIDOS", "MEDIDO", [310, 320, 390]), "INTERPOLADO"),
    ("a stored table at and between its points", ("LIQUIDOS", "MEDIDO", [300, 320]),
     ["PUNTO DE TABLA", "INTERPOLADO"]),
    ("no temperatures", ("GASES", "AIRE", np.array([]), 101.3), []),
]


@pytest.mark.parametrize("what,args,origin", ORIGINS, ids=[o[0] for o in ORIGINS])
def test_origen_is_one_str_when_every_row_came_from_one_place(tmp_path, what, args, origin):
    make_table(tmp_path, "LIQUIDOS", "MEDIDO", [(300, 1000, 4, 0.5, 0.4, 0.6, 1e-7, 7, 2e-4),
                                                 (400, 950, 4.5, 0.125, 0.2, 0.75, 2e-7, 3, 5e-4)])
    got, _ = call(*args, db_dir=tmp_path)
    if isinstance(origin, str):
        assert type(got["ORIGEN"]) is str and got["ORIGEN"] == origin
    else:
        assert isinstance(got["ORIGEN"], np.ndarray) and got["ORIGEN"].dtype == object
        assert got["ORIGEN"].tolist() == origin
    assert all(len(got[k]) == len(args[2]) for k in KEYS[args[0]])


ARGUMENTS = [
    # what, positional, by name, the TypeError's words (None: the call is taken)
    ("all by name", (), dict(family="GASES", fluid="AIRE", temperature=300, pressure=101.3, units="SI",
                             scale="K"), None),
    ("bytes for text", (b"GASES", b"AIRE", 300, 101.3), dict(scale=b"K"), None),
    ("too few", ("GASES", "AIRE"), {}, "missing required argument 'temperature'"),
    ("units by position", ("GASES", "AIRE", 300, 101.3, "SI"), {}, "takes from 3 to 4 positional arguments"),
    ("a name twice", ("GASES", "AIRE", 300), dict(fluid="CO"), "multiple values for argument 'fluid'"),
    ("an unknown name", ("GASES", "AIRE", 300, 101.3), dict(unit="SI"), "unexpected keyword argument 'unit'"),
    ("a family not text", (1, "AIRE", 300, 101.3), {}, "argument 'family' must be str, not int"),
    ("a scale not text", ("GASES", "AIRE", 300, 101.3), dict(scale=None), "argument 'scale' must be str"),
]


@pytest.mark.parametrize("what,args,kwargs,error", ARGUMENTS, ids=[a[0] for a in ARGUMENTS])
def test_arguments_by_position_and_by_name(tmp_path, what, args, kwargs, error):
    if error is None:
        got = velmorantes.properties(*args, **kwargs, db_dir=tmp_path)
        assert got == velmorantes.properties("GASES", "AIRE", 300.0, 101.3)
    else:
        with pytest.raises(TypeError, match=error):
            velmorantes.properties(*args, **kwargs)
    assert str(inspect.signature(velmorantes.properties)) == \
        "(family, fluid, temperature, pressure=None, *, units='SI', scale='K', db_dir=None)"


def test_nothing_is_read_or_created_for_a_built_in_fluid_in_its_range(tmp_path):
    velmorantes.properties("GASES", "AIRE", [300, 400], 101.3, db_dir=tmp_path)
    assert list(tmp_path.iterdir()) == []


REFUSALS = [
    # what, arguments, the calculator's arguments (None: refused before any state exists)
    ("unknown fluid", ("LIQUIDOS", "NOEXISTE", 300), ["--temp", "300"]),
    ("zero pressure", ("GASES", "AIRE", 300, 0), ["--temp", "300", "--pressure", "0"]),
    ("negative pressure", ("GASES", "AIRE", 300, -1), ["--temp", "300", "--pressure", "-1"]),
    ("below 0 K", ("GASES", "AIRE", -0.5, 101.3), ["--temp", "-0.5", "--pressure", "101.3"]),
    ("below 0 K in an array", ("LIQUIDOS", "AGUA", [300, -300, 350], None, "ºC"), ["--temp", "-300", "--scale", "ºC"]),
    ("not a number", ("GASES", "AIRE", math.nan, 101.3), ["--temp", "nan", "--pressure", "101.3"]),
    ("infinite", ("LIQUIDOS", "AGUA", [300, math.inf]), ["--temp", "inf"]),
    ("pressure not a number", ("GASES", "AIRE", 300, math.inf), ["--temp", "300", "--pressure", "inf"]),
    ("a table of one point", ("LIQUIDOS", "UNO", [300, 310]), ["--temp", "310"]),
    ("a file that is not a database", ("GASES", "RARO", 300, 101.3), ["--temp", "300", "--pressure", "101.3"]),
    ("family", ("AGUAS", "AGUA", 300), None),
    ("units", ("LIQUIDOS", "AGUA", 300, None, "K", "METRICO"), None),
    ("scale", ("LIQUIDOS", "AGUA", 300, None, "R"), None),
    ("a gas without pressure", ("GASES", "AIRE", 300), None),
    ("a liquid with a pressure", ("LIQUIDOS", "AGUA", 300, 101.3), None),
    ("a 2-D array", ("LIQUIDOS", "AGUA", [[300, 310]]), None),
    ("a pressure that is no number", ("GASES", "AIRE", 300, "x"), None),
]


@pytest.mark.parametrize("what,args,calc_args", REFUSALS, ids=[r[0] for r in REFUSALS])
def test_every_refusal_raises_error_with_the_programs_message(tmp_path, what, args, calc_args):
    family, fluid, temperature, pressure, scale, units = args + (None, "K", "SI")[len(args) - 3:]
    if fluid == "UNO":
        make_table(tmp_path, family, "UNO", [(300,) + (1,) * 8])
    if fluid == "RARO":
        (tmp_path / "GASES.mdb").write_bytes(b"not a database at all")
    with pytest.raises(velmorantes.Error) as raised:
        velmorantes.properties(family, fluid, temperature, pressure, units=units, scale=scale, db_dir=tmp_path)
    assert isinstance(raised.value, ValueError)
    if calc_args is not None:
        _, _, _, messages = calc(tmp_path, family, fluid, *calc_args)
        assert str(raised.value) == messages[-1]


def test_two_threads_at_once_and_the_interpreter_released(tmp_path):
    make_table(tmp_path, "LIQUIDOS", "MEDIDO", [(300, 1000, 4, 0.5, 0.4, 0.6, 1e-7, 7, 2e-4),
                                                 (400, 950, 4.5, 0.125, 0.2, 0.75, 2e-7, 3, 5e-4)])
    jobs = [("GASES", "AIRE", np.linspace(100, 3000, 400_000), 101.3),
            ("LIQUIDOS", "MEDIDO", np.linspace(300, 400, 400_000), None)]
    alone = [velmorantes.properties(*job, db_dir=tmp_path) for job in jobs]
    together = [None, None]

    def work(i):
        together[i] = velmorantes.properties(*jobs[i], db_dir=tmp_path)

    threads = [threading.Thread(target=work, args=(i,)) for i in range(2)]
    for th in threads:
        th.start()
    for th in threads:
        th.join()
    for a, b in zip(alone, together):
        assert all(np.array_equal(a[k], b[k]) for k in a)

    # A call waits for the table while another thread holds the file's lock, and that thread
    # lets go only once it runs again: the call returns only if it let the thread run (with
    # no forced switches between threads). The arrays are small: NumPy itself lets other
    # threads run while it makes a large array of texts.
    def lets_others_run(evaluate):
        locked, go, returned, seen = threading.Event(), threading.Event(), [False], []

        def holder():
            db = sqlite3.connect(tmp_path / "LIQUIDOS.mdb", isolation_level=None)
            db.execute("BEGIN EXCLUSIVE")
            locked.set()
            go.wait()
            seen.append(returned[0])
            db.execute("COMMIT")
            db.close()

        th = threading.Thread(target=holder)
        th.start()
        locked.wait()
        go.set()
        evaluate()
        returned[0] = True
        th.join()
        return seen == [False]

    interval = sys.getswitchinterval()
    sys.setswitchinterval(1000)
    try:
        # a built-in fluid too, beyond its range: it reads its stored table
        for fluid, temperature in (("MEDIDO", 350.0), ("MEDIDO", np.array([310.0, 390.0])),
                                   ("AGUA", np.array([300.0, 600.0]))):
            with warnings.catch_warnings():
                warnings.simplefilter("ignore", velmorantes.RangeWarning)
                assert lets_others_run(lambda: velmorantes.properties("LIQUIDOS", fluid, temperature, db_dir=tmp_path))
        assert lets_others_run(lambda: velmorantes.convection("LIQUIDOS", "MEDIDO", "vertical-plate", surface_temp=360,
                                                              fluid_temp=320, length=0.2, db_dir=tmp_path))
    finally:
        sys.setswitchinterval(interval)


def stub_signature(node):
    """(positional names, keyword-only names, {name: default}) of a def in the stub."""
    a = node.args
    positional = [x.arg for x in a.posonlyargs + a.args]
    defaults = dict(zip(positional[len(positional) - len(a.defaults):], map(ast.literal_eval, a.defaults)))
    defaults.update({x.arg: ast.literal_eval(d) for x, d in zip(a.kwonlyargs, a.kw_defaults) if d is not None})
    return positional, [x.arg for x in a.kwonlyargs], defaults


def test_the_stub_matches_the_module():
    # Its classes' bases and its functions' arguments (every overload) against the module's: a
    # pybind11 function tells its signature on its docstring's first line, a function of the
    # C API's (properties) through inspect.
    stub = pathlib.Path(velmorantes.__file__).with_name("velmorantes.pyi")
    body = ast.parse(stub.read_text(encoding="utf-8")).body
    classes = {n.name: [b.id for b in n.bases] for n in body if isinstance(n, ast.ClassDef)}
    functions = {}
    for n in body:
        if isinstance(n, ast.FunctionDef):
            functions.setdefault(n.name, []).append(stub_signature(n))
    assert set(classes) | set(functions) == {"properties", "convection", "fluids", "Error", "RangeWarning"}
    for name, bases in classes.items():
        assert getattr(velmorantes, name).__bases__ == tuple(getattr(builtins, b) for b in bases)
        assert getattr(velmorantes, name).__doc__ and getattr(velmorantes, name).code is None
    for name, overloads in functions.items():
        function = getattr(velmorantes, name)
        line = (name + str(inspect.signature(function)) if getattr(function, "__text_signature__", None)
                else function.__doc__.splitlines()[0])
        module = stub_signature(ast.parse(f"def {line}: pass").body[0])
        assert all(o == module for o in overloads), (name, overloads, module)
    assert issubclass(velmorantes.RangeWarning, UserWarning)
    assert issubclass(velmorantes.Error, ValueError)


@pytest.mark.package
def test_the_module_from_the_unpacked_package(tmp_path):
    build = pathlib.Path(os.environ["VELM_BUILD_DIR"])
    debs = list(build.glob("velmorantes_*.deb"))
    assert len(debs) == 1
    root = tmp_path / "root"
    subprocess.run(["dpkg-deb", "-x", str(debs[0]), str(root)], check=True)
    code = ("import velmorantes; print(velmorantes.__file__); "
            "print(velmorantes.properties('GASES','AIRE',300, pressure=101.3))")
    env = {k: v for k, v in os.environ.items() if k != "PYTHONPATH"}
    env["PYTHONPATH"] = str(root / "usr/lib/python3/dist-packages")
    run = subprocess.run([sys.executable, "-c", code], capture_output=True, text=True, cwd=tmp_path,
                         env=env, check=True)
    where, printed = run.stdout.splitlines()
    assert pathlib.Path(where).is_relative_to(root)
    assert (pathlib.Path(where).parent / "velmorantes.pyi").is_file()
    assert printed == str(velmorantes.properties("GASES", "AIRE", 300, pressure=101.3))
    assert list(tmp_path.iterdir()) == [root]


def test_codes_of_the_stores_failures_the_properties_refusals_and_the_warnings(tmp_path):
    # A file the store cannot read: the same code whether the list or a table's evaluation met it.
    (tmp_path / "GASES.mdb").write_bytes(b"not a database at all")
    for call in (lambda: velmorantes.fluids("GASES", db_dir=tmp_path),
                 lambda: velmorantes.properties("GASES", "RARO", 300, 101.3, db_dir=tmp_path)):
        with pytest.raises(velmorantes.Error) as raised:
            call()
        assert raised.value.code == "TABLE_UNREADABLE" and "GASES.mdb" in str(raised.value)
    for args, code in [(("GASES", "AIRE", 300, -1), "NEGATIVE_PRESSURE"), (("LIQUIDOS", "AGUA", -1), "TEMPERATURE_DOES_NOT_EXIST"),
                       (("LIQUIDOS", "AGUA", [300, math.nan]), "NOT_A_NUMBER"), (("LIQUIDOS", "AGUA", 300, 101.3), None)]:
        with pytest.raises(velmorantes.Error) as raised:
            velmorantes.properties(*args, db_dir=tmp_path / "none")
        assert raised.value.code == code, args
    assert velmorantes.Error("x").code is None

    with warnings.catch_warnings(record=True) as caught:
        warnings.simplefilter("always")
        velmorantes.properties("LIQUIDOS", "AGUA", 600, db_dir=tmp_path)
        velmorantes.convection("GASES", "AIRE", "cylinder", surface_temp=400, fluid_temp=300, diameter=0.0127,
                               velocity=1e-4, pressure=101.3, db_dir=tmp_path)
    assert [w.message.code for w in caught] == ["OUT_OF_CORRELATION_RANGE", "GROUP_OUT_OF_RANGE"]
