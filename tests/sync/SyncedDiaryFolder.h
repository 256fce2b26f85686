#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "TestFolder.h"

namespace kadenzo::test {

// A diary in a synced folder of its own test folder, with the program's
// backups folder beside it (not yet made).
class SyncedDiaryFolder : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(dir_ / "sync"); }

    TestFolder folder_;
    const std::filesystem::path dir_ = folder_.Path();
    const std::string diary_ = (dir_ / "sync" / "Training.kdz").string();
    const std::string backups_ = (dir_ / "backups").string();
};

}  // namespace kadenzo::test
