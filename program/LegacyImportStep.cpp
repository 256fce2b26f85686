#include "LegacyImportStep.h"

#if KADENZO_WITH_LEGACY_IMPORT
#include "LegacyCleanup.h"
#include "LegacyImport.h"
#endif

namespace kadenzo {

#if KADENZO_WITH_LEGACY_IMPORT

bool ImportLegacyLibraryAtStartup(CLibrary& library) {
    KeepUserDataSourcesInHome();
    return ImportLegacyDatabase(library, kLegacyDataSource);
}

void RemoveLegacyDataSource(const std::string& programDirectory) {
    RemoveLegacyDatabase(kLegacyDataSource, programDirectory);
}

#else

bool ImportLegacyLibraryAtStartup(CLibrary&) { return false; }

void RemoveLegacyDataSource(const std::string&) {}

#endif

}  // namespace kadenzo
