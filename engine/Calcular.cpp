#include "engine/Calcular.h"

using namespace velm;

namespace velm {
namespace {

// The piece each correlation takes at T, looked up once per temperature.
using Pieces = std::array<const Piece*, kCorrelatedCount>;

Pieces piecesAt(const FluidCorrelations& f, double T, std::size_t count) {
    Pieces p{};
    for (std::size_t i = 0; i < count; ++i) p[i] = &selectPiece(f.property[i], T);
    return p;
}
constexpr std::size_t kGasCorrelations = P_BETA;  // a gas has no BETA
constexpr std::size_t kLiquidCorrelations = kCorrelatedCount;

// The arithmetic of each family, once for a temperature (V = double) or for two side by
// side (V = Pair): the powers of T formed once for every correlation, and each line using
// the values stored by the lines before it.
template <class V>
std::array<V, kPropertyCount> gas(const Pieces& piece, const PowersOf<V>& t, double P) {
    std::array<V, kPropertyCount> v{};
    V& DEN = v[index(Property::DEN)];
    V& CP = v[index(Property::CP)];
    V& MIU = v[index(Property::MIU)];
    V& K = v[index(Property::K)];
    const V den = evaluate(*piece[P_DEN], t);
    CP = evaluate(*piece[P_CP], t);
    DEN = (den * P) / kReferencePressure;
    MIU = evaluate(*piece[P_MIU], t) / kGasMiuUnit;
    v[index(Property::UN)] = ((evaluate(*piece[P_UN], t) / kGasUnUnit) * kReferencePressure) / P;
    K = evaluate(*piece[P_K], t) / kGasKUnit;
    v[index(Property::ALFA)] = K / ((DEN * CP) * 1000.0);
    v[index(Property::PR)] = ((MIU * CP) * 1000.0) / K;
    return v;
}

template <class V>
std::array<V, kPropertyCount> liquid(const Pieces& piece, const PowersOf<V>& t) {
    std::array<V, kPropertyCount> v{};
    V& DEN = v[index(Property::DEN)];
    V& CP = v[index(Property::CP)];
    V& MIU = v[index(Property::MIU)];
    V& K = v[index(Property::K)];
    // Density first: the density-derivative form of BETA divides by it.
    DEN = evaluate(*piece[P_DEN], t);
    CP = evaluate(*piece[P_CP], t);
    MIU = evaluate(*piece[P_MIU], t) / kLiquidMiuUnit;
    v[index(Property::UN)] = evaluate(*piece[P_UN], t) / kLiquidUnUnit;
    K = evaluate(*piece[P_K], t);
    v[index(Property::BETA)] = evaluate(*piece[P_BETA], t, piece[P_DEN], DEN);
    v[index(Property::ALFA)] = K / ((DEN * CP) * 1000.0);
    v[index(Property::PR)] = ((MIU * CP) * 1000.0) / K;
    return v;
}

// Two temperatures: side by side where both take the same pieces, otherwise one by one.
template <class Values>
void pair(const FluidCorrelations& f, std::size_t count, const std::array<double, 2>& T, Values values,
          std::array<std::array<double, kPropertyCount>, 2>& out) {
    const Pieces first = piecesAt(f, T[0], count), second = piecesAt(f, T[1], count);
    if (first != second) {
        for (std::size_t lane = 0; lane < 2; ++lane) {
            const auto v = values(lane == 0 ? first : second, Powers(T[lane]));
            out[lane] = v;
        }
        return;
    }
    const auto v = values(first, PowersOf<Pair>(Pair{T[0], T[1]}));
    for (std::size_t i = 0; i < kPropertyCount; ++i) {
        out[0][i] = v[i][0];
        out[1][i] = v[i][1];
    }
}

}  // namespace

// Flattened: every evaluator call inside is inlined, for the many temperatures of a sweep.
[[gnu::flatten]] std::array<double, kPropertyCount> gasValues(const FluidCorrelations& f, double T, double P) {
    return gas(piecesAt(f, T, kGasCorrelations), Powers(T), P);
}

[[gnu::flatten]] std::array<double, kPropertyCount> liquidValues(const FluidCorrelations& f, double T) {
    return liquid(piecesAt(f, T, kLiquidCorrelations), Powers(T));
}

[[gnu::flatten]] void gasValues(const FluidCorrelations& f, const std::array<double, 2>& T, double P,
                                std::array<std::array<double, kPropertyCount>, 2>& out) {
    pair(f, kGasCorrelations, T, [P](const Pieces& p, const auto& t) { return gas(p, t, P); }, out);
}

[[gnu::flatten]] void liquidValues(const FluidCorrelations& f, const std::array<double, 2>& T,
                                   std::array<std::array<double, kPropertyCount>, 2>& out) {
    pair(f, kLiquidCorrelations, T, [](const Pieces& p, const auto& t) { return liquid(p, t); }, out);
}

namespace {

// Two temperatures at a time, the last one alone.
template <class One, class Two>
void many(std::span<const double> T, std::span<std::array<double, kPropertyCount>> out, One one, Two two) {
    const std::size_t n = out.size();
    std::size_t i = 0;
    for (; i + 1 < n; i += 2) {
        std::array<std::array<double, kPropertyCount>, 2> v;
        two(std::array<double, 2>{T[i], T[i + 1]}, v);
        out[i] = v[0];
        out[i + 1] = v[1];
    }
    if (i < n) out[i] = one(T[i]);
}

}  // namespace

void gasValues(const FluidCorrelations& f, std::span<const double> T, double P,
               std::span<std::array<double, kPropertyCount>> out) {
    many(T, out, [&](double t) { return gasValues(f, t, P); },
         [&](const std::array<double, 2>& t, auto& v) { gasValues(f, t, P, v); });
}

void liquidValues(const FluidCorrelations& f, std::span<const double> T,
                  std::span<std::array<double, kPropertyCount>> out) {
    many(T, out, [&](double t) { return liquidValues(f, t); },
         [&](const std::array<double, 2>& t, auto& v) { liquidValues(f, t, v); });
}

}  // namespace velm

namespace {

void store(Module1& m, const std::array<double, kPropertyCount>& v, Family family) {
    for (const PropertyInfo& p : propertiesOf(family)) m.*p.field = v[index(p.id)];
}

}  // namespace

void CalcularGas(Module1& m) {
    const FluidCorrelations* gas = findCorrelations(gasCorrelations(), m.FLUIDO.value_or(""));
    if (!gas) return;
    store(m, gasValues(*gas, *m.TEMP, *m.PRESION), Family::Gases);
}

void CalcularLiquido(Module1& m) {
    const FluidCorrelations* liquid =
        findCorrelations(liquidCorrelations(), m.FLUIDO.value_or(""));
    if (!liquid) return;
    store(m, liquidValues(*liquid, *m.TEMP), Family::Liquids);
}
