#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kadenzo::sync {

// Who holds a diary open: the lock file ".~lock.NAME.kdz#" beside it, in the
// form office programs use, so that one diary opened twice on one computer
// is noticed. A sync program may copy the lock to other computers; there it
// means nothing.
struct LockOwner {
    std::string user;
    std::string computer;   // the host name, for showing
    std::string machineId;  // /etc/machine-id where there is one: host names repeat
    std::int64_t pid = 0;
    bool operator==(const LockOwner&) const = default;
};

enum class LockState {
    Free,           // no lock
    Ours,           // this process holds it
    HeldHere,       // a live process of this computer holds it (the owner says who)
    Stale,          // written on this computer by a process that is gone
    OtherComputer,  // written on another computer
};

struct LockStatus {
    LockState state = LockState::Free;
    LockOwner owner;  // as the lock file names it; empty when there is none
};

std::string LockFilePath(const std::string& diaryPath);
// The user, computer and process running this.
LockOwner ThisProcess();
// True while the process exists (one of another user counts too).
bool ProcessAlive(std::int64_t pid);

// The lock file's text, and the owner read back; nothing when malformed.
std::string FormatLock(const LockOwner& owner);
std::optional<LockOwner> ParseLock(std::string_view text);

// What the lock beside the diary means for `self`. A lock whose text cannot
// be read counts as held while it is younger than a few seconds (its writer
// may be writing it) and as stale after that.
LockStatus LockStateOf(const std::string& diaryPath, const LockOwner& self);

// Takes the lock, written exclusively, unless a live process of this
// computer holds it. A stale lock, and one written on another computer, is
// replaced silently. Returns what was found: HeldHere means not taken.
// Throws std::runtime_error when the lock cannot be written.
LockStatus AcquireLock(const std::string& diaryPath, const LockOwner& self);

// Removes the lock when it is self's; true when it was removed.
bool ReleaseLock(const std::string& diaryPath, const LockOwner& self);

}  // namespace kadenzo::sync
