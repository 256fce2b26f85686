#include "WorkoutSearch.h"

#include <algorithm>
#include <string_view>

#include "DateTime.h"
#include "Library.h"
#include "WorkOut.h"

namespace kadenzo {
namespace {

// The lower-case form of a Windows-1252 letter; other bytes stay.
unsigned char FoldCase(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
    switch (c) {
        case 0x8A:  // S caron
        case 0x8C:  // OE
        case 0x8E:  // Z caron
            return static_cast<unsigned char>(c + 16);
        case 0x9F:  // Y diaeresis
            return 0xFF;
        default:
            return c;
    }
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldCase(static_cast<unsigned char>(a[i])) !=
            FoldCase(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool CompareNumbers(double value, SearchOperator op, double wanted) {
    switch (op) {
        case SearchOperator::Equal:
            return value == wanted;
        case SearchOperator::AtLeast:
            return value >= wanted;
        case SearchOperator::AtMost:
            return value <= wanted;
        case SearchOperator::Contains:
            break;
    }
    return false;
}

bool CompareTexts(const std::string& value, SearchOperator op, const std::string& wanted) {
    switch (op) {
        case SearchOperator::Contains:
            return value.find(wanted) != std::string::npos;
        case SearchOperator::Equal:
            return EqualIgnoringCase(value, wanted);
        default:
            return false;
    }
}

// The marked section's figure when there is one and it is wanted.
double WholeOrSection(double whole, double section, const SearchSettings& settings) {
    return settings.preferSection && section != 0 ? section : whole;
}

double NumberOf(const CWorkOut& w, SearchProperty property, const SearchSettings& settings) {
    switch (property) {
        case SearchProperty::Duration:
            return WholeOrSection(w.duration, w.partDuration, settings);
        case SearchProperty::Distance:
            return ToDisplay(WholeOrSection(w.distance, w.partDistance, settings), kUnitDistance,
                             settings.units);
        case SearchProperty::AveragePulse:
            return WholeOrSection(w.averagePulse, w.partAveragePulse, settings);
        case SearchProperty::MaxPulse:
            return WholeOrSection(w.maxPulse, w.partMaxPulse, settings);
        default:
            return 0;
    }
}

// A template that is gone has no category, so it meets no category criterion.
std::uint32_t CategoryOf(const CWorkOut& w, const CLibrary& library) {
    const CLibWorkout* workoutTemplate = library.FindWorkout(w.templateId);
    return workoutTemplate ? workoutTemplate->categoryId : kNoId;
}

std::uint32_t ItemOf(const CWorkOut& w, SearchProperty property, const CLibrary& library) {
    switch (property) {
        case SearchProperty::Template:
            return w.templateId;
        case SearchProperty::Category:
            return CategoryOf(w, library);
        case SearchProperty::Sport:
            return w.sportId;
        case SearchProperty::SubSport:
            return w.subSportId;
        case SearchProperty::Track:
            return w.trackId;
        case SearchProperty::Intensity:
            return w.intensityId;
        default:
            return kNoId;
    }
}

template <class T>
std::vector<SearchItemChoice> ChoicesOf(const CLibItemList<T>& list) {
    std::vector<SearchItemChoice> choices;
    for (const auto& item : list) choices.push_back({item->id, item->name});
    return choices;
}

}  // namespace

std::vector<SearchItemChoice> SearchItemChoices(SearchItemList list, const CLibrary& library) {
    switch (list) {
        case SearchItemList::Templates:
            return ChoicesOf(library.workoutTemplates);
        case SearchItemList::Categories:
            return ChoicesOf(library.categories);
        case SearchItemList::Sports:
            return ChoicesOf(library.sports);
        case SearchItemList::SubSports:
            return ChoicesOf(library.subSports);
        case SearchItemList::Tracks:
            return ChoicesOf(library.tracks);
        case SearchItemList::Intensities:
            return ChoicesOf(library.intensities);
        case SearchItemList::None:
            break;
    }
    return {};
}

bool MeetsCriterion(const CWorkOut& workout, const SearchCriterion& criterion,
                    const CLibrary& library, const SearchSettings& settings) {
    const SearchPropertyInfo& info = InfoOf(criterion.property);
    if (!IsOffered(criterion.op, info.type)) return false;
    switch (info.type) {
        case SearchValueType::Date:
            return CompareNumbers(DayNumber(workout.date), criterion.op,
                                  DayNumber(criterion.number));
        case SearchValueType::Number:
            return CompareNumbers(NumberOf(workout, criterion.property, settings), criterion.op,
                                  criterion.number);
        case SearchValueType::Text:
            return CompareTexts(
                criterion.property == SearchProperty::Note ? workout.planNote : workout.notes,
                criterion.op, criterion.display);
        case SearchValueType::LibraryItem:
            return ItemOf(workout, criterion.property, library) == criterion.itemId;
    }
    return false;
}

std::vector<CDatabase::ConstWorkoutPos> FindWorkouts(const CDatabase& log,
                                                     const std::vector<SearchCriterion>& criteria,
                                                     const CLibrary& library,
                                                     const SearchSettings& settings) {
    std::vector<CDatabase::ConstWorkoutPos> found;
    for (auto it = log.BeginWorkouts(); it != log.EndWorkouts(); ++it) {
        const CWorkOut& workout = **it;
        if (DayNumber(workout.date) > settings.lastDay) continue;
        const bool meets =
            std::all_of(criteria.begin(), criteria.end(), [&](const SearchCriterion& criterion) {
                return MeetsCriterion(workout, criterion, library, settings);
            });
        if (meets) found.push_back(it);
    }
    return found;
}

}  // namespace kadenzo
