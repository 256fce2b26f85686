#pragma once

#include <string>

#include "LegacyImport.h"

namespace kadenzo {

// Removes the old database after its library has been imported and saved:
// the user data source (its entry under "ODBC Data Sources" and its own
// section of the user's odbc.ini, never a system data source) and the files
// "database.mdb" and "database_be.mdb" in programDirectory (ending with '/').
// Failures are ignored; without a program folder no file is deleted.
void RemoveLegacyDatabase(const std::string& dataSource, const std::string& programDirectory);

// unixODBC finds the user's data sources in the home folder of the password
// database, not in $HOME; this points it (through ODBCINI) at $HOME/.odbc.ini
// unless ODBCINI already names a file, so that the program never reads or
// writes outside the home it was given. Call before any ODBC use.
void KeepUserDataSourcesInHome();

}  // namespace kadenzo
