#include "ChartContent.h"

#include <algorithm>

namespace kadenzo {

void ChartContent::SetDimensions(int periods, int slotCount, int layers) {
    periods_ = std::max(periods, 0);
    slots_ = std::max(slotCount, 0);
    layers_ = std::max(layers, 0);
    periodLabels_.assign(Index(periods_), std::string());
    slotEntries_.clear();
    slotEntries_.reserve(Index(slots_));
    for (int s = 0; s < slots_; ++s) {
        const std::uint32_t colour = s < 11 ? kDefaultColours[s] : 0x000000;
        slotEntries_.push_back({std::string(), colour});
    }
    cells_.assign(Index(periods_) * Index(slots_) * Index(layers_), Cell{});
}

double ChartContent::ColumnSum(int p, int s) const {
    double sum = 0;
    for (int l = 0; l < layers_; ++l) sum += CellAt(p, s, l).value;
    return sum;
}

double ChartContent::Peak() const {
    double peak = 0;
    for (int p = 0; p < periods_; ++p)
        for (int s = 0; s < slots_; ++s) peak = std::max(peak, ColumnSum(p, s));
    return peak;
}

}  // namespace kadenzo
