// Convection coefficients: one calculation through a resolved fluid, and a sweep of 100,000
// values beside the 100,000-temperature property sweep of the same fluid (air, in range, so
// that no table is read by either).
#include "convection/ConvectionEntry.h"
#include "engine/Sweep.h"

#include <benchmark/benchmark.h>

namespace {

using namespace velm::convection;

class NoTable : public velm::PointSource {
public:
    void readPoints(velm::Family, std::string_view, const std::function<void(const velm::TablePoint&)>&) override {}
};

Inputs airCylinder() {
    Inputs in;
    in.kase = Case::Cylinder;
    in.surface = 400;
    in.fluid = 300;
    in.length = 0.0127;
    in.velocity = 10;
    return in;
}

// Each iteration a new surface temperature, so that the properties are evaluated afresh.
void oneCalculation(benchmark::State& state) {
    NoTable none;
    FluidProperties air(velm::Family::Gases, "AIRE", 101.3, none);
    Inputs in = airCylinder();
    double step = 0;
    for (auto _ : state) {
        in.surface = 400 + (step += 1e-3);
        benchmark::DoNotOptimize(calculate(air, in).result.h);
    }
}

void sweep(benchmark::State& state) {
    NoTable none;
    const auto v = static_cast<Variable>(state.range(0));
    const std::vector<double> values =
        v == Variable::SurfaceTemp ? velm::sweepTemperatures(310, 0.01, 100000) : velm::sweepTemperatures(0.1, 1e-3, 100000);
    for (auto _ : state) {
        FluidProperties air(velm::Family::Gases, "AIRE", 101.3, none);  // resolved once per sweep
        const Sweep s = runSweep(air, airCylinder(), v, values, {});
        if (s.rows.size() != values.size()) state.SkipWithError("rows missing");
        benchmark::DoNotOptimize(s.rows.back().h);
    }
}

// The same fluid's 100,000-temperature property sweep, for comparison.
void propertySweep(benchmark::State& state) {
    NoTable none;
    velm::SweepRequest r;
    r.family = velm::Family::Gases;
    r.fluid = "AIRE";
    r.pressure = 101.3;
    r.temperatures = velm::sweepTemperatures(305, 0.005, 100000);
    for (auto _ : state) {
        const velm::SweepTable t = velm::runSweep(r, none);
        benchmark::DoNotOptimize(t.rows());
    }
}

BENCHMARK(oneCalculation)->Name("Convection/one calculation/AIRE cylinder");
BENCHMARK(sweep)->Name("Convection/100000 values/vary surface-temp")->Arg(int(Variable::SurfaceTemp))->Unit(benchmark::kMillisecond);
BENCHMARK(sweep)->Name("Convection/100000 values/vary velocity")->Arg(int(Variable::Velocity))->Unit(benchmark::kMillisecond);
BENCHMARK(propertySweep)->Name("Convection/100000 temperatures/property sweep")->Unit(benchmark::kMillisecond);

}  // namespace
