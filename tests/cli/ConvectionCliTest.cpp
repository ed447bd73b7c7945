// velmorantes-calc --convection: its CSV, its sweeps against single calculations, its units,
// a stored table, and its exit statuses. The numbers themselves are the convection layer's.
#include "cli/Calculator.h"

#include "convection/ConvectionEntry.h"
#include "i18n/MessageText.h"
#include "engine/SweepText.h"
#include "store/FluidStore.h"

#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct CalcResult {
    int status;
    std::string out, err;
};

class ConvectionCli : public ::testing::Test {
protected:
    // The arguments after "--db-dir DIR", the folder of this test alone.
    CalcResult calc(std::vector<std::string> args) {
        args.insert(args.begin(), {"--db-dir", dir.path().toStdString()});
        std::ostringstream out, err;
        const int status = velm::runCalculator(args, out, err);
        return {status, out.str(), err.str()};
    }
    static std::vector<std::string> with(std::vector<std::string> base, const std::vector<std::string>& extra) {
        base.insert(base.end(), extra.begin(), extra.end());
        return base;
    }
    static QStringList lines(const std::string& text) {
        return QString::fromStdString(text).split('\n', Qt::SkipEmptyParts);
    }

    QTemporaryDir dir;
    const std::vector<std::string> air{"--family",       "GASES", "--fluid",      "AIRE", "--convection", "cylinder",
                                       "--surface-temp", "400",   "--fluid-temp", "300",  "--pressure",   "101.3",
                                       "--diameter",     "0.0127"};
};

}  // namespace

TEST_F(ConvectionCli, WritesOneCsvRowPerCalculationWithTheColumnsAsked) {
    const CalcResult r = calc(with(air, {"--velocity", "10", "--format", "csv"}));
    ASSERT_EQ(r.status, 0) << r.err;
    const QStringList l = lines(r.out);
    ASSERT_EQ(l.size(), 2);
    EXPECT_EQ(l[0], "CASO,CORRELACION,T_PROPIEDADES,DEN,CP,MIU,UN,K,ALFA,PR,BETA,MIU_S,RE,GR,RA,NU,H,Q");
    const QStringList f = l[1].split(',');
    ASSERT_EQ(f.size(), 18);
    EXPECT_EQ(f[0], "cylinder");
    EXPECT_EQ(f[1], "CHURCHILL-BERNSTEIN");
    EXPECT_EQ(f[2], "350") << "the film temperature, in K";
    EXPECT_EQ(f[10], QString::fromStdString(velm::shortestText(1.0 / 350))) << "BETA of a gas: 1/T";
    EXPECT_TRUE(f[11].isEmpty() && f[13].isEmpty() && f[14].isEmpty()) << "no MIU_S, GR or RA here";
    EXPECT_DOUBLE_EQ(f[12].toDouble(), 10 * 0.0127 / f[6].toDouble()) << "RE = V D / UN";
    EXPECT_DOUBLE_EQ(f[16].toDouble(), f[15].toDouble() * f[7].toDouble() / 0.0127) << "H = NU K / D";
    EXPECT_DOUBLE_EQ(f[17].toDouble(), f[16].toDouble() * 100) << "Q = H (TS - TINF)";

    // Without --format: the derivation, step by step.
    const CalcResult text = calc(with(air, {"--velocity", "10"}));
    for (const char* step : {"TEMPERATURA DE PELICULA TF = (TS + TINF) / 2 = 350 K", "Re = V D / V.CI. = ",
                             "CORRELACION: CHURCHILL-BERNSTEIN", "h = Nu K / D = ", "q = h (TS - TINF) = "})
        EXPECT_NE(text.out.find(step), std::string::npos) << step << "\n" << text.out;
}

// Each row of a sweep is the single calculation of its value, to the bit, and each block of
// its derivation (without --format) the single calculation's text.
TEST_F(ConvectionCli, VaryRowsEqualSingleCalculations) {
    struct Sweep {
        std::vector<std::string> args;  // the case without the input varied
        const char* vary;
        const char* option;
        std::vector<const char*> values;  // FROM:TO:STEP gives these
        const char* sweep;
    };
    const std::vector<std::string> plate{"--family", "LIQUIDOS", "--fluid", "AGUA", "--convection", "vertical-plate",
                                         "--fluid-temp", "20", "--scale", "C"};
    const Sweep sweeps[] = {
        {with(air, {}), "velocity", "--velocity", {"0.5", "2", "3.5", "5"}, "0.5:5:1.5"},
        {with(plate, {"--length", "0.5"}), "surface-temp", "--surface-temp", {"30", "55", "80"}, "30:80:25"},
        {with(plate, {"--surface-temp", "60"}), "length", "--length", {"0.25", "0.5", "0.75"}, "0.25:0.75:0.25"},
    };
    for (const Sweep& s : sweeps) {
        const CalcResult swept = calc(with(s.args, {"--vary", s.vary, "--sweep", s.sweep, "--format", "csv"}));
        ASSERT_EQ(swept.status, 0) << swept.err;
        const QStringList rows = lines(swept.out);
        ASSERT_EQ(rows.size(), qsizetype(s.values.size() + 1)) << s.vary;
        for (std::size_t i = 0; i < s.values.size(); ++i) {
            const CalcResult single = calc(with(s.args, {s.option, s.values[i], "--format", "csv"}));
            EXPECT_EQ(rows[qsizetype(i + 1)], lines(single.out).value(1)) << s.vary << " " << s.values[i];
        }
        // The derivations one after the other, a blank line between two.
        const CalcResult text = calc(with(s.args, {"--vary", s.vary, "--sweep", s.sweep}));
        ASSERT_EQ(text.status, 0) << text.err;
        std::string singles;
        for (std::size_t i = 0; i < s.values.size(); ++i)
            singles += (i ? "\n" : "") + calc(with(s.args, {s.option, s.values[i]})).out;
        EXPECT_EQ(text.out, singles) << s.vary;
    }
}

