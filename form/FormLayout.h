#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "FormRaces.h"
#include "FormRange.h"
#include "FormSeries.h"

namespace kadenzo {

// The days a calendar event covers in the chart, in the order of the log's
// events; where events overlap, the one stored first counts (as in the diary).
struct FormBand {
    int firstDay = 0;
    int lastDay = 0;
    int eventIndex = 0;          // in the log's events
    std::uint32_t colour = 0;    // 0x00BBGGRR, filled in by the view
    bool blocked = false;        // no training possible: hatched

    bool operator==(const FormBand&) const = default;
};

struct FormEventDays {
    int firstDay = 0;
    int lastDay = 0;
};

// Runs of days of `shown` covered by the same event.
std::vector<FormBand> FormBands(const std::vector<FormEventDays>& events, const FormDays& shown);

// What the chart shows: the days, one FormDay each, and the events.
struct FormChartData {
    FormDays days;
    int today = 0;
    CalendarUnit unit = CalendarUnit::Months;
    std::vector<FormDay> series;  // days.Count() entries from days.firstDay
    std::vector<FormBand> bands;
    std::vector<FormRace> races;  // those within days, by day
};

// The figures a day shows, rounded to whole points; form is the difference
// of the day before's rounded fitness and fatigue, as RoundedMorning gives it.
struct FormFigures {
    long load = 0;
    long fitness = 0;
    long fatigue = 0;
    long form = 0;
    bool operator==(const FormFigures&) const = default;
};
FormFigures RoundedFigures(const FormDay& day);

// The series of the whole range from a computed FormSeries.
std::vector<FormDay> FormDaysOf(const FormSeries& series, const FormDays& days);

struct FormRect {
    double left = 0, top = 0, right = 0, bottom = 0;
    double Width() const { return right - left; }
    double Height() const { return bottom - top; }
    bool operator==(const FormRect&) const = default;
};

struct FormPoint {
    double x = 0, y = 0;
    bool operator==(const FormPoint&) const = default;
};

// Sizes the painter supplies (pixels or printer dots).
struct FormChartMetrics {
    double width = 0;
    double height = 0;
    double lineHeight = 0;       // one line of text
    double valueLabelWidth = 0;  // the widest value label of the axis
    double dateLabelWidth = 0;   // the widest date label
    int legendLines = 0;         // lines of text below the chart
};

enum FormLine { kFitnessLine = 0, kFatigueLine = 1, kFormLine = 2 };

// Where everything goes, worked out when data or size change; painting only
// reads it. The lines take the upper part, the loads' bars the lower part
// with their own scale; event bands run behind both.
struct FormChartLayout {
    FormRect lines;
    FormRect loads;
    FormRect legend;
    double dayWidth = 0;
    double valueMin = 0, valueMax = 0, valueStep = 0;
    struct ValueTick {
        double y;
        long value;
        bool operator==(const ValueTick&) const = default;
    };
    std::vector<ValueTick> valueTicks;
    double loadMax = 0;
    std::vector<FormRect> bars;  // one per day; empty for a day without load
    // Each line up to today's point, and from there on (projected) up to
    // the plan's last day: past the plan there is nothing to project.
    std::array<std::vector<FormPoint>, 3> done;
    std::array<std::vector<FormPoint>, 3> projected;
    std::optional<double> todayX;  // the middle of today's column
    struct Band {
        FormRect rect;
        std::uint32_t colour;
        bool blocked;
        bool operator==(const Band&) const = default;
    };
    std::vector<Band> bands;
    // Runs of days drawn apart, over the lines and the bars: the averages
    // still warming up, and the ramp days.
    std::vector<FormRect> warmingUp;
    std::vector<FormRect> rampDays;
    // A flag on each race's column, at the top of the lines.
    struct RaceFlag {
        double x;  // the middle of the race's column
        int day;
        std::size_t race;  // in FormChartData::races
        bool operator==(const RaceFlag&) const = default;
    };
    std::vector<RaceFlag> raceFlags;
    struct DateTick {
        double x;
        int day;
        bool labelled;  // every tick has its line; labels only where they fit
        bool operator==(const DateTick&) const = default;
    };
    std::vector<DateTick> dateTicks;
};

FormChartLayout LayOutFormChart(const FormChartData& data, const FormChartMetrics& metrics);
// The day under a point of the chart, if any.
std::optional<int> FormDayAt(const FormChartLayout& layout, const FormChartData& data, double x,
                             double y);
// A round axis from min to max: steps of 1, 2 or 5 times a power of ten,
// about `divisions` of them, always holding 0. Figures show as whole points,
// so a step is never below 1 and an axis spans at least a few steps: no two
// ticks read alike, whatever the figures (or none).
struct FormAxis {
    double min = 0, max = 0, step = 0;
    bool operator==(const FormAxis&) const = default;
};
FormAxis RoundAxis(double min, double max, int divisions);

// The legend's figures: today's (and this morning's, which add up), those of
// the next race and of the next event ahead (form on its first day), how far
// the averages warm up and the plan reaches, the ramp days ahead, the
// workouts that could not be rated and why, and whether no maximum heart rate
// is known at all.
struct FormLegendFacts {
    int todayDay = 0;
    FormFigures today;
    FormMorningFigures todayMorning;
    std::optional<FormRace> nextRace;
    FormMorningFigures nextRaceMorning;
    std::optional<int> nextEvent;  // index in the events given
    int nextEventDay = 0;
    long nextEventForm = 0;
    std::optional<int> warmingUpLastDay;
    std::optional<int> planEnd;
    int rampDays = 0;  // from today on
    std::optional<int> firstRampDay;
    int unrated = 0;
    FormUnrated unratedByReason;
    bool noMaximum = false;
};
// profileHasMaximum: the athlete profile gives a maximum heart rate; so do
// the age formula (through the series' context) and a maximum test.
FormLegendFacts LegendFacts(const FormSeries& series, const std::vector<FormEventDays>& events,
                            int today, bool profileHasMaximum,
                            const std::optional<FormRace>& nextRace = std::nullopt);

}  // namespace kadenzo
