#include "LibraryFile.h"

#include <unistd.h>

#include <filesystem>

#include "AppContext.h"
#include "AtomicFile.h"

namespace kadenzo {

std::string GetLibraryFilePath() {
    const char* local = "./library.dat";
    std::error_code ignored;
    if (std::filesystem::is_regular_file(local, ignored) && ::access(local, R_OK) == 0)
        return local;
    return App().programDirectory + "library.dat";
}

std::unique_ptr<CLibrary> ReadLibraryStream(ByteStream& stream) {
    CArchive ar(stream, CArchive::Mode::Load);
    std::unique_ptr<CLibrary> library = ar.ReadObjectAs<CLibrary>(CLibrary::kClassName);
    if (!library) ar.Fail("the file holds no library");
    return library;
}

std::unique_ptr<CLibrary> ReadLibraryFile(const std::string& path) {
    FileStream stream(path, FileStream::Mode::Read);
    return ReadLibraryStream(stream);
}

bool LoadLibraryFile() {
    // Read into a new object first: a damaged file must not cost the library in use.
    std::unique_ptr<CLibrary> library;
    try {
        library = ReadLibraryFile(GetLibraryFilePath());
    } catch (const std::exception&) {
        return false;
    }
    App().library = std::move(library);
    return true;
}

void SaveLibraryTo(const CLibrary& library, const std::string& path) {
    WriteFileAtomically(path, [&](CArchive& ar) { ar.WriteObject(&library); });
}

bool SaveLibraryFile() {
    if (!App().library) return false;
    try {
        SaveLibraryTo(*App().library, GetLibraryFilePath());
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

}  // namespace kadenzo
