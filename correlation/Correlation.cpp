#include "correlation/Correlation.h"

namespace velm {

const FluidCorrelations* findCorrelations(std::span<const FluidCorrelations> set,
                                          std::string_view name) {
    for (const FluidCorrelations& f : set)
        if (f.name == name) return &f;
    return nullptr;
}

}  // namespace velm
