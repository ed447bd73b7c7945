// velmorantes-import, run in-process, and velmorantes-calc on what it converted.
#include "cli/Calculator.h"
#include "cli/Import.h"
#include "tests/legacy/Fixtures.h"

#include <QTemporaryDir>

#include <cmath>
#include <sstream>

using namespace velm;
using namespace velm::testing;

namespace {

struct ProgramRun {
    int status;
    std::string out, err;
};

ProgramRun run(int (*program)(const std::vector<std::string>&, std::ostream&, std::ostream&),
               const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = program(args, out, err);
    return {status, out.str(), err.str()};
}

std::string path(const QString& p) { return QDir::toNativeSeparators(p).toStdString(); }

}  // namespace

TEST(Import, ExitStatusAndReport) {
    QTemporaryDir dir;
    const std::string liquids = path(fixture("LIQUIDOS.mdb")), target = path(dir.filePath("LIQUIDOS.mdb"));
    const std::string missing = path(dir.filePath("NADA.mdb"));
    const struct {
        std::vector<std::string> args;
        int status;
        std::string out, err;  // what each starts with
    } cases[] = {
        {{"--help"}, 0, "Modo de empleo: velmorantes-import ANTIGUO.mdb NUEVO.mdb --family GASES|LIQUIDOS\n", ""},
        {{liquids, target}, 2, "", "velmorantes-import: FALTA --family\n"},
        {{liquids, "--family", "liquidos", target}, 2, "", "velmorantes-import: --family DEBE SER GASES O LIQUIDOS\n"},
        {{liquids, "--family=LIQUIDOS"}, 2, "", "velmorantes-import: INDIQUE EL ARCHIVO ANTIGUO Y EL ARCHIVO NUEVO\n"},
        {{missing, target, "--family", "LIQUIDOS"}, 2, "", "NO SE PUEDE LEER EL ARCHIVO " + missing},
        {{liquids, target, "--family", "LIQUIDOS"}, 1, "SE HAN IMPORTADO 2 TABLAS DE " + liquids + " EN " + target, ""},
        {{liquids, target, "--family", "LIQUIDOS"}, 2, "", "EL ARCHIVO " + target + " YA EXISTE;"},
    };
    for (const auto& c : cases) {
        const ProgramRun r = run(runImport, c.args);
        EXPECT_EQ(r.status, c.status) << c.args.back() << "\n" << r.err;
        EXPECT_EQ(r.out.rfind(c.out, 0), 0u) << r.out;
        EXPECT_EQ(r.err.rfind(c.err, 0), 0u) << r.err;
    }
}

// The imported points are what velmorantes-calc evaluates: MI GAS at a stored temperature
// and between two, AIRE beyond its correlation's range along the imported table's last two
// rows (the shipped table would go on to 3000 K).
TEST(Import, TheCalculatorEvaluatesTheImportedTables) {
    QTemporaryDir dir;
    const std::string gases = path(dir.filePath("GASES.mdb"));
    auto calc = [&](const char* fluid, const char* temp) {
        return run(runCalculator, {"--db-dir", path(dir.path()), "--family", "GASES", "--pressure", "101.3",
                                   "--fluid", fluid, "--temp", temp});
    };
    ASSERT_TRUE(QFile::copy(fixture("GASES.mdb"), dir.filePath("GASES.mdb")));
    ASSERT_EQ(run(runImport, {gases, gases, "--family", "GASES"}).status, 1);

    const Csv miGas = readCsv("GASES__MI_GAS.csv"), aire = readCsv("GASES__AIRE.csv");
    const char* columns[] = {"TEMP", "DEN", "CP", "MIU", "UN", "K", "ALFA", "PR"};
    const struct {
        const char* fluid;
        const char* temp;
        const Csv& csv;
        std::size_t r1, r2;  // the rows the value lies on the line through
    } cases[] = {{"MI GAS", "350", miGas, 1, 2}, {"MI GAS", "375", miGas, 1, 2}, {"AIRE", "3500", aire, 4, 5}};
    for (const auto& c : cases) {
        const ProgramRun r = calc(c.fluid, c.temp);
        std::istringstream line(r.out.substr(r.out.find('\n') + 1));  // past the heading
        std::vector<double> got;
        for (std::string item; std::getline(line, item, ',');) got.push_back(std::stod(item));
        ASSERT_EQ(got.size(), 8u) << c.fluid << " " << c.temp << "\n" << r.out << r.err;
        const double T = std::stod(c.temp), T1 = *c.csv.stored(c.r1, "TEMP"), T2 = *c.csv.stored(c.r2, "TEMP");
        for (std::size_t i = 0; i < got.size(); ++i) {  // as printed: fifteen significant digits
            const double x1 = *c.csv.stored(c.r1, columns[i]), x2 = *c.csv.stored(c.r2, columns[i]);
            const double want = i == 0 ? T : x1 + ((x2 - x1) / (T2 - T1)) * (T - T1);
            EXPECT_NEAR(got[i], want, 1e-13 * std::fabs(want)) << c.fluid << " " << c.temp << " " << columns[i];
        }
    }
    EXPECT_EQ(bytesOf(dir.filePath("GASES.access.mdb")), bytesOf(fixture("GASES.mdb")));
}
