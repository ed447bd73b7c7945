#include "convection/Catalogue.h"

#include <array>
#include <charconv>
#include <stdexcept>

namespace velm::convection {
namespace {

constexpr std::array<std::string_view, 5> kGroupNames{"Re", "Pr", "Re Pr", "Ra", "MIU/MIU_S"};

// A limit's number as a range shows it: "0.71", "2300", and from 1E4 up "7.6E4".
std::string limitText(double v) {
    int exponent = 0;
    double power = 1;
    if (v >= 1e4)
        while (power * 10 <= v) {
            power *= 10;  // exact up to 1E22
            ++exponent;
        }
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, v / power, std::chars_format::fixed).ptr;
    std::string text(digits, end);
    return exponent ? text + "E" + std::to_string(exponent) : text;
}

std::string limitText(const Limit& l) {
    const std::string group(groupName(l.group));
    const bool low = l.lo > -HUGE_VAL, high = l.hi < HUGE_VAL;
    if (low && high) return limitText(l.lo) + " <= " + group + (l.hiExcluded ? " < " : " <= ") + limitText(l.hi);
    if (low) return group + " >= " + limitText(l.lo);
    if (high) return group + (l.hiExcluded ? " < " : " <= ") + limitText(l.hi);
    return group;
}

// Every correlation by its identifier, with its range made once.
struct Index {
    std::array<const Correlation*, kCorrelationCount> correlation{};
    std::array<std::string, kCorrelationCount> range;

    Index() {
        for (const auto group : {externalFlowCorrelations(), internalFlowCorrelations(), freeConvectionCorrelations()})
            for (const Correlation& c : group) {
                correlation.at(std::size_t(c.id)) = &c;
                range[std::size_t(c.id)] = rangeText(c.limits);
            }
        for (const Correlation* c : correlation)
            if (!c) throw std::logic_error("a correlation missing from the catalogue");
    }
};

const Index& index() {
    static const Index built;
    return built;
}

}  // namespace

std::string_view groupName(Group g) { return kGroupNames.at(std::size_t(g)); }

double groupValue(Group g, const Groups& at) {
    switch (g) {
        case Group::Re: return at.Re;
        case Group::Pr: return at.Pr;
        case Group::RePr: return at.Re * at.Pr;
        case Group::Ra: return at.Ra;
        case Group::MuRatio: return at.muRatio;
    }
    return 0;
}

std::string rangeText(std::span<const Limit> limits) {
    std::string text;
    for (const Limit& l : limits) text += (text.empty() ? "" : ", ") + limitText(l);
    return text;
}

const Correlation& correlation(NuCorrelation c) { return *index().correlation.at(std::size_t(c)); }
std::string_view correlationRange(NuCorrelation c) { return index().range.at(std::size_t(c)); }

void checkLimits(const Correlation& c, const Groups& at, std::vector<Message>& warnings) {
    for (const Limit& l : c.limits) {
        const double v = groupValue(l.group, at);
        // Not a number is outside every range.
        const bool inside = v >= l.lo && (l.hiExcluded ? v < l.hi : v <= l.hi);
        if (!inside)
            warnings.push_back(message(MessageId::GroupOutOfRange, groupName(l.group), v, c.name, correlationRange(c.id)));
    }
}

}  // namespace velm::convection
