#include "WorkoutLabels.h"

#include <cmath>
#include <cstdio>

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

}  // namespace

std::string FormatLabelDuration(double minutes) {
    minutes = Sane(minutes);
    const int hours = static_cast<int>(minutes * 0.016666666666666666);
    const int mins = static_cast<int>(minutes) % 60;
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%i:%02i", hours, mins);
    return buffer;
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
