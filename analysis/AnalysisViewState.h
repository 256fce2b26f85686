#pragma once

#include <cstdint>
#include <string>

#include "Aggregation.h"
#include "ChartGeometry.h"

namespace kadenzo {

// The choices of the analysis view and what each of its commands does to
// them. Commands come in radio groups, and the command that set a group's
// choice is the one checked: quantity (0x8020/0x8021), chart kind (0x8022,
// 0x8031, 0x8023 and the sports menu 0x0400 + k), split (0x8024 to 0x802A)
// and range (0x8084 to 0x8091).
class AnalysisViewState {
public:
    // What the view does after a command.
    struct Effect {
        bool handled = false;
        bool rebuild = false;     // sum the workouts again
        bool resetScale = false;  // back to the automatic scale
    };

    // The first state: 4 weeks up to today, duration by category, no split.
    explicit AnalysisViewState(int today);

    // A command of the view's menus; range commands start again from today.
    Effect OnCommand(int command, int today);
    // The k-th item (from 1) of the sports menu, which stands for sportId: that
    // sport's workouts by sub-sport.
    Effect OnSportMenuItem(int index, std::uint32_t sportId);
    bool IsChecked(int command) const;
    // The text of the paging commands (0x8049 back, 0x8048 forward) for the
    // range's unit: 33006 to 33009 and 33002 to 33005; 0 for other commands.
    std::uint32_t PagingTextId(int command) const;

    const AnalysisChoice& Choice() const { return choice_; }
    RangeUnit Unit() const;
    int ChartCommand() const { return chartCommand_; }

    // The scale the chart shows, with the text that goes with it in the scale
    // dialog (kept, not interpreted).
    ValueScale scale;
    std::string scaleText;

private:
    AnalysisChoice choice_;
    int chartCommand_;
    int quantityCommand_;
    int layerCommand_;
};

}  // namespace kadenzo
