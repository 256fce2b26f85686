#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kadenzo {

// Garmin's FIT protocol: a header, a run of definition and data messages, and
// a CRC-16; several such files may follow one another in one file.

// Seconds from 1970-01-01 to the FIT epoch, 1989-12-31 00:00 UTC.
inline constexpr std::int64_t kFitEpoch = 631065600;

// Global message numbers and the field every timed message shares.
inline constexpr std::uint16_t kFitFileIdMessage = 0;
inline constexpr std::uint16_t kFitSport = 12;
inline constexpr std::uint16_t kFitSession = 18;
inline constexpr std::uint16_t kFitLap = 19;
inline constexpr std::uint16_t kFitRecord = 20;
inline constexpr std::uint16_t kFitActivity = 34;
inline constexpr std::uint8_t kFitTimestampField = 253;

// Where one field lies in the data messages of a local message type.
struct FitFieldLayout {
    std::uint8_t number = 0;
    std::uint8_t size = 0;      // bytes
    std::uint8_t baseType = 0;  // the base type byte as stored
    std::uint32_t offset = 0;   // from the first byte after the record header
};

// What a definition message says about the data messages of its local type.
// Developer fields are not listed: only their bytes are counted, to skip them.
struct FitDefinition {
    std::uint16_t global = 0;
    bool bigEndian = false;
    std::vector<FitFieldLayout> fields;
    std::uint32_t size = 0;  // bytes after the record header, developer fields included
    // 1 + the index in fields of each field number's first layout; 0 when absent.
    std::array<std::uint8_t, 256> slot{};
};

// One data message; valid only during the call that hands it over.
class FitMessage {
public:
    // headerTime: the time a compressed-timestamp header gave the message.
    FitMessage(const FitDefinition& definition, std::string_view content,
               std::optional<std::uint32_t> headerTime);

    std::uint16_t Global() const { return definition_.global; }
    // The field's value as stored (no scale or offset applied); the first
    // element of an array. Empty when the message lacks the field, the field
    // is text or too short for its base type, or it holds that type's
    // "invalid" value.
    std::optional<double> Value(std::uint8_t field) const {
        double value = 0.0;
        if (!Read(field, value)) return std::nullopt;
        return value;
    }
    // The field's bytes as stored; empty when the message lacks it.
    std::string_view Bytes(std::uint8_t field) const;
    // FIT seconds: the timestamp field, else the time a compressed-timestamp
    // header gave the message; empty when it has neither.
    std::optional<std::uint32_t> Timestamp() const { return time_; }
    // Bytes of the message after its record header.
    std::size_t Size() const { return content_.size(); }

private:
    const FitFieldLayout* Find(std::uint8_t field) const;
    // Value() without the optional, which compilers return through memory.
    bool Read(std::uint8_t field, double& value) const;

    const FitDefinition& definition_;
    std::string_view content_;
    std::optional<std::uint32_t> time_;
};

enum class FitOutcome {
    kComplete,
    kCutShort,  // every message up to the end of the bytes was handed over
    kDamaged,   // stopped at a fault; messages before it may have been handed over
    kNotFit,    // no FIT header at the start: nothing handed over
};

struct FitDecodeResult {
    FitOutcome outcome = FitOutcome::kComplete;
    std::string detail;  // what was wrong, "" when complete
};

// Hands every data message of every FIT file chained in bytes to onMessage, in
// file order. A file whose checksum does not match is refused before any of
// its messages is handed over; a file cut short hands over the messages that
// are complete.
FitDecodeResult DecodeFit(std::string_view bytes,
                          const std::function<void(const FitMessage&)>& onMessage);

// The FIT CRC-16 of bytes, continuing from crc. Over a whole file including
// its stored checksum it gives 0.
std::uint16_t FitCrc(std::string_view bytes, std::uint16_t crc = 0);

}  // namespace kadenzo
