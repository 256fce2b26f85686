#pragma once

namespace kadenzo {

// The running program's version, shown in About and compared with the maker's
// information file.
struct ProgramVersion {
    unsigned major;
    unsigned minor;
    unsigned release;
    unsigned build;
};
inline constexpr ProgramVersion kProgramVersion{3, 1, 1, 0};

}  // namespace kadenzo
