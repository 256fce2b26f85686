#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "EditorTexts.h"
#include "FieldRange.h"
#include "StringTable.h"
#include "Units.h"

namespace kadenzo {

// The set-up page edits a workout's planned duration and distance as one text:
// "1:30, 20.0km".
struct PlannedValues {
    double duration = 0;  // minutes
    double distance = 0;  // kilometres
    friend bool operator==(const PlannedValues&, const PlannedValues&) = default;
};

// "h:mm" of the duration (seconds dropped) and the distance with one decimal in
// the user's unit and its label, joined by ", "; a value of 0 is left out.
std::string FormatPlannedText(const PlannedValues& planned, const UnitSettings& units,
                              const StringTable& texts);

// Reads the text back: it is split at commas into pieces; a piece naming the
// distance unit is the distance (cut to two decimals of a kilometre), any other
// piece is a duration ("90", "1:30", "1:30:30"), and a later piece of a kind
// replaces an earlier one. What cannot be read stays 0.
//
// A comma between two digits is a decimal comma ("20,5km") unless the piece
// it ends holds a colon ("1:30,20km" is a duration and a distance). Blank
// pieces are skipped, and the unit label counts only as a word of its own, so
// "45min" is 45 minutes even where the label is "mi".
PlannedValues ParsePlannedText(std::string_view text, const UnitSettings& units,
                               const StringTable& texts);

// What the pieces of the text take: a duration in minutes, a distance in the
// user's unit, neither negative.
inline constexpr FieldRange kPlannedDurationRange{editortext::kPlannedDurationName, 0,
                                                  kLargestFigure, false};
inline constexpr FieldRange kPlannedDistanceRange{editortext::kPlannedDistanceName, 0,
                                                  kLargestFigure, false};

// The range of the first piece, read as ParsePlannedText reads it, that its
// range does not hold or that does not start with a number ("abc", "km 5");
// nothing when the workout can take every piece.
std::optional<FieldRange> RefusedPlannedPiece(std::string_view text, const UnitSettings& units,
                                              const StringTable& texts);

}  // namespace kadenzo
