#include "ImportedFigures.h"

#include <algorithm>
#include <cmath>

#include "Cp1252.h"

namespace kadenzo {
namespace {

double Minutes(float seconds) {
    return std::isfinite(seconds) && seconds > 0 ? static_cast<double>(seconds) / 60.0 : 0.0;
}

}  // namespace

double ImportedDistance(float distance) {
    if (!std::isfinite(distance)) return 0.0;
    const double thousandths = std::round(static_cast<double>(distance) * 1000.0);
    return std::floor(thousandths / 10.0) / 100.0;
}

std::uint8_t ImportedHeartRate(float beatsPerMinute) {
    if (!(beatsPerMinute > 0)) return 0;
    return static_cast<std::uint8_t>(std::min(255.0f, std::trunc(beatsPerMinute)));
}

bool ImportBlanksFigures(const PerformanceFigures& page, const ImportedFigures& imported) {
    auto blanks = [](double taken, double held) { return taken == 0 && held != 0; };
    return blanks(ImportedDistance(imported.whole.distance), page.wholeDistance) ||
           blanks(ImportedHeartRate(imported.whole.maximum), page.wholeMax) ||
           blanks(ImportedHeartRate(imported.part.maximum), page.partMax) ||
           blanks(ImportedHeartRate(imported.whole.average), page.wholeAverage) ||
           blanks(ImportedHeartRate(imported.part.average), page.partAverage) ||
           blanks(ImportedDistance(imported.part.distance), page.partDistance);
}

PerformanceFigures TakeImportedFigures(PerformanceFigures page, const ImportedFigures& imported,
                                       bool takeEmpty) {
    auto take = [takeEmpty](auto& held, auto value) {
        if (takeEmpty || value != 0) held = value;
    };
    take(page.wholeDistance, ImportedDistance(imported.whole.distance));
    take(page.partDistance, ImportedDistance(imported.part.distance));
    take(page.wholeMax, ImportedHeartRate(imported.whole.maximum));
    take(page.wholeAverage, ImportedHeartRate(imported.whole.average));
    take(page.partMax, ImportedHeartRate(imported.part.maximum));
    take(page.partAverage, ImportedHeartRate(imported.part.average));
    page.wholeDuration = Minutes(imported.whole.duration);
    page.partDuration = Minutes(imported.part.duration);
    page.marker1 = imported.marker1;
    page.marker2 = imported.marker2;
    if (!imported.path.empty()) page.recordingPath = Utf8ToCp1252(imported.path);
    return page;
}

}  // namespace kadenzo
