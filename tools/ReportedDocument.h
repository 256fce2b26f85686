#pragma once

#include <string>

#include "Database.h"
#include "DocumentFile.h"

namespace kadenzo::tool {

// Reads a diary that a command only reports on, with the records whose
// library items are missing from the file's own library dropped, as the
// program drops them; dropped says how many. The diary stays until the
// process ends and is never torn down: the system takes its pages back at
// once, where freeing 100,000 records one by one costs a good part of the run.
DocumentContents& ReadToReport(const std::string& path, CDatabase::DropCounts* dropped = nullptr);

}  // namespace kadenzo::tool
