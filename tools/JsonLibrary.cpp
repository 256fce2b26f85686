#include "JsonLibrary.h"

#include <cmath>
#include <limits>
#include <stdexcept>

#include "Cp1252.h"
#include "JsonFields.h"

namespace kadenzo::tool {
namespace {

[[noreturn]] void Bad(const std::string& where, const char* key, const std::string& problem) {
    throw std::runtime_error("bad JSON: " + where + "." + key + " " + problem);
}

std::int64_t JsonInteger(const Json& object, const char* key, const std::string& where,
                         std::int64_t low, std::int64_t high) {
    const Json& value = JsonField(object, key, where);
    std::int64_t n = 0;
    if (value.is_number_unsigned()) {
        auto u = value.get<std::uint64_t>();
        if (u > static_cast<std::uint64_t>(high)) Bad(where, key, "is out of range");
        n = static_cast<std::int64_t>(u);
    } else if (value.is_number_integer()) {
        n = value.get<std::int64_t>();
    } else {
        Bad(where, key, "must be an integer");
    }
    if (n < low || n > high) Bad(where, key, "is out of range");
    return n;
}

constexpr JsonFieldOf<CLibCategory> kCategoryFields[] = {
    {"id", &CLibCategory::id}, {"name", &CLibCategory::name}, {"colour", &CLibCategory::colour}};
constexpr JsonFieldOf<CLibIntensity> kIntensityFields[] = {
    {"id", &CLibIntensity::id}, {"name", &CLibIntensity::name}, {"level", &CLibIntensity::level}};
constexpr JsonFieldOf<CLibSport> kSportFields[] = {
    {"id", &CLibSport::id},
    {"name", &CLibSport::name},
    {"iconId", &CLibSport::iconId},
    {"hasDistance", &CLibSport::hasDistance},
    {"active", &CLibSport::active},
};
constexpr JsonFieldOf<CLibSubSport> kSubSportFields[] = {
    {"id", &CLibSubSport::id}, {"name", &CLibSubSport::name}, {"sportId", &CLibSubSport::sportId}};
constexpr JsonFieldOf<CLibTrack> kTrackFields[] = {
    {"id", &CLibTrack::id},
    {"name", &CLibTrack::name},
    {"distance", &CLibTrack::distance},
    {"climb", &CLibTrack::climb},
    {"sportId", &CLibTrack::sportId},
};
constexpr JsonFieldOf<CLibWorkout> kTemplateFields[] = {
    {"id", &CLibWorkout::id},
    {"name", &CLibWorkout::name},
    {"categoryId", &CLibWorkout::categoryId},
    {"sportId", &CLibWorkout::sportId},
    {"comment", &CLibWorkout::comment},
    {"pulseLow", &CLibWorkout::pulseLow},
    {"pulseHigh", &CLibWorkout::pulseHigh},
    {"pulseRelative", &CLibWorkout::pulseRelative},
};
constexpr JsonFieldOf<CLibEvent> kEventKindFields[] = {
    {"id", &CLibEvent::id}, {"name", &CLibEvent::name}, {"colour", &CLibEvent::colour}};

template <class T, std::size_t N>
Json ListToJson(const CLibItemList<T>& list, const JsonFieldOf<T> (&fields)[N]) {
    Json array = Json::array();
    for (const auto& item : list) array.push_back(FieldsToJson(*item, fields));
    return array;
}

template <class T, std::size_t N>
void ListFromJson(const Json& library, const char* key, const JsonFieldOf<T> (&fields)[N],
                  CLibItemList<T>& list) {
    const Json& array = JsonArray(library, key, "library");
    for (std::size_t i = 0; i < array.size(); ++i) {
        auto item = std::make_unique<T>();
        FieldsFromJson(array[i], std::string("library.") + key + "[" + std::to_string(i) + "]",
                       fields, *item);
        list.Add(std::move(item));
    }
}

constexpr const char* kListKeys[] = {"categories", "intensities",      "sports",    "subSports",
                                     "tracks",     "workoutTemplates", "eventKinds"};

}  // namespace

Json JsonNumber(double value) {
    // nlohmann writes doubles in the shortest form that reads back exactly.
    if (!std::isfinite(value)) return nullptr;
    return value;
}

const Json& JsonField(const Json& object, const char* key, const std::string& where) {
    if (!object.is_object()) throw std::runtime_error("bad JSON: " + where + " must be an object");
    auto it = object.find(key);
    if (it == object.end()) Bad(where, key, "is missing");
    return *it;
}

std::uint32_t JsonUnsigned(const Json& object, const char* key, const std::string& where) {
    return static_cast<std::uint32_t>(
        JsonInteger(object, key, where, 0, std::numeric_limits<std::uint32_t>::max()));
}

std::int32_t JsonSigned(const Json& object, const char* key, const std::string& where) {
    return static_cast<std::int32_t>(JsonInteger(object, key, where,
                                                 std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
}

std::uint8_t JsonByte(const Json& object, const char* key, const std::string& where) {
    return static_cast<std::uint8_t>(JsonInteger(object, key, where, 0, 255));
}

double JsonDouble(const Json& object, const char* key, const std::string& where) {
    const Json& value = JsonField(object, key, where);
    if (value.is_null()) return std::numeric_limits<double>::quiet_NaN();
    if (!value.is_number()) Bad(where, key, "must be a number or null");
    return value.get<double>();
}

std::string JsonString(const Json& object, const char* key, const std::string& where) {
    const Json& value = JsonField(object, key, where);
    if (!value.is_string()) Bad(where, key, "must be a string");
    return Utf8ToCp1252(value.get<std::string>());
}

const Json& JsonArray(const Json& object, const char* key, const std::string& where) {
    const Json& value = JsonField(object, key, where);
    if (!value.is_array()) Bad(where, key, "must be an array");
    return value;
}

Json LibraryToJson(const CLibrary& library) {
    Json j;
    j["computerName"] = Cp1252ToUtf8(library.computerName);
    j["categories"] = ListToJson(library.categories, kCategoryFields);
    j["intensities"] = ListToJson(library.intensities, kIntensityFields);
    j["sports"] = ListToJson(library.sports, kSportFields);
    j["subSports"] = ListToJson(library.subSports, kSubSportFields);
    j["tracks"] = ListToJson(library.tracks, kTrackFields);
    j["workoutTemplates"] = ListToJson(library.workoutTemplates, kTemplateFields);
    j["eventKinds"] = ListToJson(library.eventKinds, kEventKindFields);
    const std::uint32_t counters[] = {
        library.categories.idCounter, library.intensities.idCounter,
        library.sports.idCounter,     library.subSports.idCounter,
        library.tracks.idCounter,     library.workoutTemplates.idCounter,
        library.eventKinds.idCounter};
    Json ids;
    for (std::size_t i = 0; i < std::size(kListKeys); ++i) ids[kListKeys[i]] = counters[i];
    j["idCounters"] = ids;
    return j;
}

std::unique_ptr<CLibrary> LibraryFromJson(const Json& json) {
    if (!json.is_object()) throw std::runtime_error("bad JSON: the library must be an object");
    auto library = std::make_unique<CLibrary>();
    library->computerName = JsonString(json, "computerName", "library");
    ListFromJson(json, "categories", kCategoryFields, library->categories);
    ListFromJson(json, "intensities", kIntensityFields, library->intensities);
    ListFromJson(json, "sports", kSportFields, library->sports);
    ListFromJson(json, "subSports", kSubSportFields, library->subSports);
    ListFromJson(json, "tracks", kTrackFields, library->tracks);
    ListFromJson(json, "workoutTemplates", kTemplateFields, library->workoutTemplates);
    ListFromJson(json, "eventKinds", kEventKindFields, library->eventKinds);
    const Json& ids = JsonField(json, "idCounters", "library");
    std::uint32_t* counters[] = {
        &library->categories.idCounter, &library->intensities.idCounter,
        &library->sports.idCounter,     &library->subSports.idCounter,
        &library->tracks.idCounter,     &library->workoutTemplates.idCounter,
        &library->eventKinds.idCounter};
    for (std::size_t i = 0; i < std::size(kListKeys); ++i)
        *counters[i] = JsonUnsigned(ids, kListKeys[i], "library.idCounters");
    return library;
}

}  // namespace kadenzo::tool
