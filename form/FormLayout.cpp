#include "FormLayout.h"

#include <algorithm>
#include <cmath>

#include "CalendarDays.h"
#include "DateTime.h"
#include "NiceStep.h"

namespace kadenzo {
namespace {

// Share of the plot's height that the loads' bars take below the lines.
constexpr double kLoadShare = 0.22;
constexpr int kValueDivisions = 5;
// The least span of the value axis, in points.
constexpr double kMinimumSpan = 5;
// How far past the plan's end ramp days are looked for: fatigue falls
// faster than fitness, so a ramp fades within days once the plan ends.
constexpr int kRampFadeDays = 60;
// Ramp days are counted at most this far ahead.
constexpr int kRampLookAhead = 2 * 366;

long Round(double value) { return std::isfinite(value) ? std::lround(value) : 0; }

bool IsTickDay(int day, CalendarUnit unit) {
    if (unit == CalendarUnit::Weeks) return Weekday(day) == 0;
    const std::optional<DateParts> parts = PartsFromDateTime(NoonOfDayNumber(day));
    return parts && parts->day == 1;
}

}  // namespace

std::vector<FormBand> FormBands(const std::vector<FormEventDays>& events, const FormDays& shown) {
    std::vector<FormBand> bands;
    for (int day = shown.firstDay; day <= shown.lastDay; ++day) {
        int covering = -1;
        for (std::size_t i = 0; i < events.size() && covering < 0; ++i)
            if (events[i].firstDay <= day && day <= events[i].lastDay) covering = static_cast<int>(i);
        if (covering < 0) continue;
        if (!bands.empty() && bands.back().eventIndex == covering && bands.back().lastDay == day - 1)
            bands.back().lastDay = day;
        else
            bands.push_back({day, day, covering});
    }
    return bands;
}

FormFigures RoundedFigures(const FormDay& day) {
    // Form as the difference of the rounded figures it comes from, the row
    // before's fitness and fatigue: so the table, the pointer's text and the
    // legend's morning line never differ by one on the same day.
    return {Round(day.load), Round(day.fitness), Round(day.fatigue),
            Round(day.morningFitness) - Round(day.morningFatigue)};
}

std::vector<FormDay> FormDaysOf(const FormSeries& series, const FormDays& days) {
    std::vector<FormDay> result;
    result.reserve(static_cast<std::size_t>(std::max(days.Count(), 0)));
    for (int day = days.firstDay; day <= days.lastDay; ++day) result.push_back(series.At(day));
    return result;
}

FormAxis RoundAxis(double min, double max, int divisions) {
    min = std::min(min, 0.0);
    max = std::max(max, 0.0);
    if (!std::isfinite(min) || !std::isfinite(max) || !std::isfinite(max - min)) return {0, 10, 2};
    if (max - min < kMinimumSpan) max = min + kMinimumSpan;
    const double step = std::max(NiceStep((max - min) / std::max(divisions, 1)), 1.0);
    return {std::floor(min / step) * step, std::ceil(max / step) * step, step};
}

FormChartLayout LayOutFormChart(const FormChartData& data, const FormChartMetrics& m) {
    FormChartLayout layout;
    const int count = static_cast<int>(data.series.size());
    const double line = m.lineHeight;
    layout.legend = {0, m.height - line * m.legendLines, m.width, m.height};
    // Above the lines room for the today mark, below them for the dates.
    const double left = m.valueLabelWidth + line / 2;
    const double right = m.width - line / 2;
    const double top = line * 1.5;
    const double bottom = layout.legend.top - line * 1.5;
    const double plotHeight = std::max(bottom - top, 0.0);
    const double loadHeight = plotHeight * kLoadShare;
    layout.lines = {left, top, std::max(right, left), top + plotHeight - loadHeight - line / 2};
    layout.loads = {left, bottom - loadHeight, std::max(right, left), bottom};
    if (count == 0 || layout.lines.Width() <= 0) return layout;
    layout.dayWidth = layout.lines.Width() / count;

    double low = 0, high = 0, maxLoad = 0;
    for (const FormDay& day : data.series) {
        low = std::min({low, day.fitness, day.fatigue, day.form});
        high = std::max({high, day.fitness, day.fatigue, day.form});
        maxLoad = std::max(maxLoad, day.load);
    }
    const FormAxis axis = RoundAxis(low, high, kValueDivisions);
    layout.valueMin = axis.min;
    layout.valueMax = axis.max;
    layout.valueStep = axis.step;
    const auto valueY = [&](double value) {
        return layout.lines.bottom -
               (value - axis.min) / (axis.max - axis.min) * layout.lines.Height();
    };
    for (double value = axis.min; value <= axis.max + axis.step / 2; value += axis.step)
        layout.valueTicks.push_back({valueY(value), Round(value)});

    layout.loadMax = maxLoad;
    const double barWidth = std::max(layout.dayWidth * 0.6, std::min(1.0, layout.dayWidth));
    for (int i = 0; i < count; ++i) {
        const FormDay& day = data.series[static_cast<std::size_t>(i)];
        const double middle = left + (i + 0.5) * layout.dayWidth;
        if (day.load > 0 && maxLoad > 0) {
            const double height = day.load / maxLoad * layout.loads.Height();
            layout.bars.push_back({middle - barWidth / 2, layout.loads.bottom - height,
                                   middle + barWidth / 2, layout.loads.bottom});
        } else {
            layout.bars.push_back({middle, layout.loads.bottom, middle, layout.loads.bottom});
        }
        const double figures[3] = {day.fitness, day.fatigue, day.form};
        for (int l = 0; l < 3; ++l) {
            const FormPoint point{middle, valueY(figures[l])};
            const int dayNumber = data.days.firstDay + i;
            // Today's point ends the line done and starts the projected one.
            if (dayNumber <= data.today) layout.done[l].push_back(point);
            if (dayNumber >= data.today && !day.afterPlan) layout.projected[l].push_back(point);
        }
    }
    if (data.today >= data.days.firstDay && data.today <= data.days.lastDay)
        layout.todayX = left + (data.today - data.days.firstDay + 0.5) * layout.dayWidth;

    for (const FormBand& band : data.bands) {
        const double x0 = left + (band.firstDay - data.days.firstDay) * layout.dayWidth;
        const double x1 = left + (band.lastDay - data.days.firstDay + 1) * layout.dayWidth;
        layout.bands.push_back({{x0, layout.lines.top, x1, layout.loads.bottom}, band.colour,
                                band.blocked});
    }

    // Runs of flagged days, each a rectangle over the lines and the bars.
    auto runs = [&](bool FormDay::*flag) {
        std::vector<FormRect> rects;
        for (int i = 0; i < count; ++i) {
            if (!(data.series[static_cast<std::size_t>(i)].*flag)) continue;
            const double x0 = left + i * layout.dayWidth;
            const double x1 = x0 + layout.dayWidth;
            if (!rects.empty() && rects.back().right >= x0 - layout.dayWidth / 2)
                rects.back().right = x1;
            else
                rects.push_back({x0, layout.lines.top, x1, layout.loads.bottom});
        }
        return rects;
    };
    layout.warmingUp = runs(&FormDay::warmingUp);
    layout.rampDays = runs(&FormDay::ramp);
    for (std::size_t r = 0; r < data.races.size(); ++r) {
        const int day = data.races[r].day;
        if (day < data.days.firstDay || day > data.days.lastDay) continue;
        layout.raceFlags.push_back(
            {left + (day - data.days.firstDay + 0.5) * layout.dayWidth, day, r});
    }

    std::vector<int> tickDays;
    for (int day = data.days.firstDay; day <= data.days.lastDay; ++day)
        if (IsTickDay(day, data.unit)) tickDays.push_back(day);
    // Label every n-th tick so that labels keep a gap of half a line.
    const double tickGap = tickDays.size() > 1 ? (tickDays[1] - tickDays[0]) * layout.dayWidth
                                               : layout.lines.Width();
    const int every = std::max(
        1, static_cast<int>(std::ceil((m.dateLabelWidth + line / 2) / std::max(tickGap, 1.0))));
    for (std::size_t k = 0; k < tickDays.size(); ++k) {
        const double x = left + (tickDays[k] - data.days.firstDay) * layout.dayWidth;
        layout.dateTicks.push_back({x, tickDays[k], k % static_cast<std::size_t>(every) == 0});
    }
    return layout;
}

std::optional<int> FormDayAt(const FormChartLayout& layout, const FormChartData& data, double x,
                             double y) {
    if (layout.dayWidth <= 0 || x < layout.lines.left || x >= layout.lines.right ||
        y < layout.lines.top || y > layout.loads.bottom)
        return std::nullopt;
    const int index = static_cast<int>((x - layout.lines.left) / layout.dayWidth);
    if (index < 0 || index >= data.days.Count()) return std::nullopt;
    return data.days.firstDay + index;
}

FormLegendFacts LegendFacts(const FormSeries& series, const std::vector<FormEventDays>& events,
                            int today, bool profileHasMaximum,
                            const std::optional<FormRace>& nextRace) {
    FormLegendFacts facts;
    facts.todayDay = today;
    facts.today = RoundedFigures(series.At(today));
    facts.todayMorning = RoundedMorning(MorningOf(series, today));
    if (nextRace) {
        facts.nextRace = nextRace;
        facts.nextRaceMorning = RoundedMorning(MorningOf(series, nextRace->day));
    }
    for (std::size_t i = 0; i < events.size(); ++i) {
        const int first = events[i].firstDay;
        if (first > today && (!facts.nextEvent || first < facts.nextEventDay)) {
            facts.nextEvent = static_cast<int>(i);
            facts.nextEventDay = first;
        }
    }
    if (facts.nextEvent) facts.nextEventForm = RoundedFigures(series.At(facts.nextEventDay)).form;
    if (const std::optional<int> first = series.FirstDay())
        facts.warmingUpLastDay = *first + kWarmingUpDays - 1;
    facts.planEnd = series.PlanEnd();
    const int rampEnd = std::min(std::max(today, facts.planEnd.value_or(today)) + kRampFadeDays,
                                 today + kRampLookAhead);
    for (int day = today; day <= rampEnd; ++day) {
        if (!series.At(day).ramp) continue;
        if (facts.rampDays++ == 0) facts.firstRampDay = day;
    }
    facts.unrated = series.Unrated();
    facts.unratedByReason = series.UnratedByReason();
    facts.noMaximum =
        !profileHasMaximum && series.Context().profileMaxHeartRate <= 0 && !series.HasMaximumTest();
    return facts;
}

}  // namespace kadenzo
