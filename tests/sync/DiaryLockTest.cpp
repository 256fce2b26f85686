// The lock beside an open diary: ours, held by a live process (a forked
// child), stale once that process is gone, and meaningless when another
// computer wrote it.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "DiaryLock.h"
#include "TestFolder.h"

namespace kadenzo::sync {
namespace {

namespace fs = std::filesystem;

class DiaryLock : public ::testing::Test {
protected:
    void WriteLock(const std::string& text) { std::ofstream(LockFilePath(diary_)) << text; }
    std::string LockText() const {
        std::ifstream in(LockFilePath(diary_));
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    LockOwner Owner(std::int64_t pid) const {
        LockOwner owner = self_;
        owner.user = "anna";
        owner.pid = pid;
        return owner;
    }

    test::TestFolder folder_;
    const std::string diary_ = (folder_.Path() / "Training.kdz").string();
    const LockOwner self_ = ThisProcess();
};

TEST_F(DiaryLock, TakenKeptAndGivenBack) {
    EXPECT_EQ(fs::path(LockFilePath(diary_)).filename(), ".~lock.Training.kdz#");
    EXPECT_EQ(LockStateOf(diary_, self_).state, LockState::Free);
    EXPECT_EQ(AcquireLock(diary_, self_).state, LockState::Free);
    EXPECT_EQ(ParseLock(LockText()), self_);
    EXPECT_EQ(LockStateOf(diary_, self_).state, LockState::Ours);
    EXPECT_EQ(AcquireLock(diary_, self_).state, LockState::Ours);
    EXPECT_TRUE(ReleaseLock(diary_, self_));
    EXPECT_FALSE(fs::exists(LockFilePath(diary_)));
}

// A child process holds the lock while it lives; once it is gone the lock
// is stale and taken over silently.
TEST_F(DiaryLock, LiveThenStale) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::pause();
        ::_exit(0);
    }
    WriteLock(FormatLock(Owner(child)));
    const LockStatus held = AcquireLock(diary_, self_);
    EXPECT_EQ(held.state, LockState::HeldHere);
    EXPECT_EQ(held.owner.user, "anna");
    EXPECT_EQ(held.owner.pid, child);
    EXPECT_FALSE(ReleaseLock(diary_, self_));
    EXPECT_EQ(ParseLock(LockText())->pid, child);

    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_FALSE(ProcessAlive(child));
    EXPECT_EQ(LockStateOf(diary_, self_).state, LockState::Stale);
    EXPECT_EQ(AcquireLock(diary_, self_).state, LockState::Stale);
    EXPECT_EQ(LockStateOf(diary_, self_).state, LockState::Ours);
}

TEST_F(DiaryLock, WhatALockMeans) {
    EXPECT_TRUE(ProcessAlive(::getppid()));  // the process that started the tests
    LockOwner elsewhere = Owner(::getppid());
    elsewhere.machineId = "another computer's id";
    elsewhere.computer = "laptop";
    struct Case {
        const char* what;
        std::string text;
        LockState state;
    };
    const Case cases[] = {
        {"a live process of this computer", FormatLock(Owner(::getppid())), LockState::HeldHere},
        {"another computer", FormatLock(elsewhere), LockState::OtherComputer},
        {"text still being written", "", LockState::HeldHere},
        {"not a lock of ours", "anna,laptop,12.03.2024 10:00,/home/anna;", LockState::HeldHere},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteLock(c.text);
        EXPECT_EQ(LockStateOf(diary_, self_).state, c.state);
    }
    for (const char* malformed : {"kadenzo lock\nuser=anna\n", "kadenzo lock\npid=12x\n",
                                  "kadenzo lock\npid=0\n", "user=anna\npid=12\n"})
        EXPECT_FALSE(ParseLock(malformed).has_value()) << malformed;
    elsewhere.user = "two\nlines";
    EXPECT_EQ(ParseLock(FormatLock(elsewhere))->user, "two lines");
    // A lock from another computer (copied by a sync program) is replaced.
    WriteLock(FormatLock(elsewhere));
    EXPECT_EQ(AcquireLock(diary_, self_).state, LockState::OtherComputer);
    EXPECT_EQ(ParseLock(LockText()), self_);
    // Unreadable and old: stale.
    WriteLock("garbage");
    fs::last_write_time(LockFilePath(diary_),
                        fs::file_time_type::clock::now() - std::chrono::hours(1));
    EXPECT_EQ(AcquireLock(diary_, self_).state, LockState::Stale);
    EXPECT_EQ(ParseLock(LockText()), self_);
}

}  // namespace
}  // namespace kadenzo::sync
