#include "FitDecoder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>

namespace kadenzo {
namespace {

constexpr std::size_t kMinHeaderSize = 12;
constexpr std::size_t kHeaderCrcEnd = 12;  // the header CRC covers the bytes before it
constexpr std::size_t kCrcSize = 2;
constexpr int kMaxProtocolMajor = 2;
constexpr int kLocalTypes = 16;

struct BaseType {
    std::uint8_t size = 0;  // 0: no number (text, unknown types)
    bool isSigned = false;
    bool isFloat = false;
    std::uint64_t invalid = 0;
};

// Indexed by the low five bits of the base type byte.
constexpr std::array<BaseType, 17> kBaseTypes = {{
    {1, false, false, 0xFF},                // enum
    {1, true, false, 0x7F},                 // sint8
    {1, false, false, 0xFF},                // uint8
    {2, true, false, 0x7FFF},               // sint16
    {2, false, false, 0xFFFF},              // uint16
    {4, true, false, 0x7FFFFFFF},           // sint32
    {4, false, false, 0xFFFFFFFF},          // uint32
    {0, false, false, 0},                   // string
    {4, false, true, 0xFFFFFFFF},           // float32
    {8, false, true, 0xFFFFFFFFFFFFFFFF},   // float64
    {1, false, false, 0},                   // uint8z
    {2, false, false, 0},                   // uint16z
    {4, false, false, 0},                   // uint32z
    {1, false, false, 0xFF},                // byte
    {8, true, false, 0x7FFFFFFFFFFFFFFF},   // sint64
    {8, false, false, 0xFFFFFFFFFFFFFFFF},  // uint64
    {8, false, false, 0},                   // uint64z
}};

// CRC-16 tables for eight bytes at a time: kCrcTables[k][b] is the checksum
// of byte b followed by k zero bytes.
using CrcTables = std::array<std::array<std::uint16_t, 256>, 8>;
constexpr CrcTables MakeCrcTables() {
    CrcTables tables{};
    for (unsigned b = 0; b < 256; ++b) {
        unsigned crc = b;
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
        tables[0][b] = static_cast<std::uint16_t>(crc);
    }
    for (std::size_t k = 1; k < tables.size(); ++k)
        for (unsigned b = 0; b < 256; ++b)
            tables[k][b] = static_cast<std::uint16_t>((tables[k - 1][b] >> 8) ^
                                                      tables[0][tables[k - 1][b] & 0xFF]);
    return tables;
}
constexpr CrcTables kCrcTables = MakeCrcTables();

std::uint8_t Byte(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint8_t>(bytes[at]);
}

std::uint64_t Unsigned(std::string_view bytes, std::size_t at, std::size_t size, bool bigEndian) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const std::size_t shift = 8 * (bigEndian ? size - 1 - i : i);
        value |= static_cast<std::uint64_t>(Byte(bytes, at + i)) << shift;
    }
    return value;
}

// A timestamp field's value as FIT seconds; empty for a value no uint32 holds
// (a writer that gave the field another base type).
std::optional<std::uint32_t> FitSeconds(std::optional<double> value) {
    if (!value || *value < 0.0 || *value > 4294967295.0) return std::nullopt;
    return static_cast<std::uint32_t>(*value);
}

std::string At(std::size_t offset) { return "at byte " + std::to_string(offset); }

// Walks the chained files of one byte range.
class FitWalker {
public:
    FitWalker(std::string_view bytes, const std::function<void(const FitMessage&)>& onMessage)
        : bytes_(bytes), onMessage_(onMessage) {}

