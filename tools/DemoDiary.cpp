#include "DemoDiary.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>

#include "Cp1252.h"
#include "Database.h"
#include "DateTime.h"
#include "HrmReader.h"
#include "ImportedFigures.h"
#include "JsonLibrary.h"
#include "Library.h"
#include "RecordingSummary.h"
#include "StarterLibraryJson.h"

namespace kadenzo::tool {
namespace {

// Items of the starter library the demo plans with; both languages share the ids.
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
enum Track : std::uint32_t { kParkLoop = 1, kRiverPath = 2, kForestTrail = 3, kLakeCircuit = 4 };
enum EventKind : std::int32_t { kRacePreparation = 2, kBusinessTrip = 3, kIllness = 4 };
constexpr std::uint32_t kTrail = 2;  // sub-sport of running

// The athlete's own words, in the language of the library.
struct DemoTexts {
    const char* logName;
    const char* intervalNote;
    const char* testRaceNote;
    const char* testRaceComment;
    const char* longRunComment;
    const char* tempoComment;
    const char* tiredNote;
    const char* raceNote;
    const char* recordingNote;
};

constexpr DemoTexts kEnglishTexts{"Demo season",
                                  "Warm up 15 min, cool down 10 min",
                                  "Town 10 km",
                                  "Raced all out, sprint at the finish",
                                  "Felt good, gel after 60 min",
                                  "Tempo section marked on the watch",
                                  "Still a bit tired after the cold",
                                  "City half marathon",
                                  "Demo recording"};
constexpr DemoTexts kGermanTexts{"Demo-Saison",
                                 "15 min einlaufen, 10 min auslaufen",
                                 "Stadtlauf 10 km",
                                 "Voll gelaufen, Schlussspurt im Ziel",
                                 "Gut gefühlt, Gel nach 60 min",
                                 "Tempoabschnitt auf der Uhr markiert",
                                 "Nach der Erkältung noch etwas müde",
                                 "Stadt-Halbmarathon",
                                 "Demo-Aufzeichnung"};

struct Plan {
    std::uint32_t templateId;
    std::uint32_t sportId;
    double hour;        // time of day
    double minutes;     // planned duration
    double kilometres;  // planned distance, 0 for none
    std::uint32_t intensityId;
    std::uint32_t trackId;
};

// One week: an early recovery run on Monday, then running, cycling, swimming
// and strength.
std::vector<Plan> WeekPlan(int weekday) {
    switch (weekday) {
        case 0:
            return {{kRecoveryRun, kRun, 6.5, 30, 5, kVeryEasy, kParkLoop}};
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
        default:
            return {{kLongRun, kRun, 9.5, 110, 21, kEasy, kForestTrail}};
    }
}

// The heart rate a session of this intensity settles at, fitter as the
// season goes on (progress 0 ... 1).
double TypicalHeartRate(std::uint32_t intensity, double progress) {
    static constexpr double kByIntensity[] = {128, 136, 143, 158, 165, 172};
    const std::size_t index = std::clamp<std::uint32_t>(intensity, 1, 6) - 1;
    return kByIntensity[index] - 4 * progress;
}

// A stretch of a recorded session: how long, at what heart rate and speed.
struct Phase {
    double minutes;
    double heartRate;
    double kmh;
};

struct RecordingPlan {
    std::vector<Phase> phases;
    std::size_t marked;  // the phase the markers enclose
};

RecordingPlan RecordingFor(std::uint32_t templateId) {
    switch (templateId) {
        case kTempoRun:
            return {{{15, 136, 10.6}, {25, 166, 13.2}, {15, 131, 10.2}}, 1};
        case kLongRun:
            return {{{80, 139, 10.9}, {30, 151, 11.8}}, 1};
        default:  // the race: off steadily, hard in the middle, a sprint to the line
            return {{{3, 152, 12.8}, {37, 176, 13.3}, {5, 186, 14.0}}, 1};
    }
}

std::string TwoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

std::string Clock(int seconds) {
    return TwoDigits(seconds / 3600) + ":" + TwoDigits(seconds / 60 % 60) + ":" +
           TwoDigits(seconds % 60) + ".0";
}

constexpr int kInterval = 5;  // seconds between samples

// A Polar ".hrm" file of the session starting at `start` with the phases
// stretched to `minutes`: heart rate, speed, cadence and altitude every five
// seconds. The heart rate follows each phase's level with a lag and a little
// noise, and rises on the climbs. Sets the markers to the marked phase.
std::string HrmFile(double start, double minutes, const RecordingPlan& plan, const char* note,
                    std::mt19937& random, int* marker1, int* marker2) {
    double planned = 0;
    for (const Phase& phase : plan.phases) planned += phase.minutes;
    const double stretch = minutes / planned;
    std::normal_distribution<double> noise(0.0, 1.0);

    const DateParts parts = PartsFromDateTime(start).value_or(DateParts{});
    std::string rows;
    double heartRate = 92;
    int row = 0;
    for (std::size_t p = 0; p < plan.phases.size(); ++p) {
        const Phase& phase = plan.phases[p];
        const int count = static_cast<int>(std::lround(phase.minutes * stretch * 60 / kInterval));
        if (p == plan.marked) *marker1 = row;
        for (int i = 0; i < count; ++i, ++row) {
            const double t = row * kInterval;
            const double altitude = 140 + 18 * std::sin(t / 540) + 6 * std::sin(t / 97);
            const double climb = std::cos(t / 540) * 18 / 540 * 60 + std::cos(t / 97) * 6 / 97 * 60;
            const double target = phase.heartRate + 1.5 * climb;
            // Not beyond the athlete's maximum.
            heartRate =
                std::min(189.0, heartRate + (target - heartRate) * 0.12 + 0.8 * noise(random));
            const double speed = phase.kmh * (1 - 0.015 * climb) * (1 + 0.02 * noise(random));
            const double cadence = 84 + 4 * (phase.kmh - 11) / 3 + noise(random);
            rows += std::to_string(std::lround(heartRate)) + '\t' +
                    std::to_string(std::max(0L, std::lround(speed * 10))) + '\t' +
                    std::to_string(std::lround(cadence)) + '\t' +
                    std::to_string(std::lround(altitude)) + "\r\n";
        }
        if (p == plan.marked) *marker2 = row;
    }
    const int startSecond = parts.hour * 3600 + parts.minute * 60 + parts.second;
    return "[Params]\r\nVersion=106\r\nMonitor=12\r\nSMode=11100000\r\nDate=" +
           std::to_string(parts.year * 10000 + parts.month * 100 + parts.day) +
           "\r\nStartTime=" + Clock(startSecond) + "\r\nLength=" + Clock(row * kInterval) +
           "\r\nInterval=" + std::to_string(kInterval) + "\r\n\r\n[Note]\r\n" + note +
           "\r\n\r\n[HRData]\r\n" + rows;
}

// What the import dialog hands the workout for this file and its markers,
// taken as the performance page takes it.
void TakeRecording(CWorkOut& w, const std::string& bytes, const std::string& path, int marker1,
                   int marker2, std::int64_t now) {
    CRecording recording;
    ReadHrm(recording, bytes, {UnitSettings{}, now});
    const int last = static_cast<int>(recording.samples.size()) - 1;
    ImportedFigures imported{path, marker1, marker2, SummariseRange(recording, 0, last, false),
                             SummariseRange(recording, marker1, marker2, false)};
    const PerformanceFigures taken = TakeImportedFigures({}, imported, true);
    w.distance = taken.wholeDistance;
    w.duration = taken.wholeDuration;
    w.averagePulse = taken.wholeAverage;
    w.maxPulse = taken.wholeMax;
    w.partDistance = taken.partDistance;
    w.partDuration = taken.partDuration;
    w.partAveragePulse = taken.partAverage;
    w.partMaxPulse = taken.partMax;
    w.marker1 = taken.marker1;
    w.marker2 = taken.marker2;
    w.recordingPath = taken.recordingPath;
}

}  // namespace

DemoDiary MakeDemo(std::time_t today, const DemoOptions& options) {
    const DemoTexts& texts = options.german ? kGermanTexts : kEnglishTexts;
    DemoDiary demo;
    DocumentContents& contents = demo.contents;
    contents.library = LibraryFromJson(
        Json::parse(options.german ? kGermanStarterLibraryJson : kStarterLibraryJson));
    contents.log = std::make_unique<CDatabase>();
    CDatabase& log = *contents.log;
    log.name = Utf8ToCp1252(texts.logName);
    contents.birthDate = TimeStampFromLocal({1986, 5, 14, 12, 0, 0}).value_or(516456000);
    contents.maxHeartRate = 0;
    contents.hrFormula = 0;

    const double now = DateTimeFromTimeStamp(today);
    const double todayStart = MidnightOf(now);
    const double thisWeek = todayStart - WeekdayFromMonday(todayStart);
    // Thirteen weeks back, and five ahead: up to a half marathon on the last
    // Sunday the diary shows, and the easy week after it.
    const double first = thisWeek - 13 * 7;
    const double last = thisWeek + 5 * 7;
    const double raceDay = thisWeek + 27;
    std::mt19937 random(static_cast<std::uint32_t>(todayStart));
    std::uniform_real_distribution<double> spread(-1.0, 1.0);
    std::uniform_real_distribution<double> chance(0.0, 1.0);

    const double illness = first + 5 * 7 + 2;  // Wednesday to Friday of week six
    const double trip = thisWeek + 7 + 1;      // next Tuesday and Wednesday
    double weight = 73.4;
    bool tested = false;
    for (double day = first; day < last; day += 1) {
        const int weekday = WeekdayFromMonday(day);
        const int week = static_cast<int>((day - first) / 7);
        const bool ill = day >= illness && day < illness + 3;
        // Weight, body fat and resting heart rate on Monday and Thursday mornings.
        if ((weekday == 0 || weekday == 3) && day <= todayStart) {
            CBodyInfo info(CalendarDateTime{CalendarDateTime::kValid, day + 0.5});
            weight += -0.06 + 0.1 * spread(random);
            info.weight = std::round(weight * 10) / 10;
            info.value2 =
                std::round((15.5 - (day - first) * 0.01 + 0.3 * spread(random)) * 10) / 10;
            info.value3 =
                50 - week / 5 + static_cast<std::int32_t>(std::lround(2 * spread(random)));
            if (day > illness && day < illness + 7) {
                info.value3 += 6;
                info.note = Utf8ToCp1252(texts.tiredNote);
            }
            log.SetBodyInfo(info);
        }
        if (ill || (day >= trip && day < trip + 2)) continue;
        const bool raceWeek = day >= raceDay - 6 && day <= raceDay;
        const bool afterRace = day > raceDay;
        // Every fourth week is an easier one, and so is the week after the race.
        const bool recoveryWeek = (week % 4 == 3 && !raceWeek) || afterRace;
        for (Plan plan : WeekPlan(weekday)) {
            if (recoveryWeek && plan.templateId == kRecoveryRun && weekday == 0) continue;
            if (recoveryWeek && plan.templateId == kIntervals)
                plan = {kRecoveryRun, kRun, 18, 35, 6, kVeryEasy, 0};
            double scale = recoveryWeek ? 0.75 : 1.0;
            if (raceWeek) {
                scale = 0.6;
                if (weekday == 5) plan = {kEasyRun, kRun, 10, 20 / scale, 4 / scale, kVeryEasy, 0};
                if (day == raceDay) {
                    plan = {kRace, kRun, 9.5, 100, 21.1, kMaximal, 0};
                    scale = 1;
                }
            }
            // A 10 km race four weeks in gives the athlete's maximum heart rate.
            const bool testDay = !tested && day > first + 21 && plan.templateId == kTempoRun;
            if (testDay) {
                plan = {kRace, kRun, 10, 45, 10, kMaximal, 0};
                scale = 1;
            }
            auto w = std::make_unique<CWorkOut>();
            w->date = day + plan.hour / 24.0;
            w->templateId = plan.templateId;
            w->sportId = plan.sportId;
            w->plannedDuration = plan.minutes * scale;
            w->plannedDistance = plan.kilometres * scale;
            w->intensityId = plan.intensityId;
            w->trackId = plan.trackId;
            if (plan.templateId == kIntervals) w->planNote = Utf8ToCp1252(texts.intervalNote);
            if (testDay) w->planNote = Utf8ToCp1252(texts.testRaceNote);
            if (day == raceDay) w->planNote = Utf8ToCp1252(texts.raceNote);
            // A session now and then fell through; the diary shows it as not
            // done. Two of them every season, whatever the draw.
            const bool missed = !testDay && (chance(random) < 0.03 ||
                                             (week == 7 && plan.templateId == kStrengthCircuit) ||
                                             (week == 10 && plan.templateId == kEasyRun));
            if (w->date < now && !missed) {
                // Performed: a little more or less than planned, with heart-rate figures.
                const double factor = 1.0 + 0.08 * spread(random);
                w->duration = std::round(w->plannedDuration * factor * 60) / 60;
                w->distance = std::round(w->plannedDistance * factor * 100) / 100;
                const double typical =
                    TypicalHeartRate(plan.intensityId, (day - first) / (todayStart - first));
                w->averagePulse =
                    static_cast<std::uint8_t>(std::lround(typical + 5 * spread(random)));
                w->maxPulse = static_cast<std::uint8_t>(w->averagePulse + 12 +
                                                        std::lround(6 * spread(random)));
                if (plan.sportId == kStrength || plan.sportId == kSwim)
                    w->distance = w->plannedDistance;
                if (testDay) {
                    w->maxPulseTest = 1;
                    w->notes = Utf8ToCp1252(texts.testRaceComment);
                    tested = true;
                } else if (plan.templateId == kLongRun) {
                    w->notes = Utf8ToCp1252(texts.longRunComment);
                    w->subSportId = kTrail;
                }
            }
            log.AppendWorkout(std::move(w));
        }
    }

    // The maximum-heart-rate race and the latest tempo and long runs come with
    // their recordings, their sections marked as the import dialog left them.
    std::vector<CWorkOut*> recorded;
    for (std::uint32_t kind : {kRace, kTempoRun, kLongRun}) {
        for (auto it = log.EndWorkouts(); it != log.BeginWorkouts();) {
            CWorkOut& w = **--it;
            if (w.templateId == kind && w.duration > 0) {
                recorded.push_back(&w);
                break;
            }
        }
    }
    for (CWorkOut* w : recorded) {
        const DateParts parts = PartsFromDateTime(w->date).value_or(DateParts{});
        const std::string name =
            TwoDigits(parts.year % 100) + TwoDigits(parts.month) + TwoDigits(parts.day) + "01.hrm";
        int marker1 = 0;
        int marker2 = 0;
        std::string bytes = HrmFile(w->date, w->duration, RecordingFor(w->templateId),
                                    texts.recordingNote, random, &marker1, &marker2);
        const std::string path =
            options.recordingFolder.empty() ? std::string() : options.recordingFolder + "/" + name;
        TakeRecording(*w, bytes, path, marker1, marker2, today);
        if (w->notes.empty()) w->notes = Utf8ToCp1252(texts.tempoComment);
        demo.recordings.push_back({name, std::move(bytes)});
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
    event(raceDay - 13, 14, kRacePreparation, false);  // the last two weeks before the race
    return demo;
}

DocumentContents MakeDemoDiary(std::time_t today) {
    return std::move(MakeDemo(today, {}).contents);
}

}  // namespace kadenzo::tool
