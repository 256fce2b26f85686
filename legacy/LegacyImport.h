#pragma once

#include <string>

#include "Library.h"

namespace kadenzo {

// The ODBC data source through which the oldest version reached its library.
inline constexpr const char* kLegacyDataSource = "KadenzoDB";

// The ODBC connection string that selects a data source by name; names with
// characters that would end or extend the string are braced.
std::string LegacyConnectionString(const std::string& dataSource);

// Replaces the content of `library` with the library tables of the old
// database behind `dataSource` (categories, event kinds, sports, workout
// templates, intensities, tracks, sub-sports, in that order) and sets its
// computerName to this computer's name. Ids are taken over unchanged; the id
// counters are left for the caller to recompute.
//
// Returns false, with `library` left empty, when the connection cannot be
// opened (the access layer's error text in `connectionError`); true otherwise,
// also when some or all tables could not be read. A table whose query fails is
// skipped; a failing row move or column read ends that table, keeping the rows
// read before. Without an "Events" table the five default event kinds are
// created here and, as far as the driver allows, in the database.
bool ImportLegacyDatabase(CLibrary& library, const std::string& dataSource,
                          std::string* connectionError = nullptr);

}  // namespace kadenzo
