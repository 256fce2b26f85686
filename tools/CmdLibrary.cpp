// library-dump and library-load: a library file as JSON and back.
#include <cstdio>
#include <fstream>
#include <iostream>

#include "Commands.h"
#include "JsonLibrary.h"
#include "LibraryFile.h"

namespace kadenzo::tool {

int LibraryDump(const Args& args) {
    if (args.size() != 1) {
        std::fputs("usage: kadenzo-tool library-dump FILE\n", stderr);
        return 2;
    }
    std::unique_ptr<CLibrary> library = ReadLibraryFile(args[0]);
    std::cout << LibraryToJson(*library).dump(2) << '\n';
    return std::cout.good() ? 0 : 1;
}

int LibraryLoad(const Args& args) {
    if (args.size() != 2) {
        std::fputs("usage: kadenzo-tool library-load JSON OUT\n", stderr);
        return 2;
    }
    std::ifstream in(args[0], std::ios::binary);
    if (!in) throw std::runtime_error("cannot open '" + args[0] + "'");
    Json json = Json::parse(in);
    std::unique_ptr<CLibrary> library = LibraryFromJson(json);
    SaveLibraryTo(*library, args[1]);
    return 0;
}

}  // namespace kadenzo::tool
