#pragma once

#include <string>
#include <vector>

#include "FormLayout.h"

namespace kadenzo {

class CLibrary;
class StringTable;

// One line of the form view's legend below the chart, in the language of the
// texts (Windows-1252 bytes).
struct FormLegendText {
    // What the line tells, for the view to give it its key or weight.
    enum Kind { kNextRace, kToday, kWarmingUp, kPlanEnd, kRamp, kWarning };
    std::string text;
    bool warning = false;  // something the athlete can mend
    Kind kind = kWarning;
    bool operator==(const FormLegendText&) const = default;
};

// The legend's lines for the days shown, in this order: the next race with
// the form of its morning, the question the view answers first; this
// morning's form as yesterday's fitness less fatigue; how long the averages warm up (when the days
// shown reach into that time); where the plan ends; the ramp days ahead; then the warnings:
// workouts done without a heart rate, planned ones without a target (with
// their templates' names), those without a maximum above the resting heart
// rate, and a profile without any maximum. The next calendar event is the
// view's, which knows the event kinds' names.
std::vector<FormLegendText> FormLegendTexts(const FormLegendFacts& facts, const FormDays& shown,
                                            const CLibrary& library, const StringTable& texts);

// What hovering a day adds to its figures: that the plan ramps up too fast,
// or that the averages are still warming up; empty for any other day.
std::string FormDayNote(const FormDay& day, const StringTable& texts);

}  // namespace kadenzo
