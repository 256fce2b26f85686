#pragma once

#include <string>
#include <vector>

namespace kadenzo::tool {

// Each subcommand takes its own arguments (without the subcommand name) and
// returns the process exit code. Failures print one line on stderr.
using Args = std::vector<std::string>;

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
int Ical(const Args& args);
int Merge(const Args& args);
int ImportDevice(const Args& args);

}  // namespace kadenzo::tool
