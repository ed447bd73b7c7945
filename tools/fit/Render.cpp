#include "tools/fit/Fit.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <sstream>

namespace velm::fit {
namespace {

// Shortest decimal that reads back as the same double, always with a '.' or an exponent so
// that it is a floating-point literal.
std::string literal(double v) {
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf, v).ptr;
    std::string s(buf, end);
    if (s.find_first_of(".e") == std::string::npos) s += ".0";
    return s;
}

// Shortest round-trip text without forcing a '.', for boundaries in prose.
std::string plain(double v) {
    char buf[64];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
}

std::string rounded(double v, std::chars_format format, int precision) {
    char buf[64];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, v, format, precision).ptr);
}

std::string identifierPart(std::string_view name) {
    std::string s(name);
    for (std::size_t i = 1; i < s.size(); ++i)
        if (s[i] >= 'A' && s[i] <= 'Z') s[i] = static_cast<char>(s[i] - 'A' + 'a');
    return s;
}

std::string arrayName(const FluidLayout& f, CorrelatedProperty p) {
    return std::string(f.family == Family::Gases ? "kGas" : "kLiquid") + identifierPart(f.name) +
           identifierPart(kCorrelatedNames[p]);
}

struct Symbols {
    const char* le;
    const char* lt;
    const char* ge;
    const char* gt;
};
constexpr Symbols kAscii{"<=", "<", ">=", ">"};
constexpr Symbols kMath{"≤", "<", "≥", ">"};

// The sub-range as the runtime selection reads it.
std::string subRange(const std::vector<LayoutPiece>& pieces, std::size_t i, const Symbols& s) {
    if (pieces.size() == 1) return "all T";
    const bool first = i == 0;
    const bool last = i + 1 == pieces.size();
    std::string lower;
    if (!first) {
        const Piece& prev = pieces[i - 1].piece;
        lower = plain(prev.upper);
        if (last) return std::string("T ") + (prev.upperIncluded ? s.gt : s.ge) + " " + lower;
        lower += std::string(" ") + (prev.upperIncluded ? s.lt : s.le) + " ";
    }
    const Piece& own = pieces[i].piece;
    return lower + "T " + (own.upperIncluded ? s.le : s.lt) + " " + plain(own.upper);
}

int coefficientCount(const Piece& p) {
    switch (p.form) {
        case PieceForm::Polynomial:
        case PieceForm::ExpansionPolynomial: return p.degree + 1;
        case PieceForm::Constant:
        case PieceForm::ExpansionConstant: return 1;
        case PieceForm::PowerLaw: return 2;
        case PieceForm::DensityDerivative: return 0;
    }
    return 7;
}

const char* formName(PieceForm form) {
    switch (form) {
        case PieceForm::Polynomial: return "PieceForm::Polynomial";
        case PieceForm::Constant: return "PieceForm::Constant";
        case PieceForm::PowerLaw: return "PieceForm::PowerLaw";
        case PieceForm::ExpansionConstant: return "PieceForm::ExpansionConstant";
        case PieceForm::DensityDerivative: return "PieceForm::DensityDerivative";
        case PieceForm::ExpansionPolynomial: return "PieceForm::ExpansionPolynomial";
    }
    return "";
}

std::string formText(const Piece& p) {
    switch (p.form) {
        case PieceForm::Polynomial: return "degree " + std::to_string(p.degree);
        case PieceForm::Constant: return "constant " + plain(p.c[0]);
        case PieceForm::PowerLaw: return "power law";
        case PieceForm::ExpansionConstant: return plain(p.c[0]) + " / 1000";
        case PieceForm::DensityDerivative: return "density derivative";
        case PieceForm::ExpansionPolynomial: return "degree " + std::to_string(p.degree) + " / 1000";
    }
    return "";
}

