// Placeholder: replaced when this subcommand lands.
#include <cstdio>

#include "Commands.h"

namespace kadenzo::tool {

int LegacyImport(const Args&) {
    std::fputs("kadenzo-tool: this command is not available yet\n", stderr);
    return 1;
}

}  // namespace kadenzo::tool
