#include "PlanCalendar.h"

#include <libical/ical.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <map>
#include <memory>
#include <stdexcept>
#include <utility>

#include "AtomicFile.h"
#include "CalendarText.h"
#include "Database.h"
#include "DateTime.h"
#include "KadenzoDoc.h"
#include "Library.h"
#include "ResourceIds.h"
#include "TextFormat.h"
#include "WorkOut.h"
#include "WorkoutLabels.h"

namespace kadenzo {
namespace {

// A planned duration beyond a year is written as a year: a figure that large
// is damage, and libical counts seconds in an int.
constexpr double kLongestSeconds = 366.0 * 86400.0;

struct ComponentFree {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

std::string TextOr(const StringTable& texts, std::uint32_t id, const char* english) {
    std::string text = texts.Text(id);
    return text.empty() ? english : text;
}

// YYYYMMDD of a day number, or nothing outside the years a date can hold.
std::optional<std::string> Day8(int day) {
    const std::optional<DateParts> parts = PartsFromDateTime(NoonOfDayNumber(day));
    if (!parts) return std::nullopt;
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", parts->year, parts->month, parts->day);
    return std::string(text);
}

icaltimetype DateOf(int day) {
    const DateParts parts = PartsFromDateTime(NoonOfDayNumber(day)).value_or(DateParts{});
    icaltimetype date = icaltime_null_date();
    date.year = parts.year;
    date.month = parts.month;
    date.day = parts.day;
    return date;
}

// Floating local time: no zone, so the phone shows the time the diary shows.
icaltimetype DateTimeOf(int day, int hour, int minute, int second) {
    icaltimetype time = DateOf(day);
    time.is_date = 0;
    time.hour = hour;
    time.minute = minute;
    time.second = second;
    return time;
}

void AddText(icalcomponent* event, icalproperty* (*make)(const char*), const std::string& text) {
    icalcomponent_add_property(event, make(text.c_str()));
}

// The workout's target heart rates as the diary shows them, as a line.
std::string TargetLine(const LabelFacts& facts, const StringTable& texts) {
    const int low = facts.targetPulseLow;
    const int high = facts.targetPulseHigh;
    if (low != 0 && high != 0)
        return FormatText(TextOr(texts, IDS_CALENDAR_TARGET, "Target heart rate %d\x96%d"),
                          {low, high});
    if (high != 0)
        return FormatText(TextOr(texts, IDS_CALENDAR_TARGET_BELOW, "Target heart rate up to %d"),
                          {high});
    if (low != 0)
        return FormatText(TextOr(texts, IDS_CALENDAR_TARGET_ABOVE, "Target heart rate from %d"),
                          {low});
    return {};
}

class CalendarWriter {
public:
    CalendarWriter(const CKadenzoDoc& doc, const PlanCalendarRequest& request)
        : doc_(doc),
          library_(doc.Library()),
          texts_(doc.Context().Texts()),
          labels_(LabelContextOf(doc)),
          suffix_("@" + CalendarFileName(request.diaryName)),
          stamp_(icaltime_from_timet_with_zone(request.stamp, 0, icaltimezone_get_utc_timezone())) {
        // The maximum of each workout is worked out on the way through the
        // log (MaxHeartRateOf below); asking the document would search the
        // log anew for every workout.
        labels_.maxHeartRate = [this](const CWorkOut&) { return maximum_; };
        // A program without texts still writes the unit.
        if (labels_.distanceUnit.empty())
            labels_.distanceUnit = labels_.units.distance == 0 ? "km" : "mi";
        // The calendar's own lines, split where its events go.
        const Component calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
        if (!calendar) throw std::runtime_error("libical could not make a calendar");
        icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
        icalcomponent_add_property(calendar.get(),
                                   icalproperty_new_prodid("-//Varnel Software//Kadenzo//EN"));
        head_ = Written(calendar.get());
        const std::size_t end = head_.rfind("END:VCALENDAR");
        if (end == std::string::npos) throw std::runtime_error("libical wrote no calendar");
        tail_ = head_.substr(end);
        head_.resize(end);
    }

