// Library files from arbitrary bytes: every input either reads or fails with an
// ArchiveError; whatever reads must save and read back to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "LibraryFile.h"

namespace {

std::vector<std::uint8_t> Save(const kadenzo::CLibrary& library) {
    kadenzo::MemoryStream stream;
    kadenzo::CArchive ar(stream, kadenzo::CArchive::Mode::Store);
    ar.WriteObject(&library);
    ar.Close();
    return stream.TakeBytes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kadenzo::MemoryStream input(std::vector<std::uint8_t>(data, data + size));
    std::unique_ptr<kadenzo::CLibrary> library;
    try {
        library = kadenzo::ReadLibraryStream(input);
    } catch (const kadenzo::ArchiveError&) {
        return 0;
    }
    std::vector<std::uint8_t> saved = Save(*library);
    kadenzo::MemoryStream again(saved);
    if (Save(*kadenzo::ReadLibraryStream(again)) != saved) std::abort();
    return 0;
}
