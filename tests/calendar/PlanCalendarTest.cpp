// The plan as a calendar: which workouts and events become events, at what
// time and with what text; UIDs that survive edits; escaping, folding and
// line ends; and the file the program writes.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "Archive.h"
#include "CalendarText.h"
#include "DocumentFixture.h"
#include "PlanCalendar.h"

namespace kadenzo::test {
namespace {

constexpr std::uint32_t kRaces = 40;         // a category
constexpr std::uint32_t kRaceTemplate = 41;  // of that category, no target
constexpr std::int32_t kBuiltInKind = -5;    // an event kind of the program's own
constexpr std::time_t kStamp = 1709290800;   // 1 March 2024, 11:00 UTC
const int kToday = DayNumber(*NoonOfDay(2024, 3, 1));

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The calendar's content lines, unfolded, without their CR LF.
std::vector<std::string> Unfolded(const std::string& calendar) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < calendar.size()) {
        const std::size_t end = calendar.find("\r\n", at);
        const std::string line = calendar.substr(at, end - at);
        at = end == std::string::npos ? calendar.size() : end + 2;
        if (!line.empty() && line[0] == ' ' && !lines.empty())
            lines.back() += line.substr(1);
        else
            lines.push_back(line);
    }
    return lines;
}

// Each VEVENT's lines, DTSTAMP left out.
std::vector<std::vector<std::string>> Events(const std::string& calendar) {
    std::vector<std::vector<std::string>> events;
    bool inside = false;
    for (const std::string& line : Unfolded(calendar)) {
        if (line == "BEGIN:VEVENT") {
            events.emplace_back();
            inside = true;
        } else if (line == "END:VEVENT") {
            inside = false;
        } else if (inside && line.rfind("DTSTAMP:", 0) != 0) {
            events.back().push_back(line);
        }
    }
    return events;
}

std::vector<std::string> Uids(const std::string& calendar) {
    std::vector<std::string> uids;
    for (const std::string& line : Unfolded(calendar))
        if (line.rfind("UID:", 0) == 0) uids.push_back(line.substr(4));
    return uids;
}

class PlanCalendarTest : public DocumentFixture {
protected:
    PlanCalendarTest() {
        CLibrary& library = *context.library;
        AddItem(library.categories, kRaces, "Races").colour = 0xFF;
        library.FindWorkout(kTempoRun)->categoryId = kRaces;
        AddItem(library.workoutTemplates, kRaceTemplate, "Race").categoryId = kRaces;
        library.FindWorkout(kFixedPulse)->pulseLow = 120;
        library.FindWorkout(kFixedPulse)->pulseHigh = 140;
    }

    // A planned workout, put into the log the document takes on first use;
    // after that through the document's own edit.
    CWorkOut Plan(int offset, double hour, std::uint32_t templateId, double minutes,
                  double kilometres = 0, const std::string& note = "", double duration = 0) {
        const double date = NoonOfDayNumber(kToday + offset) - 0.5 + hour / 24;
        auto w = MakeWorkout(date, templateId);
        w->plannedDuration = minutes;
        w->plannedDistance = kilometres;
        w->planNote = note;
        w->duration = duration;
        const CWorkOut copy = *w;
        if (log)
            log->AddWorkout(std::move(w));
        else
            EXPECT_TRUE(edit::AddWorkout(*document, std::move(w), edit::InDateOrder(date)));
        return copy;
    }
    void Event(int first, int last, std::int32_t kind) {
        auto e = std::make_unique<CEvent>();
        e->start = {CalendarDateTime::kValid, NoonOfDayNumber(kToday + first)};
        e->end = {CalendarDateTime::kValid, NoonOfDayNumber(kToday + last)};
        e->kind = kind;
        log->Events().push_back(std::move(e));
    }
    // The document with the log built so far, a profile maximum of 190.
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
    Plan(2, 7, kTempoRun, 0, 0, "", 30);    // done without a plan: not in the calendar
    Plan(3, 7, kTempoRun, 30);
    Event(-3, 0, kIllness);     // overlaps today
    Event(-9, -2, kIllness);    // over before today
    Event(2, 2, kBuiltInKind);  // no name of its own
    Event(4, 6, kIllness);      // after the last workout's day

