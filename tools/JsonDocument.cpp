#include "JsonDocument.h"

#include <stdexcept>

#include "Cp1252.h"
#include "Database.h"
#include "Library.h"

namespace kadenzo::tool {
namespace {

Json DateToJson(const CalendarDateTime& date) {
    Json j;
    j["status"] = date.status;
    j["value"] = JsonNumber(date.value);
    return j;
}

CalendarDateTime DateFromJson(const Json& object, const char* key, const std::string& where) {
    const Json& date = JsonField(object, key, where);
    const std::string inner = where + "." + key;
    return CalendarDateTime{JsonSigned(date, "status", inner), JsonDouble(date, "value", inner)};
}

Json BodyInfoToJson(const CBodyInfo& info) {
    Json j;
    j["date"] = DateToJson(info.date);
    j["note"] = Cp1252ToUtf8(info.note);
    j["weight"] = JsonNumber(info.weight);
    j["value2"] = JsonNumber(info.value2);
    j["value3"] = info.value3;
    return j;
}

std::unique_ptr<CBodyInfo> BodyInfoFromJson(const Json& j, const std::string& where) {
    auto info = std::make_unique<CBodyInfo>();
    info->date = DateFromJson(j, "date", where);
    info->note = JsonString(j, "note", where);
    info->weight = JsonDouble(j, "weight", where);
    info->value2 = JsonDouble(j, "value2", where);
    info->value3 = JsonSigned(j, "value3", where);
    return info;
}

Json EventToJson(const CEvent& event) {
    Json j;
    j["start"] = DateToJson(event.start);
    j["end"] = DateToJson(event.end);
    j["blocksDay"] = event.blocksDay;
    j["kind"] = event.kind;
    return j;
}

std::unique_ptr<CEvent> EventFromJson(const Json& j, const std::string& where) {
    auto event = std::make_unique<CEvent>();
    event->start = DateFromJson(j, "start", where);
    event->end = DateFromJson(j, "end", where);
    event->blocksDay = JsonUnsigned(j, "blocksDay", where);
    event->kind = JsonSigned(j, "kind", where);
    return event;
}

Json WorkoutToJson(const CWorkOut& w) {
    Json j;
    j["date"] = JsonNumber(w.date);
    j["plannedDistance"] = JsonNumber(w.plannedDistance);
    j["plannedDuration"] = JsonNumber(w.plannedDuration);
    j["planFilePath"] = Cp1252ToUtf8(w.planFilePath);
    j["planNote"] = Cp1252ToUtf8(w.planNote);
    j["planFlag"] = w.planFlag;
    j["templateId"] = w.templateId;
    j["sportId"] = w.sportId;
    j["targetPulseLow"] = w.targetPulseLow;
    j["targetPulseHigh"] = w.targetPulseHigh;
    j["targetFixed"] = w.targetFixed;
    j["distance"] = JsonNumber(w.distance);
    j["duration"] = JsonNumber(w.duration);
    j["recordingPath"] = Cp1252ToUtf8(w.recordingPath);
    j["notes"] = Cp1252ToUtf8(w.notes);
    j["averagePulse"] = w.averagePulse;
    j["maxPulse"] = w.maxPulse;
    j["subSportId"] = w.subSportId;
    j["intensityId"] = w.intensityId;
    j["trackId"] = w.trackId;
    j["partDistance"] = JsonNumber(w.partDistance);
    j["partDuration"] = JsonNumber(w.partDuration);
    j["partAveragePulse"] = w.partAveragePulse;
    j["partMaxPulse"] = w.partMaxPulse;
    j["maxPulseTest"] = w.maxPulseTest;
    j["marker1"] = w.marker1;
    j["marker2"] = w.marker2;
    return j;
}

std::unique_ptr<CWorkOut> WorkoutFromJson(const Json& j, const std::string& where) {
    auto w = std::make_unique<CWorkOut>();
    w->date = JsonDouble(j, "date", where);
    w->plannedDistance = JsonDouble(j, "plannedDistance", where);
    w->plannedDuration = JsonDouble(j, "plannedDuration", where);
    w->planFilePath = JsonString(j, "planFilePath", where);
    w->planNote = JsonString(j, "planNote", where);
    w->planFlag = JsonUnsigned(j, "planFlag", where);
    w->templateId = JsonUnsigned(j, "templateId", where);
    w->sportId = JsonUnsigned(j, "sportId", where);
    w->targetPulseLow = JsonByte(j, "targetPulseLow", where);
    w->targetPulseHigh = JsonByte(j, "targetPulseHigh", where);
    w->targetFixed = JsonUnsigned(j, "targetFixed", where);
    w->distance = JsonDouble(j, "distance", where);
    w->duration = JsonDouble(j, "duration", where);
    w->recordingPath = JsonString(j, "recordingPath", where);
    w->notes = JsonString(j, "notes", where);
    w->averagePulse = JsonByte(j, "averagePulse", where);
    w->maxPulse = JsonByte(j, "maxPulse", where);
    w->subSportId = JsonUnsigned(j, "subSportId", where);
    w->intensityId = JsonUnsigned(j, "intensityId", where);
    w->trackId = JsonUnsigned(j, "trackId", where);
    w->partDistance = JsonDouble(j, "partDistance", where);
    w->partDuration = JsonDouble(j, "partDuration", where);
    w->partAveragePulse = JsonByte(j, "partAveragePulse", where);
    w->partMaxPulse = JsonByte(j, "partMaxPulse", where);
    w->maxPulseTest = JsonUnsigned(j, "maxPulseTest", where);
    w->marker1 = JsonSigned(j, "marker1", where);
    w->marker2 = JsonSigned(j, "marker2", where);
    return w;
}

template <class List, class F>
Json ListToJson(const List& list, F toJson) {
    Json array = Json::array();
    for (const auto& item : list) array.push_back(toJson(*item));
    return array;
}

}  // namespace

Json LogToJson(const CDatabase& log) {
    Json j;
    j["name"] = Cp1252ToUtf8(log.name);
    j["bodyInfos"] = ListToJson(log.BodyInfos(), BodyInfoToJson);
    j["events"] = ListToJson(log.Events(), EventToJson);
    j["workouts"] = ListToJson(log.Workouts(), WorkoutToJson);
    return j;
}

std::unique_ptr<CDatabase> LogFromJson(const Json& json) {
    auto log = std::make_unique<CDatabase>();
    log->name = JsonString(json, "name", "log");
    const Json& bodyInfos = JsonArray(json, "bodyInfos", "log");
    for (std::size_t i = 0; i < bodyInfos.size(); ++i) {
        // As given: the order and the one-per-date rule are the file's.
        log->AppendBodyInfo(
            BodyInfoFromJson(bodyInfos[i], "log.bodyInfos[" + std::to_string(i) + "]"));
    }
    const Json& events = JsonArray(json, "events", "log");
    for (std::size_t i = 0; i < events.size(); ++i)
        log->Events().push_back(EventFromJson(events[i], "log.events[" + std::to_string(i) + "]"));
    const Json& workouts = JsonArray(json, "workouts", "log");
    for (std::size_t i = 0; i < workouts.size(); ++i)
        log->AppendWorkout(WorkoutFromJson(workouts[i], "log.workouts[" + std::to_string(i) + "]"));
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
