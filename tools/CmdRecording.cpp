// recording FILE [--imperial] [--max-hr N]: a heart-rate recording as JSON
// with its summaries, and with a maximum heart rate its time in the zones.
// A file cut short prints what was read and says so on stderr.
#include <cstdio>
#include <ctime>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>

#include "Commands.h"
#include "Cp1252.h"
#include "DecimalField.h"
#include "Recording.h"
#include "RecordingFile.h"
#include "RecordingSummary.h"

namespace kadenzo::tool {
namespace {

nlohmann::json SummaryJson(const RangeSummary& summary) {
    return {{"distance", static_cast<double>(summary.distance)},
            {"duration", static_cast<double>(summary.duration)},
            {"average", static_cast<double>(summary.average)},
            {"maximum", static_cast<double>(summary.maximum)}};
}

nlohmann::json SampleJson(const RecordingSample& sample) {
    nlohmann::json json = {{"time", sample.time},
                           {"distance", sample.distance},
                           {"altitude", static_cast<double>(sample.altitude)},
                           {"temperature", static_cast<double>(sample.temperature)},
                           {"cadence", static_cast<double>(sample.cadence)},
                           {"reserved3", static_cast<double>(sample.reserved3)},
                           {"reserved4", static_cast<double>(sample.reserved4)},
                           {"power", static_cast<double>(sample.power)},
                           {"heartRate", static_cast<double>(sample.heartRate)},
                           {"flag", sample.flag}};
    json["text"] = sample.text ? nlohmann::json(Cp1252ToUtf8(*sample.text)) : nlohmann::json();
    return json;
}

nlohmann::json RecordingJson(const CRecording& recording) {
    nlohmann::json samples = nlohmann::json::array();
    for (const RecordingSample& sample : recording.samples) samples.push_back(SampleJson(sample));
    const int last = recording.count() - 1;
    return {{"start", recording.start},
            {"title", Cp1252ToUtf8(recording.title)},
            {"text1", Cp1252ToUtf8(recording.text1)},
            {"text2", Cp1252ToUtf8(recording.text2)},
            {"note", Cp1252ToUtf8(recording.note)},
            {"flags", recording.flags},
            {"samples", std::move(samples)},
            {"summary",
             {{"whole", SummaryJson(SummariseRange(recording, 0, last, false))},
              {"wholeWithoutPauses", SummaryJson(SummariseRange(recording, 0, last, true))}}}};
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "kadenzo-tool recording: %s\n", message.c_str());
    return 1;
}

}  // namespace

int Recording(const Args& args) {
    constexpr const char* kUsage = "(usage: recording FILE [--imperial] [--max-hr N])";
    std::string path;
    bool imperial = false;
    std::optional<int> maxHeartRate;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--imperial") {
            imperial = true;
        } else if (arg == "--max-hr") {
            maxHeartRate = i + 1 < args.size() ? ReadWholeField<int>(args[++i]) : std::nullopt;
            if (!maxHeartRate || *maxHeartRate < 1 || *maxHeartRate > 255)
                return Fail("--max-hr needs a heart rate from 1 to 255 " + std::string(kUsage));
        } else if (path.empty() && !arg.starts_with("--")) {
            path = arg;
        } else {
            return Fail("unexpected argument '" + arg + "' " + kUsage);
        }
    }
    if (path.empty()) return Fail(std::string("no file given ") + kUsage);

    RecordingReadContext context;
    context.units.distance = imperial ? 1 : 0;
    context.now = std::time(nullptr);
    CRecording recording;
    std::string loaded = path;
    const LoadResult result = LoadRecording(recording, loaded, context);
    if (!result.WasRead()) return Fail("'" + path + "' " + result.message);
    if (result.status == LoadStatus::kCutShort)
        std::fprintf(stderr, "kadenzo-tool recording: '%s' %s; read %d samples\n", path.c_str(),
                     result.message.c_str(), recording.count());
    nlohmann::json json = RecordingJson(recording);
    if (maxHeartRate) {
        const ZoneSeconds zones = TimeInZones(recording, 0, recording.count() - 1, *maxHeartRate);
        json["zones"] = zones;
    }
    std::cout << json.dump(2) << '\n';
    std::cout.flush();
    return std::cout ? 0 : Fail("cannot write the output");
}

}  // namespace kadenzo::tool
