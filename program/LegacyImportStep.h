#pragma once

#include <string>

namespace kadenzo {

class CLibrary;

// The first start after an upgrade: the older version's library, read from
// its ODBC data source "KadenzoDB" into library. False when there is nothing
// to import or the import fails (always, in a build without the import).
bool ImportLegacyLibraryAtStartup(CLibrary& library);
// Removes the data source and the old database files in the program's
// folder after a successful import and save; failures are ignored.
void RemoveLegacyDataSource(const std::string& programDirectory);

}  // namespace kadenzo
