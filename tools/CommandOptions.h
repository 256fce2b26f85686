#pragma once

#include <optional>
#include <string>

namespace kadenzo::tool {

// Prints the one line a mistake in a command's arguments gets,
// "kadenzo-tool COMMAND: WHAT", and returns nothing for the command's options.
std::nullopt_t OptionMistake(const char* command, const std::string& what);

// A date option's value, YYYY-MM-DD from 1900 on (the first day a diary
// holds), as a day number; any other text is reported as the command's
// mistake and gives nothing.
std::optional<int> ReadDateOption(const char* command, const std::string& value);

}  // namespace kadenzo::tool
