#include "FormLegend.h"

#include "DateTime.h"
#include "Formats.h"
#include "Library.h"
#include "ResourceIds.h"
#include "StringTable.h"
#include "TextFormat.h"

namespace kadenzo {
namespace {

// A line naming more templates than this ends with an ellipsis.
constexpr std::size_t kTemplatesNamed = 6;

std::string DateText(int day) {
    const std::optional<DateParts> parts = PartsFromDateTime(NoonOfDayNumber(day));
    return parts ? FormatDate(*parts) : std::string();
}

long long Figure(long value) { return value; }

// The text for one, or for any other count.
std::uint32_t CountText(int count, std::uint32_t one, std::uint32_t other) {
    return static_cast<std::uint32_t>(count == 1 ? one : other);
}

std::string TemplateNames(const std::vector<std::uint32_t>& ids, const CLibrary& library) {
    std::string names;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (i == kTemplatesNamed) return names + ", \x85";
        if (i > 0) names += ", ";
        names += library.GetWorkoutName(ids[i]);
    }
    return names;
}

}  // namespace

std::vector<FormLegendText> FormLegendTexts(const FormLegendFacts& facts, const FormDays& shown,
                                            const CLibrary& library, const StringTable& texts) {
    std::vector<FormLegendText> lines;
    auto add = [&](FormLegendText::Kind kind, std::uint32_t id,
                   std::initializer_list<FormatArg> args) {
        lines.push_back({FormatText(texts.Text(id), args),
                         kind == FormLegendText::kRamp || kind == FormLegendText::kWarning, kind});
    };
    using Line = FormLegendText;
    if (facts.nextRace) {
        const FormMorningFigures& race = facts.nextRaceMorning;
        add(Line::kNextRace, IDS_FORM_NEXT_RACE,
            {facts.nextRace->name, DateText(facts.nextRace->day), Figure(race.form),
             Figure(race.fitness), Figure(race.fatigue)});
    }
    const FormMorningFigures& today = facts.todayMorning;
    add(Line::kToday, IDS_FORM_TODAY_MORNING,
        {DateText(facts.todayDay), Figure(today.form), Figure(today.fitness),
         Figure(today.fatigue)});
    if (facts.warmingUpLastDay && shown.firstDay <= *facts.warmingUpLastDay &&
        *facts.warmingUpLastDay - kWarmingUpDays < shown.lastDay)
        add(Line::kWarmingUp, IDS_FORM_WARMING_UP, {DateText(*facts.warmingUpLastDay)});
    if (facts.planEnd) add(Line::kPlanEnd, IDS_FORM_PLAN_END, {DateText(*facts.planEnd)});
    if (facts.firstRampDay) {
        if (facts.rampDays == 1)
            add(Line::kRamp, IDS_FORM_RAMP_ONE, {DateText(*facts.firstRampDay)});
        else
            add(Line::kRamp, IDS_FORM_RAMP, {facts.rampDays, DateText(*facts.firstRampDay)});
    }

    const FormUnrated& unrated = facts.unratedByReason;
    if (unrated.performed > 0)
        add(Line::kWarning,
            CountText(unrated.performed, IDS_FORM_DONE_NO_PULSE_ONE, IDS_FORM_DONE_NO_PULSE),
            {unrated.performed});
    if (unrated.planned > 0)
        add(Line::kWarning,
            CountText(unrated.planned, IDS_FORM_PLANNED_NO_TARGET_ONE, IDS_FORM_PLANNED_NO_TARGET),
            {unrated.planned, TemplateNames(unrated.plannedTemplates, library)});
    // Without any maximum at all the profile's line says what to do.
    if (facts.noMaximum)
        add(Line::kWarning, IDS_FORM_NO_MAXIMUM, {});
    else if (unrated.noMaximum > 0)
        add(Line::kWarning,
            CountText(unrated.noMaximum, IDS_FORM_NO_MAXIMUM_ABOVE_REST_ONE,
                      IDS_FORM_NO_MAXIMUM_ABOVE_REST),
            {unrated.noMaximum});
    return lines;
}

std::string FormDayNote(const FormDay& day, const StringTable& texts) {
    if (day.ramp) return texts.Text(IDS_FORM_RAMP_DAY);
    if (day.warmingUp) return texts.Text(IDS_FORM_WARMING_UP_DAY);
    return {};
}

}  // namespace kadenzo
