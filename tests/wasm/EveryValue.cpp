// Every value the core computes from the built-in correlations, bit by bit: each built-in
// fluid's properties across its range, and the convection cases over a grid of their inputs.
// The WebAssembly build compares its own values with a native build's, and allows only the
// differences below.
//
//   velm_every_value write FILE      the values, one per line: what they are, then their bits
//   velm_every_value compare FILE    this build's values against FILE's; every difference is
//                                    listed, and one not allowed below fails
#include "convection/Convection.h"
#include "engine/Calcular.h"
#include "engine/Catalogue.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

using namespace velm;

namespace {

// WebAssembly's C library is musl, not glibc, and its pow() may round the other way. (The core
// takes its cube roots from a function of its own, correctly rounded, the same bits on both.)
//
// Among the properties pow() is used once, by HIDROGENO's density (a power law, c·T^e), and
// ALFA divides by the density. Where that reaches a value on this grid, the value may differ
// by one unit in the last place: at these, and nowhere else.
struct Allowed {
    Family family;
    const char* fluid;
    double kelvin;
    Property property;
};
const Allowed kOneUnitApart[] = {
    {Family::Gases, "HIDROGENO", 616.8, Property::DEN},
    {Family::Gases, "HIDROGENO", 616.8, Property::ALFA},
    {Family::Gases, "HIDROGENO", 660.5, Property::DEN},
    {Family::Gases, "HIDROGENO", 660.5, Property::ALFA},
};
// Convection raises Re, Pr and Ra to fractional powers through pow(): a pow() a unit apart moves
// Nu, and h and q from it, by a unit or, squared as in Churchill and Chu's correlation, by a few.
// On this grid, at these and nowhere else, each by exactly this many units.
struct ConvectionAllowed {
    const char* what;  // the calculation, as the values are named: Nu, h and q all differ
    std::uint64_t units;
};
const ConvectionAllowed kConvectionApart[] = {
    {"cylinder GASES VAPOR Ts=709 Tf=615 L=0.01 v=3", 1},
    {"vertical-plate GASES OXIGENO Ts=460 Tf=340 L=2", 3},
};

constexpr int kSteps = 1000;         // temperatures across each fluid's range, ends included
constexpr double kPressure = 101.3;  // kPa, every gas

std::uint64_t bitsOf(double v) {
    std::uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

std::string number(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

class Values {
public:
    void add(std::string what, double v) { values_.emplace_back(std::move(what), bitsOf(v)); }
    const std::vector<std::pair<std::string, std::uint64_t>>& all() const { return values_; }

private:
    std::vector<std::pair<std::string, std::uint64_t>> values_;
};

// A table the built-in fluids never read inside their ranges.
class NoTable : public PointSource {
public:
    void readPoints(Family, std::string_view, const std::function<void(const TablePoint&)>&) override {}
};

void properties(Values& out) {
    for (const Family family : kFamilies)
        for (const BuiltInFluid& f : builtInFluids(family))
            for (int k = 0; k <= kSteps; ++k) {
                Module1 m;
                m.FAMILIA = family;
                m.FLUIDO = std::string(f.name);
                m.TEMP = k == kSteps ? f.highest : f.lowest + (f.highest - f.lowest) * k / kSteps;
                m.PRESION = kPressure;
                if (family == Family::Gases) CalcularGas(m);
                else CalcularLiquido(m);
                const std::string at = std::string(familyName(family)) + " " + std::string(f.name) + " " +
                                       number(*m.TEMP) + " ";
                for (const PropertyInfo& p : propertiesOf(family)) out.add(at + std::string(p.column), *(m.*p.field));
            }
}

void convectionCases(Values& out) {
    using namespace velm::convection;
    NoTable none;
    for (const CaseInfo& c : cases())
        for (const Family family : kFamilies)
            for (const BuiltInFluid& f : builtInFluids(family)) {
                FluidProperties fluid(family, std::string(f.name), kPressure, none);
                const double span = f.highest - f.lowest;
                for (const double ts : {0.3, 0.7})
                    for (const double tf : {0.2, 0.5})
                        for (const double length : {0.01, 0.3, 2.0})
                            for (const double velocity : {0.05, 3.0, 40.0}) {
                                if (!c.forced && velocity != 3.0) continue;
                                Inputs in;
                                in.kase = c.id;
                                in.surface = f.lowest + span * ts;
                                in.fluid = f.lowest + span * tf;
                                in.length = length;
                                in.velocity = velocity;
                                const Outcome o = calculate(fluid, in);
                                if (o.stop != Stop::None) continue;
                                const std::string at = std::string(c.name) + " " + std::string(familyName(family)) +
                                                       " " + std::string(f.name) + " Ts=" + number(in.surface) +
                                                       " Tf=" + number(in.fluid) + " L=" + number(length) +
                                                       (c.forced ? " v=" + number(velocity) : "") + " ";
                                const Result& r = o.result;
                                if (r.Re) out.add(at + "Re", *r.Re);
                                if (r.Ra) out.add(at + "Ra", *r.Ra);
                                out.add(at + "Nu", r.Nu);
                                out.add(at + "h", r.h);
                                out.add(at + "q", r.q);
                            }
            }
}

// How many representable doubles lie between two of the same sign.
std::uint64_t unitsApart(std::uint64_t a, std::uint64_t b) { return a > b ? a - b : b - a; }

int write(const Values& v, const char* file) {
    std::ofstream out(file, std::ios::binary);
    for (const auto& [what, bits] : v.all()) {
        char hex[20];
        std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(bits));
        out << what << '\t' << hex << '\n';
    }
    out.close();
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", file);
        return 1;
    }
    std::printf("%zu values written to %s\n", v.all().size(), file);
    return 0;
}

int compare(const Values& v, const char* file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", file);
        return 1;
    }
    std::map<std::string, std::uint64_t> native;
    for (std::string line; std::getline(in, line);) {
        const auto tab = line.find('\t');
        if (tab == std::string::npos) continue;
        native[line.substr(0, tab)] = std::stoull(line.substr(tab + 1), nullptr, 16);
    }
    struct Expected {
        std::uint64_t units;
        bool differed = false;
    };
    std::map<std::string, Expected> allowed;
    for (const Allowed& a : kOneUnitApart)
        allowed[std::string(familyName(a.family)) + " " + a.fluid + " " + number(a.kelvin) + " " +
                std::string(info(a.property).column)] = {1};
    for (const ConvectionAllowed& a : kConvectionApart)
        for (const char* value : {"Nu", "h", "q"}) allowed[std::string(a.what) + " " + value] = {a.units};

