#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "DocumentFile.h"

namespace kadenzo::tool {

struct DemoOptions {
    // German names (the German starter library) and German notes.
    bool german = false;
    // Where the demo's recordings are to lie (UTF-8, without a trailing
    // separator); "" leaves the workouts without recording paths.
    std::string recordingFolder;
};

// A heart-rate recording file of the demo: its name in the recording folder
// and its bytes.
struct DemoRecording {
    std::string fileName;
    std::string bytes;
};

struct DemoDiary {
    DocumentContents contents;
    std::vector<DemoRecording> recordings;
};

// A lived-in season around the given day, on the program's starter library:
// thirteen weeks performed (a few sessions missed, a few with their
// recordings and marked sections), five weeks planned up to a race, body data
// twice a week and events past and ahead. The same day always gives the same
// diary.
DemoDiary MakeDemo(std::time_t today, const DemoOptions& options);

// The English demo's document, without recording paths.
DocumentContents MakeDemoDiary(std::time_t today);

}  // namespace kadenzo::tool
