#include "TurReader.h"

#include <algorithm>

#include "ByteCursor.h"
#include "RecordingTime.h"
#include "TextScan.h"
#include "Units.h"

namespace kadenzo {
namespace {

// HAC4/HAC5 devices write 20 bytes per sample: time, distance, altitude,
// heart rate, cadence, temperature and seven bytes this program does not use.
constexpr std::size_t kSampleSize = 20;
constexpr int kSkippedLinesAfterNote = 43;

// The next text line as C string functions see it; "" after the end.
std::string NextLine(LineReader& lines) {
    std::string_view line;
    if (!lines.Next(line)) return {};
    return std::string(UntilNul(line));
}

RecordingSample DecodeSample(std::string_view bytes, const UnitSettings& units) {
    ByteCursor in(bytes);
    RecordingSample sample;
    sample.time = in.I32();
    // Stored in units of 10 metres.
    sample.distance = TruncToInt32(ToDisplay(in.U32() * 10.0, kUnitDistance, units));
    sample.altitude = in.I16();
    sample.heartRate = in.U8();
    sample.cadence = in.U8();
    sample.temperature = in.I8();
    return sample;
}

}  // namespace

void ReadTur(CRecording& recording, std::string_view bytes, const RecordingReadContext& context) {
    LineReader lines(bytes);
    for (int i = 0; i < 4; ++i) lines.Skip();
    recording.title = NextLine(lines);
    recording.text1 = NextLine(lines);
    recording.text2 = NextLine(lines);

    std::string date = NextLine(lines);  // day, month, year, e.g. "15.03.2004"
    ScannedLong day = ScanLong(date);
    ScannedLong month = ScanLong(date, day.end + 1);
    ScannedLong year = ScanLong(date, month.end + 1);
    std::string clock = NextLine(lines);  // hour and minute, e.g. "10:05"
    ScannedLong hour = ScanLong(clock);
    ScannedLong minute = ScanLong(clock, hour.end + 1);
    recording.start =
        LocalTimeToSeconds(year.value, month.value, day.value, hour.value, minute.value, 0);

    std::int64_t noteLines = ScanLong(NextLine(lines)).value;
    recording.note.clear();
    for (std::int64_t i = 0; i < noteLines && !lines.AtEnd(); ++i)
        recording.note += NextLine(lines);
    for (int i = 0; i < kSkippedLinesAfterNote; ++i) lines.Skip();
    std::int64_t count = ScanLong(NextLine(lines)).value;

    recording.samples.clear();
    if (count <= 0) return;
    count = std::min<std::int64_t>(count, kMaxSamples);
    const UnitSettings units = context.units;
    std::size_t pos = lines.Offset() + 4;  // four bytes before the first sample
    std::size_t fit = pos < bytes.size() ? (bytes.size() - pos + kSampleSize - 1) / kSampleSize : 0;
    recording.samples.reserve(std::min<std::size_t>(static_cast<std::size_t>(count), fit));
    // A sample is made only while its first byte lies inside the file; one cut
    // short keeps zeros for its missing bytes.
    for (std::int64_t i = 0; i < count && pos < bytes.size(); ++i, pos += kSampleSize)
        recording.samples.push_back(DecodeSample(bytes.substr(pos, kSampleSize), units));
}

LoadStatus LoadTur(CRecording& recording, std::string path, const RecordingReadContext& context) {
    std::optional<std::string> bytes = ReadRecordingFile(path);
    if (!bytes) return LoadStatus::kCannotOpen;
    ReadTur(recording, *bytes, context);
    return LoadStatus::kLoaded;
}

}  // namespace kadenzo
