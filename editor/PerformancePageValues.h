#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ChoiceLists.h"
#include "FieldRange.h"
#include "ImportedFigures.h"
#include "RecordingImportValues.h"
#include "StringTable.h"
#include "Units.h"
#include "WorkOut.h"

namespace kadenzo {

class CLibrary;

// What the performance page of the workout editor shows and how it changes
// the workout being edited: two sets of figures (the whole workout and the
// section between the recording's markers), each with distance, duration and
// heart rates and a speed and pace read-out; sub-sport, track and intensity;
// a comment, the recording's path and markers, the maximum-test flag. The
// page shows the public fields and writes what the user typed back into them.
// Figure fields read the number their text starts with (none counts as 0),
// and OK takes them only when the workout's fields can hold them.
class PerformancePageValues {
public:
    struct Context {
        const CLibrary& library;
        const UnitSettings& units;
        const StringTable& texts;
        // The athlete's maximum heart rate on a workout's date, 0 when none is
        // known; the recording import shows the time in zones of it.
        CWorkOut::MaxHeartRateOf maxHeartRate;
    };

    enum Set { kWhole = 0, kPart = 1 };
    enum Field { kDistance, kDuration, kAverage, kMaximum };

    struct Figures {
        std::string distanceText;  // in the user's distance unit
        std::string durationText;
        double duration = 0;      // minutes; follows durationText as it is typed
        std::string averageText;  // heart rates in beats per minute
        std::string maximumText;

    private:
        friend class PerformancePageValues;
        std::string shownDistanceText;  // as first shown, for the stored value
        double storedDistance = 0;      // kilometres
    };

    PerformancePageValues(CWorkOut& workout, Context context);

    Figures& Of(Set set) { return figures_[set]; }
    const Figures& Of(Set set) const { return figures_[set]; }
    // A duration typed: the text is read into minutes.
    void SetDurationText(Set set, const std::string& text);

    // Whether the workout's sport is measured in distance (or is unknown);
    // without distance, distances and read-outs are hidden.
    bool HasDistance() const;
    // The set's speed and pace from its distance text and duration; nothing
    // for a sport without distance, whose read-out is left as it is.
    std::optional<std::string> Readout(Set set) const;

    // Which set is shown: kWhole or kPart.
    int view = kWhole;
    bool FiguresShown(Set set) const { return set == kWhole ? view <= 0 : view == 1; }
    bool DistanceShown(Set set) const { return FiguresShown(set) && HasDistance(); }

    const std::vector<ChoiceEntry>& Tracks() const { return tracks_; }
    const std::vector<ChoiceEntry>& Intensities() const { return intensities_; }
    const std::vector<ChoiceEntry>& SubSports() const { return subSports_; }
    int TrackIndex() const { return IndexOfChoice(tracks_, track_); }
    int IntensityIndex() const { return IndexOfChoice(intensities_, intensity_); }
    // -1 while no sub-sport is chosen; OK then keeps the workout's.
    int SubSportIndex() const { return subSport_ ? IndexOfChoice(subSports_, *subSport_) : -1; }
    // Off when the workout's sport is not in the library.
    bool SubSportEnabled() const;
    void SelectIntensity(int index) { intensity_ = ChoiceAt(intensities_, index); }
    void SelectSubSport(int index);
    // A track picked: a distance still 0 takes the track's.
    void ChooseTrack(int index);
    // Refills the sub-sport and track lists for the workout's sport, which the
    // set-up page may have changed; entries chosen stay chosen while they
    // belong to it.
    void RefreshLists();

    // What the recording import opens with: the recording, the date, the
    // markers and the maximum heart rate of that date.
    ImportRequest ImportRequestFor() const;
    // The figures an import may replace, as the page holds them now.
    PerformanceFigures PageFigures() const;
    // Shows the figures of an import (see TakeImportedFigures).
    void TakeFigures(const PerformanceFigures& figures);

    // What a figure field takes: distance (in the user's unit) and duration
    // (minutes) not negative, heart rates whole and within 8 bits.
    static const FieldRange& Range(Set set, Field field);
    // A figure the workout cannot hold as typed.
    struct Refusal {
        Set set;
        Field field;
    };
    // The first such figure, the whole workout's first; a distance left as it
    // was shown is not read.
    std::optional<Refusal> Check() const;

    // OK: everything goes into the workout; false, with nothing changed, when
    // Check refuses a figure. A distance left as it was shown keeps the stored
    // value, which it shows cut to two decimals.
    bool Apply();

    bool maxTest = false;
    std::string comment;
    std::string recordingPath;  // Windows-1252, as the workout stores it
    std::int32_t marker1 = -1;
    std::int32_t marker2 = -1;

private:
    void ShowDistance(Set set, double distance);
    void ApplyDistance(Set set, double& distance) const;

    CWorkOut& workout_;
    Context context_;
    std::array<Figures, 2> figures_;
    std::vector<ChoiceEntry> tracks_;
    std::vector<ChoiceEntry> intensities_;
    std::vector<ChoiceEntry> subSports_;
    std::uint32_t track_ = 0;
    std::uint32_t intensity_ = 0;
    std::optional<std::uint32_t> subSport_;
};

}  // namespace kadenzo
