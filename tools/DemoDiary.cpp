#include "DemoDiary.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "Database.h"
#include "DateTime.h"
#include "Library.h"

namespace kadenzo::tool {
namespace {

enum Sport : std::uint32_t {
    kRun = 1,
    kBike = 2,
    kSwim = 3,
    kStrength = 4,
    kSki = 5,
    kOther = 100
};
enum Category : std::uint32_t { kEndurance = 1, kSpeed, kPower, kRecovery, kRace };
enum Intensity : std::uint32_t { kEasy = 1, kSteady, kThreshold, kMaximal };
enum Template : std::uint32_t {
    kEasyRun = 1,
    kLongRun,
    kIntervals,
    kTempoRun,
    kRecoveryRide,
    kEnduranceRide,
    kSwimTechnique,
    kStrengthCircuit,
    kTestRun,
    kRaceRun
};

template <class T>
T& Add(CLibItemList<T>& list, std::uint32_t id, const char* name) {
    auto item = std::make_unique<T>();
    item->id = id;
    item->name = name;
    return list.Add(std::move(item));
}

void AddSport(CLibrary& lib, std::uint32_t id, const char* name, std::uint32_t icon,
              bool distance) {
    CLibSport& sport = Add(lib.sports, id, name);
    sport.iconId = icon;
    sport.hasDistance = distance ? 1 : 0;
    sport.active = 1;
}

void AddTemplate(CLibrary& lib, std::uint32_t id, const char* name, std::uint32_t category,
                 std::uint32_t sport, std::uint32_t low, std::uint32_t high, bool relative,
                 const char* comment) {
    CLibWorkout& t = Add(lib.workoutTemplates, id, name);
    t.categoryId = category;
    t.sportId = sport;
    t.pulseLow = low;
    t.pulseHigh = high;
    t.pulseRelative = relative ? 1 : 0;
    t.comment = comment;
}

std::unique_ptr<CLibrary> MakeLibrary() {
    auto lib = std::make_unique<CLibrary>();
    lib->computerName = "DEMO";
    Add(lib->categories, kEndurance, "Endurance").colour = 0x0050B050;
    Add(lib->categories, kSpeed, "Speed").colour = 0x003030D0;
    Add(lib->categories, kPower, "Strength").colour = 0x00C07030;
    Add(lib->categories, kRecovery, "Recovery").colour = 0x00A0E0A0;
    Add(lib->categories, kRace, "Competition").colour = 0x0000C0F0;

    Add(lib->intensities, kEasy, "Easy").level = 1;
    Add(lib->intensities, kSteady, "Steady").level = 2;
    Add(lib->intensities, kThreshold, "Threshold").level = 3;
    Add(lib->intensities, kMaximal, "Maximal").level = 4;

    AddSport(*lib, kRun, "Running", 1, true);
    AddSport(*lib, kBike, "Cycling", 2, true);
    AddSport(*lib, kSwim, "Swimming", 3, true);
    AddSport(*lib, kStrength, "Strength training", 10, false);
    AddSport(*lib, kSki, "Cross-country skiing", 5, true);
    AddSport(*lib, kOther, "Other", 42, true);

    Add(lib->subSports, 1, "Trail").sportId = kRun;
    Add(lib->subSports, 2, "Track").sportId = kRun;
    Add(lib->subSports, 3, "Road bike").sportId = kBike;
    Add(lib->subSports, 4, "Indoor trainer").sportId = kBike;
    Add(lib->subSports, 5, "Pool").sportId = kSwim;

    auto track = [&](std::uint32_t id, const char* name, float km, float climb,
                     std::uint32_t sport) {
        CLibTrack& t = Add(lib->tracks, id, name);
        t.distance = km;
        t.climb = climb;
        t.sportId = sport;
    };
    track(1, "Riverside loop", 10.2f, 35, kRun);
    track(2, "Forest trail", 14.6f, 240, kRun);
    track(3, "Stadium 400 m", 0.4f, 0, kRun);
    track(4, "Lake circuit", 48.5f, 310, kBike);
    track(5, "Hill country", 82.0f, 1150, kBike);

    AddTemplate(*lib, kEasyRun, "Easy run", kEndurance, kRun, 65, 75, true, "Conversational pace");
    AddTemplate(*lib, kLongRun, "Long run", kEndurance, kRun, 68, 78, true,
                "Steady, eat on the way");
    AddTemplate(*lib, kIntervals, "Intervals 5 x 1000 m", kSpeed, kRun, 88, 95, true,
                "3 min jog between repeats");
    AddTemplate(*lib, kTempoRun, "Tempo run", kSpeed, kRun, 82, 88, true, "20 min at threshold");
    AddTemplate(*lib, kRecoveryRide, "Recovery ride", kRecovery, kBike, 55, 65, true, "Spin easy");
    AddTemplate(*lib, kEnduranceRide, "Endurance ride", kEndurance, kBike, 65, 75, true, "");
    AddTemplate(*lib, kSwimTechnique, "Swim technique", kEndurance, kSwim, 60, 75, true,
                "Drills: catch-up, fists, kick");
    AddTemplate(*lib, kStrengthCircuit, "Strength circuit", kPower, kStrength, 100, 140, false,
                "Core, legs, upper body");
    AddTemplate(*lib, kTestRun, "Maximum heart rate test", kSpeed, kRun, 90, 100, true,
                "3 x 3 min uphill, last one all out");
    AddTemplate(*lib, kRaceRun, "10 km race", kRace, kRun, 90, 100, true, "");

    Add(lib->eventKinds, 1, "Illness").colour = 0x008080FF;
    Add(lib->eventKinds, 2, "Business trip").colour = 0x00E0C0A0;
    Add(lib->eventKinds, 3, "Holiday").colour = 0x0080FFFF;
    Add(lib->eventKinds, 4, "Training camp").colour = 0x00A0FFA0;
    lib->RecomputeIdCounters();
    return lib;
}

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
            return {{kIntervals, kRun, 18.5, 60, 11, kThreshold, 3}};
        case 2:
            return {{kSwimTechnique, kSwim, 7, 45, 2.2, kEasy, 0},
                    {kStrengthCircuit, kStrength, 19, 40, 0, kSteady, 0}};
        case 3:
            return {{kEasyRun, kRun, 18, 50, 9, kEasy, 1}};
        case 4:
            return {{kTempoRun, kRun, 18.5, 55, 11, kThreshold, 1}};
        case 5:
            return {{kEnduranceRide, kBike, 9, 150, 65, kSteady, 4}};
        case 6:
            return {{kLongRun, kRun, 9.5, 110, 21, kEasy, 2}};
        default:
            return {};
    }
}

}  // namespace

