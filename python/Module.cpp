// The Python module `velmorantes`: the engine's sweep into NumPy arrays, convection
// coefficients as the calculator gives them, the store's fluid lists, and the program's
// refusals and warnings as Python exceptions and warnings. Every rule and every message is
// the engine's, the store's or the convection layer's; here are only the arrays. This file
// defines the module and its documentation; properties() is in Properties.cpp, convection()
// in Convection.cpp, fluids() in Store.cpp.
#include "python/Module.h"

#include "i18n/qt/Text.h"

#include <pybind11/stl.h>

namespace py = pybind11;
using namespace velm;
using namespace velm::python;

PYBIND11_MODULE(velmorantes, m) {
    m.doc() = R"(The thermophysical properties of fluids as VELMORANTES computes them.

properties() gives density, specific heat, absolute and kinematic viscosity, thermal
conductivity and diffusivity, the Prandtl number and, for liquids, the expansion
coefficient of a fluid at one temperature or at many, exactly as the program and
velmorantes-calc give them: from the correlation of a built-in fluid inside its range,
otherwise from the fluid's table in the database files (GASES.mdb, LIQUIDOS.mdb).
convection() gives convection coefficients from those properties, as velmorantes-calc
--convection does. fluids() lists the fluids of a family. The program's refusals raise
Error, its warnings are RangeWarning; the messages are the program's own, in Spanish, and
each carries the message's identifier as `code` ("ZERO_PRESSURE" ...; None for an argument
the module refuses itself).)";
    m.attr("__version__") = VELM_VERSION;
    // The decimal separator of the messages' numbers is the user's locale's, as in the programs.
    useQtForText();

    makeExceptions(m);

    defineProperties(m);

    m.def("convection", &convection, py::arg("family"), py::arg("fluid"), py::arg("case"), py::kw_only(),
          py::arg("surface_temp"), py::arg("fluid_temp"), py::arg("length") = py::none(),
          py::arg("diameter") = py::none(), py::arg("area") = py::none(), py::arg("perimeter") = py::none(),
          py::arg("velocity") = py::none(), py::arg("pressure") = py::none(), py::arg("units") = "SI",
          py::arg("scale") = py::none(), py::arg("tube_condition") = py::none(),
          py::arg("correlation") = py::none(), py::arg("db_dir") = py::none(),
          R"(A convection coefficient from a fluid's properties, as velmorantes-calc --convection
gives it: the property temperature, the properties there, Re or Gr and Ra, Pr, Nu, h and q.

family          "GASES" or "LIQUIDOS".
fluid           a built-in fluid or the title of a stored table, as for properties().
case            "flat-plate", "cylinder", "sphere", "tube" (forced flow), "vertical-plate",
                "horizontal-cylinder", "sphere-free", "horizontal-plate-up",
                "horizontal-plate-down" (free convection).
surface_temp    Ts, in the scale `scale`.
fluid_temp      T-infinity (for "tube", the mean fluid temperature), in the scale `scale`.
length          L (m, or ft under INGLES): the plate's length or height; for a horizontal
                plate area over perimeter, or give `area` (m^2 or ft^2) and `perimeter`.
diameter        D, for "cylinder", "sphere", "tube", "horizontal-cylinder", "sphere-free".
velocity        forced flow only (m/s, or ft/s under INGLES); "tube": the mean velocity.
pressure        the absolute pressure, required for a gas and refused for a liquid: kPa, or
                psi under INGLES.
units           "SI" or "INGLES": the units of the inputs and of the results.
scale           "K" or "ºC" (or "C") under SI, "ºF" (or "F") under INGLES; by default K or ºF.
tube_condition  "tube" in laminar flow: "temperature" (uniform surface temperature, the
                default) or "flux" (uniform heat flux).
correlation     "tube" in turbulent flow: "gnielinski" (the default) or "dittus-boelter".
db_dir          the folder of the database files, as for properties().

Each argument is given exactly when the case takes it. One of surface_temp, length,
diameter and velocity may be a 1-D array-like (1 to 100000 values): one calculation per
value, as --vary with --sweep.

Returns a dict whose keys are the calculator's CSV columns: "CASO", "CORRELACION",
"T_PROPIEDADES", "DEN", "CP", "MIU", "UN", "K", "ALFA", "PR", "BETA", "MIU_S", "RE", "GR",
"RA", "NU", "H", "Q", in the units chosen (h in W/(m^2.K) or Btu/(h.ft^2.F), q in W/m^2 or
Btu/(h.ft^2); BETA is 1/T for a gas). A number in gives floats and str; an array in gives
float64 NumPy arrays and NumPy arrays of str. A field the case does not have (MIU_S but for
"sphere", RE in free convection, GR and RA in forced flow) is None. The values are
velmorantes-calc's CSV values, bit for bit.

Raises Error with the program's message and its `code` when an entry is refused (not a
number, a temperature below 0 K, a length, diameter, area, perimeter or velocity that is not
positive, a pressure of zero ...: "NOT_A_NUMBER", "LENGTH_NOT_POSITIVE", "ZERO_PRESSURE" ...)
or a value cannot be computed ("NOT_COMPUTABLE", "TABLE_UNREADABLE" ...); code None for an
argument given against the case or missing, or an array of the wrong size. Issues
RangeWarning once per call for each warning: a correlation used outside its stated range
("GROUP_OUT_OF_RANGE"), a temperature outside a fluid's correlation
("OUT_OF_CORRELATION_RANGE") ... The interpreter is released while the calculation runs.)");

    m.def("fluids", &fluids, py::arg("family"), py::arg("db_dir") = py::none(),
          R"(The fluids of a family, as the program's fluid list shows them: the tables of the
family's database file in `db_dir` (by default the current folder), which is created with
the shipped tables, one per built-in fluid, when it does not exist.

Raises Error with the store's message when the file cannot be read or created; its `code`
is "TABLE_UNREADABLE", as for a stored table properties() cannot read.)");
}
