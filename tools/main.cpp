// kadenzo-tool: the command-line companion of the desktop program.
#include <cstdio>
#include <exception>
#include <string_view>

#include "Commands.h"

namespace {

struct Command {
    std::string_view name;
    std::string_view usage;
    int (*run)(const kadenzo::tool::Args&);
};

constexpr Command kCommands[] = {
    {"dump", "dump FILE", kadenzo::tool::Dump},
    {"load", "load JSON OUT", kadenzo::tool::Load},
    {"library-dump", "library-dump FILE", kadenzo::tool::LibraryDump},
    {"library-load", "library-load JSON OUT", kadenzo::tool::LibraryLoad},
    {"info", "info FILE", kadenzo::tool::Info},
    {"demo", "demo OUT [--german]", kadenzo::tool::Demo},
    {"recording", "recording FILE [--imperial] [--max-hr N]", kadenzo::tool::Recording},
    {"legacy-import", "legacy-import DSN OUT", kadenzo::tool::LegacyImport},
    {"analysis",
     "analysis FILE [--range COUNT-UNIT] [--quantity Q] [--chart C] [--layer L] [--at DATE] "
     "[--back N] [--imperial] [--csv]",
     kadenzo::tool::Analysis},
    {"search",
     "search FILE --where PROPERTY OPERATOR VALUE ... [--whole] [--today YYYY-MM-DD] "
     "[--imperial]",
     kadenzo::tool::Search},
    {"form",
     "form FILE [--today YYYY-MM-DD] [--from YYYY-MM-DD] [--to YYYY-MM-DD] "
     "[--race-category ID|none] [--csv]",
     kadenzo::tool::Form},
    {"ical", "ical FILE [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--today YYYY-MM-DD]",
     kadenzo::tool::Ical},
    {"merge", "merge [BASE] MINE THEIRS OUT", kadenzo::tool::Merge},
    {"import-device", "import-device FOLDER DIARY [--dry-run] [--imperial] [--sport KIND=ID ...]",
     kadenzo::tool::ImportDevice},
};

int Usage() {
    std::fputs("usage: kadenzo-tool COMMAND ARGS...\n", stderr);
    for (const Command& c : kCommands)
        std::fprintf(stderr, "  kadenzo-tool %.*s\n", static_cast<int>(c.usage.size()),
                     c.usage.data());
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    std::string_view name = argv[1];
    for (const Command& c : kCommands) {
        if (c.name != name) continue;
        kadenzo::tool::Args args(argv + 2, argv + argc);
        try {
            return c.run(args);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "kadenzo-tool %s: %s\n", argv[1], e.what());
            return 1;
        }
    }
    std::fprintf(stderr, "kadenzo-tool: unknown command '%s'\n", argv[1]);
    return Usage();
}
