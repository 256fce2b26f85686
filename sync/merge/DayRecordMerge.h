#pragma once

#include <memory>
#include <vector>

#include "BodyInfo.h"
#include "Database.h"
#include "MergeResult.h"

namespace kadenzo::sync {

struct BodyInfoMergeOutput {
    std::vector<std::unique_ptr<CBodyInfo>> merged;  // by day and date status
    ChangeCounts counts;                             // against MINE
    std::vector<Conflict> conflicts;
};

// Body data are one record per day: a day changed on one side takes that
// side's records; changed differently on both, MINE's (a conflict). Without
// BASE (null) every day present on one side is kept.
BodyInfoMergeOutput MergeBodyInfos(const CDatabase::BodyInfoList* base,
                                   const CDatabase::BodyInfoList& mine,
                                   const CDatabase::BodyInfoList& theirs);

struct EventMergeOutput {
    CDatabase::EventList merged;
    ChangeCounts counts;  // days against MINE
    std::vector<Conflict> conflicts;
};

// Events day by day, as the events dialog sees them: a day changed on one
// side takes that side's event; changed differently on both, MINE's (one
// conflict for each run of days where the two sides differ alike). When only
// one side changed the events, or both alike, its list is kept as stored;
// otherwise the days are joined back into periods as the dialog writes them.
EventMergeOutput MergeEvents(CDatabase::EventList* base, CDatabase::EventList mine,
                             CDatabase::EventList theirs);

}  // namespace kadenzo::sync
