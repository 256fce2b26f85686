#pragma once

#include <string>

#include "LegacyImport.h"

namespace kadenzo {

// The start-up's way to a library when "library.dat" could not be loaded: a
// new library becomes the current one and is filled from the old database. On
// failure the current library is cleared again and the result is false (the
// start-up then reports string 33049 and ends). Otherwise the id counters are
// recomputed, "library.dat" is saved and, only when that succeeded, the old
// data source and database files are removed, so a failed save imports again
// at the next start.
bool ImportLibraryAtStartUp(const std::string& dataSource = kLegacyDataSource);

}  // namespace kadenzo
