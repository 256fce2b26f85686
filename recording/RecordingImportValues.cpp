#include "RecordingImportValues.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "DateTime.h"
#include "Formats.h"
#include "RecordingFile.h"
#include "TextFormat.h"

namespace kadenzo {
namespace {

constexpr std::uint32_t kDurationText = 33036;  // %s: duration
constexpr std::uint32_t kDistanceText = 33037;  // %f %s: distance, unit
constexpr std::uint32_t kAverageText = 33038;   // %f: beats per minute
constexpr std::uint32_t kMaximumText = 33039;   // %f: beats per minute
constexpr std::uint32_t kFilterText = 33042;    // %s date, %s pattern, %s pattern

ImportLoad FromStatus(LoadStatus status) {
    switch (status) {
        case LoadStatus::kLoaded:
            return ImportLoad::kLoaded;
        case LoadStatus::kNotRecognised:
            return ImportLoad::kNotRecognised;
        case LoadStatus::kUnknownType:
            return ImportLoad::kUnknownType;
        case LoadStatus::kNoSamples:
            return ImportLoad::kNoSamples;
        case LoadStatus::kDamaged:
            return ImportLoad::kDamaged;
        case LoadStatus::kCutShort:
            return ImportLoad::kCutShort;
        case LoadStatus::kCannotOpen:
            break;
    }
    return ImportLoad::kCannotOpen;
}

}  // namespace

RecordingImportValues::RecordingImportValues(const UnitSettings& units, const StringTable& texts)
    : units_(units), texts_(texts) {}

ImportLoad RecordingImportValues::Open(const ImportRequest& request, std::int64_t now) {
    workoutDate_ = request.workoutDate;
    maxHeartRate_ = request.maxHeartRate;
    markers_ = {request.marker1, request.marker2};
    const ImportLoad loaded = Load(request.path, now);
    if (ImportLoaded(loaded)) SetMarkers(request.marker1, request.marker2);
    return loaded;
}

ImportLoad RecordingImportValues::Load(const std::string& path, std::int64_t now) {
    if (path.empty()) return ImportLoad::kNoFile;
    CRecording loaded;
    std::string named = path;
    const ImportLoad status = FromStatus(LoadRecording(loaded, named, {units_, now}));
    if (!ImportLoaded(status)) return status;
    if (loaded.samples.empty()) return ImportLoad::kNoSamples;

    recording_ = std::move(loaded);
    path_ = path;
    hasDistance_ = std::any_of(recording_.samples.begin(), recording_.samples.end(),
                               [](const RecordingSample& s) { return s.distance != 0; });
    for (int c = 0; c < kChartSlotCount; ++c) {
        channels_[c] = std::any_of(recording_.samples.begin(), recording_.samples.end(),
                                   [c](const RecordingSample& s) { return s.Channel(c) != 0; });
    }
    if (!hasDistance_) {
        if (axisMode_ == kAxisDistance) axisMode_ = kAxisElapsedTime;
        wholeExcludePauses_ = partExcludePauses_ = false;
    }
    markers_ = {0, recording_.count() - 1};
    Summarise();
    return status;
}

bool RecordingImportValues::AxisModeAvailable(int axisMode) const {
    if (axisMode == kAxisDistance) return hasDistance_;
    return axisMode == kAxisTimeOfDay || axisMode == kAxisElapsedTime;
}

bool RecordingImportValues::SetAxisMode(int axisMode) {
    if (!AxisModeAvailable(axisMode)) return false;
    axisMode_ = axisMode;
    return true;
}

std::uint32_t RecordingImportValues::ChartMode() const {
    switch (axisMode_) {
        case kAxisDistance:
            return kChartXDistance;
        case kAxisTimeOfDay:
            return kChartXTime | kChartTimeOfDay;
        default:
            return kChartXTime;
    }
}

void RecordingImportValues::SetWholeExcludePauses(bool on) {
    if (!WholeExcludePausesEnabled()) return;
    wholeExcludePauses_ = on;
    if (on) partExcludePauses_ = true;
    Summarise();
}

void RecordingImportValues::SetPartExcludePauses(bool on) {
    if (!PartExcludePausesEnabled()) return;
    partExcludePauses_ = on;
    Summarise();
}

void RecordingImportValues::SetMarkers(int marker1, int marker2) {
    const int count = recording_.count();
    if (marker1 >= 0 && marker1 < count) markers_[0] = marker1;
    if (marker2 >= 0 && marker2 < count) markers_[1] = marker2;
    Summarise();
}

void RecordingImportValues::Summarise() {
    const int last = recording_.count() - 1;
    whole_ = SummariseRange(recording_, 0, last, wholeExcludePauses_);
    part_ = SummariseRange(recording_, markers_[0], markers_[1], partExcludePauses_);
    partZones_ =
        TimeInZones(recording_, markers_[0], markers_[1], maxHeartRate_, partExcludePauses_);
}

SummaryTexts RecordingImportValues::Texts(const RangeSummary& summary) const {
    return {FormatText(texts_.Text(kDurationText), {FormatDuration(summary.duration / 60.0, true)}),
            FormatText(texts_.Text(kDistanceText), {static_cast<double>(summary.distance),
                                                    UnitLabel(kUnitDistance, units_, texts_)}),
            FormatText(texts_.Text(kAverageText), {static_cast<double>(summary.average)}),
            FormatText(texts_.Text(kMaximumText), {static_cast<double>(summary.maximum)})};
}

std::array<std::string, 2> RecordingImportValues::MarkerTexts() const {
    return kadenzo::MarkerTexts(recording_, markers_[0], markers_[1], axisMode_, units_, texts_);
}

std::string RecordingImportValues::BrowsePattern() const {
    const std::optional<DateParts> date = PartsFromDateTime(workoutDate_);
    if (!date) return "*.hrm";
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d%02d%02d*.hrm", date->year % 100, date->month,
                  date->day);
    return buffer;
}

std::vector<FileFilterEntry> RecordingImportValues::BrowseFilter() const {
    const std::optional<DateParts> date = PartsFromDateTime(workoutDate_);
    const std::string pattern = BrowsePattern();
    std::vector<FileFilterEntry> entries = ParseFileFilter(FormatText(
        texts_.Text(kFilterText), {date ? FormatDate(*date) : std::string(), pattern, pattern}));
    if (entries.empty()) {
        // A module without the text still lets the user pick any recording.
        FileFilterEntry recordings;
        for (const std::string& extension : RecordingExtensions())
            recordings.patterns.push_back("*." + extension);
        entries = {recordings, {"", {"*"}}};
    }
    return entries;
}

std::string RecordingImportValues::FolderOf(const std::string& path) {
    const std::size_t last = path.find_last_of("/\\");
    if (last == std::string::npos) return {};
    return last == 0 ? path.substr(0, 1) : path.substr(0, last);
}

ImportedFigures RecordingImportValues::Figures() const {
    return {path_, markers_[0], markers_[1], whole_, part_};
}

}  // namespace kadenzo
