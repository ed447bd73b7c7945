// A sweep as the user meets it: the range entry, the table's texts, the three exports, the line
// under the table and the numbers of the plot.
#include "tests/engine/SweepTesting.h"

#include "engine/Presentation.h"
#include "engine/SweepPlot.h"
#include "engine/SweepText.h"
#include "i18n/Shown.h"

#include <gtest/gtest.h>

using namespace velm;
using namespace velm::testing;

namespace {

// On a table that is a straight line: every value i + 1 at 300 K and 2 (i + 1) at 400 K.
SweepTable sweep(Family family, const std::string& fluid, std::vector<double> t, bool english = false,
                 const char* scale = "K") {
    Rows line({row(300, 1), row(400, 2)});
    return runSweep(request(family, fluid, std::move(t), scale, english), line);
}

}  // namespace

// The rest of the bad entries, with their boxes emptied and focused, are tried on the screen.
TEST(SweepEntry, EveryBadEntryNamesItsBoxAndItsMessage) {
    struct Case { SweepEntryTexts texts; const char* scale; SweepField refused; Message message; };
    const Message tooMany = message(MessageId::TooManyTemperatures, kMaxSweep);
    const Message none;
    const Case cases[] = {
        {{"-274", "400", "10", "101.3"}, "ºC", SweepField::From, message(MessageId::TemperatureDoesNotExist)},
        {{"300", "-460", "10", "101.3"}, "ºF", SweepField::To, message(MessageId::TemperatureDoesNotExist)},
        {{"400", "300", "10", "101.3"}, "K", SweepField::To, message(MessageId::FromAboveTo)},
        {{"300", "400", "diez", "101.3"}, "K", SweepField::Step, message(MessageId::BadStep)},
        {{"0", "1", "1e-320", "101.3"}, "K", SweepField::Step, tooMany},
        {{"0", "100000", "1", "101.3"}, "K", SweepField::Step, tooMany},
        {{"300", "400", "10", "x"}, "K", SweepField::Pressure, message(MessageId::NotANumber)},
        {{"300", "400", "10", "0"}, "K", SweepField::None, none},
        {{"0", "99999", "1", "101.3"}, "K", SweepField::None, none},
        {{" 300 ", "300", "1", "101.3"}, "K", SweepField::None, none},
    };
    for (const Case& c : cases) {
        const SweepEntry e = acceptSweep(Family::Gases, "AIRE", false, c.scale, c.texts, false);
        const std::string row = c.texts.from + " " + c.texts.to + " " + c.texts.step + " " + c.texts.pressure;
        EXPECT_EQ(e.refused, c.refused) << row;
        EXPECT_EQ(e.message, c.message) << row;
        EXPECT_EQ(e.request.temperatures.empty(), c.refused != SweepField::None) << row;
    }
    const SweepEntry comma = acceptSweep(Family::Liquids, "AGUA", true, "ºF", {"32,5", "212", "0,5", ""}, true);
    ASSERT_EQ(comma.refused, SweepField::None);
    EXPECT_EQ(comma.request.temperatures.size(), 360u);
    EXPECT_EQ(comma.request.temperatures.back(), 212);
    EXPECT_TRUE(comma.request.english);
}

// The values themselves equal single evaluations (SweepTest); here each column's pattern.
TEST(SweepText, CellsShowWhatThePropertyScreenShows) {
    for (const auto& [family, fluid] : {std::pair{Family::Gases, "AIRE"}, {Family::Liquids, "MEDIDO"}}) {
        const SweepTable t = sweep(family, fluid, {250, 300, 333.3, 400, 450});
        for (std::size_t row = 0; row < t.rows(); ++row) {
            Module1 m;
            m.FAMILIA = family;
            for (const PropertyInfo& p : propertiesOf(family)) m.*p.field = t.value(row, p.id);
            const std::vector<std::string> shown = resultTexts(m);
            for (std::size_t i = 0; i < shown.size(); ++i)
                EXPECT_EQ(cellText(t, row, i + 1), shown[i]) << fluid << " " << t.entered[row];
        }
    }
}

