#pragma once

#include <cstdint>
#include <string>

#include "Archive.h"
#include "DateTime.h"

namespace kadenzo {

// The body data of one calendar day: weight (kilograms) and two further
// measurements with a note.
class CBodyInfo : public CSerializable {
public:
    static constexpr int kSchema = 1;

    CBodyInfo() = default;
    explicit CBodyInfo(const CalendarDateTime& day) : date(day) {}

    const char* ClassName() const override { return "CBodyInfo"; }
    int Schema() const override { return kSchema; }
    // Schema 0 and raw records hold value2 and weight as 4-byte floats.
    void Serialize(CArchive& ar) override;

    bool IsEqual(const CBodyInfo& other) const;
    // No measurement and no note: the log removes such a record instead of storing it.
    bool IsEmpty() const;

    CalendarDateTime date;
    std::string note;
    double weight = 0;
    double value2 = 0;  // shown without unit conversion
    std::int32_t value3 = 0;
};

}  // namespace kadenzo
