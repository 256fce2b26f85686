// The plan as a calendar: which workouts and events become events, at what
// time and with what text; UIDs that survive edits; escaping, folding and
// line ends; and the file the program writes.
#include <gtest/gtest.h>

#include <regex>

#include "Archive.h"
#include "CalendarText.h"
#include "DocumentFixture.h"
#include "PlanCalendar.h"
#include "ToolRunner.h"

namespace kadenzo::test {
namespace {

constexpr std::uint32_t kRaces = 40;         // a category
constexpr std::uint32_t kRaceTemplate = 41;  // of that category, no target
constexpr std::time_t kStamp = 1709290800;   // 1 March 2024, 11:00 UTC
const int kToday = DayNumber(*NoonOfDay(2024, 3, 1));
// "114–142" as UTF-8: 60 to 75 per cent of the profile's 190.
const std::string kTempoTarget =
    "Target heart rate 114\xE2\x80\x93"
    "142";

// Each VEVENT's lines, unfolded, DTSTAMP left out.
std::vector<std::vector<std::string>> Events(const std::string& calendar) {
    const std::string unfolded = std::regex_replace(calendar, std::regex("\r\n "), "");
    std::vector<std::vector<std::string>> events;
    std::size_t at = 0;
    for (std::size_t end; (end = unfolded.find("\r\n", at)) != std::string::npos; at = end + 2) {
        const std::string line = unfolded.substr(at, end - at);
        if (line == "BEGIN:VEVENT")
            events.emplace_back();
        else if (!events.empty() && line != "END:VEVENT" && line.rfind("DTSTAMP:", 0) != 0 &&
                 line != "END:VCALENDAR")
            events.back().push_back(line);
    }
    return events;
}

std::vector<std::string> Uids(const std::string& calendar) {
    std::vector<std::string> uids;
    for (const auto& event : Events(calendar)) uids.push_back(event.front());
    return uids;
}

class PlanCalendarTest : public DocumentFixture {
protected:
    PlanCalendarTest() {
        CLibrary& library = *context.library;
        AddItem(library.categories, kRaces, "Races");
        library.FindWorkout(kTempoRun)->categoryId = kRaces;
        AddItem(library.workoutTemplates, kRaceTemplate, "Race").categoryId = kRaces;
        library.FindWorkout(kFixedPulse)->pulseLow = 120;
        library.FindWorkout(kFixedPulse)->pulseHigh = 140;
    }

    // A planned workout: into the log the document takes on first use, after
    // that through the document's own edit.
    void Plan(int offset, double hour, std::uint32_t templateId, double minutes,
              double kilometres = 0, const std::string& note = "") {
        const double date = NoonOfDayNumber(kToday + offset) - 0.5 + hour / 24;
        auto w = MakeWorkout(date, templateId);
        w->plannedDuration = minutes;
        w->plannedDistance = kilometres;
        w->planNote = note;
        if (log)
            log->AddWorkout(std::move(w));
        else
            EXPECT_TRUE(edit::AddWorkout(*document, std::move(w), edit::InDateOrder(date)));
    }
    void Event(int first, int last, std::int32_t kind) {
        auto e = std::make_unique<CEvent>();
        e->start = {CalendarDateTime::kValid, NoonOfDayNumber(kToday + first)};
        e->end = {CalendarDateTime::kValid, NoonOfDayNumber(kToday + last)};
        e->kind = kind;
        log->Events().push_back(std::move(e));
    }
    CKadenzoDoc& Document() {
        if (log) Start(std::move(log), 190);
        return *document;
    }
    std::string Calendar(PlanCalendarRequest request = {}) {
        if (request.diaryName.empty()) request.diaryName = "season.kdz";
        request.stamp = kStamp;
        return PlanCalendar(Document(), request);
    }

