#pragma once

#include <cstdint>

namespace kadenzo {

// Numbered progress texts of the web download, shown on the splash window.
namespace webtext {
inline constexpr std::uint32_t kConnecting = 34700;  // %s: host and port
inline constexpr std::uint32_t kRequestSent = 34701;
inline constexpr std::uint32_t kResponseReceived = 34702;
inline constexpr std::uint32_t kBytesRead = 34703;      // %d: bytes so far
inline constexpr std::uint32_t kBytesReadRate = 34704;  // %d: bytes, %0.1f: KiB per second
inline constexpr std::uint32_t kRequestComplete = 34705;
}  // namespace webtext

}  // namespace kadenzo
