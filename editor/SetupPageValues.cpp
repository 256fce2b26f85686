#include "SetupPageValues.h"

#include "FigureText.h"
#include "Library.h"
#include "PlannedText.h"

namespace kadenzo {

SetupPageValues::SetupPageValues(CWorkOut& workout, Context context)
    : workout_(workout), context_(std::move(context)) {
    plannedText = FormatPlannedText({workout_.plannedDuration, workout_.plannedDistance},
                                    context_.units, context_.texts);
    shownPlannedText_ = plannedText;
    flag = workout_.planFlag != 0;
    note = workout_.planNote;
    link = workout_.planFilePath;
    workout_.ComputeTargetPulse(context_.library, context_.maxHeartRate, false);
    ShowTemplate();
}

const CLibWorkout* SetupPageValues::Template() const {
    return context_.library.FindWorkout(workout_.templateId);
}

void SetupPageValues::ShowTemplate() {
    templateName = context_.library.GetWorkoutName(workout_.templateId);
    const CLibWorkout* workoutTemplate = Template();
    templateComment = workoutTemplate ? workoutTemplate->comment : std::string();
    heartRateText = workoutTemplate
                        ? HeartRateRangeText(workout_.targetPulseLow, workout_.targetPulseHigh,
                                             context_.texts)
                        : std::string();
    RefreshSports();
}

void SetupPageValues::RefreshSports() {
    const CLibWorkout* workoutTemplate = Template();
    // A template fixes the sport only when it names one the library has;
    // "none" (-1 in templates) leaves the choice to the user.
    const bool fixed = workoutTemplate && workoutTemplate->sportId != 0 &&
                       context_.library.FindSport(workoutTemplate->sportId);
    if (fixed) workout_.sportId = workoutTemplate->sportId;
    sportEnabled_ = !fixed;
    sports_ = SportChoices(context_.library);
    // A template without a sport plans workouts whose sport is -1: none, too.
    sportIndex_ = workout_.sportId == kNoId ? 0 : IndexOfChoice(sports_, workout_.sportId);
    if (sportIndex_ < 0) {
        sports_.push_back({workout_.sportId, context_.library.GetSportName(workout_.sportId)});
        sportIndex_ = static_cast<int>(sports_.size()) - 1;
    }
}

void SetupPageValues::SelectSport(int index) {
    if (!sportEnabled_) return;
    sportIndex_ = index < 0 || index >= static_cast<int>(sports_.size()) ? 0 : index;
    workout_.sportId = ChoiceAt(sports_, sportIndex_);
}

bool SetupPageValues::ChooseTemplate(std::uint32_t templateId) {
    if (templateId == workout_.templateId || !context_.library.FindWorkout(templateId))
        return false;
    workout_.templateId = templateId;
    workout_.ComputeTargetPulse(context_.library, context_.maxHeartRate, true);
    ShowTemplate();
    return true;
}

std::optional<FieldRange> SetupPageValues::Check() const {
    if (plannedText == shownPlannedText_) return std::nullopt;
    return RefusedPlannedPiece(plannedText, context_.units, context_.texts);
}

bool SetupPageValues::Apply() {
    if (Check()) return false;
    workout_.planFlag = flag ? 1 : 0;
    if (plannedText != shownPlannedText_) {
        const PlannedValues planned = ParsePlannedText(plannedText, context_.units, context_.texts);
        workout_.plannedDuration = planned.duration;
        workout_.plannedDistance = planned.distance;
        shownPlannedText_ = plannedText;
    }
    workout_.planNote = note;
    workout_.planFilePath = link;
    return true;
}

}  // namespace kadenzo
