#pragma once

#include <cstdint>

#include "Archive.h"
#include "DateTime.h"

namespace kadenzo {

class CLibrary;

// A calendar period such as an illness or a business trip. Its kind is the id
// of a library event kind or one of the built-in kinds -6 ... -1.
class CEvent : public CSerializable {
public:
    static constexpr int kSchema = 0;
    static constexpr std::int32_t kFirstBuiltInKind = -6;
    static constexpr std::uint32_t kBuiltInColour = 0xD2FAFA;  // light yellow, 0x00BBGGRR

    const char* ClassName() const override { return "CEvent"; }
    int Schema() const override { return kSchema; }
    void Serialize(CArchive& ar) override;

    bool IsEqual(const CEvent& other) const;
    bool IsDifferent(const CEvent& other) const { return !IsEqual(other); }
    bool IsBuiltInKind() const;

    // Built-in kinds are always valid; a library kind only while the library has it.
    bool Validate(const CLibrary* library) const;

    CalendarDateTime start;
    CalendarDateTime end;
    std::uint32_t blocksDay = 0;  // the diary crosses the covered days out
    std::int32_t kind = -5;
};

}  // namespace kadenzo
