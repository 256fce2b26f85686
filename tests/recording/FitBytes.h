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
    std::uint8_t number = 0;
    std::uint8_t size = 1;
    std::uint8_t baseType = 0x02;  // uint8
};

// Base type bytes as files store them.
inline constexpr std::uint8_t kSint8 = 0x01, kUint8 = 0x02, kSint16 = 0x83, kUint16 = 0x84,
                              kUint32 = 0x86, kFloat32 = 0x88, kUint32z = 0x8C, kByte = 0x0D;

class FitWriter {
public:
    // A definition message; developer fields (size each) follow the fields.
    FitWriter& Define(int local, std::uint16_t global, std::vector<FitField> fields,
                      bool bigEndian = false, std::vector<std::uint8_t> developerSizes = {}) {
        records_.push_back(static_cast<char>(0x40 | (developerSizes.empty() ? 0 : 0x20) | local));
        records_.push_back(0);
        records_.push_back(bigEndian ? 1 : 0);
        Put(records_, global, 2, bigEndian);
        records_.push_back(static_cast<char>(fields.size()));
        std::vector<std::uint8_t> sizes;
        for (const FitField& f : fields) {
            records_ += {static_cast<char>(f.number), static_cast<char>(f.size),
                         static_cast<char>(f.baseType)};
            sizes.push_back(f.size);
        }
        if (!developerSizes.empty()) {
            records_.push_back(static_cast<char>(developerSizes.size()));
            for (std::size_t i = 0; i < developerSizes.size(); ++i) {
                records_ += {static_cast<char>(i), static_cast<char>(developerSizes[i]), 0};
                sizes.push_back(developerSizes[i]);
            }
        }
        layouts_[local] = {sizes, bigEndian};
        return *this;
    }
    // A data message: one value per field (developer fields too), each
    // written in the definition's byte order and the field's size.
    FitWriter& Data(int local, const std::vector<std::uint64_t>& values) {
        records_.push_back(static_cast<char>(local));
        return Values(local, values);
    }
    // A data message with a compressed-timestamp header.
    FitWriter& Compressed(int local, int secondsOffset, const std::vector<std::uint64_t>& values) {
        records_.push_back(static_cast<char>(0x80 | (local << 5) | (secondsOffset & 0x1F)));
        return Values(local, values);
    }
    FitWriter& Raw(const std::string& bytes) {
        records_ += bytes;
        return *this;
    }
    // Header (12 bytes, or 14 with its own checksum or 0), records, checksum.
    std::string File(int headerSize = 14, bool headerCrc = true) const {
        std::string out;
        out.push_back(static_cast<char>(headerSize));
        out.push_back(0x20);  // protocol 2.0
        Put(out, 2132, 2, false);
        Put(out, records_.size(), 4, false);
        out += ".FIT";
        if (headerSize == 14) Put(out, headerCrc ? FitCrc(out) : 0, 2, false);
        out += records_;
        Put(out, FitCrc(out), 2, false);
        return out;
    }

private:
    struct Layout {
        std::vector<std::uint8_t> sizes;
        bool bigEndian = false;
    };
    static void Put(std::string& out, std::uint64_t value, int size, bool bigEndian) {
        for (int i = 0; i < size; ++i) {
            int shift = 8 * (bigEndian ? size - 1 - i : i);
            out.push_back(static_cast<char>(shift < 64 ? (value >> shift) & 0xFF : 0));
        }
    }
    FitWriter& Values(int local, const std::vector<std::uint64_t>& values) {
        const Layout& layout = layouts_.at(local);
        for (std::size_t i = 0; i < layout.sizes.size(); ++i)
            Put(records_, i < values.size() ? values[i] : 0, layout.sizes[i], layout.bigEndian);
        return *this;
    }

    std::string records_;
    std::map<int, Layout> layouts_;
};

// FIT seconds of a Unix time.
inline std::uint64_t FitTime(std::int64_t unixSeconds) {
    return static_cast<std::uint64_t>(unixSeconds - kFitEpoch);
}

}  // namespace kadenzo::testing
