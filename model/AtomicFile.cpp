#include "AtomicFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace kadenzo {
namespace {

// Makes the rename itself durable; a folder that cannot be synced is no error.
void SyncFolderOf(const std::string& path) {
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

void WriteFileAtomically(const std::string& path, const std::function<void(CArchive&)>& write) {
    const std::string temp = path + ".tmp";
    {
        FileStream stream(temp, FileStream::Mode::Write);  // nothing to clean up when this fails
        try {
            CArchive ar(stream, CArchive::Mode::Store);
            write(ar);
            ar.Close();
            stream.Sync();
        } catch (...) {
            std::remove(temp.c_str());
            throw;
        }
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        std::string reason = std::strerror(errno);
        std::remove(temp.c_str());
        throw ArchiveError("cannot replace '" + path + "': " + reason, 0);
    }
    SyncFolderOf(path);
}

}  // namespace kadenzo