    const std::string calendar = Calendar();
    EXPECT_EQ(calendar.rfind("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:", 0), 0u) << calendar;
    EXPECT_EQ(calendar.substr(calendar.size() - 15), "END:VCALENDAR\r\n");
    const std::vector<std::vector<std::string>> expected = {
        {"UID:20240301-7-1@season.kdz", "DTSTART:20240301T183000", "DURATION:PT45M",
         "SUMMARY:Tempo run 10.0km (0:45)",
         // 60 to 75 per cent of the profile's 190.
         "DESCRIPTION:Running\\nTarget heart rate 114\xE2\x80\x93"
         "142\\nHills\\nlast rep hard",
         "CATEGORIES:Races"},
        {"UID:20240302-8-1@season.kdz", "DTSTART;VALUE=DATE:20240302", "DTEND;VALUE=DATE:20240303",
         "SUMMARY:Fixed pulse 40.0km",
         "DESCRIPTION:Cycling\\nTarget heart rate 120\xE2\x80\x93"
         "140"},
        {"UID:20240302-41-1@season.kdz", "DTSTART;VALUE=DATE:20240302", "DTEND;VALUE=DATE:20240303",
         "SUMMARY:Race 21.1km", "DESCRIPTION:Running", "CATEGORIES:Races"},
        {"UID:20240304-7-1@season.kdz", "DTSTART:20240304T070000", "DURATION:PT30M",
         "SUMMARY:Tempo run 0:30",
         "DESCRIPTION:Running\\nTarget heart rate 114\xE2\x80\x93"
         "142",
         "CATEGORIES:Races"},
        {"UID:20240227-event-3-1@season.kdz", "DTSTART;VALUE=DATE:20240227",
         "DTEND;VALUE=DATE:20240302", "SUMMARY:Illness", "TRANSP:TRANSPARENT"},
        {"UID:20240303-event--5-1@season.kdz", "DTSTART;VALUE=DATE:20240303",
         "DTEND;VALUE=DATE:20240304", "SUMMARY:Event", "TRANSP:TRANSPARENT"},
    };
    EXPECT_EQ(Events(calendar), expected);
    for (const std::string& line : Unfolded(calendar)) {
        if (line.rfind("DTSTAMP:", 0) == 0) {
            EXPECT_EQ(line, "DTSTAMP:20240301T110000Z");
        }
    }

    // The days asked for, both ends included.
    PlanCalendarRequest request;
    request.from = kToday - 2;
    request.to = kToday - 1;
    EXPECT_EQ(Uids(Calendar(request)),
              (std::vector<std::string>{"20240229-7-1@season.kdz", "20240227-event-3-1@season.kdz",
                                        "20240221-event-3-1@season.kdz"}));
}

// A workout keeps its UID through edits of its figures, time, notes and
// targets; a second one of its template that day counts on; two exports
// of one diary (two machines) agree.
TEST_F(PlanCalendarTest, UidsSurviveEditsThatKeepDayTemplateAndPlace) {
    Plan(1, 7, kTempoRun, 45);
    Plan(1, 19, kFixedPulse, 60);
    const std::vector<std::string> before = Uids(Calendar());  // the document takes the log
    ASSERT_EQ(before,
              (std::vector<std::string>{"20240302-7-1@season.kdz", "20240302-8-1@season.kdz"}));

    CWorkOut changed = **Nth(0);  // the tempo run
    changed.plannedDuration = 90;
    changed.plannedDistance = 18;
    changed.planNote = "Longer, after all";
    changed.notes = "felt fine";
    changed.targetFixed = 1;
    changed.targetPulseLow = 120;
    changed.targetPulseHigh = 130;
    changed.date += 2.0 / 24;  // 9:00, the same day
    ASSERT_TRUE(edit::ReplaceWorkout(*document, Nth(0), changed));
    EXPECT_EQ(Uids(Calendar()), before);

    // Another tempo run later that day counts on from the first.
    Plan(1, 20, kTempoRun, 30);
    EXPECT_EQ(Uids(Calendar()),
              (std::vector<std::string>{"20240302-7-1@season.kdz", "20240302-8-1@season.kdz",
                                        "20240302-7-2@season.kdz"}));
    PlanCalendarRequest elsewhere;
    elsewhere.stamp = kStamp + 3600;
    elsewhere.diaryName = "season.kdz";
    EXPECT_EQ(Uids(PlanCalendar(*document, elsewhere)), Uids(Calendar()));
}

