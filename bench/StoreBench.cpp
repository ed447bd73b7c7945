// Evaluation of a stored fluid from tables of 10, 1,000 and 100,000 points, between two
// points and beyond the last one. The tables hold synthetic smooth values: what is timed is
// the reading, not the data.
//
// Memory: after a table is built, freed memory goes back to the system and the peak resident
// size is reset (Linux: /proc/self/clear_refs); peak_growth_kB is how far the evaluations
// then raised it. Streaming keeps it flat however long the table is.
#include "engine/Evaluation.h"
#include "store/FluidStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <numeric>
#include <random>
#include <string>

namespace {

// Qt Sql loads its SQLite driver as a plugin, which needs an application object.
void ensureApplication() {
    static int argc = 1;
    static char name[] = "velmorantes-bench";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

long statusKB(const char* field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field, 0) == 0) return std::stol(line.substr(std::string(field).size()));
    return -1;
}

void resetPeakResident() {
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
}

const velm::DatabaseFiles& files() {
    static QTemporaryDir dir;
    static velm::DatabaseFiles f(dir.path());
    return f;
}

// The gas table "PUNTOS n": n points from 200 K to 1200 K, stored in shuffled order.
std::string table(int n) {
    static std::map<int, std::string> built;
    if (auto it = built.find(n); it != built.end()) return it->second;
    ensureApplication();
    const std::string title = "PUNTOS " + std::to_string(n);
    velm::FluidStore(files(), velm::Family::Gases).createTable(title);

    std::vector<int> order(std::size_t(n), 0);
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), std::mt19937(7));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "bench-fill");
        db.setDatabaseName(files().pathFor(velm::Family::Gases));
        db.open();
        db.transaction();
        QSqlQuery q(db);
        q.prepare(QString("INSERT INTO \"%1\" VALUES (?, ?, ?, ?, ?, ?, ?, ?)")
                      .arg(QString::fromStdString(title)));
        for (const int i : order) {
            const double T = 200 + 1000.0 * i / std::max(n - 1, 1);
            const double values[] = {T, 350 / T, 1 + T / 5000, 1e-5 + T * 3e-8, 1e-5 * T / 100,
                                     0.01 + T * 5e-5, 2e-5 * T / 100, 0.7};
            for (int c = 0; c < 8; ++c) q.bindValue(c, double(float(values[c])));
            q.exec();
        }
        db.commit();
    }
    QSqlDatabase::removeDatabase("bench-fill");
    built[n] = title;
    return title;
}

class Silent : public velm::Notifier {
public:
    void inform(const std::string&) override {}
};

void storedFluid(benchmark::State& state, double T) {
    const std::string fluid = table(int(state.range(0)));
    velm::StorePointSource source(files());
    Silent quiet;
    Module1 m;
    m.FAMILIA = velm::Family::Gases;
    m.UNIDADES = "SI";
    m.FLUIDO = fluid;
    m.PRESION = 101.3;
    m.TEMP = T;
    resetPeakResident();
    const long before = statusKB("VmRSS:");
    for (auto _ : state) {
        const velm::Evaluation e = velm::runEvaluation(m, "SI", source, quiet);
        if (e.outcome != velm::EvaluationOutcome::Shown) state.SkipWithError("not evaluated");
        benchmark::DoNotOptimize(m.DEN);
    }
    state.counters["peak_growth_kB"] = double(statusKB("VmHWM:") - before);
}

void betweenPoints(benchmark::State& state) { storedFluid(state, 700.3); }
void beyondTheTable(benchmark::State& state) { storedFluid(state, 1500); }

BENCHMARK(betweenPoints)->Name("StoredFluid/between")->Arg(10)->Arg(1000)->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(beyondTheTable)->Name("StoredFluid/extrapolating")->Arg(10)->Arg(1000)->Arg(100000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
