#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "Cp1252.h"
#include "DateTime.h"
#include "JsonLibrary.h"

namespace kadenzo::tool {

// One stored field of a record under its JSON name. A record's fields are
// listed once, in the order its JSON shows them, and the one list both writes
// and reads the record, so the two directions cannot drift apart.
template <class R>
struct JsonFieldOf {
    const char* name;
    std::variant<double R::*, float R::*, std::string R::*, std::uint32_t R::*, std::int32_t R::*,
                 std::uint8_t R::*, CalendarDateTime R::*>
        member;
};

namespace json_field {

inline Json Write(double value) { return JsonNumber(value); }
inline Json Write(float value) { return JsonNumber(value); }
inline Json Write(const std::string& value) { return Cp1252ToUtf8(value); }
inline Json Write(std::uint32_t value) { return value; }
inline Json Write(std::int32_t value) { return value; }
inline Json Write(std::uint8_t value) { return value; }
inline Json Write(const CalendarDateTime& date) {
    Json j;
    j["status"] = date.status;
    j["value"] = JsonNumber(date.value);
    return j;
}

inline void Read(const Json& in, const char* key, const std::string& where, double& out) {
    out = JsonDouble(in, key, where);
}
inline void Read(const Json& in, const char* key, const std::string& where, float& out) {
    out = static_cast<float>(JsonDouble(in, key, where));
}
inline void Read(const Json& in, const char* key, const std::string& where, std::string& out) {
    out = JsonString(in, key, where);
}
inline void Read(const Json& in, const char* key, const std::string& where, std::uint32_t& out) {
    out = JsonUnsigned(in, key, where);
}
inline void Read(const Json& in, const char* key, const std::string& where, std::int32_t& out) {
    out = JsonSigned(in, key, where);
}
inline void Read(const Json& in, const char* key, const std::string& where, std::uint8_t& out) {
    out = JsonByte(in, key, where);
}
inline void Read(const Json& in, const char* key, const std::string& where,
                 CalendarDateTime& out) {
    const Json& date = JsonField(in, key, where);
    const std::string inner = where + "." + key;
    out = CalendarDateTime{JsonSigned(date, "status", inner), JsonDouble(date, "value", inner)};
}

}  // namespace json_field

template <class R, std::size_t N>
Json FieldsToJson(const R& record, const JsonFieldOf<R> (&fields)[N]) {
    Json j;
    for (const JsonFieldOf<R>& field : fields)
        std::visit([&](auto member) { j[field.name] = json_field::Write(record.*member); },
                   field.member);
    return j;
}

// Throws std::runtime_error naming the field (`where` names the record).
template <class R, std::size_t N>
void FieldsFromJson(const Json& in, const std::string& where, const JsonFieldOf<R> (&fields)[N],
                    R& record) {
    if (!in.is_object()) throw std::runtime_error("bad JSON: " + where + " must be an object");
    for (const JsonFieldOf<R>& field : fields)
        std::visit([&](auto member) { json_field::Read(in, field.name, where, record.*member); },
                   field.member);
}

}  // namespace kadenzo::tool