    FitDecodeResult Run() {
        std::size_t pos = 0;
        do {
            FitDecodeResult result = File(pos, pos == 0);
            if (result.outcome != FitOutcome::kComplete) return result;
        } while (pos < bytes_.size());
        return {};
    }

private:
    // One FIT file from pos; on success pos moves past its checksum.
    FitDecodeResult File(std::size_t& pos, bool first) {
        const std::size_t size = bytes_.size();
        const std::size_t remaining = size - pos;
        const bool signature = remaining >= kMinHeaderSize && Byte(bytes_, pos) >= kMinHeaderSize &&
                               bytes_.substr(pos + 8, 4) == ".FIT";
        if (!signature) {
            if (first) return {FitOutcome::kNotFit, "it does not begin with a FIT file header"};
            return {FitOutcome::kDamaged, "the " + std::to_string(remaining) +
                                              " bytes after the end of the data " + At(pos) +
                                              " are no FIT file"};
        }
        const std::size_t headerSize = Byte(bytes_, pos);
        const int major = Byte(bytes_, pos + 1) >> 4;
        if (major > kMaxProtocolMajor) {
            FitOutcome outcome = first ? FitOutcome::kNotFit : FitOutcome::kDamaged;
            return {outcome, "it uses FIT protocol " + std::to_string(major) + "." +
                                 std::to_string(Byte(bytes_, pos + 1) & 0x0F) +
                                 ", which this program does not read"};
        }
        const std::size_t dataSize = Unsigned(bytes_, pos + 4, 4, false);
        const std::size_t dataStart = pos + headerSize;
        const std::size_t dataEnd = dataStart + dataSize;
        const std::size_t fileEnd = dataEnd + kCrcSize;
        if (headerSize > remaining) return CutShort(fileEnd);
        if (headerSize >= kHeaderCrcEnd + kCrcSize) {
            const auto stored = static_cast<std::uint16_t>(Unsigned(bytes_, pos + 12, 2, false));
            // 0 means the writer did not compute one.
            if (stored != 0 && FitCrc(bytes_.substr(pos, kHeaderCrcEnd)) != stored)
                return {FitOutcome::kDamaged,
                        "the checksum of the header " + At(pos) + " does not match"};
        }
        const bool whole = fileEnd <= size;
        if (whole && FitCrc(bytes_.substr(pos, fileEnd - pos)) != 0)
            return {FitOutcome::kDamaged, "its checksum does not match"};

        FitDecodeResult records = Records(dataStart, std::min(dataEnd, size), dataEnd > size);
        if (records.outcome != FitOutcome::kComplete) {
            if (records.outcome == FitOutcome::kCutShort) return CutShort(fileEnd);
            return records;
        }
        if (!whole) return CutShort(fileEnd);
        pos = fileEnd;
        return {};
    }

    FitDecodeResult CutShort(std::size_t expectedEnd) const {
        return {FitOutcome::kCutShort, "it ends after " + std::to_string(bytes_.size()) + " of " +
                                           std::to_string(expectedEnd) + " bytes"};
    }

    // The messages in [p, limit); truncated says the file ends at limit before
    // its data do, so a message running past it was cut off rather than damaged.
    FitDecodeResult Records(std::size_t p, std::size_t limit, bool truncated) {
        std::array<std::optional<FitDefinition>, kLocalTypes> definitions;
        std::optional<std::uint32_t> lastTime;
        auto overrun = [&](std::size_t at) -> FitDecodeResult {
            if (truncated) return {FitOutcome::kCutShort, {}};
            return {FitOutcome::kDamaged,
                    "the message " + At(at) + " runs past the end of the data"};
        };
        while (p < limit) {
            const std::uint8_t header = Byte(bytes_, p);
            std::optional<std::uint32_t> headerTime;
            int local = 0;
            if (header & 0x80) {
                // Compressed timestamp: five bits of seconds that roll over
                // from the last full timestamp.
                local = (header >> 5) & 0x03;
                const std::uint32_t offset = header & 0x1F;
                if (lastTime) {
                    std::uint32_t time = (*lastTime & ~0x1Fu) + offset;
                    if (offset < (*lastTime & 0x1Fu)) time += 0x20;
                    lastTime = headerTime = time;
                }
            } else if (header & 0x40) {
                const std::size_t at = p;
                FitDefinition definition;
                FitDecodeResult result = Definition(p, limit, header & 0x20, definition);
                if (result.outcome == FitOutcome::kCutShort) return overrun(at);
                if (result.outcome != FitOutcome::kComplete) return result;
                definitions[header & 0x0F] = std::move(definition);
                continue;
            } else {
                local = header & 0x0F;
            }
            const std::optional<FitDefinition>& definition = definitions[local];
            if (!definition)
                return {FitOutcome::kDamaged, "the message " + At(p) + " uses local type " +
                                                  std::to_string(local) +
                                                  ", which no definition introduced"};
            if (definition->size > limit - p - 1) return overrun(p);
            FitMessage message(*definition, bytes_.substr(p + 1, definition->size), headerTime);
            if (message.Timestamp()) lastTime = message.Timestamp();
            onMessage_(message);
            p += 1 + definition->size;
        }
        return {};
    }

