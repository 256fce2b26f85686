#include "TourReader.h"

#include <algorithm>

#include "ByteCursor.h"
#include "TextScan.h"
#include "Units.h"

namespace kadenzo {
namespace {

// Smallest sample: six 32-bit fields, the text-present byte and the flag byte.
constexpr std::size_t kMinSampleSize = 26;

}  // namespace

bool ReadTour(CRecording& recording, std::string_view bytes, const RecordingReadContext& context) {
    ByteCursor in(bytes);
    if (in.Counted() != "TOUR1") return false;
    recording.title = in.Counted();
    recording.text1 = in.Counted();
    recording.text2 = in.Counted();
    recording.note = in.Counted();
    in.Counted();
    in.Counted();
    recording.start = in.I32();
    std::int32_t count = in.I32();
    recording.flags = in.U8();
    in.Skip(16);

    recording.samples.clear();
    if (count <= 0) return true;
    count = std::min(count, kMaxSamples);
    const UnitSettings units = context.units;
    // A sample is made only while its first byte lies inside the file, so a
    // count the file cannot hold never allocates more than the file's size.
    recording.samples.reserve(std::min<std::size_t>(static_cast<std::size_t>(count),
                                                    in.Remaining() / kMinSampleSize + 1));
    for (std::int32_t i = 0; i < count && !in.AtEnd(); ++i) {
        RecordingSample& sample = recording.samples.emplace_back();
        sample.time = in.I32();
        sample.distance = TruncToInt32(ToDisplay(in.U32(), kUnitDistance, units));
        sample.altitude = in.F32();
        sample.temperature = in.F32();
        sample.cadence = in.F32();
        sample.heartRate = in.F32();
        if (in.U8() != 0) sample.text = in.Counted();
        sample.flag = in.U8();
    }
    return true;
}

LoadStatus LoadTour(CRecording& recording, std::string path, const RecordingReadContext& context) {
    std::optional<std::string> bytes = ReadRecordingFile(path);
    if (!bytes) return LoadStatus::kCannotOpen;
    return ReadTour(recording, *bytes, context) ? LoadStatus::kLoaded : LoadStatus::kNotRecognised;
}

}  // namespace kadenzo
