"""The thermophysical properties of fluids as VELMORANTES computes them.

properties() gives density, specific heat, absolute and kinematic viscosity, thermal
conductivity and diffusivity, the Prandtl number and, for liquids, the expansion
coefficient of a fluid at one temperature or at many, exactly as the program and
velmorantes-calc give them. convection() gives convection coefficients from those
properties, as velmorantes-calc --convection does. fluids() lists the fluids of a family.
The program's refusals raise Error, its warnings are RangeWarning; the messages are the
program's own, in Spanish, and each carries the message's identifier as `code`.
"""

import os
from typing import Literal, Union, overload

import numpy as np
import numpy.typing as npt

__version__: str

Family = Literal["GASES", "LIQUIDOS"]
Units = Literal["SI", "INGLES"]
Scale = Literal["K", "ºC", "C", "°C", "ºF", "F", "°F"]
Folder = Union[str, bytes, os.PathLike[str], os.PathLike[bytes], None]
Case = Literal["flat-plate", "cylinder", "sphere", "tube", "vertical-plate", "horizontal-cylinder",
               "sphere-free", "horizontal-plate-up", "horizontal-plate-down"]

class Error(ValueError):
    """A state the program refuses (an unknown fluid, a pressure of zero, a temperature
    below 0 K or not a number, a table that cannot be read ...) or an argument it does not
    take. The message is the program's."""

    code: str | None
    """The message's identifier, as the program lists its messages (engine/Message.cpp):
    "NOT_A_NUMBER", "ZERO_PRESSURE", "TABLE_UNREADABLE" (also for a database file the
    store cannot read or create) ...; None for an argument the module refuses itself and
    on the class."""

class RangeWarning(UserWarning):
    """A temperature outside the range of a fluid's correlation or beyond the ends of its
    stored table: the values are extrapolated; or a convection correlation used outside its
    stated range: the values are still computed. Issued once per call and message."""

    code: str | None
    """The message's identifier: "OUT_OF_CORRELATION_RANGE", "ABOVE_TABLE", "BELOW_TABLE"
    or "GROUP_OUT_OF_RANGE"; None on the class."""

@overload
def properties(
    family: Family,
    fluid: str,
    temperature: float,
    pressure: float | None = None,
    *,
    units: Units = "SI",
    scale: Scale = "K",
    db_dir: Folder = None,
) -> dict[str, float | str]:
    """The properties at one temperature: "DEN", "CP", "MIU", "UN", "K", "ALFA", "PR"
    (and "BETA" for liquids) as floats, and "ORIGEN", where they came from
    ("CORRELACION", "PUNTO DE TABLA", "INTERPOLADO" or "EXTRAPOLADO")."""

@overload
def properties(
    family: Family,
    fluid: str,
    temperature: npt.ArrayLike,
    pressure: float | None = None,
    *,
    units: Units = "SI",
    scale: Scale = "K",
    db_dir: Folder = None,
) -> dict[str, npt.NDArray[np.float64] | npt.NDArray[np.object_] | str]:
    """The properties at every temperature of a 1-D array: float64 arrays under "DEN",
    "CP", "MIU", "UN", "K", "ALFA", "PR" (and "BETA" for liquids), and under "ORIGEN"
    where the rows came from: one str when every row came from the same place (a built-in
    fluid inside its range: "CORRELACION"), otherwise an array of str, one per row.

    pressure is required for a gas (kPa, or psi under INGLES units) and refused for a
    liquid; db_dir is the folder of GASES.mdb and LIQUIDOS.mdb (the current folder by
    default), read only when a stored table is needed. Raises Error with the program's
    message and its code when any temperature is refused or cannot be computed; issues
    RangeWarning once per call for each warning the program gives."""

def fluids(family: Family, db_dir: Folder = None) -> list[str]:
    """The fluids of a family, as the program's fluid list shows them: the tables of the
    family's database file in db_dir (the current folder by default), created with the
    shipped tables when it does not exist. Raises Error with the store's message, code
    "TABLE_UNREADABLE", when the file cannot be read or created."""

@overload
def convection(
    family: Family,
    fluid: str,
    case: Case,
    *,
    surface_temp: float,
    fluid_temp: float,
    length: float | None = None,
    diameter: float | None = None,
    area: float | None = None,
    perimeter: float | None = None,
    velocity: float | None = None,
    pressure: float | None = None,
    units: Units = "SI",
    scale: Scale | None = None,
    tube_condition: Literal["temperature", "flux"] | None = None,
    correlation: Literal["gnielinski", "dittus-boelter"] | None = None,
    db_dir: Folder = None,
) -> dict[str, float | str | None]:
    """One convection calculation, as velmorantes-calc --convection --format csv gives it:
    the CSV's columns as keys ("CASO", "CORRELACION", "T_PROPIEDADES", "DEN", "CP", "MIU",
    "UN", "K", "ALFA", "PR", "BETA", "MIU_S", "RE", "GR", "RA", "NU", "H", "Q"), numbers as
    floats in the units chosen, None for a field the case does not have."""

@overload
def convection(
    family: Family,
    fluid: str,
    case: Case,
    *,
    surface_temp: float | npt.ArrayLike,
    fluid_temp: float,
    length: float | npt.ArrayLike | None = None,
    diameter: float | npt.ArrayLike | None = None,
    area: float | None = None,
    perimeter: float | None = None,
    velocity: float | npt.ArrayLike | None = None,
    pressure: float | None = None,
    units: Units = "SI",
    scale: Scale | None = None,
    tube_condition: Literal["temperature", "flux"] | None = None,
    correlation: Literal["gnielinski", "dittus-boelter"] | None = None,
    db_dir: Folder = None,
) -> dict[str, npt.NDArray[np.float64] | npt.NDArray[np.object_] | None]:
    """A sweep of one input (exactly one of surface_temp, length, diameter and velocity a
    1-D array, 1 to 100000 values), as --vary with --sweep: float64 arrays, arrays of str
    under "CASO" and "CORRELACION", None for a field the case does not have.

    Each argument is given exactly when the case takes it: velocity for forced flow,
    diameter or length as the case measures itself (area and perimeter instead of length
    for a horizontal plate), pressure for a gas. Raises Error with the program's message
    and its code when an entry is refused or a value cannot be computed, with code None
    when an argument is given against the case; issues RangeWarning once per call for
    each warning."""
