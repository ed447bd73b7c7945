#include "engine/Calcular.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <limits>
#include <utility>

using namespace velm;

namespace velm {
namespace {

// The correlations' values at one temperature, by CorrelatedProperty, in correlation units;
// a gas has no BETA (left 0).
[[gnu::always_inline]] inline std::array<double, kCorrelatedCount> correlated(const FluidCorrelations& f,
                                                                              const Powers& t, bool liquid) {
    std::array<double, kCorrelatedCount> c{};
    for (std::size_t i = 0; i < P_BETA; ++i) c[i] = evaluate(f.property[i], t);
    // the density-derivative form of BETA divides by the density
    if (liquid) c[P_BETA] = evaluate(f.property[P_BETA], t, f.property[P_DEN], c[P_DEN]);
    return c;
}

// From the correlations' values to the family's properties in SI units, for one temperature
// (V = double) or several side by side: each line using the values stored by the lines
// before it. A gas's BETA is 0.
template <class V>
[[gnu::always_inline]] inline std::array<V, kPropertyCount> gasFrom(const std::array<V, kCorrelatedCount>& c,
                                                                    double P) {
    std::array<V, kPropertyCount> v{};
    V& DEN = v[index(Property::DEN)];
    V& CP = v[index(Property::CP)];
    V& MIU = v[index(Property::MIU)];
    V& K = v[index(Property::K)];
    CP = c[P_CP];
    DEN = (c[P_DEN] * P) / kReferencePressure;
    MIU = c[P_MIU] / kGasMiuUnit;
    v[index(Property::UN)] = ((c[P_UN] / kGasUnUnit) * kReferencePressure) / P;
    K = c[P_K] / kGasKUnit;
    v[index(Property::ALFA)] = K / ((DEN * CP) * 1000.0);
    v[index(Property::PR)] = ((MIU * CP) * 1000.0) / K;
    return v;
}

template <class V>
[[gnu::always_inline]] inline std::array<V, kPropertyCount> liquidFrom(const std::array<V, kCorrelatedCount>& c) {
    std::array<V, kPropertyCount> v{};
    V& DEN = v[index(Property::DEN)];
    V& CP = v[index(Property::CP)];
    V& MIU = v[index(Property::MIU)];
    V& K = v[index(Property::K)];
    DEN = c[P_DEN];
    CP = c[P_CP];
    MIU = c[P_MIU] / kLiquidMiuUnit;
    v[index(Property::UN)] = c[P_UN] / kLiquidUnUnit;
    K = c[P_K];
    v[index(Property::BETA)] = c[P_BETA];
    v[index(Property::ALFA)] = K / ((DEN * CP) * 1000.0);
    v[index(Property::PR)] = ((MIU * CP) * 1000.0) / K;
    return v;
}

template <class V>
[[gnu::always_inline]] inline std::array<V, kPropertyCount> valuesFrom(const std::array<V, kCorrelatedCount>& c,
                                                                       bool liquid, double P) {
    return liquid ? liquidFrom(c) : gasFrom(c, P);
}

// Many temperatures go property by property, in runs of up to kRun: the powers of each
// temperature formed once and kept, each correlation's values over the run into its column,
// then the properties from them, each temperature's arithmetic exactly its own.
constexpr std::size_t kRun = 256;

// The column a correlation's values wait in before the properties are formed from them.
constexpr std::array<std::size_t, kCorrelatedCount> kColumnOf{
    index(Property::DEN), index(Property::CP), index(Property::MIU),
    index(Property::UN),  index(Property::K),  index(Property::BETA)};

template <class V>
[[gnu::always_inline]] inline V load(const double* p) {
    V v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

template <class V>
[[gnu::always_inline]] inline void put(double* p, V v) {
    std::memcpy(p, &v, sizeof v);
}

// f(std::integral_constant<std::size_t, I>) for I = 0 … N − 1, written out: every index a
// constant, so that arrays of vectors indexed by them stay in registers.
template <std::size_t N, class F>
[[gnu::always_inline]] inline void unrolled(F f) {
    [&]<std::size_t... I>(std::index_sequence<I...>) __attribute__((always_inline)) {
        (f(std::integral_constant<std::size_t, I>{}), ...);
    }(std::make_index_sequence<N>{});
}

// Whether no lane of x is NaN.
template <class V>
[[gnu::always_inline]] inline bool noNaN(V x) {
    if constexpr (std::is_same_v<V, double>) {
        return x == x;
    } else {
        double sum = 0;
        for (std::size_t l = 0; l < kLanes<V>; ++l) sum += x[l];
        return sum == sum;
    }
}

// T¹ … T⁶ of a run's temperatures, formed as PowersOf forms them.
struct PowerRows {
    std::array<std::array<double, kRun>, 6> row;

    // Also the lowest and the highest temperature; with one that is not a number among them
    // (which takes a correlation's last piece), −∞ and NaN, so that a correlation is run as
    // one piece only when even −∞ takes its last.
    double lowest, highest;

    template <class V>
    [[gnu::always_inline]] void form(const double* T, std::size_t n) {
        V low = load<V>(T), high = low, nan{};
        for (std::size_t i = 0; i < n; i += kLanes<V>) {
            const V x = load<V>(T + i);
            const PowersOf<V> t(x);
            unrolled<6>([&](auto k) __attribute__((always_inline)) { put(row[k].data() + i, t.p[k + 1]); });
            low = choose(x < low, x, low);
            high = choose(x > high, x, high);
            nan += x - x;  // NaN from a NaN (or an infinity: then taken as one, which costs only time)
        }
        lowest = low[0];
        highest = high[0];
        for (std::size_t l = 1; l < kLanes<V>; ++l) {
            lowest = std::min(lowest, low[l]);
            highest = std::max(highest, high[l]);
        }
        if (!noNaN(nan)) {
            lowest = -std::numeric_limits<double>::infinity();
            highest = std::numeric_limits<double>::quiet_NaN();
        }
    }
    template <class V>
    [[gnu::always_inline]] PowersOf<V> at(std::size_t i) const {
        PowersOf<V> t;
        t.p[0] = splat<V>(1.0);
        unrolled<6>([&](auto k) __attribute__((always_inline)) { t.p[k + 1] = load<V>(row[k].data() + i); });
        return t;
    }
};

// The powers of the temperatures at i as the polynomials read them, each loaded when read.
template <class V>
struct PowersAt {
    const PowerRows& rows;
    std::size_t i;
    [[gnu::always_inline]] V operator[](std::size_t k) const {
        return k == 0 ? splat<V>(1.0) : load<V>(rows.row[k - 1].data() + i);
    }
};

// value(i) for each whole vector of the run's first n temperatures, into out.
template <class V, class Value>
[[gnu::always_inline]] inline void eachVector(std::size_t n, double* out, Value value) {
    for (std::size_t i = 0; i < n; i += kLanes<V>) put(out + i, value(i));
}

// One correlation over a run. Where its lowest and its highest temperature take the same
// piece, so does every temperature between them (a temperature that a piece takes is below
// or at its upper boundary, and so is any lower one), and that piece's arithmetic runs over
// them all, its form and degree settled once for the run: a sweep's usual case. Otherwise
// each vector by the pieces its lanes take. `density` is the density correlation and its
// values over the run, for the density-derivative form.
template <class V>
[[gnu::always_inline]] inline void correlationOver(PieceList c, const PowerRows& powers, std::size_t n, double lowest,
                                                   double highest, double* out, PieceList density = {},
                                                   const double* densities = nullptr) {
    const auto each = [&](auto value) __attribute__((always_inline)) { eachVector<V>(n, out, value); };
    const auto byLane = [&]() __attribute__((always_inline)) {
        each([&](std::size_t i) __attribute__((always_inline)) {
            return evaluate(c, powers.at<V>(i), density, densities ? load<V>(densities + i) : V{});
        });
    };
    const Piece& p = selectPiece(c, lowest);
    if (&p != &selectPiece(c, highest)) return byLane();
    switch (p.form) {
        case PieceForm::Polynomial:
        case PieceForm::ExpansionPolynomial:
            // The coefficients copied (k), where no store into the columns can reach them:
            // loaded once for the run, not once for each vector.
            return withDegree(p.degree, [&, k = p.c](auto d) __attribute__((always_inline)) {
                constexpr int D = decltype(d)::value;
                if (p.form == PieceForm::Polynomial)
                    each([&](std::size_t i) __attribute__((always_inline)) {
                        return polynomialTerms<D>(k, PowersAt<V>{powers, i});
                    });
                else
                    each([&](std::size_t i) __attribute__((always_inline)) {
                        return polynomialTerms<D>(k, PowersAt<V>{powers, i}) / 1000;
                    });
            });
        case PieceForm::DensityDerivative: {
            const Piece& d = selectPiece(density, lowest);
            if (&d != &selectPiece(density, highest)) return byLane();
            return withDegree(d.degree, [&, k = d.c](auto degree) __attribute__((always_inline)) {
                each([&](std::size_t i) __attribute__((always_inline)) {
                    return -derivativeTerms<decltype(degree)::value>(k, PowersAt<V>{powers, i}) /
                           load<V>(densities + i);
                });
            });
        }
        case PieceForm::Constant:
        case PieceForm::PowerLaw:
        case PieceForm::ExpansionConstant:
            break;
    }
    each([&](std::size_t i) __attribute__((always_inline)) { return evaluate(p, powers.at<V>(i)); });
}

// What a sweep does with the values: each multiplied by its factor (when there are factors),
// as a row alone is; and whether every one came out finite (x − x is 0 for a finite x, NaN
// for any other).
struct Finish {
    const PropertyValues* factor = nullptr;

    template <class V>
    [[gnu::always_inline]] void apply(std::array<V, kPropertyCount>& v, V& notFinite) const {
        if (factor) unrolled<kPropertyCount>([&](auto p) __attribute__((always_inline)) { v[p] *= (*factor)[p]; });
        unrolled<kPropertyCount>([&](auto p) __attribute__((always_inline)) { notFinite += v[p] - v[p]; });
    }
};

// The first n temperatures (a whole number of vectors, at most kRun) into the columns.
template <class V>
[[gnu::always_inline]] inline bool run(const FluidCorrelations& f, bool liquid, const double* T, std::size_t n,
                                       double P, const ValueColumns& out, const Finish& finish) {
    PowerRows powers;
    powers.form<V>(T, n);
    const double lowest = powers.lowest, highest = powers.highest;
    for (std::size_t c = 0; c < P_BETA; ++c)
        correlationOver<V>(f.property[c], powers, n, lowest, highest, out[kColumnOf[c]]);
    if (liquid)
        correlationOver<V>(f.property[P_BETA], powers, n, lowest, highest, out[kColumnOf[P_BETA]],
                           f.property[P_DEN], out[kColumnOf[P_DEN]]);
    V notFinite{};
    for (std::size_t i = 0; i < n; i += kLanes<V>) {
        std::array<V, kCorrelatedCount> c;
        unrolled<kCorrelatedCount>([&](auto k) __attribute__((always_inline)) {
            c[k] = liquid || k != P_BETA ? load<V>(out[kColumnOf[k]] + i) : V{};
        });
        std::array<V, kPropertyCount> v = valuesFrom(c, liquid, P);
        finish.apply(v, notFinite);
        unrolled<kPropertyCount>([&](auto p) __attribute__((always_inline)) { put(out[p] + i, v[p]); });
    }
    return noNaN(notFinite);
}

// Every temperature from `i` on that fills whole vectors of V, in runs; `i` is left at the
// first one not done.
template <class V>
[[gnu::always_inline]] inline bool vectors(const FluidCorrelations& f, bool liquid, std::span<const double> T,
                                           double P, const ValueColumns& out, const Finish& finish, std::size_t& i) {
    bool finite = true;
    while (T.size() - i >= kLanes<V>) {
        const std::size_t n = std::min(kRun, (T.size() - i) / kLanes<V> * kLanes<V>);
        ValueColumns at;
        for (std::size_t p = 0; p < kPropertyCount; ++p) at[p] = out[p] + i;
        finite = run<V>(f, liquid, T.data() + i, n, P, at, finish) && finite;
        i += n;
    }
    return finite;
}

std::atomic<bool> baselineForced{false};

#if defined(__x86_64__)
// AVX2's four lanes, chosen while running; AVX2 alone, without FMA, so nothing is fused.
using Quad = double __attribute__((vector_size(32)));

bool hasAvx2() {
    static const bool avx2 = (__builtin_cpu_init(), __builtin_cpu_supports("avx2"));
    return avx2;
}

[[gnu::target("avx2")]] bool quads(const FluidCorrelations& f, bool liquid, std::span<const double> T, double P,
                                   const ValueColumns& out, const Finish& finish, std::size_t& i) {
    return vectors<Quad>(f, liquid, T, P, out, finish, i);
}
#endif

bool quadsChosen() {
#if defined(__x86_64__)
    return hasAvx2() && !baselineForced.load(std::memory_order_relaxed);
#else
    return false;
#endif
}

bool values(const FluidCorrelations& f, bool liquid, std::span<const double> T, double P, const ValueColumns& out,
            const PropertyValues* factors) {
    const Finish finish{factors};
    std::size_t i = 0;
    bool finite = true;
#if defined(__x86_64__)
    if (quadsChosen()) finite = quads(f, liquid, T, P, out, finish, i);
#endif
    finite = vectors<Pair>(f, liquid, T, P, out, finish, i) && finite;
    for (; i < T.size(); ++i) {
        std::array<double, kPropertyCount> v = valuesFrom(correlated(f, Powers(T[i]), liquid), liquid, P);
        double notFinite = 0;
        finish.apply(v, notFinite);
        finite = finite && noNaN(notFinite);
        for (std::size_t p = 0; p < kPropertyCount; ++p) out[p][i] = v[p];
    }
    return finite;
}

}  // namespace

std::array<double, kPropertyCount> gasValues(const FluidCorrelations& f, double T, double P) {
    return gasFrom(correlated(f, Powers(T), false), P);
}

std::array<double, kPropertyCount> liquidValues(const FluidCorrelations& f, double T) {
    return liquidFrom(correlated(f, Powers(T), true));
}

bool gasValues(const FluidCorrelations& f, std::span<const double> T, double P, const ValueColumns& out,
               const PropertyValues* factors) {
    return values(f, false, T, P, out, factors);
}

bool liquidValues(const FluidCorrelations& f, std::span<const double> T, const ValueColumns& out,
                  const PropertyValues* factors) {
    return values(f, true, T, 0, out, factors);
}

void useLanes(Lanes lanes) { baselineForced.store(lanes == Lanes::Baseline, std::memory_order_relaxed); }

std::size_t laneCount() { return quadsChosen() ? 4 : 2; }

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
