#pragma once
// The shape of every built-in correlation: for each fluid and property, its pieces with
// their boundaries and forms, and the coefficients of the pieces that are published in
// full. The pieces marked `fitted` get their coefficients from the fitting tool
// (tools/fit), which writes the runtime tables (engine/generated).

#include "correlation/Correlation.h"
#include "correlation/Family.h"

#include <array>
#include <string_view>
#include <vector>

namespace velm {

struct LayoutPiece {
    Piece piece;
    bool fitted = false;
};

struct FluidLayout {
    Family family = Family::Gases;
    std::string_view name;
    double lowest = 0;   // valid range, K
    double highest = 0;
    std::array<std::vector<LayoutPiece>, kCorrelatedCount> property;
};

// Gases then liquids, each in catalogue order.
const std::vector<FluidLayout>& correlationLayout();

}  // namespace velm
