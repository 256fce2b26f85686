#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kadenzo {

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Number and line scanning with the C library's rules (strtod, strtol, fgets),
// but on bounded byte ranges and independent of the process locale: recording
// files always use "." as the decimal point, whatever the user's language.

// Result of a scan: the value and the offset just past the number, or the
// offset where scanning began when no number was found (strtod's end pointer).
struct ScannedDouble {
    double value = 0.0;
    std::size_t end = 0;
};
struct ScannedLong {
    std::int64_t value = 0;
    std::size_t end = 0;
};

// strtod in the "C" locale on text from offset `from`: leading white space, a
// sign, decimal or hexadecimal digits with exponent, "inf", "nan". A value out
// of range becomes infinity or zero. An offset beyond the text scans nothing.
ScannedDouble ScanDouble(std::string_view text, std::size_t from = 0);
// strtol with base 10; saturates at the 64-bit limits like strtol at LONG_MAX.
ScannedLong ScanLong(std::string_view text, std::size_t from = 0);

// The text up to its first NUL byte: what C string functions see of a line.
std::string_view UntilNul(std::string_view line);

// Truncation toward zero into 32 bits, saturating at the limits; NaN gives 0.
std::int32_t TruncToInt32(double value);
// The same for a 64-bit integer.
std::int32_t ClampToInt32(std::int64_t value);

// Splits bytes into lines the way fgets with a 256-byte buffer does: a line
// holds at most 255 bytes and includes its '\n'; a longer line comes in pieces.
class LineReader {
public:
    explicit LineReader(std::string_view data) : data_(data) {}
    // The next piece, or false at the end of the data.
    bool Next(std::string_view& line);
    // Next() with the piece thrown away; false at the end of the data.
    bool Skip();
    bool AtEnd() const { return pos_ >= data_.size(); }
    // Offset of the first byte not yet read.
    std::size_t Offset() const { return pos_; }

    static constexpr std::size_t kMaxLine = 255;

private:
    std::string_view data_;
    std::size_t pos_ = 0;
};

}  // namespace kadenzo
