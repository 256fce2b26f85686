#pragma once

#include <charconv>
#include <optional>
#include <string>
#include <vector>

namespace kadenzo::tool {

// Each subcommand takes its own arguments (without the subcommand name) and
// returns the process exit code. Failures print one line on stderr.
using Args = std::vector<std::string>;

// A whole argument as a number of type T: nothing before or after it, no
// sign where T has none, and within T's range.
template <class T>
std::optional<T> ParseWhole(const std::string& text) {
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

int Dump(const Args& args);
int Load(const Args& args);
int LibraryDump(const Args& args);
int LibraryLoad(const Args& args);
int Info(const Args& args);
int Demo(const Args& args);
int Recording(const Args& args);
int LegacyImport(const Args& args);
int Analysis(const Args& args);
int Search(const Args& args);
int Form(const Args& args);

}  // namespace kadenzo::tool
