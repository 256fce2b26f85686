#pragma once

#include <string>

#include "DocumentFile.h"

namespace kadenzo::tool {

// Writes the document as the desktop program saves it (targets of past
// workouts are fixed on the way), atomically. Throws std::runtime_error.
void SaveDocument(DocumentContents contents, const std::string& path);

}  // namespace kadenzo::tool