TEST(SweepText, ExportsByteForByte) {
    const SweepTable t = sweep(Family::Liquids, "MEDIDO", {300, 301, 450, 1e-7 + 300});
    EXPECT_EQ(csvText(t),
              "T (K),D (Kg/m^3),Cp (KJ/(Kg.K)),V.AB. (Pa.s),V.CI. (m^2/s),K (W/(m.K)),ALFA (m^2/s),Pr,"
              "BETA (1/K),ORIGEN\n"
              "300,1,2,3,4,5,6,7,8,PUNTO DE TABLA\n"
              "301,1.01,2.02,3.03,4.04,5.05,6.06,7.07,8.08,INTERPOLADO\n"
              "450,2.5,5,7.5,10,12.5,15,17.5,20,EXTRAPOLADO\n"
              "300.0000001,1.0000000010000003,2.0000000020000006,3.0000000030000007,4.000000004000001,"
              "5.000000005000001,6.000000006000001,7.0000000070000015,8.000000008000002,INTERPOLADO\n");

    const SweepTable f = sweep(Family::Gases, "MEDIDO", {80.6, 1000}, true, "ºF");
    EXPECT_EQ(tsvText(f, true),
              "T (ºF)\tD (Lb/pie^3)\tCp (Btu/(Lb.ºF))\tV.AB. (Lbf.s/pie^2)\tV.CI. (pie^2/s)\t"
              "K (Btu/(h.pie.ºF))\tALFA (pie^2/s)\tPr\tORIGEN\n"
              "80,6\t0,062428\t0,477692\t0,06267\t43,04\t2,888945\t64,56\t7\tPUNTO DE TABLA\n"
              "1000\t0,38129635111111115\t2,9176365822222228\t0,38277443333333333\t262,8787555555556\t"
              "17,645034072222224\t394,3181333333333\t42,75444444444445\tEXTRAPOLADO\n");

    EXPECT_EQ(resultsFileText(f),
              "\"T (\xBA" "F)\",\"D (Lb/pie^3)\",\"Cp (Btu/(Lb.\xBA" "F))\",\"V.AB. (Lbf.s/pie^2)\","
              "\"V.CI. (pie^2/s)\",\"K (Btu/(h.pie.\xBA" "F))\",\"ALFA (pie^2/s)\",\"Pr\"\r\n"
              "80.6,0.062428,0.477692,0.06267,43.04,2.888945,64.56,7\r\n"
              "1000,0.381296351111111,2.91763658222222,0.382774433333333,262.878755555556,"
              "17.6450340722222,394.318133333333,42.7544444444445\r\n");
}

TEST(SweepText, TheLineUnderTheTableCountsWhatIsNotFromTheCorrelation) {
    EXPECT_EQ(summaryText(sweep(Family::Gases, "AIRE", {50, 100, 3000, 3100, 3200})),
              "3 TEMPERATURAS FUERA DEL RANGO DE LA ECUACION DEL (DE LA) AIRE  ( 100K <= T <= 3000K )"
              " SE EXTRAPOLARON CON LA TABLA AIRE (POCO RECOMENDABLE)");
    EXPECT_EQ(summaryText(sweep(Family::Liquids, "MEDIDO", {250, 300, 350})),
              "1 TEMPERATURA FUERA DEL RANGO DE LA TABLA MEDIDO SE EXTRAPOLO");
    EXPECT_EQ(summaryText(sweep(Family::Gases, "AIRE", {300, 400})), "");
}

TEST(SweepPlot, DashedWhereExtrapolatedJoinedWhereTheKindChanges) {
    const SweepTable t = sweep(Family::Gases, "AIRE", {50, 100, 200, 3000, 3100, 3200});
    const PlotData d = plotData(t, Property::CP, false);
    ASSERT_EQ(d.runs.size(), 3u);
    EXPECT_TRUE(d.runs[0].extrapolated && !d.runs[1].extrapolated && d.runs[2].extrapolated);
    EXPECT_EQ(d.runs[1].points.front().x, 50) << "the solid line starts where the dashed one ends";
    EXPECT_EQ(d.runs[2].points.front().x, 3000);
    EXPECT_EQ(d.runs[2].points.size(), 3u);
    EXPECT_EQ(d.validRange, (std::pair<double, double>{100, 3000}));
    EXPECT_EQ(d.markers.size(), 2u) << "the table's 300 K and 400 K";
    EXPECT_TRUE(d.xMin <= 50 && d.xMax >= 3200);

    // Far below the table its line goes negative: a log axis leaves those rows out.
    const PlotData log = plotData(sweep(Family::Liquids, "MEDIDO", {100, 150, 300, 400}), Property::DEN, true);
    EXPECT_EQ(log.leftOut, 2u);
    EXPECT_EQ(log.yMin, 1);
    EXPECT_EQ(log.yMax, 10);
}