// Commas, semicolons, backslashes and line breaks of every kind reach the
// calendar escaped, in the category too; no line exceeds 75 octets nor
// splits a character; every line ends in CR LF.
TEST_F(PlanCalendarTest, TextsAreEscapedAndLinesFolded) {
    context.library->FindWorkout(kTempoRun)->name = "Tempo, hills; \\ fast";
    context.library->FindCategory(kRaces)->name = "Races, long; \\ hard";
    std::string note = "Line one\r\nline two\rline three\tend\x01";
    for (int i = 0; i < 30; ++i)
        note +=
            " \xDC"
            "berl\xE4nge";  // Überlänge
    Plan(1, 7, kTempoRun, 45, 0, note);

    PlanCalendarRequest request;
    request.diaryName = "my;diary,\xC3\xA4.kdz";
    const std::string calendar = Calendar(request);
    std::size_t at = 0;
    while (at < calendar.size()) {
        const std::size_t end = calendar.find('\n', at);
        ASSERT_NE(end, std::string::npos) << "the calendar ends in the middle of a line";
        ASSERT_GT(end, at);
        EXPECT_EQ(calendar[end - 1], '\r');
        const std::string line = calendar.substr(at, end - 1 - at);
        EXPECT_LE(line.size(), 75u) << line;
        EXPECT_EQ(line.find('\r'), std::string::npos);
        // A continuation never starts inside a character.
        if (line.size() > 1) {
            EXPECT_NE(static_cast<unsigned char>(line[1]) & 0xC0, 0x80) << line;
        }
        at = end + 1;
    }
    std::string expectedNote;
    for (int i = 0; i < 30; ++i)
        expectedNote +=
            " \xC3\x9C"
            "berl\xC3\xA4nge";
    const std::vector<std::vector<std::string>> expected = {{
        "UID:20240302-7-1@my\\;diary\\,\xC3\xA4.kdz",
        "DTSTART:20240302T070000",
        "DURATION:PT45M",
        "SUMMARY:Tempo\\, hills\\; \\\\ fast 0:45",
        "DESCRIPTION:Running\\nTarget heart rate 114\xE2\x80\x93"
        "142\\nLine one\\nline two\\nline "
        "three\tend " +
            expectedNote,
        "CATEGORIES:Races\\, long\\; \\\\ hard",
    }};
    EXPECT_EQ(Events(calendar), expected);
}

TEST(CalendarText, FileNamesThatAreNotUtf8AreReadAsWindows1252) {
    EXPECT_EQ(CalendarFileName("Saison \xC3\xA4.kdz"), "Saison \xC3\xA4.kdz");
    EXPECT_EQ(CalendarFileName("Saison \xE4.kdz"), "Saison \xC3\xA4.kdz");
    EXPECT_EQ(CalendarFileName("cut \xC3"), "cut \xC3\x83");
    EXPECT_EQ(CalendarFileName("overlong \xC0\xAF"), "overlong \xC3\x80\xC2\xAF");
    EXPECT_EQ(CalendarFileName("tab\tand\nbreak"), "tab\tand\nbreak");
}

// The program's file: the document's own name in the UIDs, its clock in
// the stamp; a file that cannot be written leaves nothing behind.
TEST_F(PlanCalendarTest, TheProgramWritesTheFileWholeOrNotAtAll) {
    Plan(1, 7, kTempoRun, 45);
    ASSERT_TRUE(Document().OnSaveDocument(FileOf("season.kdz", {})));
    const std::filesystem::path path = folder / "plan.ics";
    WritePlanCalendar(*document, path.string());
    PlanCalendarRequest request;
    request.diaryName = "season.kdz";
    request.stamp = kNow;
    EXPECT_EQ(ReadFile(path), PlanCalendar(*document, request));

    const std::filesystem::path missing = folder / "no such folder" / "plan.ics";
    EXPECT_THROW(WritePlanCalendar(*document, missing.string()), ArchiveError);
    EXPECT_FALSE(std::filesystem::exists(missing.parent_path()));
}

}  // namespace
}  // namespace kadenzo::test
