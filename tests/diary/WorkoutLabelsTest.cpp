#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "Library.h"
#include "WorkOut.h"
#include "WorkoutLabels.h"

namespace kadenzo {
namespace {

class WorkoutLabels : public ::testing::Test {
protected:
    static LabelFacts Run(std::uint32_t distanceUnit = 0) {
        LabelFacts f;
        f.workoutName = "Dauerlauf";
        f.sportName = "Laufen";
        f.workoutHasSport = true;
        f.units.distance = distanceUnit;
        f.distanceUnit = distanceUnit == 1 ? "mi" : "km";
        return f;
    }

    static constexpr int kToday = 45000;
};

// Past days show what was done, future days the plan, today the plan until a
// duration is entered.
TEST_F(WorkoutLabels, ScreenDetailShowsPerformedOrPlannedValues) {
    struct Case {
        int day;  // relative to today
        double duration, distance, plannedDuration, plannedDistance;
        std::uint32_t distanceUnit;
        const char* expected;
    };
    const Case cases[] = {
        {-1, 45, 10, 60, 0, 0, "0:45 - 10.0km"},
        {-1, 45, 10, 60, 0, 1, "0:45 - 6.2mi"},
        {1, 30, 0, 90, 0, 0, "1:30"},  // entered early; the plan still counts
        {1, 30, 0, 90, 21.1, 0, "21.1km (1:30)"},
        {1, 30, 0, 0, 21.1, 0, "21.1km"},
        {1, 30, 0, 0, 0, 0, ""},
        {0, 0, 5, 60, 0, 0, "1:00"},  // a distance alone does not count as performed
        {0, 125.9, 5, 60, 0, 0, "2:05 - 5.0km"},
        {-3, 0, 0, 60, 0, 0, "???"},
        {-3, 0, 7.25, 60, 0, 0, "7.2km"},
        {-1, std::nan(""), 1.0e300, 0, 0, 0, "???"},  // damaged figures
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        LabelFacts f = Run(c.distanceUnit);
        f.duration = c.duration;
        f.distance = c.distance;
        f.plannedDuration = c.plannedDuration;
        f.plannedDistance = c.plannedDistance;
        EXPECT_EQ(ScreenDetail(f, kToday + c.day, kToday), c.expected);
    }
    EXPECT_EQ(FormatLabelDuration(-1.0e30), "0:00");
}

// The title names the sport only for templates without one.
TEST_F(WorkoutLabels, TitleNamesTheSportOnlyForTemplatesWithoutOne) {
    LabelFacts f = Run();
    f.templateHasSport = true;
    EXPECT_EQ(ScreenTitle(f), "Dauerlauf");
    f.templateHasSport = false;
    EXPECT_EQ(ScreenTitle(f), "Laufen-Dauerlauf");
    f.workoutHasSport = false;
    EXPECT_EQ(ScreenTitle(f), "Dauerlauf");
}

// Six pixels a character: the widths below count characters.
int SixEach(const std::string& text) { return 6 * static_cast<int>(text.size()); }

// A narrow box shortens the name, then drops the unit, then shrinks and drops
// the icon, then the second figure; a figure itself is never cut.
TEST_F(WorkoutLabels, ScreenLabelKeepsItsFiguresWhole) {
    struct Case {
        int day;                                       // relative to today
        int titleWidth, detailWidth, icon, smallIcon;  // in characters
        const char* title;
        const char* detail;
        int iconKept;
    };
    const Case cases[] = {
        {1, 20, 13, 7, 5, "Laufen-Dauerlauf", "10.0km (0:45)", 7},
        {1, 10, 13, 7, 5, "Laufen-Da\x85", "10.0km (0:45)", 7},  // the name gives way first
        {1, 10, 12, 7, 5, "Laufen-Da\x85", "10.0 (0:45)", 7},
        {1, 10, 11, 7, 5, "Laufen-Da\x85", "10.0 (0:45)", 7},
        {1, 8, 9, 7, 5, "Laufen-Da\x85", "10.0 (0:45)", 5},  // the icon shrinks
        {1, 3, 6, 7, 5, "Laufen-Da\x85", "10.0 (0:45)", 0},  // and gives its room
        {1, 3, 10, 0, 0, "La\x85", "0:45", 0},               // no icon to give: the duration alone
        {1, 3, 3, 0, 0, "La\x85", "\x85", 0},                // not even that: no figure at all
        {1, 0, 0, 0, 0, "", "", 0},
        {-1, 20, 11, 7, 5, "Laufen-Dauerlauf", "0:50 - 9.5", 7},  // performed
        {-1, 20, 3, 1, 1, "Laufen-Dauerlauf", "0:50", 0},
        {-9, 20, 3, 0, 0, "Laufen-Dauerlauf", "???", 0},  // nothing performed
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.title) + " / " + c.detail);
        LabelFacts f = Run();
        f.templateHasSport = false;
        f.plannedDistance = 10;
        f.plannedDuration = 45;
        if (c.day == -1) {
            f.distance = 9.5;
            f.duration = 50;
        }
        const ScreenLabelRoom room{6 * c.titleWidth, 6 * c.detailWidth, 6 * c.icon,
                                   6 * c.smallIcon};
        const FittedScreenLabel fitted = FitScreenLabel(f, kToday + c.day, kToday, room, SixEach);
        EXPECT_EQ(fitted.title, c.title);
        EXPECT_EQ(fitted.detail, c.detail);
        EXPECT_EQ(fitted.iconWidth, 6 * c.iconKept);
    }
}