    void AddWorkouts(int from, int to) {
        // N counts every workout of its day and template, planned or not, in
        // log order, so that it does not change when another loses its plan.
        std::map<std::pair<int, std::uint32_t>, int> counts;
        std::int32_t lastTest = -1;    // the maximum of the last test read
        std::int32_t testBefore = -1;  // that of the last test before this date
        double date = std::numeric_limits<double>::quiet_NaN();
        for (const auto& logged : doc_.Log().Workouts()) {
            const CWorkOut& workout = *logged;
            // As the document has it: a test counts from the next date on.
            if (!(workout.date == date)) {
                testBefore = lastTest;
                date = workout.date;
            }
            maximum_ = testBefore >= 0 ? testBefore : doc_.ProfileMaxHeartRate();
            if (workout.maxPulseTest) lastTest = workout.maxPulse;
            if (!std::isfinite(workout.date)) continue;
            const int day = DayNumber(workout.date);
            if (day < from || day > to) continue;
            const int n = ++counts[{day, workout.templateId}];
            if (workout.plannedDuration > 0 || workout.plannedDistance > 0)
                AddWorkout(workout, day, n);
        }
    }

    void AddEvents(int from, int to) {
        std::map<std::pair<int, std::int32_t>, int> counts;
        for (const auto& stored : doc_.Log().Events()) {
            const CEvent& event = *stored;
            if (!event.start.IsValid() || !event.end.IsValid()) continue;
            const int first = DayNumber(event.start.value);
            const int last = DayNumber(event.end.value);
            const int n = ++counts[{first, event.kind}];
            if (last < first || last < from || first > to) continue;
            AddEvent(event, first, last, n);
        }
    }

    std::string Text() const {
        std::string text;
        text.reserve(head_.size() + events_.size() + tail_.size());
        return text.append(head_).append(events_).append(tail_);
    }

private:
    static std::string Written(icalcomponent* component) {
        char* text = icalcomponent_as_ical_string_r(component);
        if (!text) throw std::runtime_error("libical could not write the calendar");
        std::string written(text);
        icalmemory_free_buffer(text);
        return written;
    }

    Component NewEvent(const std::string& uid) {
        Component event(icalcomponent_new(ICAL_VEVENT_COMPONENT));
        if (!event) throw std::runtime_error("libical could not make an event");
        AddText(event.get(), icalproperty_new_uid, uid);
        icalcomponent_add_property(event.get(), icalproperty_new_dtstamp(stamp_));
        return event;
    }
    // Each event is written as soon as it is complete: libical then never
    // holds more than one, however many the plan has.
    void Write(const Component& event) { events_ += Written(event.get()); }

