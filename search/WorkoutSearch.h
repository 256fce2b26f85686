#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Database.h"
#include "SearchCriteria.h"
#include "Units.h"

namespace kadenzo {

class CLibrary;
class CWorkOut;

struct SearchSettings {
    // Compare the marked section's duration, distance and heart rates where
    // the workout has one (a value other than 0).
    bool preferSection = true;
    // The last day (a day number) whose workouts count: a workout done later
    // today still counts, tomorrow's never does.
    int lastDay = 0;
    UnitSettings units;
};

// An item of a library list as the value list offers it.
struct SearchItemChoice {
    std::uint32_t id;
    std::string name;
};
// The items of the library list a property offers, in list order.
std::vector<SearchItemChoice> SearchItemChoices(SearchItemList list, const CLibrary& library);

// True when the workout meets the criterion. Dates compare as calendar days,
// texts as Windows-1252 bytes ("contains" minds letter case, "equal" does not).
bool MeetsCriterion(const CWorkOut& workout, const SearchCriterion& criterion,
                    const CLibrary& library, const SearchSettings& settings);

// The workouts up to settings.lastDay that meet every criterion, in the log's
// order. With no criteria every workout up to that day is found.
std::vector<CDatabase::ConstWorkoutPos> FindWorkouts(const CDatabase& log,
                                                     const std::vector<SearchCriterion>& criteria,
                                                     const CLibrary& library,
                                                     const SearchSettings& settings);

}  // namespace kadenzo