TEST_F(WorkoutLabels, DayHeaderKeepsTheBodyDataMark) {
    const std::vector<std::string> forms{"Mi, 13. M\xe4r.", "13. M\xe4r.", "13."};
    struct Case {
        bool bodyData;
        int width;  // in characters
        const char* expected;
    } cases[] = {
        {false, 20, "Mi, 13. M\xe4r."},
        {true, 20, ">> Mi, 13. M\xe4r."},
        {true, 12, ">> 13. M\xe4r."},
        {true, 6, ">> 13."},
        {true, 2, ">>"},
        {false, 2, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitDayHeader(c.bodyData, forms, 6 * c.width, SixEach), c.expected) << c.width;
}

TEST_F(WorkoutLabels, PrintLabelShowsTheTargetOrTheAveragePulse) {
    struct Case {
        int mode;
        std::uint32_t distanceUnit;
        bool templateHasSport;
        double duration, distance;
        std::uint8_t low, high, average;
        const char* expected;
    } cases[] = {
        {kPrintWithTarget, 0, true, 75, 0, 130, 150, 0, "Dauerlauf\n1:15, Puls 130-150"},
        {kPrintWithTarget, 0, true, 75, 12.34, 0, 150, 0, "Dauerlauf\n12.3km in 1:15, Puls <150"},
        {kPrintWithTarget, 0, true, 75, 12.34, 120, 0, 0, "Dauerlauf\n12.3km in 1:15, Puls >120"},
        {kPrintWithTarget, 0, true, 0, 12.34, 0, 0, 0, "Dauerlauf\n12.3km in 0:00"},
        {kPrintWithAveragePulse, 1, false, 60, 0, 0, 150, 0, "Dauerlauf (Laufen)\n1:00"},
        {kPrintWithAveragePulse, 1, false, 60, 10, 0, 150, 142,
         "Dauerlauf (Laufen)\n6.2mi in 1:00 (~ 142)"},
    };
    for (const Case& c : cases) {
        LabelFacts f = Run(c.distanceUnit);
        f.templateHasSport = c.templateHasSport;
        f.duration = c.duration;
        f.distance = c.distance;
        f.targetPulseLow = c.low;
        f.targetPulseHigh = c.high;
        f.averagePulse = c.average;
        EXPECT_EQ(PrintLabel(f, c.mode), c.expected);
    }
}

TEST_F(WorkoutLabels, FactsComeFromTheLibraryAndTheTemplateTargetsAndChangeNothing) {
    auto library = std::make_unique<CLibrary>();
    auto& sport = library->sports.AddNew();
    sport.id = 4;
    sport.name = "Rad";
    auto& free = library->workoutTemplates.AddNew();
    free.id = 8;
    free.name = "Fahrtspiel";
    free.sportId = 0;  // any sport
    free.pulseRelative = 0;
    free.pulseLow = 0;
    free.pulseHigh = 300;  // only the low 8 bits count
    LabelContext context;
    context.library = library.get();
    context.distanceUnit = "km";

    CWorkOut workout;
    workout.templateId = 8;
    workout.sportId = 4;
    workout.duration = 30;
    EXPECT_EQ(ScreenTitle(FactsOf(workout, context)), "Rad-Fahrtspiel");
    EXPECT_EQ(PrintLabel(FactsOf(workout, context), kPrintWithTarget),
              "Fahrtspiel (Rad)\n0:30, Puls <44");
    EXPECT_EQ(workout.targetPulseHigh, 0);  // the labels leave the record alone

    workout.templateId = 99;  // a template the library lost
    EXPECT_EQ(ScreenTitle(FactsOf(workout, context)), "???");
    workout.sportId = 77;
    EXPECT_EQ(PrintLabel(FactsOf(workout, context), kPrintWithAveragePulse), "???\n0:30");
}

}  // namespace
}  // namespace kadenzo
