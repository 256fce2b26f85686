#include "WorkoutLabels.h"

#include <cmath>
#include <cstdio>
#include <utility>

#include "Formats.h"
#include "Units.h"

namespace kadenzo {
namespace {

// Figures beyond this are nonsense from a damaged file; showing them as 0
// keeps the integer conversions defined.
constexpr double kLargest = 1.0e8;

double Sane(double value) {
    return std::isfinite(value) && std::fabs(value) < kLargest ? value : 0.0;
}

// The ellipsis of Windows-1252, the core's character set.
const std::string kEllipsis = "\x85";

// The forms of the figures line, longest first: as written, without the
// distance unit, and the duration alone when there are two figures.
std::vector<std::string> DetailForms(const LabelFacts& facts, int dayNumber, int todayNumber) {
    LabelFacts bare = facts;
    bare.distanceUnit.clear();
    std::vector<std::string> forms{ScreenDetail(facts, dayNumber, todayNumber),
                                   ScreenDetail(bare, dayNumber, todayNumber)};
    bare.plannedDistance = 0;
    bare.distance = 0;
    const std::string durationAlone = ScreenDetail(bare, dayNumber, todayNumber);
    // A duration alone must still be a duration: "???" or nothing says less.
    if (durationAlone != "???" && !durationAlone.empty()) forms.push_back(durationAlone);
    return forms;
}

}  // namespace

std::string FormatLabelDuration(double minutes) {
    return FormatDuration(Sane(minutes), false);
}

std::string FormatLabelDistance(double kilometres, const UnitSettings& units,
                                const std::string& unitLabel) {
    return FormatFixed(ToDisplay(Sane(kilometres), kUnitDistance, units), 1) + unitLabel;
}

std::string ScreenTitle(const LabelFacts& facts) {
    if (!facts.templateHasSport && facts.workoutHasSport)
        return facts.sportName + "-" + facts.workoutName;
    return facts.workoutName;
}

std::string ScreenDetail(const LabelFacts& given, int dayNumber, int todayNumber) {
    LabelFacts facts = given;
    auto distanceText = [&facts](double km) {
        return FormatLabelDistance(km, facts.units, facts.distanceUnit);
    };
    for (double* value :
         {&facts.plannedDistance, &facts.plannedDuration, &facts.distance, &facts.duration})
        *value = Sane(*value);
    const bool planned =
        dayNumber > todayNumber || (dayNumber == todayNumber && facts.duration == 0);
    if (planned) {
        const bool hasDistance = facts.plannedDistance != 0;
        const bool hasDuration = facts.plannedDuration != 0;
        if (hasDistance && hasDuration)
            return distanceText(facts.plannedDistance) + " (" +
                   FormatLabelDuration(facts.plannedDuration) + ")";
        if (hasDuration) return FormatLabelDuration(facts.plannedDuration);
        if (hasDistance) return distanceText(facts.plannedDistance);
        return "";
    }
    const bool hasDistance = facts.distance != 0;
    const bool hasDuration = facts.duration != 0;
    if (hasDistance && hasDuration)
        return FormatLabelDuration(facts.duration) + " - " + distanceText(facts.distance);
    if (hasDuration) return FormatLabelDuration(facts.duration);
    if (hasDistance) return distanceText(facts.distance);
    return "???";
}

std::string ElideRight(const std::string& text, int width, const TextWidthOf& widthOf) {
    if (widthOf(text) <= width) return text;
    if (widthOf(kEllipsis) > width) return "";
    // The longest start that fits with the ellipsis; wider starts never fit.
    std::size_t fits = 0;
    std::size_t tooWide = text.size();
    while (tooWide - fits > 1) {
        const std::size_t middle = fits + (tooWide - fits) / 2;
        if (widthOf(text.substr(0, middle) + kEllipsis) <= width)
            fits = middle;
        else
            tooWide = middle;
    }
    // "Intervals…" reads better than "Intervals …".
    while (fits > 0 && text[fits - 1] == ' ') --fits;
    return text.substr(0, fits) + kEllipsis;
}

FittedScreenLabel FitScreenLabel(const LabelFacts& facts, int dayNumber, int todayNumber,
                                 const ScreenLabelRoom& room, const TextWidthOf& widthOf) {
    const std::vector<std::string> forms = DetailForms(facts, dayNumber, todayNumber);
    // In order of preference: the icon's room and the form of the figures.
    const std::pair<int, std::size_t> tries[] = {
        {room.iconWidth, 0}, {room.iconWidth, 1}, {room.smallIconWidth, 1}, {0, 1}, {0, 2}};
    FittedScreenLabel fitted;
    fitted.detail = kEllipsis;
    for (const auto& [iconWidth, form] : tries) {
        if (form >= forms.size()) continue;
        if (widthOf(forms[form]) <= room.detailWidth + room.iconWidth - iconWidth) {
            fitted.detail = forms[form];
            fitted.iconWidth = iconWidth;
            break;
        }
    }
    if (fitted.detail == kEllipsis && widthOf(kEllipsis) > room.detailWidth + room.iconWidth)
        fitted.detail.clear();
    fitted.title = ElideRight(ScreenTitle(facts),
                              room.titleWidth + room.iconWidth - fitted.iconWidth, widthOf);
    return fitted;
}

std::string FitDayHeader(bool bodyData, const std::vector<std::string>& dateForms, int width,
                         const TextWidthOf& widthOf) {
    const std::string mark = bodyData ? ">> " : "";
    for (const std::string& date : dateForms)
        if (widthOf(mark + date) <= width) return mark + date;
    return bodyData ? ">>" : "";
}

std::string PrintLabel(const LabelFacts& given, int mode) {
    LabelFacts facts = given;
    auto distanceText = [&facts](double km) {
        return FormatLabelDistance(km, facts.units, facts.distanceUnit);
    };
    facts.distance = Sane(facts.distance);
    std::string title = facts.workoutName;
    if (!facts.templateHasSport) title += " (" + facts.sportName + ")";

    std::string done;
    if (facts.distance != 0) done = distanceText(facts.distance) + " in ";
    done += FormatLabelDuration(facts.duration);

    char buffer[48] = "";
    if (mode == kPrintWithAveragePulse) {
        if (facts.averagePulse != 0) {
            std::snprintf(buffer, sizeof buffer, " (~ %i)", facts.averagePulse);
            done += buffer;
        }
    } else {
        const int low = facts.targetPulseLow;
        const int high = facts.targetPulseHigh;
        if (low != 0 && high != 0)
            std::snprintf(buffer, sizeof buffer, "Puls %i-%i", low, high);
        else if (high != 0)
            std::snprintf(buffer, sizeof buffer, "Puls <%i", high);
        else if (low != 0)
            std::snprintf(buffer, sizeof buffer, "Puls >%i", low);
        if (buffer[0] != '\0') done = done + ", " + buffer;
    }
    return title + "\n" + done;
}

}  // namespace kadenzo
