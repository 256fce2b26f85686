#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "InfoFile.h"
#include "ProgramVersion.h"

namespace kadenzo {

// When the information file is fetched and what follows from it. Times are
// seconds since 1970; the three values are the "WebCheck" settings.
struct WebCheckState {
    std::int64_t lastVersionCheck = 0;  // "LastVersionCheck"
    std::int64_t lastInfoCheck = 0;     // "LastInfoCheck"
    std::uint32_t lastInfoId = 0;       // "LastInfoID": last information page opened
};

inline constexpr std::int64_t kVersionCheckInterval = 30 * 24 * 3600;
inline constexpr std::int64_t kInfoCheckInterval = 7 * 24 * 3600;

// The version is compared at most every 30 days. A time after now (the clock
// was set back) counts as never, so a wrong clock cannot stop the check for years.
bool IsVersionCheckDue(const WebCheckState& state, std::int64_t now);
// The file is fetched when the version is due or the last look at the
// information entry is a week old.
bool IsDownloadDue(const WebCheckState& state, std::int64_t now);

struct WebCheckOutcome {
    enum class Action {
        None,
        OfferDownload,  // ask whether to open the download page
        OpenPage,       // open pageAddress in the browser
    };
    Action action = Action::None;
    WebCheckState state;  // the settings to store
    std::array<std::int32_t, 4> serverVersion{};
    std::string pageAddress;
};

// What a fetched information file leads to. A different version, when due,
// offers the download and leaves the information entry for the next start;
// otherwise a page numbered above the last one opened is opened once, and
// only when its address is a web address.
WebCheckOutcome DecideWebCheck(const WebCheckState& state, std::int64_t now, const InfoFile& info,
                               const ProgramVersion& running);

}  // namespace kadenzo
