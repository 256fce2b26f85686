#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>

#include "Library.h"

namespace kadenzo::tool {

// Objects keep their keys in the documented order.
using Json = nlohmann::ordered_json;

// The `library` object: strings as UTF-8, ids and counters as unsigned values.
Json LibraryToJson(const CLibrary& library);
// Builds a library from a `library` object, taking ids, counters and computer
// name as given. Throws std::runtime_error naming the offending field.
std::unique_ptr<CLibrary> LibraryFromJson(const Json& json);

// Field helpers shared by the JSON readers and writers. `where` names the
// enclosing object for error messages ("library.sports[2]").
// A double as the shortest number that reads back to it; null when not finite.
Json JsonNumber(double value);
const Json& JsonField(const Json& object, const char* key, const std::string& where);
std::uint32_t JsonUnsigned(const Json& object, const char* key, const std::string& where);
std::int32_t JsonSigned(const Json& object, const char* key, const std::string& where);
std::uint8_t JsonByte(const Json& object, const char* key, const std::string& where);
// A number, or null for a value that is not finite (read back as NaN).
double JsonDouble(const Json& object, const char* key, const std::string& where);
// A UTF-8 string converted to Windows-1252.
std::string JsonString(const Json& object, const char* key, const std::string& where);
const Json& JsonArray(const Json& object, const char* key, const std::string& where);

}  // namespace kadenzo::tool
