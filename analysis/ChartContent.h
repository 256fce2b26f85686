#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kadenzo {

// What the 3-D bar chart shows, free of any drawing: periods along the
// horizontal axis, a fixed number of side-by-side slots (one bar position per
// group) in each, and a stack of layers per bar. Texts are Windows-1252.
class ChartContent {
public:
    struct Slot {
        std::string label;     // empty: no label, not in the legend
        std::uint32_t colour;  // 0x00BBGGRR
    };
    struct Cell {
        std::string label;  // empty: no label
        double value = 0;
    };

    // Slots 0 to 10 start in these colours, every later one in black.
    static constexpr std::uint32_t kDefaultColours[11] = {0xFF9999, 0x8080FF, 0xCCFFFF, 0x87E874,
                                                          0x663399, 0xFF00FF, 0x808000, 0xFFFFCC,
                                                          0xCC6600, 0x800080, 0x999999};

    // Discards everything and makes room for the given counts (negative counts
    // are taken as 0): no labels, the default colours, all values 0.
    void SetDimensions(int periods, int slotCount, int layers);

    int Periods() const { return periods_; }
    int Slots() const { return slots_; }
    int Layers() const { return layers_; }

    // Indices are the caller's to keep within the dimensions.
    void SetPeriodLabel(int p, std::string text) { periodLabels_[Index(p)] = std::move(text); }
    void SetSlotLabel(int s, std::string text) { slotEntries_[Index(s)].label = std::move(text); }
    void SetSlotColour(int s, std::uint32_t colour) { slotEntries_[Index(s)].colour = colour; }
    void SetCellLabel(int p, int s, int l, std::string text) {
        cells_[CellIndex(p, s, l)].label = std::move(text);
    }
    void SetValue(int p, int s, int l, double value) { cells_[CellIndex(p, s, l)].value = value; }

    const std::string& PeriodLabel(int p) const { return periodLabels_[Index(p)]; }
    const Slot& SlotAt(int s) const { return slotEntries_[Index(s)]; }
    const Cell& CellAt(int p, int s, int l) const { return cells_[CellIndex(p, s, l)]; }
    // The cell of period p, slot s, layer l sits at (slots * p + s) * layers + l.
    std::size_t CellIndex(int p, int s, int l) const {
        return (Index(slots_) * Index(p) + Index(s)) * Index(layers_) + Index(l);
    }
    std::size_t CellCount() const { return cells_.size(); }

    // The height of the bar (p, s): the sum of its layers.
    double ColumnSum(int p, int s) const;
    // The highest bar over all periods and slots; 0 without any.
    double Peak() const;

private:
    static std::size_t Index(int i) { return static_cast<std::size_t>(i); }

    int periods_ = 0;
    int slots_ = 0;
    int layers_ = 0;
    std::vector<std::string> periodLabels_;
    std::vector<Slot> slotEntries_;
    std::vector<Cell> cells_;
};

}  // namespace kadenzo
