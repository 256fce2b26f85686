#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kadenzo {

// The maker's information file, "/kadenzo/info.txt". Without spaces, line
// feeds and tabs it reads
//     major.minor.release.build.id;address;
// where each version number is followed by exactly one separator of any kind
// (a carriage return of a Windows line end serves as well). Everything after
// the second ';' is ignored.
struct InfoFile {
    // The newest released version, as 32-bit numbers like the older program read them.
    std::array<std::int32_t, 4> version{};
    // The information page's number; 0 when the file names none.
    std::uint32_t infoId = 0;
    // The text between the ';' after the number and the next ';'. Empty when
    // either ';' is missing, so an entry cut short opens nothing.
    std::optional<std::string> pageAddress;
};

// Reads an information file. Nothing when the text ends, or a version number
// is missing, before the four version numbers are read: a file cut short or
// an error page from the server must not look like version 0.0.0.0.
std::optional<InfoFile> ParseInfoFile(std::string_view text);

// Whether address is an http or https address with a host and nothing a
// browser could take for a second argument (no spaces or control characters).
// Only such addresses from the information file are opened.
bool IsWebAddress(std::string_view address);

}  // namespace kadenzo
