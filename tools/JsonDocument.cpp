#include "JsonDocument.h"

#include <stdexcept>

#include "Cp1252.h"
#include "Database.h"
#include "JsonFields.h"
#include "Library.h"

namespace kadenzo::tool {
namespace {

constexpr JsonFieldOf<CBodyInfo> kBodyInfoFields[] = {
    {"date", &CBodyInfo::date},     {"note", &CBodyInfo::note},
    {"weight", &CBodyInfo::weight}, {"value2", &CBodyInfo::value2},
    {"value3", &CBodyInfo::value3},
};

constexpr JsonFieldOf<CEvent> kEventFields[] = {
    {"start", &CEvent::start},
    {"end", &CEvent::end},
    {"blocksDay", &CEvent::blocksDay},
    {"kind", &CEvent::kind},
};

constexpr JsonFieldOf<CWorkOut> kWorkoutFields[] = {
    {"date", &CWorkOut::date},
    {"plannedDistance", &CWorkOut::plannedDistance},
    {"plannedDuration", &CWorkOut::plannedDuration},
    {"planFilePath", &CWorkOut::planFilePath},
    {"planNote", &CWorkOut::planNote},
    {"planFlag", &CWorkOut::planFlag},
    {"templateId", &CWorkOut::templateId},
    {"sportId", &CWorkOut::sportId},
    {"targetPulseLow", &CWorkOut::targetPulseLow},
    {"targetPulseHigh", &CWorkOut::targetPulseHigh},
    {"targetFixed", &CWorkOut::targetFixed},
    {"distance", &CWorkOut::distance},
    {"duration", &CWorkOut::duration},
    {"recordingPath", &CWorkOut::recordingPath},
    {"notes", &CWorkOut::notes},
    {"averagePulse", &CWorkOut::averagePulse},
    {"maxPulse", &CWorkOut::maxPulse},
    {"subSportId", &CWorkOut::subSportId},
    {"intensityId", &CWorkOut::intensityId},
    {"trackId", &CWorkOut::trackId},
    {"partDistance", &CWorkOut::partDistance},
    {"partDuration", &CWorkOut::partDuration},
    {"partAveragePulse", &CWorkOut::partAveragePulse},
    {"partMaxPulse", &CWorkOut::partMaxPulse},
    {"maxPulseTest", &CWorkOut::maxPulseTest},
    {"marker1", &CWorkOut::marker1},
    {"marker2", &CWorkOut::marker2},
};

template <class R, std::size_t N>
Json ListToJson(const auto& list, const JsonFieldOf<R> (&fields)[N]) {
    Json array = Json::array();
    for (const auto& item : list) array.push_back(FieldsToJson(*item, fields));
    return array;
}

// Each record of the array, read from its fields, to `add`.
template <class R, std::size_t N, class Add>
void ListFromJson(const Json& log, const char* key, const JsonFieldOf<R> (&fields)[N], Add add) {
    const Json& array = JsonArray(log, key, "log");
    for (std::size_t i = 0; i < array.size(); ++i) {
        auto record = std::make_unique<R>();
        FieldsFromJson(array[i], "log." + std::string(key) + "[" + std::to_string(i) + "]",
                       fields, *record);
        add(std::move(record));
    }
}

}  // namespace

Json LogToJson(const CDatabase& log) {
    Json j;
    j["name"] = Cp1252ToUtf8(log.name);
    j["bodyInfos"] = ListToJson(log.BodyInfos(), kBodyInfoFields);
    j["events"] = ListToJson(log.Events(), kEventFields);
    j["workouts"] = ListToJson(log.Workouts(), kWorkoutFields);
    return j;
}

std::unique_ptr<CDatabase> LogFromJson(const Json& json) {
    auto log = std::make_unique<CDatabase>();
    log->name = JsonString(json, "name", "log");
    // As given: the order and the one-per-date rule are the file's.
    ListFromJson(json, "bodyInfos", kBodyInfoFields,
                 [&](std::unique_ptr<CBodyInfo> info) { log->AppendBodyInfo(std::move(info)); });
    ListFromJson(json, "events", kEventFields,
                 [&](std::unique_ptr<CEvent> event) { log->Events().push_back(std::move(event)); });
    ListFromJson(json, "workouts", kWorkoutFields,
                 [&](std::unique_ptr<CWorkOut> workout) { log->AppendWorkout(std::move(workout)); });
    return log;
}
Json DocumentToJson(const DocumentContents& contents) {
    Json j;
    j["formatWord"] = contents.formatWord;
    j["birthDate"] = contents.birthDate;
    j["maxHeartRate"] = contents.maxHeartRate;
    j["hrFormula"] = contents.hrFormula;
    j["library"] = LibraryToJson(*contents.library);
    j["log"] = LogToJson(*contents.log);
    return j;
}

DocumentContents DocumentFromJson(const Json& json) {
    if (!json.is_object()) throw std::runtime_error("bad JSON: the document must be an object");
    DocumentContents contents;
    contents.birthDate = JsonSigned(json, "birthDate", "document");
    contents.maxHeartRate = JsonSigned(json, "maxHeartRate", "document");
    contents.hrFormula = JsonSigned(json, "hrFormula", "document");
    contents.library = LibraryFromJson(JsonField(json, "library", "document"));
    contents.log = LogFromJson(JsonField(json, "log", "document"));
    return contents;
}

}  // namespace kadenzo::tool
