// analysis FILE [options]: the analysis chart's figures as JSON or CSV.
#include <cstdio>
#include <ctime>
#include <iostream>
#include <optional>
#include <string>

#include "Aggregation.h"
#include "CommandOptions.h"
#include "Commands.h"
#include "Cp1252.h"
#include "Database.h"
#include "DateTime.h"
#include "DecimalField.h"
#include "CalendarDays.h"
#include "DocumentFile.h"
#include "JsonLibrary.h"
#include "Library.h"
#include "ReportedDocument.h"
#include "StringTable.h"
#include "Units.h"

namespace kadenzo::tool {
namespace {

constexpr const char* kUsage =
    "analysis FILE [--range COUNT-UNIT] [--quantity Q] [--chart C] [--layer L] [--at DATE] "
    "[--back N] [--imperial] [--csv]";

// The unit labels the chart puts after distances; the other texts the chart
// needs fall back to English on their own.
class ToolTexts : public StringTable {
public:
    std::string Text(std::uint32_t id) const override {
        switch (id) {
            case 33102:
                return "km";
            case 33103:
                return "mi";
            default:
                return {};
        }
    }
};

struct Options {
    std::string file;
    AnalysisChoice choice;
    int back = 0;
    bool imperial = false;
    bool csv = false;
};

std::optional<std::int32_t> ParseLayer(const std::string& name) {
    static const std::pair<const char*, std::int32_t> kLayers[] = {
        {"none", kKeyNone},         {"sport", kKeySport}, {"subsport", kKeySubSport},
        {"template", kKeyTemplate}, {"track", kKeyTrack}, {"intensity", kKeyIntensity},
        {"category", kKeyCategory}};
    for (const auto& [text, key] : kLayers)
        if (name == text) return key;
    return std::nullopt;
}

// Sets the chart kind as the view's commands do; false for an unknown one.
bool ParseChart(const std::string& chart, AnalysisChoice& choice) {
    choice.filterKey = kKeyNone;
    if (chart == "totals") {
        choice.groupKey = kKeyNone;
    } else if (chart == "sport") {
        choice.groupKey = kKeySport;
    } else if (chart == "category") {
        choice.groupKey = kKeyCategory;
    } else if (chart.rfind("sport:", 0) == 0) {
        const std::optional<std::uint32_t> id = ReadWholeField<std::uint32_t>(chart.substr(6));
        if (!id) return false;
        choice.groupKey = kKeySubSport;
        choice.filterKey = kKeySport;
        choice.filterValue = static_cast<std::int32_t>(*id);
    } else {
        return false;
    }
    return true;
}

// Reads the options; on a mistake prints one line and returns nothing.
std::optional<Options> ParseOptions(const Args& args) {
    Options options;
    options.choice.referenceDay = DayNumber(DateTimeFromTimeStamp(std::time(nullptr)));
    auto fail = [](const std::string& what) { return OptionMistake("analysis", what); };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--imperial") {
            options.imperial = true;
            continue;
        }
        if (arg == "--csv") {
            options.csv = true;
            continue;
        }
        if (arg.rfind("--", 0) != 0) {
            if (!options.file.empty()) return fail("more than one file: '" + arg + "'");
            options.file = arg;
            continue;
        }
        if (i + 1 == args.size()) return fail(arg + " needs a value");
        const std::string& value = args[++i];
        if (arg == "--range") {
            const AnalysisRange* range = FindRange(value);
            if (!range) return fail("unknown range '" + value + "'");
            options.choice.rangeCommand = range->command;
        } else if (arg == "--quantity") {
            if (value != "duration" && value != "distance")
                return fail("unknown quantity '" + value + "'");
            options.choice.showDistance = value == "distance";
        } else if (arg == "--chart") {
            if (!ParseChart(value, options.choice)) return fail("unknown chart '" + value + "'");
        } else if (arg == "--layer") {
            const std::optional<std::int32_t> key = ParseLayer(value);
            if (!key) return fail("unknown layer '" + value + "'");
            options.choice.layerKey = *key;
        } else if (arg == "--at") {
            const std::optional<int> day = ReadDateOption("analysis", value);
            if (!day) return std::nullopt;
            options.choice.referenceDay = *day;
        } else if (arg == "--back") {
            const std::optional<std::int64_t> pages = ReadWholeField<std::int64_t>(value);
            if (!pages || *pages < 0 || *pages > 10000000)
                return fail("not a page count: '" + value + "'");
            options.back = static_cast<int>(*pages);
        } else {
            return fail("unknown option " + arg);
        }
    }
    if (options.file.empty()) {
        std::fprintf(stderr, "usage: kadenzo-tool %s\n", kUsage);
        return std::nullopt;
    }
    return options;
}

