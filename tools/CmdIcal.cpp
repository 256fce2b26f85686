// ical FILE [--from D] [--to D] [--today D]: the plan as an iCalendar file on
// stdout, as the program writes it.
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "AppContext.h"
#include "CommandOptions.h"
#include "Commands.h"
#include "KadenzoDoc.h"
#include "Library.h"
#include "PlanCalendar.h"
#include "ReportedDocument.h"

namespace kadenzo::tool {
namespace {

constexpr const char* kUsage =
    "ical FILE [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--today YYYY-MM-DD]";
// Day number of 1970-01-01, where time stamps count from.
constexpr std::int64_t kTimeStampEpochDay = 25569;

struct Options {
    std::string file;
    std::optional<int> today;
    std::optional<int> from;
    std::optional<int> to;
};

// Reads the options; on a mistake prints one line and returns nothing.
std::optional<Options> ParseOptions(const Args& args) {
    Options options;
    auto fail = [](const std::string& what) { return OptionMistake("ical", what); };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0) {
            if (!options.file.empty()) return fail("more than one file: '" + arg + "'");
            options.file = arg;
            continue;
        }
        std::optional<int>* day = arg == "--today"  ? &options.today
                                  : arg == "--from" ? &options.from
                                  : arg == "--to"   ? &options.to
                                                    : nullptr;
        if (!day) return fail("unknown option " + arg);
        if (i + 1 == args.size()) return fail(arg + " needs a date");
        *day = ReadDateOption("ical", args[++i]);
        if (!*day) return std::nullopt;
    }
    if (options.file.empty()) return fail(std::string("no file given (usage: ") + kUsage + ")");
    if (options.from && options.to && *options.from > *options.to)
        return fail("--from is after --to");
    return options;
}

}  // namespace

int Ical(const Args& args) {
    const std::optional<Options> options = ParseOptions(args);
    if (!options) return 2;
    DocumentContents& contents = ReadToReport(options->file);

    // The given day stands for the current date, the athlete's age included
    // (taken at noon UTC of that day); the stamp is the export's real time.
    AppContext appContext;
    if (options->today) {
        const auto noon =
            static_cast<std::time_t>((*options->today - kTimeStampEpochDay) * 86400 + 43200);
        appContext.clock = [noon] { return noon; };
    }
    CKadenzoDoc doc(appContext);
    doc.SetContents(std::move(contents));

    PlanCalendarRequest request;
    request.from = options->from;
    request.to = options->to;
    request.diaryName = std::filesystem::path(options->file).filename().string();
    request.stamp = std::time(nullptr);
    const std::string calendar = PlanCalendar(doc, request);

    std::cout << calendar;
    std::cout.flush();
    if (!std::cout) {
        std::fprintf(stderr, "kadenzo-tool ical: cannot write the output\n");
        return 1;
    }
    return 0;
}

}  // namespace kadenzo::tool