DocumentContents MakeDemoDiary(std::time_t today) {
    DocumentContents contents;
    contents.library = MakeLibrary();
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
                plan = {kRecoveryRide, kBike, 18, 45, 18, kEasy, 0};
            }
            const bool testDay = !tested && day > first + 21 && plan.templateId == kTempoRun;
            if (testDay) plan = {kTestRun, kRun, 18, 45, 8, kMaximal, 2};
            auto w = std::make_unique<CWorkOut>();
            w->date = day + plan.hour / 24.0;
            w->templateId = plan.templateId;
            w->sportId = plan.sportId;
            w->plannedDuration = plan.minutes * (recoveryWeek ? 0.75 : 1.0);
            w->plannedDistance = plan.kilometres * (recoveryWeek ? 0.75 : 1.0);
            w->intensityId = plan.intensityId;
            w->trackId = plan.trackId;
            if (plan.templateId == kIntervals) w->planNote = "Warm up 15 min, cool down 10 min";
            if (w->date < now) {
                // Performed: a little more or less than planned, with heart-rate figures.
                const double factor = 1.0 + 0.08 * spread(random);
                w->duration = std::round(w->plannedDuration * factor * 60) / 60;
                w->distance = std::round(w->plannedDistance * factor * 100) / 100;
                const bool hard = plan.intensityId >= kThreshold;
                w->averagePulse =
                    static_cast<std::uint8_t>((hard ? 158 : 136) + 6 * spread(random));
                w->maxPulse = static_cast<std::uint8_t>(w->averagePulse + (hard ? 18 : 14));
                if (plan.sportId == kStrength || plan.sportId == kSwim)
                    w->distance = w->plannedDistance;
                if (testDay) {
                    w->maxPulseTest = 1;
                    w->maxPulse = 189;
                    w->notes = "Maximum test: 189 on the last climb";
                    tested = true;
                } else if (plan.templateId == kLongRun) {
                    w->notes = "Felt good, gel after 60 min";
                    w->subSportId = 1;
                }
            }
            log.AppendWorkout(std::move(w));
        }
    }
    auto event = [&](double start, double days, std::int32_t kind, bool blocks) {
        auto e = std::make_unique<CEvent>();
        e->start = {CalendarDateTime::kValid, start + 0.5};
        e->end = {CalendarDateTime::kValid, start + days - 1 + 0.5};
        e->kind = kind;
        e->blocksDay = blocks ? 1 : 0;
        log.Events().push_back(std::move(e));
    };
    event(illness, 3, 1, true);
    event(trip, 2, 2, true);
    event(first + 9 * 7 + 5, 2, 4, false);  // a weekend training camp
    return contents;
}

}  // namespace kadenzo::tool
