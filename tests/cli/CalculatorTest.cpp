#include "cli/Calculator.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

using velm::runCalculator;

namespace {

struct CalcRun {
    int status;
    std::string out, err;
};

CalcRun calc(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = runCalculator(args, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> v;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) v.push_back(line);
    return v;
}

std::vector<double> values(const std::string& line) {
    std::vector<double> v;
    std::istringstream in(line);
    for (std::string item; std::getline(in, item, ',');) v.push_back(std::stod(item));
    return v;
}

bool hasDigit(const std::string& s) { return s.find_first_of("0123456789") != std::string::npos; }

}  // namespace

TEST(Calculator, PrintsTheHeadingAndTheValuesLine) {
    const CalcRun r = calc({"--family", "GASES", "--fluid", "AIRE", "--temp", "300", "--pressure", "101.3"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    const auto l = lines(r.out);
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[0], R"h("T (K)","D (Kg/m^3)","Cp (KJ/(Kg.K))","V.AB. (Pa.s)","V.CI. (m^2/s)","K (W/(m.K))","ALFA (m^2/s)","Pr")h");
    // 1.16011096 to nine digits, written with the fifteen the results file carries
    EXPECT_EQ(l[1].rfind("300,1.16011095608173,", 0), 0u) << l[1];
}

// The reference values of the textbook fluids, to the four digits they are written with
// (HIDROGENO's UN, derived in its source table, to three).
TEST(Calculator, ReproducesTheTextbookReferenceValues) {
    struct Row {
        const char* family;
        const char* fluid;
        const char* T;
        std::vector<double> want;  // DEN CP MIU UN K ALFA PR [BETA]
        int unDigits = 4;
    };
    const Row rows[] = {
        {"GASES", "AIRE", "300", {1.160, 1.007, 1.848e-05, 1.591e-05, 0.02627, 2.248e-05, 0.7085}},
        {"GASES", "CO2", "300", {1.773, 0.8518, 1.484e-05, 8.380e-06, 0.01662, 1.100e-05, 0.7606}},
        {"GASES", "VAPOR", "500", {0.4407, 1.985, 1.704e-05, 3.863e-05, 0.03386, 3.870e-05, 0.9988}},
        {"GASES", "HIDROGENO", "300", {0.08079, 14.32, 8.925e-06, 0.0001107, 0.1819, 0.0001573, 0.7024}, 3},
        {"LIQUIDOS", "ACEITE", "300", {884.1, 1.910, 0.4860, 0.0005500, 0.1450, 8.588e-08, 6401, 0.0007}},
        {"LIQUIDOS", "AGUA", "300", {999.0, 4.179, 0.0008527, 8.537e-07, 0.6091, 1.459e-07, 5.850, 0.0002809}},
        {"LIQUIDOS", "GLICOL", "300", {1114, 2.415, 0.01570, 1.415e-05, 0.2518, 9.359e-08, 150.5, 0.00065}},
    };
    const char* names[] = {"DEN", "CP", "MIU", "UN", "K", "ALFA", "PR", "BETA"};
    for (const Row& row : rows) {
        std::vector<std::string> args{"--family", row.family, "--fluid", row.fluid, "--temp", row.T};
        if (std::string(row.family) == "GASES") args.insert(args.end(), {"--pressure", "101.3"});
        const CalcRun r = calc(args);
        ASSERT_EQ(r.status, 0) << row.fluid << r.err;
        const auto got = values(lines(r.out).at(1));
        ASSERT_EQ(got.size(), row.want.size() + 1) << row.fluid;
        for (std::size_t i = 0; i < row.want.size(); ++i) {
            const int digits = i == 3 ? row.unDigits : 4;
            const double tolerance = 0.5 * std::pow(10.0, 1 - digits) *
                                     std::pow(10.0, std::floor(std::log10(row.want[i])));
            EXPECT_NEAR(got[i + 1], row.want[i], tolerance * 1.000001)
                << row.fluid << " " << row.T << " K: " << names[i];
        }
    }
}

TEST(Calculator, BadInputNeverPrintsANumber) {
    QTemporaryDir db;
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* message;
    };
    const std::vector<std::string> aire{"--family", "GASES", "--fluid", "AIRE"};
    auto with = [&](std::vector<std::string> extra) {
        std::vector<std::string> a = aire;
        a.insert(a.end(), extra.begin(), extra.end());
        return a;
    };
    const Case cases[] = {
        {with({"--temp", "abc", "--pressure", "101.3"}), 1, " DEBE INTRODUCIR UN NUMERO\n"},
        {with({"--temp", "", "--pressure", "101.3"}), 1, " DEBE INTRODUCIR UN NUMERO\n"},
        {with({"--temp", "1e999", "--pressure", "101.3"}), 1, " DEBE INTRODUCIR UN NUMERO\n"},
        {with({"--temp", "nan", "--pressure", "101.3"}), 1, " DEBE INTRODUCIR UN NUMERO\n"},
        {with({"--temp", "inf", "--pressure", "101.3"}), 1, " DEBE INTRODUCIR UN NUMERO\n"},
        {with({"--temp", "-1", "--pressure", "101.3"}), 1, "ESTA TEMPERATURA NO EXISTE \n"},
        {with({"--temp", "300", "--pressure", "-5"}), 1,
         "LA PRESION ES ABSOLUTA   ¡NO PUEDE SER NEGATIVA!\n"},
        {with({"--temp", "300", "--pressure", "0"}), 1, "LA PRESION ES CERO"},
        {with({"--temp", "300", "--pressure", "1e-320"}), 1, "NO SE PUEDEN CALCULAR"},
        {{"--family", "GASES", "--fluid", "XENON", "--temp", "300", "--pressure", "101.3", "--db-dir",
          db.path().toStdString()},
         1, "LA TABLA XENON NO EXISTE EN EL ARCHIVO GASES.mdb\n"},
        {with({"--temp", "300"}), 2, "needs --pressure"},
        {with({"--temp", "80", "--scale", "ºF", "--pressure", "1"}), 2, "not offered under SI"},
        {{"--family", "PLASMA", "--fluid", "AIRE", "--temp", "300"}, 2, "--family must be"},
        {{"--family", "LIQUIDOS", "--fluid", "AGUA", "--temp", "300", "--pressure", "1"}, 2, "gases only"},
        {with({"--temp", "300", "--sweep", "1:2:1", "--pressure", "1"}), 2, "either --temp or --sweep"},
        {with({"--sweep", "300:200:10", "--pressure", "1"}), 2, "STEP"},
        {with({"--sweep", "300:400:0", "--pressure", "1"}), 2, "STEP"},
        {with({"--temp", "300", "--pressure", "1", "--bogus"}), 2, "unknown argument"},
        {with({"--temp"}), 2, "needs a value"},
    };
    for (const Case& c : cases) {
        const CalcRun r = calc(c.args);
        std::string joined;
        for (const auto& a : c.args) joined += a + " ";
        EXPECT_EQ(r.status, c.status) << joined;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << joined << "\n" << r.err;
        EXPECT_FALSE(hasDigit(r.out)) << joined << "\n" << r.out;
    }
}

TEST(Calculator, SweepAndResultsFile) {
    QTemporaryDir dir;
    const std::string file = QDir(dir.path()).filePath("r.txt").toStdString();
    const std::vector<std::string> args{"--family", "LIQUIDOS", "--fluid", "AGUA", "--sweep",
                                        "20:30:5", "--scale", "C", "--output", file};
    const CalcRun first = calc(args);
    ASSERT_EQ(first.status, 0) << first.err;
    const auto l = lines(first.out);
    ASSERT_EQ(l.size(), 4u);
    EXPECT_EQ(l[1].substr(0, 3), "20,");
    EXPECT_EQ(l[3].substr(0, 3), "30,");
    ASSERT_EQ(calc(args).status, 0);

    QFile f(QString::fromStdString(file));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.startsWith("\"T (\xBA" "C)\",\"D (Kg/m^3)\""));
    EXPECT_EQ(bytes.count("\r\n"), 7) << "one heading, then three values lines per run";
    EXPECT_EQ(bytes.count("\"T ("), 1);
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
}
