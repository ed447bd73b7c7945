// velmorantes-calc's other outputs: the same sweep as CSV, as tab-separated text and as the
// results file's bytes, with the same messages; and the plot options' usage errors.
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

struct Output {
    int status;
    std::string out, err;
};

Output calc(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = runCalculator(args, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace

TEST(CalculatorFormats, TheSameSweepAsCsvTsvAndResultsFile) {
    QTemporaryDir dir;
    const std::string db = dir.path().toStdString(), file = QDir(dir.path()).filePath("r.txt").toStdString();
    // Beyond the correlation's range at both ends: the warnings stay on standard error.
    const std::vector<std::string> base{"--family", "LIQUIDOS", "--fluid", "AGUA", "--sweep", "-5:305:2.5",
                                        "--scale", "ºC", "--db-dir", db};
    const auto with = [&base](std::vector<std::string> extra) {
        extra.insert(extra.begin(), base.begin(), base.end());
        return extra;
    };
    const Output lines = calc(with({"--output", file}));
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
    const std::pair<const char*, std::string> formats[] = {
        {"csv", velm::csvText(t)}, {"tsv", velm::tsvText(t, false)}, {"results", written.readAll().toStdString()}};
    for (const auto& [format, want] : formats) {
        const Output run = calc(with({"--format", format}));
        EXPECT_EQ(run.status, 0) << format;
        EXPECT_EQ(run.out, want) << format;
        EXPECT_EQ(run.err, lines.err) << format;
    }
}

TEST(CalculatorFormats, BadFormatAndPlotOptionsAreUsageErrors) {
    const std::vector<std::string> aire{"--family", "GASES", "--fluid", "AIRE", "--temp", "300", "--pressure", "1"};
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"--format", "xml"}, "--format must be"},
        {{"--plot", "BETA", "--plot-file", "b.png"}, "GASES family has no BETA"},
        {{"--plot", "DEN"}, "go together"},
        {{"--plot", "DEN", "--plot-file", "d.jpg"}, ".png or .svg"},
        {{"--plot", "DEN", "--plot-file", "d.png", "--plot-size", "10x10"}, "WIDTHxHEIGHT"},
        {{"--plot", "DEN", "--plot-file", "d.png", "--plot-axis", "cubic"}, "linear or log"},
        {{"--plot-size", "800x600"}, "needs --plot"},
    };
    for (const auto& [extra, message] : cases) {
        std::vector<std::string> args = aire;
        args.insert(args.end(), extra.begin(), extra.end());
        const Output run = calc(args);
        EXPECT_EQ(run.status, 2) << message;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "") << message;
    }
}
