#include "AnalysisViewState.h"

#include "ResourceIds.h"

namespace kadenzo {

AnalysisViewState::AnalysisViewState(int today)
    : chartCommand_(ID_CHART_BY_CATEGORY),
      quantityCommand_(ID_ANALYSIS_DURATION),
      layerCommand_(ID_LAYER_NONE) {
    choice_.referenceDay = today;
}

RangeUnit AnalysisViewState::Unit() const {
    const AnalysisRange* range = FindRange(choice_.rangeCommand);
    return range ? range->unit : RangeUnit::Weeks;
}

AnalysisViewState::Effect AnalysisViewState::OnCommand(int command, int today) {
    const Effect chartChanged{true, true, true};
    const Effect sameScale{true, true, false};
    switch (command) {
        case ID_ANALYSIS_DISTANCE:
        case ID_ANALYSIS_DURATION:
            choice_.showDistance = command == ID_ANALYSIS_DISTANCE;
            quantityCommand_ = command;
            return chartChanged;
        case ID_CHART_BY_CATEGORY:
        case ID_CHART_TOTALS:
        case ID_CHART_BY_SPORT:
            choice_.groupKey = command == ID_CHART_BY_CATEGORY ? kKeyCategory
                               : command == ID_CHART_BY_SPORT  ? kKeySport
                                                               : kKeyNone;
            choice_.filterKey = kKeyNone;
            chartCommand_ = command;
            return chartChanged;
        case ID_PAGE_BACK:
        case ID_PAGE_FORWARD:
            choice_.referenceDay =
                PageDay(choice_.referenceDay, Unit(), command == ID_PAGE_BACK ? -1 : 1);
            return sameScale;
        default:
            break;
    }
    if (command >= ID_LAYER_NONE && command <= ID_LAYER_CATEGORY) {
        choice_.layerKey = command == ID_LAYER_NONE ? kKeyNone : command - ID_LAYER_NONE;
        layerCommand_ = command;
        return sameScale;
    }
    if (FindRange(command)) {
        const RangeUnit before = Unit();
        choice_.rangeCommand = command;
        choice_.referenceDay = today;
        return {true, true, Unit() != before};
    }
    return {};
}

AnalysisViewState::Effect AnalysisViewState::OnSportMenuItem(int index, std::uint32_t sportId) {
    const int command = ID_SPORT_MENU_FIRST + index - 1;
    if (index < 1 || command > ID_SPORT_MENU_LAST) return {};
    choice_.filterKey = kKeySport;
    choice_.filterValue = static_cast<std::int32_t>(sportId);
    choice_.groupKey = kKeySubSport;
    chartCommand_ = command;
    return {true, true, true};
}

bool AnalysisViewState::IsChecked(int command) const {
    return command == chartCommand_ || command == quantityCommand_ || command == layerCommand_ ||
           command == choice_.rangeCommand;
}

std::uint32_t AnalysisViewState::PagingTextId(int command) const {
    const auto unit = static_cast<std::uint32_t>(Unit());
    if (command == ID_PAGE_BACK) return IDS_BACK_DAY + unit;
    if (command == ID_PAGE_FORWARD) return IDS_FORWARD_DAY + unit;
    return 0;
}

}  // namespace kadenzo
