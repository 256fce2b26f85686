#include "PerformancePageValues.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "Cp1252.h"
#include "DecimalField.h"
#include "EditorTexts.h"
#include "FigureText.h"
#include "Formats.h"
#include "Library.h"
#include "WorkOut.h"

namespace kadenzo {
namespace {

// The whole beats a heart-rate field holds, kept within 8 bits (OK refuses
// a field beyond them; the import weighs it against the recording's as 255).
std::uint8_t HeartRateOf(const std::string& text) {
    const double rate = ReadFigureField(text);
    return rate > 0 ? static_cast<std::uint8_t>(std::min(255.0, std::trunc(rate))) : 0;
}

// A figure for what the page shows before OK (the read-out, a track's
// distance, the import's comparison): a field that holds no number counts as
// empty there; OK refuses it.
double ShownFigure(const std::string& text) {
    const double value = ReadFigureField(text);
    return std::isnan(value) ? 0 : value;
}

}  // namespace

PerformancePageValues::PerformancePageValues(CWorkOut& workout, Context context)
    : workout_(workout), context_(context) {
    maxTest = workout_.maxPulseTest != 0;
    comment = workout_.notes;
    recordingPath = workout_.recordingPath;
    marker1 = workout_.marker1;
    marker2 = workout_.marker2;

    struct Stored {
        double distance;
        double duration;
        std::uint8_t average;
        std::uint8_t maximum;
    };
    const Stored stored[] = {
        {workout_.distance, workout_.duration, workout_.averagePulse, workout_.maxPulse},
        {workout_.partDistance, workout_.partDuration, workout_.partAveragePulse,
         workout_.partMaxPulse}};
    for (Set set : {kWhole, kPart}) {
        Figures& figures = figures_[set];
        figures.distanceText = FormatDecimalField(
            CutToHundredths(ToDisplay(stored[set].distance, kUnitDistance, context_.units)));
        figures.shownDistanceText = figures.distanceText;
        figures.storedDistance = stored[set].distance;
        figures.duration = stored[set].duration;
        figures.durationText = FormatDuration(figures.duration, true);
        figures.averageText = std::to_string(stored[set].average);
        figures.maximumText = std::to_string(stored[set].maximum);
    }

    track_ = workout_.trackId;
    intensity_ = workout_.intensityId;
    subSport_ = workout_.subSportId;
    intensities_ = IntensityChoices(context_.library);
    if (IntensityIndex() < 0) intensity_ = 0;
    RefreshLists();
}

void PerformancePageValues::SetDurationText(Set set, const std::string& text) {
    Figures& figures = figures_[set];
    figures.durationText = text;
    figures.duration = ParseDuration(text);
}

bool PerformancePageValues::HasDistance() const {
    const CLibSport* sport = context_.library.FindSport(workout_.sportId);
    return !sport || sport->hasDistance;
}

std::optional<std::string> PerformancePageValues::Readout(Set set) const {
    if (!HasDistance()) return std::nullopt;
    const Figures& figures = figures_[set];
    return SpeedPaceText(ShownFigure(figures.distanceText), figures.duration, context_.units,
                         context_.texts);
}

bool PerformancePageValues::SubSportEnabled() const {
    return context_.library.FindSport(workout_.sportId) != nullptr;
}

void PerformancePageValues::SelectSubSport(int index) {
    if (index < 0 || index >= static_cast<int>(subSports_.size())) {
        subSport_.reset();
        return;
    }
    subSport_ = ChoiceAt(subSports_, index);
}

void PerformancePageValues::ChooseTrack(int index) {
    if (index < 0 || index >= static_cast<int>(tracks_.size())) return;
    track_ = ChoiceAt(tracks_, index);
    const CLibTrack* track = context_.library.FindTrack(track_);
    if (!track) return;
    for (Set set : {kWhole, kPart}) {
        if (ShownFigure(figures_[set].distanceText) == 0)
            ShowDistance(set, ToDisplay(track->distance, kUnitDistance, context_.units));
    }
}

void PerformancePageValues::RefreshLists() {
    tracks_ = TrackChoices(context_.library, workout_.sportId);
    if (TrackIndex() < 0) track_ = 0;
    subSports_ = SubSportChoices(context_.library, workout_.sportId);
    if (subSport_ && IndexOfChoice(subSports_, *subSport_) < 0) subSport_.reset();
}

ImportRequest PerformancePageValues::ImportRequestFor() const {
    return {Cp1252ToUtf8(recordingPath), workout_.date, marker1, marker2,
            context_.maxHeartRate ? context_.maxHeartRate(workout_) : 0};
}

PerformanceFigures PerformancePageValues::PageFigures() const {
    PerformanceFigures page;
    page.wholeDistance = ShownFigure(figures_[kWhole].distanceText);
    page.wholeDuration = figures_[kWhole].duration;
    page.wholeAverage = HeartRateOf(figures_[kWhole].averageText);
    page.wholeMax = HeartRateOf(figures_[kWhole].maximumText);
    page.partDistance = ShownFigure(figures_[kPart].distanceText);
    page.partDuration = figures_[kPart].duration;
    page.partAverage = HeartRateOf(figures_[kPart].averageText);
    page.partMax = HeartRateOf(figures_[kPart].maximumText);
    page.marker1 = marker1;
    page.marker2 = marker2;
    page.recordingPath = recordingPath;
    return page;
}

void PerformancePageValues::TakeFigures(const PerformanceFigures& taken) {
    const PerformanceFigures before = PageFigures();
    // A distance the import left alone keeps its text, as typed.
    if (taken.wholeDistance != before.wholeDistance) ShowDistance(kWhole, taken.wholeDistance);
    if (taken.partDistance != before.partDistance) ShowDistance(kPart, taken.partDistance);
    const double durations[] = {taken.wholeDuration, taken.partDuration};
    for (Set set : {kWhole, kPart}) {
        figures_[set].duration = durations[set];
        figures_[set].durationText = FormatDuration(durations[set], true);
    }
    // So does a heart rate.
    auto showRate = [](std::string& text, std::uint8_t taken, std::uint8_t held) {
        if (taken != held) text = std::to_string(taken);
    };
    showRate(figures_[kWhole].averageText, taken.wholeAverage, before.wholeAverage);
    showRate(figures_[kWhole].maximumText, taken.wholeMax, before.wholeMax);
    showRate(figures_[kPart].averageText, taken.partAverage, before.partAverage);
    showRate(figures_[kPart].maximumText, taken.partMax, before.partMax);
    marker1 = taken.marker1;
    marker2 = taken.marker2;
    recordingPath = taken.recordingPath;
}

void PerformancePageValues::ShowDistance(Set set, double distance) {
    figures_[set].distanceText = FormatDecimalField(CutToHundredths(distance));
}

void PerformancePageValues::ApplyDistance(Set set, double& distance) const {
    const Figures& figures = figures_[set];
    distance =
        figures.distanceText == figures.shownDistanceText
            ? figures.storedDistance
            : FromDisplay(ReadFigureField(figures.distanceText), kUnitDistance, context_.units);
}

const FieldRange& PerformancePageValues::Range(Set set, Field field) {
    using namespace editortext;
    static constexpr FieldRange kRanges[2][4] = {{{kDistanceName, 0, kLargestFigure, false},
                                                  {kDurationName, 0, kLargestFigure, false},
                                                  {kAverageHeartRateName, 0, 255, true},
                                                  {kMaximumHeartRateName, 0, 255, true}},
                                                 {{kPartDistanceName, 0, kLargestFigure, false},
                                                  {kPartDurationName, 0, kLargestFigure, false},
                                                  {kPartAverageHeartRateName, 0, 255, true},
                                                  {kPartMaximumHeartRateName, 0, 255, true}}};
    return kRanges[set][field];
}

std::optional<PerformancePageValues::Refusal> PerformancePageValues::Check() const {
    for (Set set : {kWhole, kPart}) {
        const Figures& figures = figures_[set];
        const std::pair<Field, double> typed[] = {
            {kDistance, figures.distanceText == figures.shownDistanceText
                            ? 0
                            : ReadFigureField(figures.distanceText)},
            {kDuration, figures.duration},
            {kAverage, ReadFigureField(figures.averageText)},
            {kMaximum, ReadFigureField(figures.maximumText)}};
        for (const auto& [field, value] : typed) {
            if (!Range(set, field).Holds(value)) return Refusal{set, field};
        }
    }
    return std::nullopt;
}

bool PerformancePageValues::Apply() {
    if (Check()) return false;
    workout_.maxPulseTest = maxTest ? 1 : 0;
    ApplyDistance(kWhole, workout_.distance);
    workout_.maxPulse = HeartRateOf(figures_[kWhole].maximumText);
    workout_.averagePulse = HeartRateOf(figures_[kWhole].averageText);
    workout_.duration = figures_[kWhole].duration;
    workout_.notes = comment;
    workout_.recordingPath = recordingPath;
    ApplyDistance(kPart, workout_.partDistance);
    workout_.partMaxPulse = HeartRateOf(figures_[kPart].maximumText);
    workout_.partAveragePulse = HeartRateOf(figures_[kPart].averageText);
    workout_.partDuration = figures_[kPart].duration;
    workout_.marker1 = marker1;
    workout_.marker2 = marker2;
    workout_.trackId = track_;
    workout_.intensityId = intensity_;
    if (subSport_) workout_.subSportId = *subSport_;
    return true;
}

}  // namespace kadenzo