void writePiece(std::ostringstream& out, const FluidLayout& f, const PieceReport& r) {
    const Piece& p = r.piece;
    out << "    // " << subRange(f.property[r.property], r.index, kAscii) << ": ";
    if (r.fitted)
        out << "fitted on " << r.points << " points\n";
    else
        out << "published\n";
    out << "    {" << (r.index + 1 == r.count ? "kNoUpper" : literal(p.upper)) << ", "
        << (p.upperIncluded ? "true" : "false") << ", " << formName(p.form) << ", " << p.degree
        << ",";
    const int n = coefficientCount(p);
    for (int k = n; k < 7; ++k)
        if (p.c[k] != 0)
            throw FitError(std::string(f.name) + " " + std::string(kCorrelatedNames[r.property]) +
                           ": coefficient beyond the piece's form");
    if (n == 0) {
        out << " {}},\n";
        return;
    }
    out << "\n     {";
    for (int k = 0; k < n; ++k) {
        if (k > 0) out << (k % 4 == 0 ? ",\n      " : ", ");
        out << literal(p.c[k]);
    }
    out << "}},\n";
}

std::string deviationText(const PieceReport& r) {
    if (r.points == 0) return "— | —";
    if (r.worstDeviation == 0) return "0 | —";
    return rounded(r.worstDeviation * 100, std::chars_format::general, 3) + " % | " +
           plain(r.worstT);
}

std::string sourceText(const PieceReport& r) {
    if (!r.fitted) return "published";
    if (r.points == static_cast<std::size_t>(r.piece.degree) + 1) return "fitted (interpolates)";
    return "fitted";
}

}  // namespace

std::string renderCorrelationSource(const FitResult& result) {
    std::ostringstream out;
    out << "// Generated by velmorantes-fit from data/reference: do not edit, run the tool.\n"
           "// The runtime correlation tables: every built-in fluid in catalogue order, each\n"
           "// property's pieces from the lowest temperatures up, coefficients c[0] (constant\n"
           "// term) first, in correlation units. How each fitted piece follows its reference\n"
           "// points is in data/fit-report.md.\n\n"
           "#include \"correlation/Correlation.h\"\n\n"
           "#include <limits>\n\n"
           "namespace velm {\n"
           "namespace {\n\n"
           "constexpr double kNoUpper = std::numeric_limits<double>::infinity();\n";

    for (const FluidFit& fit : result.fluids) {
        const FluidLayout& f = *fit.layout;
        out << "\n// " << familyName(f.family) << " " << f.name << ", " << plain(f.lowest) << " to "
            << plain(f.highest) << " K\n";
        for (int p = 0; p < kCorrelatedCount; ++p) {
            if (fit.pieces[p].empty()) continue;
            out << "constexpr Piece " << arrayName(f, static_cast<CorrelatedProperty>(p)) << "[] = {\n";
            for (const PieceReport& r : fit.reports)
                if (r.property == p) writePiece(out, f, r);
            out << "};\n";
        }
    }

    for (const Family family : kFamilies) {
        out << "\nconstexpr FluidCorrelations " << (family == Family::Gases ? "kGases" : "kLiquids")
            << "[] = {\n";
        for (const FluidFit& fit : result.fluids) {
            const FluidLayout& f = *fit.layout;
            if (f.family != family) continue;
            out << "    {\"" << f.name << "\",\n     {";
            for (int p = 0; p < kCorrelatedCount; ++p) {
                if (p > 0) out << (p == 3 ? ",\n      " : ", ");
                out << (fit.pieces[p].empty() ? "{}" : arrayName(f, static_cast<CorrelatedProperty>(p)));
            }
            out << "}},\n";
        }
        out << "};\n";
    }

    out << "\n}  // namespace\n\n"
           "std::span<const FluidCorrelations> gasCorrelations() { return kGases; }\n"
           "std::span<const FluidCorrelations> liquidCorrelations() { return kLiquids; }\n\n"
           "}  // namespace velm\n";
    return out.str();
}

