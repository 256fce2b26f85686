#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Units.h"

namespace kadenzo {

// kadenzo --print-pdf OUT.pdf [--from YYYY-MM-DD] [--to YYYY-MM-DD]
//         [--metric | --imperial] FILE.kdz
struct PrintPdfRequest {
    std::string outputPath;
    std::string documentPath;
    std::optional<int> firstDay;  // day numbers
    std::optional<int> lastDay;
    // The distance unit asked for; without one the user's setting holds.
    std::optional<std::uint32_t> distanceUnit;
    UnitSettings units;  // what the print uses
};

// True when the arguments (without the program name) ask for headless printing.
bool IsPrintPdfCommand(const std::vector<std::string>& arguments);
// The request, or nothing with the reason in error.
std::optional<PrintPdfRequest> ParsePrintPdfArguments(const std::vector<std::string>& arguments,
                                                      std::string* error);
// The days to print: the given ones, else the four weeks the diary shows at
// start (from the Monday of today's week); a missing end is four weeks on.
void ResolvePrintDays(const PrintPdfRequest& request, int today, int* firstDay, int* lastDay);

}  // namespace kadenzo
