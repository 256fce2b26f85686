// search FILE --where PROPERTY OPERATOR VALUE ...: the search dialog's search.
#include <cstdio>
#include <ctime>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

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
#include "WorkoutSearch.h"

namespace kadenzo::tool {
namespace {

constexpr const char* kUsage =
    "search FILE --where PROPERTY OPERATOR VALUE ... [--whole] [--today YYYY-MM-DD] [--imperial]";

struct Named {
    const char* name;
    int value;
};

constexpr Named kPropertyNames[] = {
    {"date", 0},     {"template", 1}, {"category", 2},  {"sport", 3},    {"subsport", 4},
    {"note", 13},    {"comment", 12}, {"duration", 6},  {"distance", 7}, {"avgpulse", 8},
    {"maxpulse", 9}, {"track", 10},   {"intensity", 11}};
constexpr Named kOperatorNames[] = {{"contains", 0}, {"equals", 1}, {"atleast", 2}, {"atmost", 3}};

template <std::size_t N>
std::optional<int> Lookup(const Named (&table)[N], const std::string& name) {
    for (const Named& entry : table)
        if (name == entry.name) return entry.value;
    return std::nullopt;
}

struct Options {
    std::string file;
    std::vector<SearchCriterion> criteria;
    bool preferSection = true;
    bool imperial = false;
    int today = 0;
};

// One criterion from its three words; the reason in *why when they make none.
std::optional<SearchCriterion> ParseCriterion(const std::string& propertyName,
                                              const std::string& operatorName,
                                              const std::string& value, std::string* why) {
    const std::optional<int> property = Lookup(kPropertyNames, propertyName);
    const std::optional<int> op = Lookup(kOperatorNames, operatorName);
    if (!property) {
        *why = "unknown property '" + propertyName + "'";
        return std::nullopt;
    }
    if (!op) {
        *why = "unknown operator '" + operatorName + "'";
        return std::nullopt;
    }
    const auto p = static_cast<SearchProperty>(*property);
    const auto o = static_cast<SearchOperator>(*op);
    if (!IsOffered(o, InfoOf(p).type)) {
        *why = "'" + operatorName + "' is not offered for '" + propertyName + "'";
        return std::nullopt;
    }
    switch (InfoOf(p).type) {
        case SearchValueType::Date: {
            int day = 0;
            if (!ParseIsoDay(value, &day)) {
                *why = "not a date: '" + value + "'";
                return std::nullopt;
            }
            return DateCriterion(p, o, day);
        }
        case SearchValueType::LibraryItem: {
            const std::optional<std::uint32_t> id = ReadWholeField<std::uint32_t>(value);
            if (!id) {
                *why = "not an item id: '" + value + "'";
                return std::nullopt;
            }
            return ItemCriterion(p, o, *id, value);
        }
        case SearchValueType::Text:
        case SearchValueType::Number:
            return TypedCriterion(p, o, Utf8ToCp1252(value));
    }
    return std::nullopt;
}

// Reads the options; on a mistake prints one line and returns nothing.
std::optional<Options> ParseOptions(const Args& args) {
    Options options;
    options.today = DayNumber(DateTimeFromTimeStamp(std::time(nullptr)));
    auto fail = [](const std::string& what) { return OptionMistake("search", what); };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--whole") {
            options.preferSection = false;
        } else if (arg == "--imperial") {
            options.imperial = true;
        } else if (arg == "--today") {
            if (i + 1 == args.size()) return fail("--today needs a date");
            if (!ParseIsoDay(args[++i], &options.today))
                return fail("not a date: '" + args[i] + "'");
        } else if (arg == "--where") {
            if (args.size() - i < 4) return fail("--where needs PROPERTY OPERATOR VALUE");
            std::string why;
            const std::optional<SearchCriterion> criterion =
                ParseCriterion(args[i + 1], args[i + 2], args[i + 3], &why);
            if (!criterion) return fail(why);
            options.criteria.push_back(*criterion);
            i += 3;
        } else if (arg.rfind("--", 0) == 0) {
            return fail("unknown option " + arg);
        } else if (!options.file.empty()) {
            return fail("more than one file: '" + arg + "'");
        } else {
            options.file = arg;
        }
    }
    if (options.file.empty()) {
        std::fprintf(stderr, "usage: kadenzo-tool %s\n", kUsage);
        return std::nullopt;
    }
    return options;
}

}  // namespace

int Search(const Args& args) {
    const std::optional<Options> options = ParseOptions(args);
    if (!options) return 2;
    // Positions count as dump lists the workouts: after dropping invalid records.
    const DocumentContents& contents = ReadToReport(options->file);
    SearchSettings settings;
    settings.preferSection = options->preferSection;
    settings.lastDay = options->today;
    settings.units.distance = options->imperial ? 1 : 0;
    const CDatabase& log = *contents.log;
    Json found = Json::array();
    for (CDatabase::ConstWorkoutPos position :
         FindWorkouts(log, options->criteria, *contents.library, settings))
        found.push_back(std::distance(log.BeginWorkouts(), position));
    std::cout << Json{{"found", std::move(found)}}.dump() << '\n';
    std::cout.flush();
    return std::cout.good() ? 0 : 1;
}

}  // namespace kadenzo::tool