namespace {

constexpr const char* kReportIntroduction =
    "# Correlation fit report\n\n"
    "Generated by velmorantes-fit from `data/reference`; do not edit, run the tool.\n\n"
    "Every piece of every built-in correlation, published or fitted. *Points* are the\n"
    "reference rows inside both the fluid's valid range and the piece's closed "
    "sub-range\n"
    "(a row on a boundary counts for the pieces on both sides). *Max. dev.* is the "
    "largest\n"
    "relative deviation of the piece, evaluated as the engine evaluates it, from those "
    "points,\n"
    "and *at T* where it occurs; \"—\" where the reference table has no such column.\n"
    "Fitted pieces are ordinary least-squares polynomials of the stated degree in the\n"
    "correlation units (gases: `MIU` 10⁻⁷ Pa·s, `UN` 10⁻⁶ m²/s, `K` 10⁻³ W/(m·K); "
    "liquids:\n"
    "`MIU` 10⁻² Pa·s, `UN` 10⁻⁶ m²/s); *interpolates* marks a piece with exactly as "
    "many\n"
    "points as coefficients.\n\n";

// The published AIRE pieces fitted again, and how many of their digits the fit recovers.
void renderSelfCheck(std::ostream& out, const FitResult& result) {
    out << "## Self-check: the published AIRE pieces fitted again\n\n"
           "Each published AIRE polynomial fitted again from the air table as if it were "
           "unknown.\n"
           "*Digits* is −log10 of the relative difference between a refitted and the "
           "published\n"
           "coefficient, worst and median over the piece's seven coefficients.\n\n"
           "| Property | Sub-range | Points | Worst digits | Median digits | Worst coefficient |\n"
           "|---|---|---|---|---|---|\n";
    const FluidLayout* air = nullptr;
    for (const FluidFit& fit : result.fluids)
        if (fit.layout->family == Family::Gases && fit.layout->name == "AIRE") air = fit.layout;
    std::size_t piecesAt8 = 0, coefficientsAt8 = 0, coefficients = 0;
    double worst = 17;
    for (const SelfCheckRow& row : result.selfCheck) {
        int worstK = 0;
        for (int k = 0; k < 7; ++k)
            if (row.digits[k] < row.digits[worstK]) worstK = k;
        for (int k = 0; k <= air->property[row.property][row.index].piece.degree; ++k) {
            ++coefficients;
            if (row.digits[k] >= 8) ++coefficientsAt8;
        }
        if (row.worstDigits >= 8) ++piecesAt8;
        worst = std::min(worst, row.worstDigits);
        out << "| " << kCorrelatedNames[row.property] << " | "
            << subRange(air->property[row.property], row.index, kMath) << " | " << row.points
            << " | " << rounded(row.worstDigits, std::chars_format::fixed, 1) << " | "
            << rounded(row.medianDigits, std::chars_format::fixed, 1) << " | c" << worstK
            << " |\n";
    }
    out << "\nEvery coefficient of the " << result.selfCheck.size() << " pieces agrees to at least "
        << rounded(worst, std::chars_format::fixed, 1) << " digits; " << piecesAt8 << " of "
        << result.selfCheck.size() << " pieces agree to 8 digits in every coefficient, and "
        << coefficientsAt8 << " of " << coefficients << " coefficients to 8 digits.\n";
}

void renderFamily(std::ostream& out, const FitResult& result, Family family) {
    out << "\n## " << (family == Family::Gases ? "Gases (at 101.3 kPa)" : "Liquids (saturated)")
        << "\n";
    for (const FluidFit& fit : result.fluids) {
        const FluidLayout& f = *fit.layout;
        if (f.family != family) continue;
        out << "\n### " << f.name << " (" << plain(f.lowest) << " to " << plain(f.highest)
            << " K)\n\n"
               "| Property | Sub-range | Form | Source | Points | Max. dev. | At T (K) |\n"
               "|---|---|---|---|---|---|---|\n";
        for (const PieceReport& r : fit.reports)
            out << "| " << kCorrelatedNames[r.property] << " | "
                << subRange(f.property[r.property], r.index, kMath) << " | "
                << formText(r.piece) << " | " << sourceText(r) << " | " << r.points << " | "
                << deviationText(r) << " |\n";
    }
}

}  // namespace

std::string renderReport(const FitResult& result) {
    std::ostringstream out;
    out << kReportIntroduction;
    renderSelfCheck(out, result);
    for (const Family family : kFamilies) renderFamily(out, result, family);
    return out.str();
}

}  // namespace velm::fit
