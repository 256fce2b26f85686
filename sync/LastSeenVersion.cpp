#include "LastSeenVersion.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <xxhash.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <memory>

#include "AtomicFile.h"
#include "DocumentBackups.h"

namespace kadenzo::sync {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kReadChunk = 1 << 20;

template <class Time>
std::int64_t Nanoseconds(const Time& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

FileStamp StampFrom(const struct stat& info) {
    return {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
            static_cast<std::uint64_t>(info.st_size), Nanoseconds(info.st_mtim),
            Nanoseconds(info.st_ctim)};
}

bool Settled(const FileStamp& stamp, std::int64_t settle) {
    const std::int64_t now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                 std::chrono::system_clock::now().time_since_epoch())
                                 .count();
    return now - std::max(stamp.modified, stamp.changed) >= settle;
}

struct Content {
    std::uint64_t size = 0;
    std::uint64_t hash = 0;
};

// The file's size and hash, read in chunks; nothing when it cannot be read.
std::optional<Content> HashFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::unique_ptr<XXH3_state_t, XXH_errorcode (*)(XXH3_state_t*)> state(XXH3_createState(),
                                                                          &XXH3_freeState);
    const auto buffer = std::make_unique_for_overwrite<char[]>(kReadChunk);
    Content content;
    bool ok = state && XXH3_64bits_reset(state.get()) == XXH_OK;
    while (ok) {
        const ssize_t n = ::read(fd, buffer.get(), kReadChunk);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        content.size += static_cast<std::uint64_t>(n);
        ok = XXH3_64bits_update(state.get(), buffer.get(), static_cast<std::size_t>(n)) == XXH_OK;
    }
    ::close(fd);
    if (!ok) return std::nullopt;
    content.hash = XXH3_64bits_digest(state.get());
    return content;
}

}  // namespace

std::optional<FileStamp> StampOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    return StampFrom(info);
}

std::uint64_t VersionHash(std::span<const std::uint8_t> bytes) {
    return XXH3_64bits(bytes.data(), bytes.size());
}

std::string LastSeenCopyPath(const std::string& documentPath, const std::string& backupsFolder) {
    return (fs::path(BackupFolderFor(documentPath, backupsFolder)) /
            (BackupDiaryName(documentPath) + ".last-seen.kdz"))
        .string();
}

RememberedVersion RememberVersion(const std::string& documentPath,
                                  std::span<const std::uint8_t> bytes,
                                  const std::string& backupsFolder,
                                  std::int64_t settleNanoseconds) {
    RememberedVersion remembered;
    remembered.size = bytes.size();
    remembered.hash = VersionHash(bytes);
    // Without a backups folder there is nowhere to keep the copy: a relative
    // path would put it wherever the program runs.
    if (!backupsFolder.empty()) {
        const std::string copy = LastSeenCopyPath(documentPath, backupsFolder);
        try {
            std::error_code error;
            fs::create_directories(fs::path(copy).parent_path(), error);
            WriteFileAtomically(copy,
                                [&](CArchive& ar) { ar.WriteRaw(bytes.data(), bytes.size()); });
            remembered.copyPath = copy;
        } catch (const std::exception& e) {
            remembered.problem =
                std::string("the version last seen could not be kept: ") + e.what();
        }
    }
    // The stamp counts only for a file seen holding these very bytes; without
    // one the next check looks at the content.
    const std::optional<FileStamp> before = StampOf(documentPath);
    const std::optional<Content> content = before ? HashFile(documentPath) : std::nullopt;
    if (content && content->size == remembered.size && content->hash == remembered.hash &&
        StampOf(documentPath) == before) {
        remembered.stamp = before;
        remembered.stampSettled = Settled(*before, settleNanoseconds);
    }
    return remembered;
}

DiskState CheckDisk(const std::string& documentPath, RememberedVersion& remembered,
                    std::int64_t settleNanoseconds) {
    struct stat info {};
    if (::stat(documentPath.c_str(), &info) != 0)
        return errno == ENOENT ? DiskState::Missing : DiskState::Changed;
    if (!S_ISREG(info.st_mode)) return DiskState::Changed;
    const FileStamp now = StampFrom(info);
    if (remembered.stamp && remembered.stampSettled && *remembered.stamp == now)
        return DiskState::Unchanged;
    if (now.size != remembered.size) return DiskState::Changed;
    const std::optional<Content> content = HashFile(documentPath);
    if (!content || StampOf(documentPath) != now || content->size != remembered.size ||
        content->hash != remembered.hash)
        return DiskState::Changed;
    remembered.stamp = now;
    remembered.stampSettled = Settled(now, settleNanoseconds);
    return DiskState::Unchanged;
}

}  // namespace kadenzo::sync