    std::size_t differ = 0, wrong = 0, convectionDiffer = 0, convection = 0;
    std::uint64_t convectionMost = 0;
    for (const auto& [what, bits] : v.all()) {
        const bool property = what.starts_with("GASES ") || what.starts_with("LIQUIDOS ");
        convection += !property;
        const auto there = native.find(what);
        if (there == native.end()) {
            std::printf("only here: %s\n", what.c_str());
            ++wrong;
            continue;
        }
        const std::uint64_t theirs = there->second;
        native.erase(there);
        if (theirs == bits) continue;
        ++differ;
        const std::uint64_t apart = (theirs >> 63) == (bits >> 63) ? unitsApart(theirs, bits) : ~0ull;
        if (!property) {
            ++convectionDiffer;
            convectionMost = std::max(convectionMost, apart);
        }
        const auto known = allowed.find(what);
        const bool ok = known != allowed.end() && apart == known->second.units;
        if (known != allowed.end()) known->second.differed = true;
        wrong += !ok;
        std::printf("%s %s: native %016llx, here %016llx, %llu unit%s apart\n", ok ? "allowed" : "DIFFERENT",
                    what.c_str(), static_cast<unsigned long long>(theirs), static_cast<unsigned long long>(bits),
                    static_cast<unsigned long long>(apart), apart == 1 ? "" : "s");
    }
    for (const auto& [what, bits] : native) {
        std::printf("only native: %s\n", what.c_str());
        ++wrong;
    }
    for (const auto& [what, expected] : allowed)
        if (!expected.differed) std::printf("allowed, but the same bits: %s\n", what.c_str());
    std::printf("convection: %zu of %zu values differ, by at most %llu units in the last place\n", convectionDiffer,
                convection, static_cast<unsigned long long>(convectionMost));
    std::printf("%zu values compared, %zu differ, %zu not allowed\n", v.all().size(), differ, wrong);
    return wrong == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 || (std::strcmp(argv[1], "write") != 0 && std::strcmp(argv[1], "compare") != 0)) {
        std::fprintf(stderr, "usage: %s write|compare FILE\n", argv[0]);
        return 2;
    }
    Values v;
    properties(v);
    convectionCases(v);
    return std::strcmp(argv[1], "write") == 0 ? write(v, argv[2]) : compare(v, argv[2]);
}
