#include "engine/Presentation.h"

#include "engine/DisplayPattern.h"

namespace velm {
namespace {
constexpr const char* kScientific = "#.####E+##";
}

void convertToEnglish(Module1& m) {
    m.DEN = *m.DEN * kDenToEnglish;
    m.CP = *m.CP * kCpToEnglish;
    m.MIU = *m.MIU * kMiuToEnglish;
    m.UN = *m.UN * kUnToEnglish;
    m.K = *m.K * kKToEnglish;
    m.ALFA = *m.ALFA * kAlfaToEnglish;
    if (!isGasFamily(m)) m.BETA = *m.BETA * kBetaToEnglish;
}

ResultTexts resultTexts(const Module1& m) {
    const bool gas = isGasFamily(m);
    ResultTexts t;
    t.txtDEN = formatPattern(*m.DEN, gas ? " ##0.#####" : "##0.0#");
    t.txtCP = formatPattern(*m.CP, gas ? "##0.####" : "##0.0####");
    t.txtVAB = formatPattern(*m.MIU, kScientific);
    t.txtVCI = formatPattern(*m.UN, kScientific);
    t.txtCOT = formatPattern(*m.K, kScientific);
    t.txtALFA = formatPattern(*m.ALFA, kScientific);
    t.txtNUM = formatPattern(*m.PR, gas ? "##0.####" : "##0.0####");
    if (!gas) t.txtBETA = formatPattern(*m.BETA, kScientific);
    return t;
}

}  // namespace velm
