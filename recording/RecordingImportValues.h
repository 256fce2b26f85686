#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "ChartScale.h"
#include "HeartRateGeometry.h"
#include "ImportedFigures.h"
#include "MarkerText.h"
#include "Recording.h"
#include "RecordingFileTypes.h"
#include "RecordingSummary.h"
#include "StringTable.h"
#include "Units.h"

namespace kadenzo {

// What the performance page opens the import dialog with.
struct ImportRequest {
    std::string path;        // UTF-8; "" opens the dialog without a recording
    double workoutDate = 0;  // days since 1899-12-30; recording files are named after it
    // The stored markers; an index outside the loaded recording leaves that
    // marker on the first or last sample.
    int marker1 = -1;
    int marker2 = -1;
    // The athlete's maximum heart rate on the workout's date, for the time in
    // zones; 0 when none is known.
    int maxHeartRate = 0;
};

// How loading a file went.
enum class ImportLoad {
    kLoaded,
    kNoFile,         // no path given: nothing to load
    kCannotOpen,     // missing, unreadable or too large
    kNotRecognised,  // not of the format its extension names
    kUnknownType,    // an extension no reader takes
    kNoSamples,      // read, but without a single sample
    kDamaged,        // its own checks say the file is damaged: nothing read
    kCutShort,       // read up to where the file was cut off: shown, with a note
};

// Whether a load put a recording in place (perhaps only its first part).
inline bool ImportLoaded(ImportLoad status) {
    return status == ImportLoad::kLoaded || status == ImportLoad::kCutShort;
}

// The four lines of a summary (texts 33036 to 33039), Windows-1252.
struct SummaryTexts {
    std::string duration;
    std::string distance;
    std::string average;
    std::string maximum;
};

// The recording import dialog without its widgets: the loaded recording, the
// x-axis, the pause options and how they depend on each other, the markers,
// both summaries and their texts, and what the dialog hands back. A file that
// cannot be loaded changes nothing, so the dialog stays as it was.
class RecordingImportValues {
public:
    // Both are kept by reference: the unit setting is the program's live one.
    RecordingImportValues(const UnitSettings& units, const StringTable& texts);
    RecordingImportValues(const UnitSettings&&, const StringTable&) = delete;
    RecordingImportValues(const UnitSettings&, const StringTable&&) = delete;

    // Loads the request's file (if it names one) and puts the markers where
    // the request has them. now stands in as the start of a file without one.
    ImportLoad Open(const ImportRequest& request, std::int64_t now);
    // Loads another file. On success the markers move to the first and last
    // sample, the distance axis and pause options follow the file's data.
    ImportLoad Load(const std::string& path, std::int64_t now);

    const CRecording& Recording() const { return recording_; }
    const std::string& Path() const { return path_; }
    double WorkoutDate() const { return workoutDate_; }
    bool HasDistance() const { return hasDistance_; }
    // The chart channels to show: those with a value other than 0.
    const std::array<bool, kChartSlotCount>& Channels() const { return channels_; }

    int AxisMode() const { return axisMode_; }
    // False (and nothing changed) for the distance axis of a recording
    // without distance, and for a mode that does not exist.
    bool SetAxisMode(int axisMode);
    bool AxisModeAvailable(int axisMode) const;
    // The chart's mode for the axis mode.
    std::uint32_t ChartMode() const;

    bool WholeExcludePauses() const { return wholeExcludePauses_; }
    bool PartExcludePauses() const { return partExcludePauses_; }
    // Pauses can only be told without distance data: both options need it.
    bool WholeExcludePausesEnabled() const { return hasDistance_; }
    // Leaving pauses out of the whole recording leaves them out of every
    // section too, so the section's option is then on and fixed.
    bool PartExcludePausesEnabled() const { return hasDistance_ && !wholeExcludePauses_; }
    void SetWholeExcludePauses(bool on);
    void SetPartExcludePauses(bool on);

    int Marker1() const { return markers_[0]; }
    int Marker2() const { return markers_[1]; }
    // The chart's marker indices; each is taken when it lies within the recording.
    void SetMarkers(int marker1, int marker2);

    const RangeSummary& Whole() const { return whole_; }
    const RangeSummary& Part() const { return part_; }
    // The marked section's time in heart-rate zones of the request's maximum,
    // following the markers and the section's pause option; all 0 without one.
    int MaxHeartRate() const { return maxHeartRate_; }
    const ZoneSeconds& PartZones() const { return partZones_; }
    SummaryTexts WholeTexts() const { return Texts(whole_); }
    SummaryTexts PartTexts() const { return Texts(part_); }
    // The markers' positions on the current axis, in ascending order.
    std::array<std::string, 2> MarkerTexts() const;

    // The chooser's first pattern: files named after the workout's date,
    // "yymmdd*.hrm"; "*.hrm" without a valid date.
    std::string BrowsePattern() const;
    // The chooser's filter (text 33042 with the workout's date and pattern).
    std::vector<FileFilterEntry> BrowseFilter() const;
    // The folder of a chosen file, kept as the chooser's next start.
    static std::string FolderOf(const std::string& path);

    ImportedFigures Figures() const;

private:
    SummaryTexts Texts(const RangeSummary& summary) const;
    void Summarise();

    const UnitSettings& units_;
    const StringTable& texts_;
    CRecording recording_;
    std::string path_;
    double workoutDate_ = 0;
    bool hasDistance_ = false;
    std::array<bool, kChartSlotCount> channels_{};
    int axisMode_ = kAxisElapsedTime;
    bool wholeExcludePauses_ = false;
    bool partExcludePauses_ = false;
    std::array<int, 2> markers_{0, 0};
    RangeSummary whole_;
    RangeSummary part_;
    int maxHeartRate_ = 0;
    ZoneSeconds partZones_{};
};

}  // namespace kadenzo
