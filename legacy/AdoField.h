#pragma once

#include <cstdint>
#include <string>

namespace kadenzo {

// The value kinds a column of the old database can deliver, after the types of
// the original data access objects: yes/no, byte and 16-bit integers are kept
// apart because the readers below treat them differently.
enum class FieldKind {
    Null,
    Bit,
    Byte,
    Int16,
    Int32,
    Int64,
    Single,
    Double,
    Decimal,
    Date,
    Text,
    Other,  // binary and anything else without a conversion
};

struct FieldDate {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// One column of the current row. Integer kinds hold their value in `integer`,
// Single, Double and Decimal in `real`, Text in `text` (Windows-1252 bytes).
struct CADOField {
    FieldKind kind = FieldKind::Null;
    std::int64_t integer = 0;
    double real = 0;
    std::string text;
    FieldDate date;
};

// Outcome of reading a field as a given kind. Mismatch is the documented
// "no such value" answer (0 or "" with false); Failed is an error the caller
// has to treat as a failing read.
enum class FieldRead { Ok, Mismatch, Failed };

inline constexpr const char* kDefaultDateFormat = "%Y-%m-%d %H:%M:%S";

// The field as text: integers in decimal, single and double values with 10 and
// 20 significant digits, dates with `dateFormat`, text unchanged.
FieldRead FieldAsText(const CADOField& field, std::string& out,
                      const char* dateFormat = kDefaultDateFormat);
// Yes/no, byte and 16-bit integer fields sign-extended from 16 bits.
FieldRead FieldAsInt16(const CADOField& field, std::int32_t& out);
// Any numeric, date or numeric-text field as a 32-bit value; values beyond
// the signed range up to 0xFFFFFFFF keep their low 32 bits (unsigned ids).
FieldRead FieldAsInt32(const CADOField& field, std::int32_t& out);
// Any numeric, date or numeric-text field as a double.
FieldRead FieldAsDouble(const CADOField& field, double& out);

// Days since 30 December 1899 with the time as the fraction.
double DateToOleDate(const FieldDate& date);

}  // namespace kadenzo
