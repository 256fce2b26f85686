#include "JsonLibrary.h"

#include <cmath>
#include <limits>
#include <stdexcept>

#include "Cp1252.h"

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

void BaseToJson(const CLibraryBaseItem& item, Json& out) {
    out["id"] = item.id;
    out["name"] = Cp1252ToUtf8(item.name);
}

void BaseFromJson(const Json& in, const std::string& where, CLibraryBaseItem& item) {
    item.id = JsonUnsigned(in, "id", where);
    item.name = JsonString(in, "name", where);
}

Json ItemToJson(const CLibCategory& c) {
    Json j;
    BaseToJson(c, j);
    j["colour"] = c.colour;
    return j;
}
Json ItemToJson(const CLibIntensity& i) {
    Json j;
    BaseToJson(i, j);
    j["level"] = i.level;
    return j;
}
Json ItemToJson(const CLibSport& s) {
    Json j;
    BaseToJson(s, j);
    j["iconId"] = s.iconId;
    j["hasDistance"] = s.hasDistance;
    j["active"] = s.active;
    return j;
}
Json ItemToJson(const CLibSubSport& s) {
    Json j;
    BaseToJson(s, j);
    j["sportId"] = s.sportId;
    return j;
}
Json ItemToJson(const CLibTrack& t) {
    Json j;
    BaseToJson(t, j);
    j["distance"] = JsonNumber(t.distance);
    j["climb"] = JsonNumber(t.climb);
    j["sportId"] = t.sportId;
    return j;
}
Json ItemToJson(const CLibWorkout& w) {
    Json j;
    BaseToJson(w, j);
    j["categoryId"] = w.categoryId;
    j["sportId"] = w.sportId;
    j["comment"] = Cp1252ToUtf8(w.comment);
    j["pulseLow"] = w.pulseLow;
    j["pulseHigh"] = w.pulseHigh;
    j["pulseRelative"] = w.pulseRelative;
    return j;
}
Json ItemToJson(const CLibEvent& e) {
    Json j;
    BaseToJson(e, j);
    j["colour"] = e.colour;
    return j;
}

void ItemFromJson(const Json& in, const std::string& where, CLibCategory& c) {
    c.colour = JsonUnsigned(in, "colour", where);
}
void ItemFromJson(const Json& in, const std::string& where, CLibIntensity& i) {
    i.level = JsonSigned(in, "level", where);
}
void ItemFromJson(const Json& in, const std::string& where, CLibSport& s) {
    s.iconId = JsonUnsigned(in, "iconId", where);
    s.hasDistance = JsonUnsigned(in, "hasDistance", where);
    s.active = JsonUnsigned(in, "active", where);
}
void ItemFromJson(const Json& in, const std::string& where, CLibSubSport& s) {
    s.sportId = JsonUnsigned(in, "sportId", where);
}
void ItemFromJson(const Json& in, const std::string& where, CLibTrack& t) {
    t.distance = static_cast<float>(JsonDouble(in, "distance", where));
    t.climb = static_cast<float>(JsonDouble(in, "climb", where));
    t.sportId = JsonUnsigned(in, "sportId", where);
}
void ItemFromJson(const Json& in, const std::string& where, CLibWorkout& w) {
    w.categoryId = JsonUnsigned(in, "categoryId", where);
    w.sportId = JsonUnsigned(in, "sportId", where);
    w.comment = JsonString(in, "comment", where);
    w.pulseLow = JsonUnsigned(in, "pulseLow", where);
    w.pulseHigh = JsonUnsigned(in, "pulseHigh", where);
    w.pulseRelative = JsonUnsigned(in, "pulseRelative", where);
}
void ItemFromJson(const Json& in, const std::string& where, CLibEvent& e) {
    e.colour = JsonUnsigned(in, "colour", where);
}

template <class T>
Json ListToJson(const CLibItemList<T>& list) {
    Json array = Json::array();
    for (const auto& item : list) array.push_back(ItemToJson(*item));
    return array;
}

template <class T>
void ListFromJson(const Json& library, const char* key, CLibItemList<T>& list) {
    const Json& array = JsonArray(library, key, "library");
    for (std::size_t i = 0; i < array.size(); ++i) {
        std::string where = std::string("library.") + key + "[" + std::to_string(i) + "]";
        if (!array[i].is_object())
            throw std::runtime_error("bad JSON: " + where + " must be an object");
        auto item = std::make_unique<T>();
        BaseFromJson(array[i], where, *item);
        ItemFromJson(array[i], where, *item);
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
    j["categories"] = ListToJson(library.categories);
    j["intensities"] = ListToJson(library.intensities);
    j["sports"] = ListToJson(library.sports);
    j["subSports"] = ListToJson(library.subSports);
    j["tracks"] = ListToJson(library.tracks);
    j["workoutTemplates"] = ListToJson(library.workoutTemplates);
    j["eventKinds"] = ListToJson(library.eventKinds);
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
    ListFromJson(json, "categories", library->categories);
    ListFromJson(json, "intensities", library->intensities);
    ListFromJson(json, "sports", library->sports);
    ListFromJson(json, "subSports", library->subSports);
    ListFromJson(json, "tracks", library->tracks);
    ListFromJson(json, "workoutTemplates", library->workoutTemplates);
    ListFromJson(json, "eventKinds", library->eventKinds);
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