// The same water case in SI and in English units: h and q differ by the exact factors.
TEST_F(ConvectionCli, GivesEnglishUnitsWithExactFactors) {
    const std::vector<std::string> water{"--family", "LIQUIDOS", "--fluid", "AGUA", "--convection", "tube", "--format", "csv"};
    const CalcResult si = calc(with(water, {"--surface-temp", "373", "--fluid-temp", "323", "--diameter", "0.3048", "--velocity",
                                     "0.3048"}));
    const CalcResult en = calc(with(water, {"--units", "INGLES", "--surface-temp", "212", "--fluid-temp", "122", "--diameter", "1",
                                     "--velocity", "1"}));
    ASSERT_EQ(si.status, 0) << si.err;
    ASSERT_EQ(en.status, 0) << en.err;
    const QStringList a = lines(si.out)[1].split(','), b = lines(en.out)[1].split(',');
    EXPECT_EQ(b[2], "122") << "T_PROPIEDADES in the scale given";
    EXPECT_EQ(a[12], b[12]) << "the same Re";
    EXPECT_EQ(b[16].toStdString(), velm::shortestText(a[16].toDouble() * velm::convection::kHToEnglish));
    EXPECT_EQ(b[17].toStdString(), velm::shortestText(a[17].toDouble() * velm::convection::kQToEnglish));
}

// A fluid of the user's own table, read from the database file.
TEST_F(ConvectionCli, TakesAStoredTable) {
    velm::FluidStore store(velm::DatabaseFiles(dir.path()), velm::Family::Liquids);
    store.createTable("MI ACEITE");
    store.appendRow("MI ACEITE", {300, 900, 2, 0.1, 1e-4, 0.15, 8e-8, 1300, 7e-4});
    store.appendRow("MI ACEITE", {400, 850, 2.2, 0.01, 1.2e-5, 0.14, 7.5e-8, 160, 7e-4});
    const CalcResult r = calc({"--family", "LIQUIDOS", "--fluid", "MI ACEITE", "--convection", "flat-plate", "--surface-temp",
                        "380", "--fluid-temp", "320", "--length", "1", "--velocity", "1", "--format", "csv"});
    ASSERT_EQ(r.status, 0) << r.err;
    const QStringList f = lines(r.out)[1].split(',');
    EXPECT_EQ(f[1], "PLACA-LAMINAR");
    EXPECT_NEAR(f[3].toDouble(), 875, 1e-3) << "DEN halfway, at Tf = 350 K";
    EXPECT_NEAR(f[9].toDouble(), 730, 1e-3);
}

TEST_F(ConvectionCli, WarnsRefusesAndExplainsItsUsage) {
    struct Row {
        std::vector<std::string> extra;
        int status;
        std::string err;  // the start of standard error
    };
    const std::string usage = "velmorantes-calc: ";
    const Row rows[] = {
        // Outside a correlation's range: a warning, exit 0.
        {{"--velocity", "0.0001"}, 0, ""},
        {{}, 2, usage + "cylinder NECESITA --velocity"},
        {{"--velocity", "1", "--length", "1"}, 2, usage + "--length NO SE USA CON cylinder"},
        {{"--velocity", "1", "--vary", "velocity", "--sweep", "1:2:1"}, 2, usage + "--velocity SE VARIA CON --vary"},
        {{"--velocity", "1", "--format", "tsv"}, 2, usage + "--format CON --convection DEBE SER csv"},
        {{"--velocity", "1", "--correlation", "gnielinski"}, 2, usage + "--correlation ES SOLO PARA tube"},
        {{"--velocity", "x"}, 1, velm::messageText(velm::message(velm::MessageId::NotANumber))},
        {{"--velocity", "-1"}, 1, "LA VELOCIDAD DEBE SER MAYOR QUE CERO"},
        {{"--vary", "velocity", "--sweep", "-1:5:1"}, 1, "LA VELOCIDAD DEBE SER MAYOR QUE CERO"},
        {{"--vary", "velocity", "--sweep", "5:-1:-1"}, 1, "LA VELOCIDAD DEBE SER MAYOR QUE CERO"},
        {{"--vary", "velocity", "--sweep", "x:2:1"}, 1, velm::messageText(velm::message(velm::MessageId::NotANumber))},
    };
    for (const Row& row : rows) {
        std::vector<std::string> args = with(air, row.extra);
        const CalcResult r = calc(args);
        EXPECT_EQ(r.status, row.status) << r.err;
        EXPECT_EQ(r.err.rfind(row.err, 0), 0u) << r.err;
        EXPECT_EQ(r.out.empty(), row.status != 0) << r.err;
    }
    const CalcResult warned = calc(with(air, {"--velocity", "0.0001"}));
    EXPECT_NE(warned.err.find("DE LA CORRELACION CHURCHILL-BERNSTEIN ( Re Pr >= 0.2 )"), std::string::npos) << warned.err;
    const CalcResult temp = calc(with({"--family", "LIQUIDOS", "--fluid", "AGUA", "--convection", "sphere-free", "--diameter",
                                "0.1", "--fluid-temp", "300"},
                               {"--surface-temp", "-1"}));
    EXPECT_EQ(temp.status, 1);
    EXPECT_EQ(temp.err, velm::messageText(velm::message(velm::MessageId::TemperatureDoesNotExist)) + "\n");
}
