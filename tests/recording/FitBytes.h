#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "FitDecoder.h"

// Writes FIT files message by message, so that each test holds exactly the
// bytes it is about.
namespace kadenzo::testing {

struct FitField {
    std::uint8_t number = 0, size = 1, baseType = 0x02;
};
inline constexpr std::uint8_t kSint8 = 0x01, kUint8 = 0x02, kSint16 = 0x83, kUint16 = 0x84,
                              kUint32 = 0x86, kFloat32 = 0x88, kUint32z = 0x8C, kByte = 0x0D;

inline void PutFit(std::string& out, std::uint64_t value, int size, bool bigEndian = false) {
    for (int i = 0; i < size; ++i)
        out.push_back(static_cast<char>(value >> (8 * (bigEndian ? size - 1 - i : i))));
}

class FitWriter {
public:
    // Developer fields (their sizes) follow the fields.
    FitWriter& Define(int local, std::uint16_t global, std::vector<FitField> fields,
                      bool bigEndian = false, std::vector<std::uint8_t> developer = {}) {
        records_ += {static_cast<char>(0x40 | (developer.empty() ? 0 : 0x20) | local), 0,
                     bigEndian ? '\1' : '\0'};
        PutFit(records_, global, 2, bigEndian);
        records_.push_back(static_cast<char>(fields.size()));
        Layout& layout = layouts_[local] = {{}, bigEndian};
        for (const FitField& f : fields) {
            records_ += {static_cast<char>(f.number), static_cast<char>(f.size),
                         static_cast<char>(f.baseType)};
            layout.sizes.push_back(f.size);
        }
        if (!developer.empty()) records_.push_back(static_cast<char>(developer.size()));
        for (std::uint8_t size : developer) {
            records_ += {'\0', static_cast<char>(size), '\0'};
            layout.sizes.push_back(size);
        }
        return *this;
    }
    // One value per field, in the definition's byte order and the field's size.
    FitWriter& Data(int local, const std::vector<std::uint64_t>& values) {
        return Message(static_cast<char>(local), local, values);
    }
    FitWriter& Compressed(int local, int seconds, const std::vector<std::uint64_t>& values) {
        return Message(static_cast<char>(0x80 | (local << 5) | (seconds & 0x1F)), local, values);
    }
    FitWriter& Raw(const std::string& bytes) {
        records_ += bytes;
        return *this;
    }
    // Header of 12 bytes, or 14 with its own checksum (or 0), records, checksum.
    std::string File(int headerSize = 14, bool headerCrc = true) const {
        std::string out = {static_cast<char>(headerSize), 0x20};
        PutFit(out, 2132, 2);
        PutFit(out, records_.size(), 4);
        out += ".FIT";
        if (headerSize == 14) PutFit(out, headerCrc ? FitCrc(out) : 0, 2);
        out += records_;
        PutFit(out, FitCrc(out), 2);
        return out;
    }

private:
    struct Layout {
        std::vector<std::uint8_t> sizes;
        bool bigEndian = false;
    };
    FitWriter& Message(char header, int local, const std::vector<std::uint64_t>& values) {
        records_.push_back(header);
        const Layout& layout = layouts_.at(local);
        for (std::size_t i = 0; i < layout.sizes.size(); ++i)
            PutFit(records_, i < values.size() ? values[i] : 0, layout.sizes[i], layout.bigEndian);
        return *this;
    }

    std::string records_;
    std::map<int, Layout> layouts_;
};

inline std::uint64_t FitTime(std::int64_t unixSeconds) {
    return static_cast<std::uint64_t>(unixSeconds - kFitEpoch);
}

}  // namespace kadenzo::testing
