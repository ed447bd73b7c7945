#include "engine/ResultsLine.h"

#include <gtest/gtest.h>

using namespace velm;

TEST(ResultsLine, HeadingsFollowUnitsScaleAndFamily) {
    struct Case {
        const char* units;
        const char* scale;
        const char* family;
        const char* heading;
    };
    const Case cases[] = {
        {"SI", "K", "GASES",
         R"h("T (K)","D (Kg/m^3)","Cp (KJ/(Kg.K))","V.AB. (Pa.s)","V.CI. (m^2/s)","K (W/(m.K))","ALFA (m^2/s)","Pr")h"},
        {"SI", "ºC", "LIQUIDOS",
         R"h("T (ºC)","D (Kg/m^3)","Cp (KJ/(Kg.K))","V.AB. (Pa.s)","V.CI. (m^2/s)","K (W/(m.K))","ALFA (m^2/s)","Pr","BETA (1/K)")h"},
        {"INGLES", "ºF", "GASES",
         R"h("T (ºF)","D (Lb/pie^3)","Cp (Btu/(Lb.ºF))","V.AB. (Lbf.s/pie^2)","V.CI. (pie^2/s)","K (Btu/(h.pie.ºF))","ALFA (pie^2/s)","Pr")h"},
        {"INGLES", "ºF", "LIQUIDOS",
         R"h("T (ºF)","D (Lb/pie^3)","Cp (Btu/(Lb.ºF))","V.AB. (Lbf.s/pie^2)","V.CI. (pie^2/s)","K (Btu/(h.pie.ºF))","ALFA (pie^2/s)","Pr","BETA (1/ºF)")h"},
    };
    for (const Case& c : cases) {
        Module1 m;
        m.UNIDADES = c.units;
        m.ESCALA = c.scale;
        m.FAMILIA = familyNamed(c.family);
        EXPECT_EQ(headingLine(m), c.heading) << c.units << " " << c.scale << " " << c.family;
    }
}

TEST(ResultsLine, FileLinesAreLatin1WithCrLf) {
    EXPECT_EQ(toFileLine("\"T (ºF)\",1.5"), "\"T (\xBA" "F)\",1.5\r\n");
    EXPECT_THROW(toFileLine("€"), std::invalid_argument);
}