Json IdJson(const ShownGroup& group) { return group.collective ? Json() : Json(group.id); }

Json ResultJson(const AnalysisResult& result) {
    Json periods = Json::array();
    for (const ShownPeriod& period : result.periods) {
        Json groups = Json::array();
        for (const ShownGroup& group : period.groups) {
            Json layers = Json::array();
            for (const ShownLayer& layer : group.layers)
                layers.push_back(
                    {{"id", layer.id}, {"name", Cp1252ToUtf8(layer.name)}, {"sum", layer.sum}});
            groups.push_back({{"id", IdJson(group)},
                              {"name", Cp1252ToUtf8(group.name)},
                              {"sum", group.sum},
                              {"layers", std::move(layers)}});
        }
        periods.push_back({{"label", Cp1252ToUtf8(period.span.label)},
                           {"start", FormatIsoDay(period.span.startDay)},
                           {"end", FormatIsoDay(period.span.endDay)},
                           {"groups", std::move(groups)}});
    }
    return {{"periods", std::move(periods)}};
}

// A CSV field, quoted when it holds a separator, a quote or a line break.
std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string Number(double value) {
    // The shortest text that reads back as the same double, like the JSON.
    return Json(value).dump();
}

void WriteCsv(const AnalysisResult& result, std::ostream& out) {
    out << "label,start,end,groupId,group,groupSum,layerId,layer,sum\n";
    for (const ShownPeriod& period : result.periods) {
        for (const ShownGroup& group : period.groups) {
            for (const ShownLayer& layer : group.layers) {
                out << CsvField(Cp1252ToUtf8(period.span.label)) << ','
                    << FormatIsoDay(period.span.startDay) << ',' << FormatIsoDay(period.span.endDay)
                    << ',' << (group.collective ? std::string() : std::to_string(group.id)) << ','
                    << CsvField(Cp1252ToUtf8(group.name)) << ',' << Number(group.sum) << ','
                    << layer.id << ',' << CsvField(Cp1252ToUtf8(layer.name)) << ','
                    << Number(layer.sum) << '\n';
            }
        }
    }
}

}  // namespace

int Analysis(const Args& args) {
    std::optional<Options> options = ParseOptions(args);
    if (!options) return 2;
    const DocumentContents& contents = ReadToReport(options->file);

    AnalysisChoice& choice = options->choice;
    const RangeUnit unit = FindRange(choice.rangeCommand)->unit;
    for (int i = 0; i < options->back; ++i) {
        const int moved = PageDay(choice.referenceDay, unit, -1);
        if (moved == choice.referenceDay) break;  // the first year the chart shows
        choice.referenceDay = moved;
    }
    UnitSettings units;
    units.distance = options->imperial ? 1 : 0;
    const AnalysisResult result =
        Analyse(*contents.log, *contents.library, units, ToolTexts{}, choice);
    if (options->csv)
        WriteCsv(result, std::cout);
    else
        std::cout << ResultJson(result).dump(2) << '\n';
    std::cout.flush();
    return std::cout.good() ? 0 : 1;
}

}  // namespace kadenzo::tool
