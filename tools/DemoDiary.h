#pragma once

#include <ctime>

#include "DocumentFile.h"

namespace kadenzo::tool {

// A realistic sample diary around the given day, on the program's starter
// library: three months of performed workouts, four weeks of planned ones,
// weekly body data and a few events. The same day always gives the same diary.
DocumentContents MakeDemoDiary(std::time_t today);

}  // namespace kadenzo::tool
