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
               std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = program(args, out, err);
    return {status, out.str(), err.str()};
}

std::string path(const QString& p) { return QDir::toNativeSeparators(p).toStdString(); }

std::vector<double> valuesOf(const std::string& out) {
    std::istringstream lines(out);
    std::string line;
    std::getline(lines, line);  // the heading
    std::getline(lines, line);
    std::vector<double> v;
    std::istringstream in(line);
    for (std::string item; std::getline(in, item, ',');) v.push_back(std::stod(item));
    return v;
}

}  // namespace

TEST(Import, ExitStatusAndReport) {
    QTemporaryDir dir;
    const std::string liquids = path(fixture("LIQUIDOS.mdb")), target = path(dir.filePath("LIQUIDOS.mdb"));
    const struct {
        std::vector<std::string> args;
        int status;
        std::string out, err;  // what each starts with
    } cases[] = {
        {{"--help"}, 0, "Usage: velmorantes-import OLD.mdb NEW.mdb --family GASES|LIQUIDOS\n", ""},
        {{liquids, target}, 2, "", "velmorantes-import: --family is required\n"},
        {{liquids, "--family", "liquidos", target},
         2,
         "",
         "velmorantes-import: --family must be GASES or LIQUIDOS\n"},
        {{liquids, "--family=LIQUIDOS"}, 2, "", "velmorantes-import: give the old file and the new file\n"},
        {{path(dir.filePath("NADA.mdb")), target, "--family", "LIQUIDOS"},
         2,
         "",
         "NO SE PUEDE LEER EL ARCHIVO " + path(dir.filePath("NADA.mdb"))},
        {{liquids, target, "--family", "LIQUIDOS"},
         1,
         "SE HAN IMPORTADO 2 TABLAS DE " + liquids + " EN " + target,
         ""},
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
    const std::string calcArgs[] = {"--db-dir", path(dir.path()), "--family", "GASES", "--pressure", "101.3"};
    {
        ASSERT_TRUE(QFile::copy(fixture("GASES.mdb"), dir.filePath("GASES.mdb")));
        std::vector<std::string> args(calcArgs, calcArgs + 6);
        args.insert(args.end(), {"--fluid", "MI GAS", "--temp", "350"});
        const ProgramRun r = run(runCalculator, args);
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find(" ES UNA BASE DE DATOS DE ACCESS "), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("velmorantes-import"), std::string::npos) << r.err;
    }
    const std::string gases = path(dir.filePath("GASES.mdb"));
    ASSERT_EQ(run(runImport, {gases, gases, "--family", "GASES"}).status, 1);

    const Csv miGas = readCsv("GASES__MI_GAS.csv"), aire = readCsv("GASES__AIRE.csv");
    const char* columns[] = {"TEMP", "DEN", "CP", "MIU", "UN", "K", "ALFA", "PR"};
    // Along the line through two rows of a table, as the tabulated evaluation computes it.
    auto along = [&](const Csv& csv, std::size_t r1, std::size_t r2, double T) {
        std::vector<double> v{T};
        const double T1 = *csv.stored(r1, "TEMP"), T2 = *csv.stored(r2, "TEMP");
        for (int i = 1; i < 8; ++i) {
            const double x1 = *csv.stored(r1, columns[i]), x2 = *csv.stored(r2, columns[i]);
            v.push_back(x1 + ((x2 - x1) / (T2 - T1)) * (T - T1));
        }
        return v;
    };
    const struct {
        const char* fluid;
        const char* temp;
        std::vector<double> want;
    } cases[] = {
        {"MI GAS", "350", along(miGas, 1, 2, 350)},
        {"MI GAS", "375", along(miGas, 1, 2, 375)},
        {"AIRE", "3500", along(aire, 4, 5, 3500)},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args(calcArgs, calcArgs + 6);
        args.insert(args.end(), {"--fluid", c.fluid, "--temp", c.temp});
        const ProgramRun r = run(runCalculator, args);
        const std::vector<double> got = valuesOf(r.out);
        ASSERT_EQ(got.size(), c.want.size()) << c.fluid << " " << c.temp << "\n" << r.out << r.err;
        for (std::size_t i = 0; i < got.size(); ++i)  // as printed: fifteen significant digits
            EXPECT_NEAR(got[i], c.want[i], 1e-13 * std::fabs(c.want[i]))
                << c.fluid << " " << c.temp << " " << columns[i];
    }
    EXPECT_EQ(bytesOf(dir.filePath("GASES.access.mdb")), bytesOf(fixture("GASES.mdb")));
}
