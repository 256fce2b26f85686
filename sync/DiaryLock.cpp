#include "DiaryLock.h"

#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace kadenzo::sync {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kFirstLine = "kadenzo lock";
constexpr std::size_t kMaxLockBytes = 4096;
// A lock younger than this whose text cannot be read is taken to be in writing.
constexpr std::time_t kWritingSeconds = 10;

struct LockFile {
    std::string text;
    std::time_t modified = 0;
};

std::optional<LockFile> ReadLock(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    LockFile lock;
    struct stat info {};
    if (::fstat(fd, &info) == 0) lock.modified = info.st_mtim.tv_sec;
    char buffer[kMaxLockBytes];
    ssize_t n = 0;
    do {
        n = ::read(fd, buffer, sizeof buffer);
    } while (n < 0 && errno == EINTR);
    ::close(fd);
    if (n > 0) lock.text.assign(buffer, static_cast<std::size_t>(n));
    return lock;
}

bool SameComputer(const LockOwner& a, const LockOwner& b) {
    if (!a.machineId.empty() && !b.machineId.empty()) return a.machineId == b.machineId;
    return a.computer == b.computer;
}

LockStatus Judge(const std::optional<LockFile>& lock, const LockOwner& self) {
    if (!lock) return {};
    const std::optional<LockOwner> owner = ParseLock(lock->text);
    if (!owner) {
        const bool young = std::time(nullptr) - lock->modified < kWritingSeconds;
        return {young ? LockState::HeldHere : LockState::Stale, {}};
    }
    if (!SameComputer(*owner, self)) return {LockState::OtherComputer, *owner};
    if (owner->pid == self.pid) return {LockState::Ours, *owner};
    return {ProcessAlive(owner->pid) ? LockState::HeldHere : LockState::Stale, *owner};
}

// One line per value: a line break inside one would start another.
std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\n' || c == '\r') c = ' ';
    return text;
}

std::string FirstLineOf(const char* path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

bool WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

std::string LockFilePath(const std::string& diaryPath) {
    const fs::path diary(diaryPath);
    return (diary.parent_path() / (".~lock." + diary.filename().string() + "#")).string();
}

LockOwner ThisProcess() {
    LockOwner self;
    self.pid = ::getpid();
    struct passwd entry {};
    struct passwd* found = nullptr;
    char buffer[4096];
    if (::getpwuid_r(::geteuid(), &entry, buffer, sizeof buffer, &found) == 0 && found)
        self.user = found->pw_name;
    else if (const char* user = std::getenv("USER"))
        self.user = user;
    char host[HOST_NAME_MAX + 1] = {};
    if (::gethostname(host, sizeof host - 1) == 0) self.computer = host;
    self.machineId = FirstLineOf("/etc/machine-id");
    return self;
}

bool ProcessAlive(std::int64_t pid) {
    if (pid <= 0 || pid > INT_MAX) return false;
    // EPERM: the process exists but belongs to someone else.
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

std::string FormatLock(const LockOwner& owner) {
    return std::string(kFirstLine) + "\nuser=" + OneLine(owner.user) +
           "\ncomputer=" + OneLine(owner.computer) + "\nmachine=" + OneLine(owner.machineId) +
           "\npid=" + std::to_string(owner.pid) + "\n";
}

std::optional<LockOwner> ParseLock(std::string_view text) {
    if (!text.starts_with(kFirstLine)) return std::nullopt;
    LockOwner owner;
    bool havePid = false;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        const std::string_view key = line.substr(0, equals);
        const std::string_view value = line.substr(equals + 1);
        if (key == "user") owner.user = value;
        if (key == "computer") owner.computer = value;
        if (key == "machine") owner.machineId = value;
        if (key == "pid") {
            const auto [rest, error] =
                std::from_chars(value.data(), value.data() + value.size(), owner.pid);
            havePid = error == std::errc() && rest == value.data() + value.size() && owner.pid > 0;
        }
    }
    if (!havePid) return std::nullopt;
    return owner;
}

LockStatus LockStateOf(const std::string& diaryPath, const LockOwner& self) {
    return Judge(ReadLock(LockFilePath(diaryPath)), self);
}

LockStatus AcquireLock(const std::string& diaryPath, const LockOwner& self) {
    const std::string path = LockFilePath(diaryPath);
    const std::string text = FormatLock(self);
    LockStatus found;
    // A few rounds: another process may take or replace the lock meanwhile.
    for (int round = 0; round < 3; ++round) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            const bool written = WriteAll(fd, text);
            if (::close(fd) != 0 || !written) {
                ::unlink(path.c_str());
                throw std::runtime_error("cannot write the lock '" + path + "'");
            }
            return found;
        }
        if (errno != EEXIST)
            throw std::runtime_error("cannot write the lock '" + path +
                                     "': " + std::strerror(errno));
        const std::optional<LockFile> seen = ReadLock(path);
        const LockStatus status = Judge(seen, self);
        if (status.state == LockState::Ours || status.state == LockState::HeldHere) return status;
        if (status.state == LockState::Free) continue;  // gone meanwhile
        // Stale or from another computer: replaced, unless someone else
        // replaced it since it was read.
        const std::optional<LockFile> again = ReadLock(path);
        if (!again || again->text != seen->text) continue;
        found = status;
        if (::unlink(path.c_str()) != 0 && errno != ENOENT)
            throw std::runtime_error("cannot replace the lock '" + path +
                                     "': " + std::strerror(errno));
    }
    throw std::runtime_error("cannot take the lock '" + path + "': it keeps changing");
}

bool ReleaseLock(const std::string& diaryPath, const LockOwner& self) {
    const std::string path = LockFilePath(diaryPath);
    const std::optional<LockFile> lock = ReadLock(path);
    if (!lock) return false;
    const std::optional<LockOwner> owner = ParseLock(lock->text);
    if (!owner || !SameComputer(*owner, self) || owner->pid != self.pid) return false;
    return ::unlink(path.c_str()) == 0;
}

}  // namespace kadenzo::sync
