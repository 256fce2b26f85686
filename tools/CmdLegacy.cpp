// legacy-import DSN OUT: the library of an old ODBC database as a library file.
#include <cstdio>
#include <memory>
#include <string>

#include "Commands.h"
#include "Cp1252.h"
#include "LegacyCleanup.h"
#include "LegacyImport.h"
#include "LibraryFile.h"

namespace kadenzo::tool {

int LegacyImport(const Args& args) {
    if (args.size() != 2) {
        std::fputs("usage: kadenzo-tool legacy-import DSN OUT\n", stderr);
        return 2;
    }
    KeepUserDataSourcesInHome();
    CLibrary library;
    std::string error;
    if (!ImportLegacyDatabase(library, Utf8ToCp1252(args[0]), &error)) {
        std::fprintf(stderr, "kadenzo-tool legacy-import: %s", Cp1252ToUtf8(error).c_str());
        return 1;
    }
    library.RecomputeIdCounters();
    SaveLibraryTo(library, args[1]);
    return 0;
}

}  // namespace kadenzo::tool
