// One full evaluation of every built-in fluid: correlations, scaling and derived properties.
#include "engine/Calcular.h"
#include "engine/Catalogue.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void fullEvaluation(benchmark::State& state, velm::Family family, const char* fluid) {
    const velm::BuiltInFluid* f = velm::lookupBuiltIn(family, fluid);
    const bool gas = family == velm::Family::Gases;
    Module1 m;
    m.FAMILIA = family;
    m.FLUIDO = fluid;
    m.PRESION = 101.3;
    // walk the valid range so every piece is taken
    const double step = (f->highest - f->lowest) / 97;
    double T = f->lowest;
    for (auto _ : state) {
        m.TEMP = T;
        if (gas) CalcularGas(m);
        else CalcularLiquido(m);
        benchmark::DoNotOptimize(m.PR);
        T += step;
        if (T > f->highest) T = f->lowest;
    }
}

int registerAll() {
    for (const velm::Family family : velm::kFamilies)
        for (const velm::BuiltInFluid& f : velm::builtInFluids(family))
            benchmark::RegisterBenchmark(
                ("FullEvaluation/" + std::string(velm::familyName(family)) + "/" + std::string(f.name)).c_str(),
                fullEvaluation, family, f.name.data());
    return 0;
}
const int registered = registerAll();

}  // namespace

BENCHMARK_MAIN();
