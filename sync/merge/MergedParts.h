#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "BodyInfo.h"
#include "Database.h"
#include "Library.h"
#include "MergeResult.h"
#include "WorkOut.h"

namespace kadenzo::sync {

// A library item that a side's change removed but that stays while something
// of the merged document refers to it.
struct TentativeItem {
    LibraryList list;
    std::uint32_t id;
    bool operator==(const TentativeItem&) const = default;
};

// The merged document in pieces, as the default choices have it, until the
// user's choices are in.
struct MergedParts {
    std::int32_t birthDate = 0;
    std::int32_t maxHeartRate = 0;
    std::int32_t hrFormula = -1;
    std::unique_ptr<CLibrary> library;  // tentative items included
    std::vector<TentativeItem> tentative;
    std::string name;
    std::vector<std::unique_ptr<CWorkOut>> workouts;    // in merged order
    std::vector<std::unique_ptr<CBodyInfo>> bodyInfos;  // by day and date status
    CDatabase::EventList events;
};

}  // namespace kadenzo::sync
