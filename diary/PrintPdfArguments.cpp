#include "PrintPdfArguments.h"

#include "CalendarDays.h"

namespace kadenzo {

namespace {
constexpr const char* kPrintPdf = "--print-pdf";
}

bool IsPrintPdfCommand(const std::vector<std::string>& arguments) {
    for (const std::string& a : arguments)
        if (a == kPrintPdf) return true;
    return false;
}

std::optional<PrintPdfRequest> ParsePrintPdfArguments(const std::vector<std::string>& arguments,
                                                      std::string* error) {
    PrintPdfRequest request;
    auto fail = [&](const std::string& why) -> std::optional<PrintPdfRequest> {
        if (error) *error = why;
        return std::nullopt;
    };
    bool sawPrint = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (a == kPrintPdf || a == "--from" || a == "--to") {
            if (!hasValue) return fail(a + " needs a value");
            const std::string& value = arguments[++i];
            if (a == kPrintPdf) {
                if (sawPrint) return fail("--print-pdf given twice");
                sawPrint = true;
                request.outputPath = value;
                continue;
            }
            int day = 0;
            if (!ParseIsoDay(value, &day)) return fail("not a date (YYYY-MM-DD): " + value);
            (a == "--from" ? request.firstDay : request.lastDay) = day;
        } else if (a == "--metric" || a == "--imperial") {
            const std::uint32_t unit = a == "--metric" ? 0 : 1;
            if (request.distanceUnit && *request.distanceUnit != unit)
                return fail("--metric and --imperial given together");
            request.distanceUnit = unit;
        } else if (a.size() > 1 && a[0] == '-') {
            return fail("unknown option " + a);
        } else if (request.documentPath.empty()) {
            request.documentPath = a;
        } else {
            return fail("more than one diary file given");
        }
    }
    if (!sawPrint || request.outputPath.empty()) return fail("no output file given");
    if (request.documentPath.empty()) return fail("no diary file given");
    if (request.firstDay && request.lastDay && *request.lastDay < *request.firstDay)
        return fail("--to lies before --from");
    return request;
}

void ResolvePrintDays(const PrintPdfRequest& request, int today, int* firstDay, int* lastDay) {
    *firstDay = request.firstDay ? *request.firstDay : MondayOnOrBefore(today);
    *lastDay = request.lastDay ? *request.lastDay : *firstDay + 27;
    if (*lastDay < *firstDay) *firstDay = MondayOnOrBefore(*lastDay);
}

}  // namespace kadenzo
