#include "FormSeries.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "Database.h"
#include "DateTime.h"
#include "KadenzoDoc.h"
#include "TrainingLoad.h"
#include "WorkOut.h"

namespace kadenzo {
namespace {

constexpr double kFitnessKeep = 1.0 - 1.0 / kFitnessDays;
constexpr double kFatigueKeep = 1.0 - 1.0 / kFatigueDays;
// A damaged duration beyond this many minutes counts as this many, so that
// sums over a whole log stay finite.
constexpr double kMaxMinutes = 1e9;

// The day of a date-time within the days that count, or nothing.
std::optional<int> CountedDay(double date) {
    if (!std::isfinite(date)) return std::nullopt;
    const int day = DayNumber(date);
    if (day < kFirstFormDay || day > kLastFormDay) return std::nullopt;
    return day;
}

// The resting heart rate of the latest body data on or before a day. Asked
// day after day in order, it walks forward; asked out of order it searches.
class RestCursor {
public:
    explicit RestCursor(const std::vector<std::pair<int, double>>& rests) : rests_(rests) {}

    double At(int day) {
        if (day < lastDay_) {
            next_ = static_cast<std::size_t>(
                std::upper_bound(rests_.begin(), rests_.end(), day,
                                 [](int d, const auto& rest) { return d < rest.first; }) -
                rests_.begin());
        } else {
            while (next_ < rests_.size() && rests_[next_].first <= day) ++next_;
        }
        lastDay_ = day;
        return next_ > 0 ? rests_[next_ - 1].second : kDefaultRestingHeartRate;
    }

private:
    const std::vector<std::pair<int, double>>& rests_;
    std::size_t next_ = 0;
    int lastDay_ = std::numeric_limits<int>::max();
};

struct WorkoutLoad {
    bool counted = false;
    bool planned = false;
    bool unrated = false;
    bool noMaximum = false;  // unrated although it has a heart rate
    double load = 0;
    double plannedLoad = 0;
};

// Reads the workouts' loads in log order. The maximum heart rate of a
// workout is that of the last maximum test listed before the first workout
// with its date, as the document's rule has it, so tests take effect from
// the next date on.
class LoadReader {
public:
    LoadReader(const FormContext& context, const std::vector<std::pair<int, double>>& rests,
               std::int32_t testBefore)
        : context_(context), rests_(rests), running_(testBefore), committed_(testBefore) {
        maxOf_ = [this](const CWorkOut&) { return max_; };
    }

    WorkoutLoad Read(const CWorkOut& w, int day) {
        if (!(w.date == groupDate_)) {
            committed_ = running_;
            groupDate_ = w.date;
        }
        max_ = committed_ >= 0 ? committed_ : context_.profileMaxHeartRate;
        if (w.maxPulseTest) running_ = w.maxPulse;

        WorkoutLoad result;
        const bool performed = w.duration > 0;
        if (!performed && day < context_.today) return result;  // missed
        result.counted = true;
        result.planned = !performed;
        double minutes = performed ? w.duration : w.plannedDuration;
        minutes = minutes > 0 ? std::min(minutes, kMaxMinutes) : 0.0;

        double heartRate = performed ? w.averagePulse : 0;
        if (heartRate == 0) {
            const auto [low, high] = Targets(w);
            // A range open at one end counts with the limit it has.
            if (low != 0 && high != 0)
                heartRate = (low + high) / 2.0;
            else
                heartRate = low + high;
        }
        const std::optional<double> impulse =
            heartRate > 0 ? TrainingImpulse(minutes, heartRate, rests_.At(day), max_)
                          : std::nullopt;
        if (!impulse) {
            result.unrated = true;
            result.noMaximum = heartRate > 0;
            return result;
        }
        result.load = *impulse;
        if (!performed) result.plannedLoad = *impulse;
        return result;
    }

    std::int32_t TestAfter() const { return running_; }

private:
    // The targets as the diary shows them: fixed ones as stored, others from
    // the template and this workout's maximum.
    std::pair<int, int> Targets(const CWorkOut& w) {
        if (w.targetFixed || !context_.library) return {w.targetPulseLow, w.targetPulseHigh};
        scratch_.templateId = w.templateId;
        scratch_.targetPulseLow = w.targetPulseLow;
        scratch_.targetPulseHigh = w.targetPulseHigh;
        scratch_.ComputeTargetPulse(*context_.library, maxOf_, false);
        return {scratch_.targetPulseLow, scratch_.targetPulseHigh};
    }

