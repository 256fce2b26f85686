#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ActivityFacts.h"
#include "Units.h"

namespace kadenzo {

// The float channels of a sample, numbered as the heart-rate chart addresses them.
enum RecordingChannel : int {
    kChannelAltitude = 0,
    kChannelTemperature = 1,
    kChannelCadence = 2,
    kChannelReserved3 = 3,
    kChannelReserved4 = 4,
    kChannelPower = 5,
    kChannelHeartRate = 6,
    kChannelCount = 7,
};

// One sample of a heart-rate recording.
struct RecordingSample {
    std::optional<std::string> text;  // attached text (TOUR1 files only)
    std::int32_t time = 0;            // seconds since the start of the recording
    // Cumulative distance in thousandths of the user's distance unit (metres or
    // thousandths of a mile), converted when the file is read.
    std::int32_t distance = 0;
    float altitude = 0;
    float temperature = 0;
    float cadence = 0;
    float reserved3 = 0;  // no reader fills it
    float reserved4 = 0;  // no reader fills it
    float power = 0;
    float heartRate = 0;  // beats per minute
    std::uint8_t flag = 0;

    // Channel c (RecordingChannel); 0 for a number outside 0 ... 6.
    float Channel(int c) const;
    void SetChannel(int c, float value);
};

// Readers stop after this many samples (24 days at one sample per second), so
// no file, however made, fills the memory.
constexpr int kMaxSamples = 1 << 21;

// What a reader takes from the program: distances come out in the user's
// distance unit, and a file that names no start time starts at `now`.
struct RecordingReadContext {
    UnitSettings units;
    std::int64_t now = 0;  // seconds since 1970
};

// A recording loaded from a heart-rate monitor file. It lives only while the
// import dialog shows it; nothing of it is stored in the document.
class CRecording {
public:
    std::int64_t start = 0;  // time of the first sample, seconds since 1970
    std::string text1;
    std::string text2;
    std::string note;
    std::string title;
    std::uint8_t flags = 0;
    std::vector<RecordingSample> samples;
    ActivityFacts activity;  // what a FIT, TCX or GPX file says beyond its samples

    int count() const { return static_cast<int>(samples.size()); }
    // Drops every sample; the texts, the start and the activity's facts stay.
    void Clear() { samples.clear(); }
    void AddToStart(std::int32_t seconds) { start += seconds; }
};

}  // namespace kadenzo
