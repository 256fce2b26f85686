#include "WebCheckRules.h"

namespace kadenzo {
namespace {

// A stored time in the future reads as never.
std::int64_t Past(std::int64_t stored, std::int64_t now) { return stored > now ? 0 : stored; }

bool DiffersFrom(const std::array<std::int32_t, 4>& server, const ProgramVersion& running) {
    const std::array<unsigned, 4> own{running.major, running.minor, running.release, running.build};
    for (std::size_t i = 0; i < own.size(); ++i) {
        if (server[i] < 0 || static_cast<unsigned>(server[i]) != own[i]) return true;
    }
    return false;
}

}  // namespace

bool IsVersionCheckDue(const WebCheckState& state, std::int64_t now) {
    return Past(state.lastVersionCheck, now) <= now - kVersionCheckInterval;
}

bool IsDownloadDue(const WebCheckState& state, std::int64_t now) {
    return IsVersionCheckDue(state, now) ||
           Past(state.lastInfoCheck, now) <= now - kInfoCheckInterval;
}

WebCheckOutcome DecideWebCheck(const WebCheckState& state, std::int64_t now, const InfoFile& info,
                               const ProgramVersion& running) {
    WebCheckOutcome outcome;
    outcome.state = state;
    outcome.serverVersion = info.version;
    const bool versionDue = IsVersionCheckDue(state, now);
    if (versionDue) outcome.state.lastVersionCheck = now;

    if (versionDue && DiffersFrom(info.version, running)) {
        outcome.action = WebCheckOutcome::Action::OfferDownload;
        return outcome;
    }
    outcome.state.lastInfoCheck = now;
    if (info.infoId > state.lastInfoId && info.pageAddress && IsWebAddress(*info.pageAddress)) {
        outcome.state.lastInfoId = info.infoId;
        outcome.action = WebCheckOutcome::Action::OpenPage;
        outcome.pageAddress = *info.pageAddress;
    }
    return outcome;
}

}  // namespace kadenzo
