#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace kadenzo {

class CDatabase;
class CKadenzoDoc;
class CLibrary;

// What a day's load depends on besides the log.
struct FormContext {
    // The templates that give targets not yet fixed; null: the stored targets.
    const CLibrary* library = nullptr;
    // The current date (a day number, DayNumber): workouts from this day on
    // without a performed duration count as planned, earlier ones as missed.
    int today = 0;
    // The athlete's maximum heart rate where no earlier maximum test gives
    // one (CKadenzoDoc::ProfileMaxHeartRate); 0 when there is none.
    std::int32_t profileMaxHeartRate = 0;

    friend bool operator==(const FormContext&, const FormContext&) = default;
};

// The document's library, its clock's today and its athlete profile.
FormContext FormContextOf(const CKadenzoDoc& doc);

// Fitness and fatigue are exponential averages of the daily load over these
// many days.
inline constexpr double kFitnessDays = 42.0;
inline constexpr double kFatigueDays = 7.0;

// Workouts count only on the days from 1900-01-01 to 9999-12-31: a damaged
// date elsewhere never stretches the series.
inline constexpr int kFirstFormDay = 2;
inline constexpr int kLastFormDay = 2958465;

// The averages start from 0 on the day of the first counted workout, so for
// this many days fitness still lags behind the training and form reads low.
inline constexpr int kWarmingUpDays = 42;

// A ramp day: the plan, from today on, drives fatigue above this many times
// fitness once fitness has reached kRampFitness and the series has run for
// kRampAfterDays. The acute load then runs far ahead of the chronic one.
inline constexpr double kRampRatio = 1.5;
inline constexpr double kRampFitness = 10.0;
inline constexpr int kRampAfterDays = 56;

// One calendar day of the series. Figures unrounded.
struct FormDay {
    int day = 0;                // day number
    double load = 0;            // sum of the day's training impulses
    double fitness = 0;         // at the end of the day
    double fatigue = 0;         // at the end of the day
    double form = 0;            // yesterday's fitness − yesterday's fatigue
    double morningFitness = 0;  // yesterday's fitness, what the day starts with
    double morningFatigue = 0;  // yesterday's fatigue
    bool projected = false;     // after today: follows from the plan
    int unrated = 0;            // the day's counted workouts without a heart rate to rate them
    bool warmingUp = false;     // within kWarmingUpDays of the first counted workout
    bool ramp = false;          // a ramp day (see kRampRatio)
    bool afterPlan = false;     // after today and after the plan's last workout: nothing to project
};

// Why counted workouts could not be rated.
struct FormUnrated {
    int performed = 0;  // done, without an average heart rate and without a target
    int planned = 0;    // planned, without a target
    int noMaximum = 0;  // with a heart rate, but no maximum above the resting heart rate
    // The templates of the planned ones, by id, each once.
    std::vector<std::uint32_t> plannedTemplates;
    int Total() const { return performed + planned + noMaximum; }
};

// Training load, fitness, fatigue and form of every day of a log. A workout
// counts with its performed duration (> 0) and average heart rate (else the
// middle of its targets); from today on one not performed yet counts with its
// planned duration and the middle of its targets; one before today without a
// performed duration counts nothing. Targets not yet fixed follow the
// template as the diary shows them. The maximum heart rate is the athlete's
// for the workout (the last earlier maximum test, else the profile's); the
// resting one that of the latest body data on or before the day, else 60.
//
// Only days holding workouts are stored; the days between are worked out on
// look-up, so memory follows the number of workouts, not the span of dates.
class FormSeries {
public:
    // The whole series anew.
    void Compute(const CDatabase& log, const FormContext& context);
    // After a change of workouts or body data on fromDay or later (nothing
    // before it changed): only the days from there on are worked out again.
    // A changed profile or library recomputes everything; a changed today
    // recomputes from the earlier of the two days.
    void Update(const CDatabase& log, const FormContext& context, int fromDay);

    // Any day; before the first workout everything is 0.
    FormDay At(int day) const;
    // The day of the first counted workout, if any.
    std::optional<int> FirstDay() const;
    // The last day whose load holds a planned workout's, if any.
    std::optional<int> LastPlannedDay() const;
    // The last day holding a planned workout, rated or not, if any: past it
    // there is nothing to project.
    std::optional<int> PlanEnd() const { return planEnd_; }
    // Counted workouts of the whole log without a heart rate to rate them.
    int Unrated() const { return unrated_; }
    // The same by reason.
    FormUnrated UnratedByReason() const;
    // Whether the latest maximum test gives a maximum (above 0).
    bool HasMaximumTest() const { return hasMaximumTest_; }
    const FormContext& Context() const { return context_; }

private:
    // A day holding workouts, with the figures at its end.
    struct Entry {
        int day = 0;
        double load = 0;
        double plannedLoad = 0;
        int counted = 0;
        int planned = 0;  // counted as planned
        int unrated = 0;
        double fitnessBefore = 0;  // yesterday's
        double fatigueBefore = 0;
        double fitness = 0;
        double fatigue = 0;
        // The maximum of the last maximum test up to the end of the day; -1: none.
        std::int32_t testAfter = -1;
        // Of unrated: planned without a target, with their templates, and
        // those with a heart rate but no maximum above the resting one.
        int unratedPlanned = 0;
        std::vector<std::uint32_t> untargetedTemplates = {};
        int unratedNoMaximum = 0;
    };

    void ReadRestingHeartRates(const CDatabase& log);
    double RestingHeartRate(int day) const;
    // Loads of the days from fromDay on, appended to entries_; false when the
    // log turns out not to be in date order.
    bool AddDaysFrom(const CDatabase& log, int fromDay);
    void ComputeUnsorted(const CDatabase& log);
    // Fitness and fatigue of entries_[first] onwards, then the days that
    // bound the flags.
    void Chain(std::size_t first);

    FormContext context_;
    bool computed_ = false;
    bool inOrder_ = true;  // the log was in date order at the last reading
    std::vector<Entry> entries_;
    std::vector<std::pair<int, double>> rests_;  // (day, resting heart rate), by day
    int unrated_ = 0;
    std::optional<int> firstDay_;  // of the first counted workout
    std::optional<int> planEnd_;
    bool hasMaximumTest_ = false;
};

// Whether the week from monday to the Sunday after holds a ramp day.
bool WeekHoldsRampDay(const FormSeries& series, int monday);

}  // namespace kadenzo
