#include "LibraryFile.h"

#include <unistd.h>

#include <filesystem>

#include "AtomicFile.h"

namespace kadenzo {

std::string GetLibraryFilePath(const std::string& dataDirectory) {
    const char* local = kLocalLibraryFile;
    std::error_code ignored;
    if (std::filesystem::is_regular_file(local, ignored) && ::access(local, R_OK) == 0)
        return local;
    return dataDirectory + "library.dat";
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

std::unique_ptr<CLibrary> LoadLibraryFile(const std::string& path) {
    try {
        return ReadLibraryFile(path);
    } catch (const std::exception&) {
        return nullptr;
    }
}

void SaveLibraryTo(const CLibrary& library, const std::string& path) {
    WriteFileAtomically(path, [&](CArchive& ar) { ar.WriteObject(&library); });
}

bool SaveLibraryFile(const CLibrary& library, const std::string& path, std::string* error) {
    try {
        SaveLibraryTo(library, path);
    } catch (const std::exception& e) {
        if (error) *error = e.what();
        return false;
    }
    return true;
}

}  // namespace kadenzo
