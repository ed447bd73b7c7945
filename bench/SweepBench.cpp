// Sweeps into the screen's table model: 100,000 temperatures of a built-in fluid, and a
// 1,000-point stored table over 10,000 temperatures (read from its database file, interpolated
// and extrapolated at both ends). Each iteration is a whole press of CALCULAR, less the drawing.
// And a million temperatures of AIRE into columns the caller keeps, the Python module's path
// less Python, in the widest lanes the processor has and in the baseline's.
#include "bench/BenchTables.h"
#include "engine/Calcular.h"
#include "engine/Sweep.h"
#include "ui/SweepModel.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace velm::bench;

void sweepIntoModel(benchmark::State& state, velm::SweepRequest request, velm::PointSource& source) {
    velm::SweepModel model;
    for (auto _ : state) {
        auto table = std::make_shared<const velm::SweepTable>(velm::runSweep(request, source));
        if (table->rows() != request.temperatures.size()) state.SkipWithError("rows missing");
        model.setTable(std::move(table));
        benchmark::DoNotOptimize(model.rowCount());
    }
    state.counters["rows"] = double(request.temperatures.size());
}

void builtInFluid(benchmark::State& state, velm::Family family, const char* fluid, double from, double to) {
    ensureApplication();
    velm::SweepRequest r;
    r.family = family;
    r.fluid = fluid;
    r.pressure = 101.3;
    r.temperatures = velm::sweepTemperatures(from, (to - from) / 99999, 100000);
    velm::StorePointSource unused(files());  // inside its range a built-in fluid reads no table
    sweepIntoModel(state, r, unused);
}

void storedTable(benchmark::State& state) {
    velm::SweepRequest r;
    r.family = velm::Family::Gases;
    r.fluid = table(1000);  // 200 K to 1200 K
    r.pressure = 101.3;
    r.temperatures = velm::sweepTemperatures(150, 0.11, 10000);  // 150 K to about 1250 K
    velm::StorePointSource source(files());
    sweepIntoModel(state, r, source);
}

void intoColumns(benchmark::State& state, velm::Lanes lanes) {
    velm::SweepRequest r;
    r.family = velm::Family::Gases;
    r.fluid = "AIRE";
    r.pressure = 101.3;
    const std::vector<double> t = velm::sweepTemperatures(100, 2900.0 / 999999, 1000000);
    std::vector<std::vector<double>> columns(velm::kPropertyCount, std::vector<double>(t.size()));
    std::vector<velm::RowSource> from(t.size());
    velm::SweepColumns out;
    for (const velm::PropertyInfo& p : velm::propertiesOf(r.family)) out.value[index(p.id)] = columns[index(p.id)].data();
    out.source = from.data();
    ensureApplication();
    velm::StorePointSource unused(files());  // inside its range a built-in fluid reads no table
    velm::useLanes(lanes);
    for (auto _ : state) {
        if (velm::sweepColumns(r, t, unused, out).refusal) state.SkipWithError("refused");
        benchmark::DoNotOptimize(columns[0].data());
    }
    velm::useLanes(velm::Lanes::Widest);
    state.counters["rows"] = double(t.size());
}

BENCHMARK_CAPTURE(builtInFluid, gas, velm::Family::Gases, "AIRE", 100, 3000)
    ->Name("Sweep/100000 temperatures/AIRE")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(builtInFluid, liquid, velm::Family::Liquids, "AGUA", 273, 573)
    ->Name("Sweep/100000 temperatures/AGUA")->Unit(benchmark::kMillisecond);
BENCHMARK(storedTable)->Name("Sweep/10000 temperatures/1000-point table")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(intoColumns, widest, velm::Lanes::Widest)
    ->Name("Sweep/1000000 temperatures/AIRE into columns")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(intoColumns, baseline, velm::Lanes::Baseline)
    ->Name("Sweep/1000000 temperatures/AIRE into columns, baseline lanes")->Unit(benchmark::kMillisecond);

}  // namespace