    // Reads the definition message at p and moves p past it; kCutShort when
    // it runs past limit.
    FitDecodeResult Definition(std::size_t& p, std::size_t limit, bool developer,
                               FitDefinition& definition) const {
        constexpr std::size_t kFixedPart = 6;  // header, reserved, architecture, global, count
        if (limit - p < kFixedPart) return {FitOutcome::kCutShort, {}};
        const std::uint8_t architecture = Byte(bytes_, p + 2);
        if (architecture > 1)
            return {FitOutcome::kDamaged, "the definition " + At(p) +
                                              " names an unknown byte order (" +
                                              std::to_string(architecture) + ")"};
        definition.bigEndian = architecture == 1;
        definition.global =
            static_cast<std::uint16_t>(Unsigned(bytes_, p + 3, 2, definition.bigEndian));
        const std::size_t count = Byte(bytes_, p + 5);
        std::size_t q = p + kFixedPart;
        if ((limit - q) / 3 < count) return {FitOutcome::kCutShort, {}};
        definition.fields.reserve(count);
        for (std::size_t i = 0; i < count; ++i, q += 3) {
            FitFieldLayout field{Byte(bytes_, q), Byte(bytes_, q + 1), Byte(bytes_, q + 2),
                                 definition.size};
            definition.size += field.size;
            if (definition.slot[field.number] == 0)
                definition.slot[field.number] = static_cast<std::uint8_t>(i + 1);
            definition.fields.push_back(field);
        }
        if (developer) {
            if (q >= limit) return {FitOutcome::kCutShort, {}};
            const std::size_t developerCount = Byte(bytes_, q++);
            if ((limit - q) / 3 < developerCount) return {FitOutcome::kCutShort, {}};
            for (std::size_t i = 0; i < developerCount; ++i, q += 3)
                definition.size += Byte(bytes_, q + 1);
        }
        p = q;
        return {};
    }

    std::string_view bytes_;
    const std::function<void(const FitMessage&)>& onMessage_;
};

}  // namespace

FitMessage::FitMessage(const FitDefinition& definition, std::string_view content,
                       std::optional<std::uint32_t> headerTime)
    : definition_(definition), content_(content) {
    time_ = FitSeconds(Value(kFitTimestampField));
    if (!time_) time_ = headerTime;
}

const FitFieldLayout* FitMessage::Find(std::uint8_t field) const {
    const std::uint8_t slot = definition_.slot[field];
    return slot == 0 ? nullptr : &definition_.fields[slot - 1];
}

bool FitMessage::Read(std::uint8_t field, double& value) const {
    const FitFieldLayout* layout = Find(field);
    if (!layout) return false;
    const std::size_t index = layout->baseType & 0x1F;
    if (index >= kBaseTypes.size()) return false;
    const BaseType& type = kBaseTypes[index];
    // Sizes are powers of two: the mask tests for whole elements without a division.
    if (type.size == 0 || layout->size < type.size || (layout->size & (type.size - 1)) != 0)
        return false;
    const bool bigEndian = definition_.bigEndian && type.size > 1;
    const std::uint64_t raw = Unsigned(content_, layout->offset, type.size, bigEndian);
    if (raw == type.invalid) return false;
    if (type.isFloat) {
        value = type.size == 4
                    ? static_cast<double>(std::bit_cast<float>(static_cast<std::uint32_t>(raw)))
                    : std::bit_cast<double>(raw);
        return std::isfinite(value);
    }
    if (type.isSigned) {
        const unsigned shift = 64 - 8 * type.size;
        value = static_cast<double>(static_cast<std::int64_t>(raw << shift) >> shift);
    } else {
        value = static_cast<double>(raw);
    }
    return true;
}

std::string_view FitMessage::Bytes(std::uint8_t field) const {
    const FitFieldLayout* layout = Find(field);
    if (!layout) return {};
    return content_.substr(layout->offset, layout->size);
}

FitDecodeResult DecodeFit(std::string_view bytes,
                          const std::function<void(const FitMessage&)>& onMessage) {
    return FitWalker(bytes, onMessage).Run();
}

std::uint16_t FitCrc(std::string_view bytes, std::uint16_t crc) {
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        std::uint64_t word = Unsigned(bytes, i, 8, false) ^ crc;
        std::uint16_t next = 0;
        for (int k = 7; k >= 0; --k, word >>= 8) next ^= kCrcTables[k][word & 0xFF];
        crc = next;
    }
    for (; i < bytes.size(); ++i)
        crc = static_cast<std::uint16_t>((crc >> 8) ^ kCrcTables[0][(crc ^ Byte(bytes, i)) & 0xFF]);
    return crc;
}

}  // namespace kadenzo