    void AddWorkout(const CWorkOut& workout, int day, int n) {
        const std::optional<std::string> date = Day8(day);
        const std::optional<DateParts> time = PartsFromDateTime(workout.date);
        if (!date || !time) return;
        const Component owned = NewEvent(*date + "-" + std::to_string(workout.templateId) + "-" +
                                         std::to_string(n) + suffix_);
        icalcomponent* event = owned.get();

        const bool midnight = time->hour == 0 && time->minute == 0 && time->second == 0;
        const double seconds =
            std::isfinite(workout.plannedDuration)
                ? std::min(std::round(workout.plannedDuration * 60), kLongestSeconds)
                : 0.0;
        if (midnight || seconds <= 0) {
            icalcomponent_add_property(event, icalproperty_new_dtstart(DateOf(day)));
            icalcomponent_add_property(event, icalproperty_new_dtend(DateOf(day + 1)));
        } else {
            icalcomponent_add_property(event, icalproperty_new_dtstart(DateTimeOf(
                                                  day, time->hour, time->minute, time->second)));
            icalcomponent_add_property(
                event,
                icalproperty_new_duration(icaldurationtype_from_int(static_cast<int>(seconds))));
        }

        const LabelFacts facts = FactsOf(workout, labels_);
        std::string summary = facts.workoutName;
        // Past today's day, so the label gives the planned figures.
        const std::string figures = ScreenDetail(facts, 1, 0);
        if (!figures.empty()) summary += " " + figures;
        AddText(event, icalproperty_new_summary, CalendarText(summary));

        std::string description;
        auto addLine = [&description](const std::string& line) {
            if (line.empty()) return;
            if (!description.empty()) description += '\n';
            description += line;
        };
        if (workout.sportId != 0) addLine(library_.GetSportName(workout.sportId));
        addLine(TargetLine(facts, texts_));
        addLine(workout.planNote);
        if (!description.empty())
            AddText(event, icalproperty_new_description, CalendarText(description));

        const CLibWorkout* workoutTemplate = library_.FindWorkout(workout.templateId);
        const CLibCategory* category =
            workoutTemplate ? library_.FindCategory(workoutTemplate->categoryId) : nullptr;
        if (category && !category->name.empty()) {
            // Written as it stands, with the value kind named so that no
            // VALUE parameter is added: libical would leave a comma in the
            // name unescaped.
            icalproperty* categories = icalproperty_new(ICAL_CATEGORIES_PROPERTY);
            icalproperty_set_value(
                categories,
                icalvalue_new_string(EscapedListItem(CalendarText(category->name)).c_str()));
            icalproperty_add_parameter(categories, icalparameter_new_value(ICAL_VALUE_TEXT));
            icalcomponent_add_property(event, categories);
        }
        Write(owned);
    }

    void AddEvent(const CEvent& event, int first, int last, int n) {
        const std::optional<std::string> date = Day8(first);
        if (!date || !Day8(last + 1)) return;
        const Component owned = NewEvent(*date + "-event-" + std::to_string(event.kind) + "-" +
                                         std::to_string(n) + suffix_);
        icalcomponent* component = owned.get();
        icalcomponent_add_property(component, icalproperty_new_dtstart(DateOf(first)));
        icalcomponent_add_property(component, icalproperty_new_dtend(DateOf(last + 1)));
        // Built-in kinds have no name of their own in the library.
        const CLibEvent* kind = event.IsBuiltInKind()
                                    ? nullptr
                                    : library_.FindEvent(static_cast<std::uint32_t>(event.kind));
        const std::string name =
            kind && !kind->name.empty() ? kind->name : TextOr(texts_, IDS_A11Y_EVENT, "Event");
        AddText(component, icalproperty_new_summary, CalendarText(name));
        icalcomponent_add_property(component, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
        Write(owned);
    }

    const CKadenzoDoc& doc_;
    const CLibrary& library_;
    const StringTable& texts_;
    LabelContext labels_;
    std::int32_t maximum_ = 0;  // the athlete's maximum for the workout at hand
    std::string suffix_;
    icaltimetype stamp_;
    std::string head_;    // from BEGIN:VCALENDAR to the first event
    std::string events_;  // the events as written
    std::string tail_;    // END:VCALENDAR
};

// The day of the log's last workout, if any.
std::optional<int> LastWorkoutDay(const CDatabase& log) {
    std::optional<int> last;
    for (const auto& workout : log.Workouts())
        if (std::isfinite(workout->date))
            last = std::max(last.value_or(0), DayNumber(workout->date));
    return last;
}

}  // namespace

std::string PlanCalendar(const CKadenzoDoc& doc, const PlanCalendarRequest& request) {
    const int from = request.from.value_or(doc.Context().Today());
    const int to = request.to.value_or(LastWorkoutDay(doc.Log()).value_or(from));
    CalendarWriter writer(doc, request);
    writer.AddWorkouts(from, to);
    writer.AddEvents(from, to);
    return writer.Text();
}

void WritePlanCalendar(const CKadenzoDoc& doc, const std::string& path) {
    PlanCalendarRequest request;
    request.diaryName = std::filesystem::path(doc.PathName()).filename().string();
    request.stamp = doc.Context().Now();
    const std::string text = PlanCalendar(doc, request);
    WriteFileAtomically(path, [&text](CArchive& ar) { ar.WriteRaw(text.data(), text.size()); });
}

}  // namespace kadenzo
