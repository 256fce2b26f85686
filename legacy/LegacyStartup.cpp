#include "LegacyStartup.h"

#include <memory>

#include "AppContext.h"
#include "LegacyCleanup.h"
#include "LibraryFile.h"

namespace kadenzo {

bool ImportLibraryAtStartUp(const std::string& dataSource) {
    App().library = std::make_unique<CLibrary>();
    if (!ImportLegacyDatabase(*App().library, dataSource)) {
        App().library.reset();
        return false;
    }
    App().library->RecomputeIdCounters();
    if (SaveLibraryFile()) RemoveLegacyDatabase(dataSource);
    return true;
}

}  // namespace kadenzo
