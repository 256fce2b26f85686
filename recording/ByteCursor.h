#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kadenzo {

// Reads little-endian values from a byte range. Bytes beyond the end read as
// zero, so a value cut short by the end of a file keeps zeros for its missing
// bytes; the position never passes the end.
class ByteCursor {
public:
    explicit ByteCursor(std::string_view data, std::size_t pos = 0)
        : data_(data), pos_(pos < data.size() ? pos : data.size()) {}

    bool AtEnd() const { return pos_ >= data_.size(); }
    std::size_t Offset() const { return pos_; }
    std::size_t Remaining() const { return data_.size() - pos_; }

    std::uint8_t U8() { return static_cast<std::uint8_t>(Bits(1)); }
    std::uint16_t U16() { return static_cast<std::uint16_t>(Bits(2)); }
    std::uint32_t U32() { return static_cast<std::uint32_t>(Bits(4)); }
    std::int8_t I8() { return static_cast<std::int8_t>(U8()); }
    std::int16_t I16() { return static_cast<std::int16_t>(U16()); }
    std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
    float F32() { return std::bit_cast<float>(U32()); }

    // An unsigned 16-bit length and that many bytes; a string cut short by the
    // end of the data keeps the bytes that are there.
    std::string Counted() {
        std::size_t length = U16();
        std::size_t available = length < Remaining() ? length : Remaining();
        std::string text(data_.substr(pos_, available));
        pos_ += available;
        return text;
    }

    void Skip(std::size_t count) { pos_ += count < Remaining() ? count : Remaining(); }

private:
    std::uint64_t Bits(std::size_t size) {
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < size && pos_ < data_.size(); ++i, ++pos_)
            value |= static_cast<std::uint64_t>(static_cast<unsigned char>(data_[pos_])) << (8 * i);
        return value;
    }

    std::string_view data_;
    std::size_t pos_;
};

}  // namespace kadenzo
