// Evaluation of a stored fluid from tables of 10, 1,000 and 100,000 points, between two
// points and beyond the last one. The tables hold synthetic smooth values: what is timed is
// the reading, not the data.
//
// Memory: after a table is built, freed memory goes back to the system and the peak resident
// size is reset (Linux: /proc/self/clear_refs); peak_growth_kB is how far the evaluations
// then raised it. Streaming keeps it flat however long the table is.
#include "bench/BenchTables.h"
#include "engine/Evaluation.h"
#include "store/FluidStore.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace velm::bench;

class Silent : public velm::Notifier {
public:
    void inform(const velm::Message&) override {}
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