    const FormContext& context_;
    RestCursor rests_;
    std::int32_t running_;    // the last test read so far
    std::int32_t committed_;  // the last test before the current date
    double groupDate_ = std::numeric_limits<double>::quiet_NaN();
    std::int32_t max_ = 0;
    CWorkOut scratch_;
    CWorkOut::MaxHeartRateOf maxOf_;
};

// Counts one workout's load into its day (an entry of the series) and the
// series' count of unrated workouts.
template <class Entry>
void CountInto(Entry& entry, int& unrated, const WorkoutLoad& load, std::uint32_t templateId) {
    entry.load += load.load;
    entry.plannedLoad += load.plannedLoad;
    entry.counted += load.counted;
    entry.planned += load.planned;
    entry.unrated += load.unrated;
    unrated += load.unrated;
    if (load.noMaximum) {
        ++entry.unratedNoMaximum;
    } else if (load.unrated && load.planned) {
        ++entry.unratedPlanned;
        auto& ids = entry.untargetedTemplates;
        if (std::find(ids.begin(), ids.end(), templateId) == ids.end()) ids.push_back(templateId);
    }
}

}  // namespace

FormContext FormContextOf(const CKadenzoDoc& doc) {
    return {&doc.Library(), doc.Context().Today(), doc.ProfileMaxHeartRate()};
}

void FormSeries::Compute(const CDatabase& log, const FormContext& context) {
    context_ = context;
    computed_ = true;
    entries_.clear();
    unrated_ = 0;
    ReadRestingHeartRates(log);
    if (!AddDaysFrom(log, kFirstFormDay)) {
        ComputeUnsorted(log);
        return;
    }
    inOrder_ = true;
    Chain(0);
}

void FormSeries::Update(const CDatabase& log, const FormContext& context, int fromDay) {
    if (!computed_ || !inOrder_ || context.library != context_.library ||
        context.profileMaxHeartRate != context_.profileMaxHeartRate) {
        Compute(log, context);
        return;
    }
    if (context.today != context_.today)
        fromDay = std::min({fromDay, context.today, context_.today});
    context_ = context;
    fromDay = std::max(fromDay, kFirstFormDay);
    ReadRestingHeartRates(log);
    const auto kept = std::lower_bound(entries_.begin(), entries_.end(), fromDay,
                                       [](const Entry& e, int day) { return e.day < day; });
    const auto first = static_cast<std::size_t>(kept - entries_.begin());
    for (auto it = kept; it != entries_.end(); ++it) unrated_ -= it->unrated;
    entries_.erase(kept, entries_.end());
    if (!AddDaysFrom(log, fromDay)) {
        ComputeUnsorted(log);
        return;
    }
    Chain(first);
}

void FormSeries::ReadRestingHeartRates(const CDatabase& log) {
    rests_.clear();
    bool inOrder = true;
    for (const auto& info : log.BodyInfos()) {
        if (!info->date.IsValid() || info->value3 <= 0) continue;
        const std::optional<int> day = CountedDay(info->date.value);
        if (!day) continue;
        inOrder = inOrder && (rests_.empty() || rests_.back().first <= *day);
        rests_.emplace_back(*day, static_cast<double>(info->value3));
    }
    if (!inOrder)
        std::stable_sort(rests_.begin(), rests_.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
}

bool FormSeries::AddDaysFrom(const CDatabase& log, int fromDay) {
    LoadReader reader(context_, rests_, entries_.empty() ? -1 : entries_.back().testAfter);
    auto it = fromDay <= kFirstFormDay ? log.BeginWorkouts()
                                       : log.FirstWorkoutFrom(static_cast<double>(fromDay));
    double lastDate = -std::numeric_limits<double>::infinity();
    for (; it != log.EndWorkouts(); ++it) {
        const CWorkOut& w = **it;
        const std::optional<int> day = CountedDay(w.date);
        if (!day) continue;
        if (w.date < lastDate || *day < fromDay) return false;
        lastDate = w.date;
        if (entries_.empty() || entries_.back().day != *day) entries_.push_back({.day = *day});
        Entry& entry = entries_.back();
        CountInto(entry, unrated_, reader.Read(w, *day), w.templateId);
        entry.testAfter = reader.TestAfter();
    }
    return true;
}

// A log out of date order (only a damaged file makes one): every workout is
// read in list order, then the days are put in order.
void FormSeries::ComputeUnsorted(const CDatabase& log) {
    inOrder_ = false;
    entries_.clear();
    unrated_ = 0;
    struct Read {
        int day;
        WorkoutLoad load;
        std::uint32_t templateId;
    };
    std::vector<Read> loads;
    LoadReader reader(context_, rests_, -1);
    for (auto it = log.BeginWorkouts(); it != log.EndWorkouts(); ++it) {
        const CWorkOut& w = **it;
        const std::optional<int> day = CountedDay(w.date);
        if (day) loads.push_back({*day, reader.Read(w, *day), w.templateId});
    }
    std::stable_sort(loads.begin(), loads.end(),
                     [](const Read& a, const Read& b) { return a.day < b.day; });
    for (const Read& read : loads) {
        if (entries_.empty() || entries_.back().day != read.day)
            entries_.push_back({.day = read.day});
        CountInto(entries_.back(), unrated_, read.load, read.templateId);
    }
    // The last test read in list order counts for whatever follows the log.
    if (!entries_.empty()) entries_.back().testAfter = reader.TestAfter();
    Chain(0);
}

void FormSeries::Chain(std::size_t first) {
    for (std::size_t i = first; i < entries_.size(); ++i) {
        Entry& e = entries_[i];
        if (i == 0) {
            e.fitnessBefore = 0;
            e.fatigueBefore = 0;
        } else {
            const Entry& previous = entries_[i - 1];
            const double restDays = e.day - previous.day - 1;
            e.fitnessBefore = previous.fitness * std::pow(kFitnessKeep, restDays);
            e.fatigueBefore = previous.fatigue * std::pow(kFatigueKeep, restDays);
        }
        e.fitness = e.fitnessBefore + (e.load - e.fitnessBefore) / kFitnessDays;
        e.fatigue = e.fatigueBefore + (e.load - e.fatigueBefore) / kFatigueDays;
    }
    firstDay_.reset();
    for (const Entry& e : entries_) {
        if (e.counted > 0) {
            firstDay_ = e.day;
            break;
        }
    }
    planEnd_.reset();
    for (auto it = entries_.rbegin(); it != entries_.rend() && it->day >= context_.today; ++it) {
        if (it->planned > 0) {
            planEnd_ = it->day;
            break;
        }
    }
    hasMaximumTest_ = !entries_.empty() && entries_.back().testAfter > 0;
}

FormDay FormSeries::At(int day) const {
    FormDay result;
    result.day = day;
    result.projected = day > context_.today;
    result.afterPlan = result.projected && day > planEnd_.value_or(context_.today);
    const auto next = std::upper_bound(entries_.begin(), entries_.end(), day,
                                       [](int d, const Entry& e) { return d < e.day; });
    if (next == entries_.begin()) return result;
    const Entry& e = *std::prev(next);
    if (e.day == day) {
        result.load = e.load;
        result.fitness = e.fitness;
        result.fatigue = e.fatigue;
        result.morningFitness = e.fitnessBefore;
        result.morningFatigue = e.fatigueBefore;
        result.unrated = e.unrated;
    } else {
        // A day without workouts: both averages fall towards 0. Worked out
        // as Chain does, so that a day's form is exactly the day before's
        // fitness less its fatigue.
        const double days = static_cast<double>(day) - e.day;
        result.fitness = e.fitness * std::pow(kFitnessKeep, days);
        result.fatigue = e.fatigue * std::pow(kFatigueKeep, days);
        result.morningFitness = e.fitness * std::pow(kFitnessKeep, days - 1);
        result.morningFatigue = e.fatigue * std::pow(kFatigueKeep, days - 1);
    }
    result.form = result.morningFitness - result.morningFatigue;
    if (firstDay_ && day >= *firstDay_) {
        // Counted in double: a damaged date never overflows the difference.
        const double since = static_cast<double>(day) - *firstDay_;
        result.warmingUp = since < kWarmingUpDays;
        result.ramp = day >= context_.today && since >= kRampAfterDays &&
                      result.fitness >= kRampFitness &&
                      result.fatigue > kRampRatio * result.fitness;
    }
    return result;
}

std::optional<int> FormSeries::FirstDay() const { return firstDay_; }

FormUnrated FormSeries::UnratedByReason() const {
    FormUnrated unrated;
    for (const Entry& e : entries_) {
        if (e.unrated == 0) continue;
        unrated.planned += e.unratedPlanned;
        unrated.noMaximum += e.unratedNoMaximum;
        unrated.performed += e.unrated - e.unratedPlanned - e.unratedNoMaximum;
        for (std::uint32_t id : e.untargetedTemplates) unrated.plannedTemplates.push_back(id);
    }
    auto& ids = unrated.plannedTemplates;
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return unrated;
}

bool WeekHoldsRampDay(const FormSeries& series, int monday) {
    for (int day = monday; day < monday + 7; ++day)
        if (series.At(day).ramp) return true;
    return false;
}

std::optional<int> FormSeries::LastPlannedDay() const {
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it)
        if (it->plannedLoad > 0) return it->day;
    return std::nullopt;
}

}  // namespace kadenzo
