#include "HrmReader.h"

#include <algorithm>
#include <limits>

#include "RecordingTime.h"
#include "TextScan.h"
#include "Units.h"

namespace kadenzo {
namespace {

constexpr std::int32_t kDefaultInterval = 15;  // seconds, when the file names none

// The file as a C runtime in text mode hands it over: "\r\n" becomes "\n".
std::string AsText(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
        text.push_back(bytes[i]);
    }
    return text;
}

// Which optional columns follow the heart rate in each data row.
struct Columns {
    bool speed = false;
    bool cadence = false;
    bool altitude = false;
    bool power = false;
};

// "SMode=": the first four characters switch speed, cadence, altitude and
// power. The unit flag further on is not read: speed is always tenths of km/h.
Columns ParseMode(std::string_view value) {
    auto on = [&](std::size_t i) { return i < value.size() && value[i] == '1'; };
    return {on(0), on(1), on(2), on(3)};
}

class HrmParser {
public:
    HrmParser(CRecording& recording, const RecordingReadContext& context)
        : recording_(recording), units_(context.units), now_(context.now) {}

    LoadResult Parse(std::string_view bytes);

private:
    enum class Section { kNone, kParams, kData };

    void ParamLine(std::string_view line);
    // False when the sample array is full and reading stops.
    bool DataRow(std::string_view line);
    LoadResult Finish();

    CRecording& recording_;
    const UnitSettings units_;
    const std::int64_t now_;
    Section section_ = Section::kNone;
    std::int32_t interval_ = kDefaultInterval;
    bool lengthSet_ = false;
    std::int32_t length_ = 0;
    Columns columns_;
    std::size_t lineEstimate_ = 0;  // lines left when the data section begins
    // Declared capacity (length / interval + 2), fixed at the first row; it
    // limits the rows read but is never allocated up front.
    std::int64_t capacity_ = std::numeric_limits<std::int64_t>::max();
    std::int64_t rows_ = 0;
    bool full_ = false;            // reading stopped at the capacity
    bool lastRowUnended_ = false;  // the last row stored had no line end
    std::int64_t elapsed_ = 0;
    float distance_ = 0.0f;  // metres, accumulated from speed
};

LoadResult HrmParser::Parse(std::string_view bytes) {
    std::vector<RecordingSample>& samples = recording_.samples;
    samples.clear();
    recording_.flags = 0;
    recording_.note.clear();
    recording_.text2.clear();
    recording_.text1.clear();
    recording_.title.clear();
    recording_.start = now_;

    std::string text = AsText(bytes);
    LineReader lines(text);
    std::string_view piece;
    while (lines.Next(piece)) {
        std::string_view line = UntilNul(piece);
        if (line.starts_with('[')) {
            if (line.starts_with("[Params]"))
                section_ = Section::kParams;
            else if (line.starts_with("[HRData]"))
                section_ = Section::kData;
            continue;
        }
        if (section_ == Section::kData && samples.empty())
            lineEstimate_ = static_cast<std::size_t>(
                std::count(text.begin() + static_cast<long>(lines.Offset()), text.end(), '\n'));
        if (section_ == Section::kParams) {
            ParamLine(line);
        } else if (section_ == Section::kData) {
            if (!DataRow(line)) {
                full_ = true;
                break;
            }
            lastRowUnended_ = !piece.ends_with('\n');
        }
    }
    return Finish();
}

void HrmParser::ParamLine(std::string_view line) {
    if (line.starts_with("Date=")) {
        recording_.start = ParseDate(line.substr(5));
    } else if (line.starts_with("SMode=")) {
        columns_ = ParseMode(line.substr(6));
    } else if (line.starts_with("StartTime=")) {
        recording_.AddToStart(ParseClock(line.substr(10)));
    } else if (line.starts_with("Interval=")) {
        std::int64_t interval = ScanLong(line, 9).value;
        interval_ = interval <= 0 ? kDefaultInterval : ClampToInt32(interval);
    } else if (line.starts_with("Length=")) {
        length_ = ParseClock(line.substr(7));
        lengthSet_ = true;
    }
}

bool HrmParser::DataRow(std::string_view line) {
    std::vector<RecordingSample>& samples = recording_.samples;
    if (samples.empty()) {
        if (lengthSet_) capacity_ = std::int64_t{length_} / interval_ + 2;
        capacity_ = std::min<std::int64_t>(capacity_, kMaxSamples);
        // Room for one sample per remaining line, as far as the file promises.
        samples.reserve(static_cast<std::size_t>(
            std::clamp<std::int64_t>(capacity_, 1, static_cast<std::int64_t>(lineEstimate_) + 2)));
        samples.emplace_back();  // sample 0, filled in at the end
    }
    ++rows_;
    if (rows_ >= capacity_) return false;
    elapsed_ += interval_;
    RecordingSample& sample = samples.emplace_back();
    sample.time = ClampToInt32(elapsed_);

    // Each value is followed by exactly one separator (normally a tab); the
    // row ends where the line's text ends.
    std::size_t pos = 0;
    auto next = [&](float& value) -> double {
        ScannedDouble number = ScanDouble(line, pos);
        pos = number.end + 1;
        value = static_cast<float>(number.value);
        return number.value;
    };
    auto ended = [&] { return pos >= line.size(); };

    next(sample.heartRate);
    if (ended()) return true;
    if (columns_.speed) {
        float unused;
        double speed = next(unused);  // tenths of km/h: speed * seconds / 36 is metres
        distance_ = static_cast<float>(distance_ + speed * interval_ * 0.027777777777777776);
        sample.distance = TruncToInt32(ToDisplay(distance_, kUnitDistance, units_));
        if (ended()) return true;
    }
    if (columns_.cadence) {
        next(sample.cadence);
        if (ended()) return true;
    }
    if (columns_.altitude) {
        next(sample.altitude);
        if (ended()) return true;
    }
    if (columns_.power) next(sample.power);
    return true;
}

LoadResult HrmParser::Finish() {
    std::vector<RecordingSample>& samples = recording_.samples;
    // Devices write one row more than the length holds, and the last row's
    // time is the length. Data that end more than an interval before it were
    // cut off (a copy or transfer broken off): the rows keep their own times,
    // and a last row without its line end lost its later columns, so it goes.
    const bool cut = section_ == Section::kData && lengthSet_ && !full_ &&
                     std::int64_t{length_} - rows_ * interval_ > interval_;
    if (cut && lastRowUnended_ && samples.size() > 1) samples.pop_back();
    if (samples.size() < 2) {
        samples.clear();  // no data row: nothing to show
    } else {
        for (int c = 0; c < kChannelCount; ++c) samples[0].SetChannel(c, samples[1].Channel(c));
        if (lengthSet_ && !cut) samples.back().time = length_;
    }
    if (!cut) return {};
    const std::int32_t end = samples.empty() ? 0 : samples.back().time;
    return {LoadStatus::kCutShort, "is cut short: its data end after " + std::to_string(end) +
                                       " s of the " + std::to_string(length_) +
                                       " s its header declares"};
}

}  // namespace

LoadResult ReadHrm(CRecording& recording, std::string_view bytes,
                   const RecordingReadContext& context) {
    return HrmParser(recording, context).Parse(bytes);
}

LoadResult LoadHrm(CRecording& recording, std::string path, const RecordingReadContext& context) {
    std::optional<std::string> bytes = ReadRecordingFile(path);
    if (!bytes) return {LoadStatus::kCannotOpen, UnreadableFileMessage(path)};
    return ReadHrm(recording, *bytes, context);
}

}  // namespace kadenzo
