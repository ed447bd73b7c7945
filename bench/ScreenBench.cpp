// The tables-and-plots screen on a real display (run it under Xvfb: scripts/measure.sh):
// from the menu item to a plot of 10,000 points on the screen. Each iteration opens the screen
// afresh (created, loaded, shown), computes AIRE from 100 K to 3000 K and paints it.
#include "engine/Module1.h"
#include "store/FluidStore.h"
#include "ui/SweepModel.h"
#include "ui/frmGRAFICAS.h"
#include "ui/mdiGENERAL.h"
#include "ui/toolkit/QtPlatform.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// No dialog may stop the clock: every answer is "cancel".
struct Quiet : velm::MessageBoxes, velm::SaveDialog, velm::BusyPointer, velm::KeySender, velm::ExportDialog,
               velm::Clipboard {
    void information(const QString&) override { ++shown; }
    bool question(const QString&, const QString&) override { return false; }
    std::optional<QString> fileName(const QString&, const QString&) override { return std::nullopt; }
    void setBusy(bool) override {}
    void sendDownArrow() override {}
    std::optional<Choice> exportFile(const QString&, const QStringList&) override { return std::nullopt; }
    void setText(const QString&) override {}
    int shown = 0;
};

void openAndPlot(benchmark::State& state) {
    QTemporaryDir dir;
    const velm::DatabaseFiles files(dir.path());
    Module1 m;
    velm::AppContext context{m, files};
    Quiet quiet;
    velm::Platform platform{quiet, quiet, quiet, quiet, quiet, quiet};
    mdiGENERAL main(context, platform);
    main.MDIForm_Load();
    main.resize(1280, 900);
    main.show();
    QApplication::processEvents();

    const QString step = QString::number(2900.0 / double(state.range(0) - 1), 'g', 17);
    for (auto _ : state) {
        main.mnuTablas->trigger();
        auto& s = static_cast<frmGRAFICAS&>(main.screens().screen("frmGRAFICAS"));
        s.txtDESDE->setText("100");
        s.txtHASTA->setText("3000");
        s.txtPASO->setText(step);
        s.txtPRES->setText("101.3");
        s.cmdCALCULAR_Click();
        // Layout first (posted), then the table's rows on view and the whole plot painted now.
        QApplication::processEvents();
        s.frame()->repaint();
        QApplication::processEvents();

        state.PauseTiming();
        if (s.model->rowCount() != state.range(0) || quiet.shown) state.SkipWithError("no plot");
        main.screens().unload("frmGRAFICAS");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    state.counters["points"] = double(state.range(0));
}

BENCHMARK(openAndPlot)->Name("TablesScreen/open and plot")->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)
    ->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    velm::installTypefaces();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
