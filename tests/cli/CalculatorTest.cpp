// velmorantes-calc run in-process: its lines, its other formats and its refusals. The values
// themselves are the engine's, checked with the engine; its results file with the store.
#include "cli/Calculator.h"

#include "engine/SweepText.h"
#include "store/FluidStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

using velm::runCalculator;

namespace {

struct CalcRun { int status; std::string out, err; };

CalcRun calc(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = runCalculator(args, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace

// One sweep, beyond the correlation's range at both ends (the warnings stay on standard
// error), as values lines with a results file, as CSV, as TSV and as the results file's bytes.
TEST(Calculator, TheSameSweepInEveryFormat) {
    QTemporaryDir dir;
    const std::string db = dir.path().toStdString(), file = QDir(dir.path()).filePath("r.txt").toStdString();
    const std::vector<std::string> base{"--family", "LIQUIDOS", "--fluid", "AGUA", "--sweep", "-5:305:2.5",
                                        "--scale", "C", "--db-dir", db};
    const auto with = [&base](std::vector<std::string> extra) {
        extra.insert(extra.begin(), base.begin(), base.end());
        return extra;
    };
    const CalcRun lines = calc(with({"--output", file}));
    ASSERT_EQ(lines.status, 0) << lines.err;

    velm::SweepRequest r;
    r.family = velm::Family::Liquids;
    r.fluid = "AGUA";
    r.scale = "ºC";
    r.temperatures = velm::sweepTemperatures(-5, 2.5, 125);
    velm::StorePointSource source{velm::DatabaseFiles(dir.path())};
    const velm::SweepTable t = velm::runSweep(r, source);

    QFile written(QString::fromStdString(file));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray fileBytes = written.readAll();
    // the lines printed are the file's, in UTF-8 with line feeds
    EXPECT_EQ(lines.out, QString::fromLatin1(fileBytes).toUtf8().replace("\r\n", "\n").toStdString());
    const std::pair<const char*, std::string> formats[] = {
        {"csv", velm::csvText(t)}, {"tsv", velm::tsvText(t, false)}, {"results", fileBytes.toStdString()}};
    for (const auto& [format, want] : formats) {
        const CalcRun run = calc(with({"--format", format}));
        EXPECT_EQ(run.status, 0) << format;
        EXPECT_EQ(run.out, want) << format;
        EXPECT_EQ(run.err, lines.err) << format;
    }
}

// Status 1: an entry refused or a value not computed; 2: a usage error. Never a number.
TEST(Calculator, BadInputNeverPrintsANumber) {
    QTemporaryDir db;
    struct Case { const char* args; int status; const char* message; };  // args after GASES AIRE, unless a family
    const Case cases[] = {
        {"--temp abc --pressure 101.3", 1, " DEBE INTRODUCIR UN NUMERO\n"},
        {"--temp -1 --pressure 101.3", 1, "ESTA TEMPERATURA NO EXISTE \n"},
        {"--temp 300 --pressure -5", 1, "LA PRESION ES ABSOLUTA   ¡NO PUEDE SER NEGATIVA!\n"},
        {"--temp 300 --pressure 0", 1, "LA PRESION ES CERO"},
        {"--temp 300 --pressure 1e-320", 1, "NO SE PUEDEN CALCULAR"},
        {"--family GASES --fluid XENON --temp 300 --pressure 101.3", 1,
         "LA TABLA XENON NO EXISTE EN EL ARCHIVO GASES.mdb\n"},
        {"--temp 300", 2, "NECESITA --pressure"},
        {"--temp 80 --scale ºF --pressure 1", 2, "NO SE OFRECE EN UNIDADES SI"},
        {"--family PLASMA --fluid AIRE --temp 300", 2, "--family DEBE SER"},
        {"--family LIQUIDOS --fluid AGUA --temp 300 --pressure 1", 2, "SOLO PARA GASES"},
        {"--temp 300 --sweep 1:2:1 --pressure 1", 2, "INDIQUE --temp O --sweep"},
        {"--sweep 300:200:10 --pressure 1", 2, "EL PASO"},
        {"--temp 300 --pressure 1 --bogus", 2, "ARGUMENTO DESCONOCIDO"},
        {"--temp", 2, "NECESITA UN VALOR"},
        {"--temp=300 --pressure=1 --format=xml", 2, "--format DEBE SER"},
        {"--temp=300 --pressure=1 --plot=BETA --plot-file=b.png", 2, "FAMILIA GASES NO TIENE BETA"},
        {"--temp=300 --pressure=1 --plot=DEN", 2, "VAN JUNTAS"},
        {"--temp=300 --pressure=1 --plot=DEN --plot-file=d.jpg", 2, ".png O .svg"},
        {"--temp=300 --pressure=1 --plot=DEN --plot-file=d.png --plot-size=10x10", 2, "ANCHOxALTO"},
        {"--temp=300 --pressure=1 --plot=DEN --plot-file=d.png --plot-size=99x100", 2, "ANCHOxALTO"},
        {"--temp=300 --pressure=1 --plot=DEN --plot-file=d.png --plot-size=100x10001", 2, "ANCHOxALTO"},
        // the smallest and largest sizes pass to the entry, refused after them
        {"--temp=abc --pressure=1 --plot=DEN --plot-file=d.png --plot-size=100x10000", 1, " DEBE INTRODUCIR"},
        {"--temp=300 --pressure=1 --plot=DEN --plot-file=d.png --plot-axis=cubic", 2, "linear O log"},
        {"--temp=300 --pressure=1 --plot-size=800x600", 2, "NECESITA --plot"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"--db-dir", db.path().toStdString()};
        if (!std::string_view(c.args).starts_with("--family"))
            args.insert(args.end(), {"--family", "GASES", "--fluid", "AIRE"});
        std::istringstream words(c.args);
        for (std::string word; words >> word;) args.push_back(word);
        const CalcRun r = calc(args);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.args << "\n" << r.err;
        EXPECT_EQ(r.out, "") << c.args;
    }
}
