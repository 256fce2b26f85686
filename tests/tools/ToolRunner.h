#pragma once
// A fresh folder per test and a way to run the built kadenzo-tool in it.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "AddLibraryItem.h"
#include "Library.h"
#include "TestFolder.h"

namespace kadenzo::test {

inline std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ToolTest : public ::testing::Test {
protected:
    // Runs kadenzo-tool; stdout and stderr land in out_ and err_.
    int Run(const std::string& arguments) {
        std::string command = std::string("'") + KADENZO_TOOL + "' " + arguments + " >'" +
                              Path("out") + "' 2>'" + Path("err") + "'";
        int status = std::system(command.c_str());
        out_ = ReadText(dir_ / "out");
        err_ = ReadText(dir_ / "err");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string Path(const char* name) const { return (dir_ / name).string(); }
    void Write(const char* name, const std::string& text) {
        std::ofstream(dir_ / name, std::ios::binary) << text;
    }
    int ErrorLines() const { return static_cast<int>(std::count(err_.begin(), err_.end(), '\n')); }

    TestFolder folder_;
    const std::filesystem::path dir_ = folder_.Path();
    std::string out_;
    std::string err_;
};

}  // namespace kadenzo::test