    std::unique_ptr<CDatabase> log = std::make_unique<CDatabase>();
};

TEST_F(PlanCalendarTest, PlannedWorkoutsAndEventsBecomeEventsOfTheirDays) {
    Plan(-1, 18, kTempoRun, 40);  // yesterday: before the days asked for
    Plan(0, 18.5, kTempoRun, 45, 10, "Hills\nlast rep hard");
    Plan(1, 0, kFixedPulse, 0, 40);         // midnight: all day
    Plan(1, 9.25, kRaceTemplate, 0, 21.1);  // no planned duration: all day
    Plan(2, 7, kTempoRun, 0);               // no plan: not in the calendar
    Plan(3, 7, kTempoRun, 30);
    Event(-3, 0, kIllness);  // overlaps today
    Event(-9, -2, kIllness);
    Event(2, 2, -5);        // a kind of the program's own: no name
    Event(4, 6, kIllness);  // after the last workout's day

    const std::string calendar = Calendar();
    EXPECT_EQ(calendar.rfind("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:", 0), 0u);
    EXPECT_TRUE(calendar.ends_with("END:VEVENT\r\nEND:VCALENDAR\r\n"));
    EXPECT_NE(calendar.find("\r\nDTSTAMP:20240301T110000Z\r\n"), std::string::npos);
    const std::vector<std::vector<std::string>> expected = {
        {"UID:20240301-7-1@season.kdz", "DTSTART:20240301T183000", "DURATION:PT45M",
         "SUMMARY:Tempo run 10.0km (0:45)",
         "DESCRIPTION:Running\\n" + kTempoTarget + "\\nHills\\nlast rep hard", "CATEGORIES:Races"},
        {"UID:20240302-8-1@season.kdz", "DTSTART;VALUE=DATE:20240302", "DTEND;VALUE=DATE:20240303",
         "SUMMARY:Fixed pulse 40.0km",
         "DESCRIPTION:Cycling\\nTarget heart rate 120\xE2\x80\x93"
         "140"},
        {"UID:20240302-41-1@season.kdz", "DTSTART;VALUE=DATE:20240302", "DTEND;VALUE=DATE:20240303",
         "SUMMARY:Race 21.1km", "DESCRIPTION:Running", "CATEGORIES:Races"},
        {"UID:20240304-7-1@season.kdz", "DTSTART:20240304T070000", "DURATION:PT30M",
         "SUMMARY:Tempo run 0:30", "DESCRIPTION:Running\\n" + kTempoTarget, "CATEGORIES:Races"},
        {"UID:20240227-event-3-1@season.kdz", "DTSTART;VALUE=DATE:20240227",
         "DTEND;VALUE=DATE:20240302", "SUMMARY:Illness", "TRANSP:TRANSPARENT"},
        {"UID:20240303-event--5-1@season.kdz", "DTSTART;VALUE=DATE:20240303",
         "DTEND;VALUE=DATE:20240304", "SUMMARY:Event", "TRANSP:TRANSPARENT"},
    };
    EXPECT_EQ(Events(calendar), expected);

    PlanCalendarRequest request;  // both ends included
    request.from = kToday - 2;
    request.to = kToday - 1;
    EXPECT_EQ(Uids(Calendar(request)),
              (std::vector<std::string>{"UID:20240229-7-1@season.kdz",
                                        "UID:20240227-event-3-1@season.kdz",
                                        "UID:20240221-event-3-1@season.kdz"}));
}

// A workout keeps its UID through edits of its figures, time, notes and
// targets; a second one of its template that day counts on.
TEST_F(PlanCalendarTest, UidsSurviveEditsThatKeepDayTemplateAndPlace) {
    Plan(1, 7, kTempoRun, 45);
    Plan(1, 19, kFixedPulse, 60);
    const std::vector<std::string> before = Uids(Calendar());
    EXPECT_EQ(before, (std::vector<std::string>{"UID:20240302-7-1@season.kdz",
                                                "UID:20240302-8-1@season.kdz"}));
    CWorkOut changed = **Nth(0);
    changed.plannedDuration = 90;
    changed.planNote = "Longer, after all";
    changed.targetFixed = 1;
    changed.targetPulseHigh = 130;
    changed.date += 2.0 / 24;
    ASSERT_TRUE(edit::ReplaceWorkout(*document, Nth(0), changed));
    EXPECT_EQ(Uids(Calendar()), before);
    Plan(1, 20, kTempoRun, 30);
    EXPECT_EQ(Uids(Calendar()).back(), "UID:20240302-7-2@season.kdz");
}

// Commas, semicolons, backslashes and line breaks of every kind reach the
// calendar escaped, in the category too; no line exceeds 75 octets nor
// splits a character; every line ends in CR LF.
TEST_F(PlanCalendarTest, TextsAreEscapedAndLinesFolded) {
    context.library->FindWorkout(kTempoRun)->name = "Tempo, hills; \\ fast";
    context.library->FindCategory(kRaces)->name = "Races, long; \\ hard";
    std::string note = "one\r\ntwo\rthree\tend\x01";
    std::string written = "one\\ntwo\\nthree\tend ";
    for (int i = 0; i < 30; ++i) {
        note +=
            " \xDC"
            "berl\xE4nge";
        written +=
            " \xC3\x9C"
            "berl\xC3\xA4nge";
    }
    Plan(1, 7, kTempoRun, 45, 0, note);
    PlanCalendarRequest request;
    request.diaryName = "my;diary.kdz";
    const std::string calendar = Calendar(request);

    for (std::size_t at = 0, end; (end = calendar.find('\n', at)) != std::string::npos;
         at = end + 1) {
        const std::string line = calendar.substr(at, end - at);
        ASSERT_EQ(line.back(), '\r');
        EXPECT_LE(line.size(), 76u) << line;
        EXPECT_NE(static_cast<unsigned char>(line[1]) & 0xC0, 0x80) << line;
    }
    const std::vector<std::vector<std::string>> expected = {{
        "UID:20240302-7-1@my\\;diary.kdz",
        "DTSTART:20240302T070000",
        "DURATION:PT45M",
        "SUMMARY:Tempo\\, hills\\; \\\\ fast 0:45",
        "DESCRIPTION:Running\\n" + kTempoTarget + "\\n" + written,
        "CATEGORIES:Races\\, long\\; \\\\ hard",
    }};
    EXPECT_EQ(Events(calendar), expected);
    EXPECT_EQ(CalendarFileName("Saison \xE4.kdz"), "Saison \xC3\xA4.kdz");  // not UTF-8
    EXPECT_EQ(CalendarFileName("Saison \xC3\xA4.kdz"), "Saison \xC3\xA4.kdz");
}

// The program's file: the document's own name in the UIDs, its clock in the
// stamp; a file that cannot be written leaves nothing behind.
TEST_F(PlanCalendarTest, TheProgramWritesTheFileWholeOrNotAtAll) {
    Plan(1, 7, kTempoRun, 45);
    ASSERT_TRUE(Document().OnSaveDocument(FileOf("season.kdz", {})));
    WritePlanCalendar(*document, (folder / "plan.ics").string());
    PlanCalendarRequest request;
    request.diaryName = "season.kdz";
    request.stamp = kNow;
    EXPECT_EQ(ReadText(folder / "plan.ics"), PlanCalendar(*document, request));
    const std::filesystem::path missing = folder / "gone" / "plan.ics";
    EXPECT_THROW(WritePlanCalendar(*document, missing.string()), ArchiveError);
    EXPECT_FALSE(std::filesystem::exists(missing.parent_path()));
}

}  // namespace
}  // namespace kadenzo::test
