#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "ImportPlan.h"
#include "KnownRecordings.h"
#include "SportTable.h"
#include "Units.h"

namespace kadenzo {

class CDatabase;
class CLibrary;

struct ScanSettings {
    UnitSettings units;  // the figures are taken as the import dialog takes them in this unit
    SportTable sports = SportTable::Starter();
    std::int64_t now = 0;  // the start of a file that names none
};

// What the activity files below folder would bring into the diary (whose
// file is diaryPath, its recordings named relative to its folder), changing
// nothing: every new activity with its proposed outcome, the files already
// imported (equal bytes or the same FIT activity as a recording a workout
// refers to, or as a file found before) and the files that cannot be read.
// FIT files that hold no activity are passed over. The log and library are
// read throughout: they must not change meanwhile. Throws
// std::runtime_error when folder cannot be read.
ImportPlan ScanDevice(const std::string& folder, const CDatabase& log, const CLibrary& library,
                      const std::string& diaryPath, const ScanSettings& settings);

// How many activity files below folder the diary does not hold yet, for a
// notice: told apart as ScanDevice tells them, by sizes and the heads of FIT
// files, without decoding a file; one that cannot be read as its format
// counts. Throws std::runtime_error when folder cannot be read.
std::size_t CountNewActivities(const std::string& folder, const CDatabase& log,
                               const std::string& diaryPath);
// The same against recordings gathered before (KnownRecordings::OfStoredPaths),
// for a count that runs beside the program.
std::size_t CountNewActivities(const std::string& folder, KnownRecordings known);

}  // namespace kadenzo
