#include "DemoDiary.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "Database.h"
#include "DateTime.h"
#include "JsonLibrary.h"
#include "Library.h"
#include "StarterLibraryJson.h"

namespace kadenzo::tool {
namespace {

// Items of the starter library the demo plans with.
enum Sport : std::uint32_t { kRun = 1, kBike = 2, kSwim = 3, kStrength = 8 };
enum Intensity : std::uint32_t { kVeryEasy = 1, kEasy, kModerate, kHard, kVeryHard, kMaximal };
enum Template : std::uint32_t {
    kEasyRun = 1,
    kLongRun = 2,
    kTempoRun = 3,
    kIntervals = 4,
    kRecoveryRun = 5,
    kEnduranceRide = 6,
    kTechniqueSwim = 9,
    kStrengthCircuit = 11,
    kRace = 13
};
enum Track : std::uint32_t { kRiverPath = 2, kForestTrail = 3, kLakeCircuit = 4 };
enum EventKind : std::int32_t { kRacePreparation = 2, kBusinessTrip = 3, kIllness = 4 };

struct Plan {
    std::uint32_t templateId;
    std::uint32_t sportId;
    double hour;        // time of day
    double minutes;     // planned duration
    double kilometres;  // planned distance, 0 for none
    std::uint32_t intensityId;
    std::uint32_t trackId;
};

// One week: Monday rest, then a mix of running, cycling, swimming and strength.
std::vector<Plan> WeekPlan(int weekday) {
    switch (weekday) {
        case 1:
            return {{kIntervals, kRun, 18.5, 60, 11, kHard, 0}};
        case 2:
            return {{kTechniqueSwim, kSwim, 7, 45, 2.2, kEasy, 0},
                    {kStrengthCircuit, kStrength, 19, 40, 0, kModerate, 0}};
        case 3:
            return {{kEasyRun, kRun, 18, 50, 10, kEasy, kRiverPath}};
        case 4:
            return {{kTempoRun, kRun, 18.5, 55, 10, kHard, kRiverPath}};
        case 5:
            return {{kEnduranceRide, kBike, 9, 150, 42, kModerate, kLakeCircuit}};
        case 6:
            return {{kLongRun, kRun, 9.5, 110, 21, kEasy, kForestTrail}};
        default:
            return {};
    }
}

}  // namespace

DocumentContents MakeDemoDiary(std::time_t today) {
    DocumentContents contents;
    contents.library = LibraryFromJson(Json::parse(kStarterLibraryJson));
    contents.log = std::make_unique<CDatabase>();
    CDatabase& log = *contents.log;
    log.name = "Demo season";
    contents.birthDate = TimeStampFromLocal({1986, 5, 14, 12, 0, 0}).value_or(516456000);
    contents.maxHeartRate = 0;
    contents.hrFormula = 0;

    const double now = DateTimeFromTimeStamp(today);
    const double todayStart = MidnightOf(now);
    // Start on the Monday thirteen weeks back, end four weeks ahead.
    const double first = todayStart - WeekdayFromMonday(todayStart) - 13 * 7;
    const double last = todayStart + 28;
    std::mt19937 random(static_cast<std::uint32_t>(todayStart));
    std::uniform_real_distribution<double> spread(-1.0, 1.0);

    const double illness = first + 5 * 7 + 2;  // Wednesday to Friday of week six
    const double trip = todayStart - WeekdayFromMonday(todayStart) + 7 + 1;  // next Tuesday
    double weight = 73.4;
    bool tested = false;
    for (double day = first; day < last; day += 1) {
        const int weekday = WeekdayFromMonday(day);
        const bool ill = day >= illness && day < illness + 3;
        if (weekday == 0 && day <= todayStart) {
            CBodyInfo info(CalendarDateTime{CalendarDateTime::kValid, day + 0.5});
            weight += -0.12 + 0.15 * spread(random);
            info.weight = std::round(weight * 10) / 10;
            info.value2 =
                std::round((15.5 - (day - first) * 0.01 + 0.3 * spread(random)) * 10) / 10;
            info.value3 = 48 + static_cast<std::int32_t>(std::lround(2 * spread(random)));
            if (day > illness && day < illness + 7) {
                info.value3 += 6;
                info.note = "Still a bit tired after the cold";
            }
            log.SetBodyInfo(info);
        }
        if (ill || (day >= trip && day < trip + 2)) continue;
        for (Plan plan : WeekPlan(weekday)) {
            // Every fourth week is an easier one.
            const bool recoveryWeek = static_cast<int>((day - first) / 7) % 4 == 3;
            if (recoveryWeek && plan.templateId == kIntervals) {
                plan = {kRecoveryRun, kRun, 18, 35, 6, kVeryEasy, 0};
            }
            // A 10 km race four weeks in gives the athlete's maximum heart rate.
            const bool testDay = !tested && day > first + 21 && plan.templateId == kTempoRun;
            if (testDay) plan = {kRace, kRun, 10, 45, 10, kMaximal, 0};
            auto w = std::make_unique<CWorkOut>();
            w->date = day + plan.hour / 24.0;
            w->templateId = plan.templateId;
            w->sportId = plan.sportId;
            w->plannedDuration = plan.minutes * (recoveryWeek ? 0.75 : 1.0);
            w->plannedDistance = plan.kilometres * (recoveryWeek ? 0.75 : 1.0);
            w->intensityId = plan.intensityId;
            w->trackId = plan.trackId;
            if (plan.templateId == kIntervals) w->planNote = "Warm up 15 min, cool down 10 min";
            if (testDay) w->planNote = "Town 10 km";
            if (w->date < now) {
                // Performed: a little more or less than planned, with heart-rate figures.
                const double factor = 1.0 + 0.08 * spread(random);
                w->duration = std::round(w->plannedDuration * factor * 60) / 60;
                w->distance = std::round(w->plannedDistance * factor * 100) / 100;
                const bool hard = plan.intensityId >= kHard;
                w->averagePulse =
                    static_cast<std::uint8_t>((hard ? 158 : 136) + 6 * spread(random));
                w->maxPulse = static_cast<std::uint8_t>(w->averagePulse + (hard ? 18 : 14));
                if (plan.sportId == kStrength || plan.sportId == kSwim)
                    w->distance = w->plannedDistance;
                if (testDay) {
                    w->maxPulseTest = 1;
                    w->maxPulse = 189;
                    w->notes = "Raced all out: 189 at the finish";
                    tested = true;
                } else if (plan.templateId == kLongRun) {
                    w->notes = "Felt good, gel after 60 min";
                    w->subSportId = 2;  // trail
                }
            }
            log.AppendWorkout(std::move(w));
        }
    }
    // Stored in date order, as the events dialog stores them.
    auto event = [&](double start, double days, std::int32_t kind, bool blocks) {
        auto e = std::make_unique<CEvent>();
        e->start = {CalendarDateTime::kValid, start + 0.5};
        e->end = {CalendarDateTime::kValid, start + days - 1 + 0.5};
        e->kind = kind;
        e->blocksDay = blocks ? 1 : 0;
        log.Events().push_back(std::move(e));
    };
    event(illness, 3, kIllness, true);
    event(first + 9 * 7 + 5, 2, kRacePreparation, false);  // a weekend training camp
    event(trip, 2, kBusinessTrip, true);
    return contents;
}

}  // namespace kadenzo::tool
