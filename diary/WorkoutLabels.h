#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "Units.h"
#include "WorkOut.h"

namespace kadenzo {

class CKadenzoDoc;
class CLibrary;

// What a workout's labels are made of, with the library names already looked
// up ("???" for a missing item).
struct LabelFacts {
    std::string workoutName;       // the template's name
    bool templateHasSport = true;  // the template fixes a sport (sportId != 0)
    bool workoutHasSport = false;  // the workout names a sport (sportId != 0)
    std::string sportName;         // the workout's sport
    double plannedDistance = 0;    // km
    double plannedDuration = 0;    // minutes
    double distance = 0;           // performed, km
    double duration = 0;           // performed, minutes
    std::uint8_t targetPulseLow = 0;
    std::uint8_t targetPulseHigh = 0;
    std::uint8_t averagePulse = 0;
    UnitSettings units;        // distances show in these units
    std::string distanceUnit;  // with this label
};

// What the labels take from the program.
struct LabelContext {
    const CLibrary* library = nullptr;
    CWorkOut::MaxHeartRateOf maxHeartRate;  // for targets that follow the template
    UnitSettings units;
    std::string distanceUnit;
    int today = 0;  // day number
};
// The document's library, the athlete's heart rate, the units and today.
LabelContext LabelContextOf(const CKadenzoDoc& doc);

// Looks the names up and works out the targets the workout shows: those it has
// fixed, or those its template gives now. The workout stays as it is.
LabelFacts FactsOf(const CWorkOut& workout, const LabelContext& context);

// "h:mm" of a duration in minutes (hours not limited to 24).
std::string FormatLabelDuration(double minutes);
// One decimal in the given distance unit, followed by the unit's label.
std::string FormatLabelDistance(double kilometres, const UnitSettings& units,
                                const std::string& unitLabel);

// The text in the upper half of a workout box on the screen.
std::string ScreenTitle(const LabelFacts& facts);
// The lower half: planned values for days still to come (and for today until
// something is performed), performed values otherwise.
std::string ScreenDetail(const LabelFacts& facts, int dayNumber, int todayNumber);

// The width in pixels a text takes as painted; the painter's font decides.
using TextWidthOf = std::function<int(const std::string&)>;

// The text, cut at its end with an ellipsis where it is wider than width
// (nothing at all when not even the ellipsis fits).
std::string ElideRight(const std::string& text, int width, const TextWidthOf& widthOf);

// The room a workout box on the screen gives its two lines: their widths with
// the sport icon in place at its full size, and the room the icon takes at
// its full and at its smallest size (both 0: no icon).
struct ScreenLabelRoom {
    int titleWidth = 0;
    int detailWidth = 0;
    int iconWidth = 0;
    int smallIconWidth = 0;
};

// What a workout box on the screen shows, fitted to its room.
struct FittedScreenLabel {
    std::string title;
    std::string detail;
    int iconWidth = 0;  // the room the icon keeps: full, small or none (0)
};

// Fits the title and the figures into their lines. A cut figure reads as a
// different one, so the figures are never cut: the title alone is shortened,
// the figures first lose their distance unit, then the icon shrinks and then
// gives up its room, then they shrink to the duration alone and, failing
// that, to an ellipsis.
FittedScreenLabel FitScreenLabel(const LabelFacts& facts, int dayNumber, int todayNumber,
                                 const ScreenLabelRoom& room, const TextWidthOf& widthOf);

// A day's header: the body-data mark (when set) and the first of the date's
// forms, longest first, that fits the width. The mark stays when no date
// fits, since it is the only sign of the body data on the screen.
std::string FitDayHeader(bool bodyData, const std::vector<std::string>& dateForms, int width,
                         const TextWidthOf& widthOf);

enum PrintLabelMode : int {
    kPrintWithTarget = 0,        // the target heart-rate range
    kPrintWithAveragePulse = 1,  // the performed average heart rate
};

// Two lines separated by "\n": what the workout was, and what was done.
std::string PrintLabel(const LabelFacts& facts, int mode);

}  // namespace kadenzo
