// The events dialog's days: expanding stored periods, the state a selection
// shows, applying the controls, and joining the days into periods again.
#include <gtest/gtest.h>

#include "DateTime.h"
#include "EventDays.h"
#include "EventsValues.h"

namespace kadenzo {
namespace {

constexpr int kMarch1 = 45352;  // 2024-03-01
constexpr std::int32_t kIllness = 2;
constexpr std::int32_t kTrip = 3;
constexpr std::int32_t kNone = DayEvent::kNoKind;

struct Period {
    int first;
    int last;
    std::int32_t kind;
    bool blocks;
    bool operator==(const Period&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Period& p) {
    return out << "{" << p.first - kMarch1 + 1 << ".." << p.last - kMarch1 + 1 << " kind " << p.kind
               << (p.blocks ? " blocked}" : "}");
}

CDatabase::EventList Stored(const std::vector<Period>& periods) {
    CDatabase::EventList events;
    for (const Period& p : periods) {
        auto event = std::make_unique<CEvent>();
        event->start = {CalendarDateTime::kValid, NoonOfDayNumber(p.first)};
        event->end = {CalendarDateTime::kValid, NoonOfDayNumber(p.last)};
        event->kind = p.kind;
        event->blocksDay = p.blocks ? 1 : 0;
        events.push_back(std::move(event));
    }
    return events;
}

std::vector<Period> Written(const std::vector<CEvent>& events) {
    std::vector<Period> periods;
    for (const CEvent& e : events) {
        // Each period is stored at noon of its first and last day.
        EXPECT_EQ(e.start.value, NoonOfDayNumber(DayNumber(e.start.value)));
        EXPECT_EQ(e.end.value, NoonOfDayNumber(DayNumber(e.end.value)));
        periods.push_back(
            {DayNumber(e.start.value), DayNumber(e.end.value), e.kind, e.blocksDay != 0});
    }
    return periods;
}

int March(int day) { return kMarch1 + day - 1; }

TEST(EventDaysTest, ChangesSplitAndJoinPeriods) {
    const struct {
        const char* what;
        int first, last;
        std::optional<std::int32_t> kind;
        int blocks;
        std::vector<Period> written;
    } cases[] = {
        // clang-format off
        {"a day cleared in the middle", 2, 2, kNone, 0,
         {{March(1), March(1), kIllness, false}, {March(3), March(3), kIllness, false}}},
        {"a day of another kind", 3, 3, kTrip, 0,
         {{March(1), March(2), kIllness, false}, {March(3), March(3), kTrip, false}}},
        {"the same kind, blocked", 3, 3, kIllness, 1,
         {{March(1), March(2), kIllness, false}, {March(3), March(3), kIllness, true}}},
        {"kinds kept, days 4 and 5 blocked", 1, 5, std::nullopt, 1,
         {{March(1), March(3), kIllness, true}, {March(4), March(5), kNone, true}}},
        {"flags kept, one kind for every day", 1, 5, kIllness, 2,
         {{March(1), March(5), kIllness, false}}},
        {"all cleared", 1, 3, kNone, 0, {}},
        // clang-format on
    };
    for (const auto& c : cases) {
        EventDays days(Stored({{March(1), March(3), kIllness, false}}));
        days.Apply(March(c.first), March(c.last), c.kind, c.blocks);
        EXPECT_EQ(Written(days.Periods()), c.written) << c.what;
    }
}

TEST(EventDaysTest, TheStateOfASelection) {
    const EventDays days(Stored({{March(1), March(3), kIllness, false},
                                 {March(4), March(4), kTrip, true},
                                 {March(8), March(9), kNone, true},
                                 {March(12), March(13), -3, false}}));
    const struct {
        int first, last;
        DayRangeState state;
    } cases[] = {
        {1, 3, {kIllness, 0}},
        {3, 4, {std::nullopt, 2}},  // two kinds, one day blocked
        {1, 5, {std::nullopt, 2}},  // day 5 has no event
        {6, 6, {kNone, 0}},         // a day without an event
        {7, 9, {kNone, 2}},         // only blocked days beside an empty one
        {8, 9, {kNone, 1}},
        {11, 13, {std::nullopt, 0}},  // a built-in kind is not common to an empty day
        {12, 12, {-3, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(days.StateOf(March(c.first), March(c.last)), c.state)
            << c.first << ".." << c.last;
}

TEST(EventDaysTest, StoredPeriodsThatDoNotFitTheDays) {
    // Overlapping periods: the one stored first wins, as in the diary.
    // A period that ends before it starts covers nothing.
    const EventDays days(Stored({{March(3), March(6), kTrip, false},
                                 {March(1), March(4), kIllness, true},
                                 {March(10), March(9), kTrip, false}}));
    EXPECT_EQ(Written(days.Periods()), (std::vector<Period>{{March(1), March(2), kIllness, true},
                                                            {March(3), March(6), kTrip, false}}));
    EXPECT_FALSE(days.IsMarked(March(10)));

    // Eight thousand years are one run, not three million days.
    const int first = DayNumber(*NoonOfDay(100, 1, 1));
    const int last = DayNumber(*NoonOfDay(9999, 12, 31));
    EventDays long_(Stored({{first, last, kTrip, false}}));
    long_.Apply(March(1), March(1), kNone, 0);
    EXPECT_EQ(Written(long_.Periods()), (std::vector<Period>{{first, March(0), kTrip, false},
                                                             {March(2), last, kTrip, false}}));
}

TEST(EventsValuesTest, TheControlsGoToTheSelectionTheyShow) {
    EventsValues values(Stored({{March(1), March(3), kIllness, false}}));
    // Before the first selection the controls belong to no days.
    EXPECT_EQ(values.Select(March(5), March(4), {kTrip, 1}), (DayRangeState{kNone, 0}));
    EXPECT_EQ(values.Selection(), std::make_pair(March(4), March(5)));
    EXPECT_FALSE(values.Days().IsMarked(March(5)));
    // Selecting again applies what the controls show to days 4 and 5 first.
    EXPECT_EQ(values.Select(March(1), March(5), {kTrip, 1}), (DayRangeState{std::nullopt, 2}));
    EXPECT_EQ(Written(values.Finish({std::nullopt, 2})),
              (std::vector<Period>{{March(1), March(3), kIllness, false},
                                   {March(4), March(5), kTrip, true}}));
}

}  // namespace
}  // namespace kadenzo
