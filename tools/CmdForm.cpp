// form FILE [--today D] [--from D] [--to D] [--race-category ID] [--csv]:
// training load and form, day by day, and the next race, as JSON or CSV.
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <optional>
#include <string>

#include "AppContext.h"
#include "CommandOptions.h"
#include "Commands.h"
#include "Cp1252.h"
#include "DateTime.h"
#include "CalendarDays.h"
#include "DocumentFile.h"
#include "FormRaces.h"
#include "FormSeries.h"
#include "JsonLibrary.h"
#include "KadenzoDoc.h"
#include "Library.h"
#include "ReportedDocument.h"

namespace kadenzo::tool {
namespace {

constexpr const char* kUsage =
    "form FILE [--today YYYY-MM-DD] [--from YYYY-MM-DD] [--to YYYY-MM-DD] "
    "[--race-category ID|none] [--csv]";
constexpr int kDaysShownBefore = 89;
constexpr int kDaysPlannedAhead = 27;
// Day number of 1970-01-01, where time stamps count from.
constexpr std::int64_t kTimeStampEpochDay = 25569;

struct Options {
    std::string file;
    std::optional<int> today;
    std::optional<int> from;
    std::optional<int> to;
    // The library's race category unless one (or none) is given.
    bool raceCategoryGiven = false;
    std::optional<std::uint32_t> raceCategory;
    bool csv = false;
};

// Reads the options; on a mistake prints one line and returns nothing.
std::optional<Options> ParseOptions(const Args& args) {
    Options options;
    auto fail = [](const std::string& what) { return OptionMistake("form", what); };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--csv") {
            options.csv = true;
            continue;
        }
        if (arg == "--race-category") {
            if (i + 1 == args.size()) return fail(arg + " needs a category id or none");
            options.raceCategoryGiven = true;
            if (!ReadRaceCategory(args[++i], &options.raceCategory))
                return fail("--race-category: not a category id or none: '" + args[i] + "'");
            continue;
        }
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
        *day = ReadDateOption("form", args[++i]);
        if (!*day) return std::nullopt;
    }
    if (options.file.empty()) return fail(std::string("no file given (usage: ") + kUsage + ")");
    if (options.from && options.to && *options.from > *options.to)
        return fail("--from is after --to");
    return options;
}

std::string Number(double value) {
    // The shortest text that reads back as the same double, like the JSON.
    return Json(value).dump();
}

}  // namespace

int Form(const Args& args) {
    const std::optional<Options> options = ParseOptions(args);
    if (!options) return 2;
    const DocumentContents& contents = ReadToReport(options->file);

    // The given day stands for the current date everywhere, the athlete's
    // age included (taken at noon UTC of that day).
    AppContext appContext;
    if (options->today) {
        const auto noon =
            static_cast<std::time_t>((*options->today - kTimeStampEpochDay) * 86400 + 43200);
        appContext.clock = [noon] { return noon; };
    }
    CKadenzoDoc profileHolder(appContext);
    DocumentContents profile;
    profile.birthDate = contents.birthDate;
    profile.maxHeartRate = contents.maxHeartRate;
    profile.hrFormula = contents.hrFormula;
    profileHolder.SetContents(std::move(profile));

    FormContext context;
    context.library = contents.library.get();
    context.today = options->today.value_or(appContext.Today());
    context.profileMaxHeartRate = profileHolder.ProfileMaxHeartRate();
    FormSeries series;
    series.Compute(*contents.log, context);

    const CLibrary& library = *contents.library;
    const std::optional<std::uint32_t> raceCategory =
        options->raceCategoryGiven ? options->raceCategory : DefaultRaceCategory(library);
    if (raceCategory && !library.FindCategory(*raceCategory)) {
        std::fprintf(stderr, "kadenzo-tool form: --race-category: the library has no category %u\n",
                     static_cast<unsigned>(*raceCategory));
        return 2;
    }
    Json nextRace;  // null when there is none
    if (const std::optional<FormRace> race =
            NextRace(*contents.log, library, raceCategory, context.today)) {
        const FormMorning morning = MorningOf(series, race->day);
        nextRace = {{"date", FormatIsoDay(race->day)},
                    {"name", Cp1252ToUtf8(race->name)},
                    {"form", morning.form},
                    {"fitness", morning.fitness},
                    {"fatigue", morning.fatigue}};
    }

    const int from = options->from.value_or(context.today - kDaysShownBefore);
    int to = context.today + kDaysPlannedAhead;
    if (const std::optional<int> planned = series.LastPlannedDay()) to = std::max(to, *planned);
    to = options->to.value_or(std::min(to, kLastFormDay));
    if (from > to) {
        std::fprintf(stderr, "kadenzo-tool form: --from is after the last day shown\n");
        return 2;
    }

    // Day by day, so that a long range never sits in memory as a whole.
    std::ostream& out = std::cout;
    if (options->csv) {
        out << "date,load,fitness,fatigue,form,projected,ramp\n";
    } else {
        out << "{\"today\": \"" << FormatIsoDay(context.today)
            << "\", \"unrated\": " << series.Unrated() << ", \"nextRace\": " << nextRace.dump()
            << ", \"days\": [";
    }
    for (int day = from; day <= to && out; ++day) {
        const FormDay d = series.At(day);
        if (options->csv) {
            out << FormatIsoDay(day) << ',' << Number(d.load) << ',' << Number(d.fitness) << ','
                << Number(d.fatigue) << ',' << Number(d.form) << ','
                << (d.projected ? "true" : "false") << ',' << (d.ramp ? "true" : "false") << '\n';
        } else {
            out << (day == from ? "\n" : ",\n")
                << Json{{"date", FormatIsoDay(day)},
                        {"load", d.load},
                        {"fitness", d.fitness},
                        {"fatigue", d.fatigue},
                        {"form", d.form},
                        {"projected", d.projected},
                        {"ramp", d.ramp}}
                       .dump();
        }
    }
    if (!options->csv) out << "\n]}\n";
    out.flush();
    if (!out) {
        std::fprintf(stderr, "kadenzo-tool form: cannot write the output\n");
        return 1;
    }
    return 0;
}

}  // namespace kadenzo::tool
