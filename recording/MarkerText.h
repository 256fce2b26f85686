#pragma once

#include <array>
#include <string>

#include "Recording.h"
#include "StringTable.h"
#include "Units.h"

namespace kadenzo {

// The x-axis the import dialog offers (its radio group order).
enum AxisMode : int {
    kAxisDistance = 0,
    kAxisTimeOfDay = 1,
    kAxisElapsedTime = 2,
};

// Texts 33040 and 33041: the positions of the two chart markers, in ascending
// sample order, on the given axis. Both "" when the recording has no samples.
std::array<std::string, 2> MarkerTexts(const CRecording& recording, int marker1, int marker2,
                                       int axisMode, const UnitSettings& units,
                                       const StringTable& texts);

}  // namespace kadenzo
