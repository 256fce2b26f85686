#include "Units.h"

#include "StringTable.h"

namespace kadenzo {
namespace {

bool IsImperial(int kind, const UnitSettings& units) {
    switch (kind) {
        case kUnitDistance:
        case kUnitSpeed:
            return units.distance == 1;
        case kUnitWeight:
            return units.weight == 1;
        default:
            return false;
    }
}

}  // namespace

double ToDisplay(double value, int kind, const UnitSettings& units) {
    if (!IsImperial(kind, units)) return value;
    return kind == kUnitWeight ? value * 2.205 : value * 0.621;
}

double FromDisplay(double value, int kind, const UnitSettings& units) {
    if (!IsImperial(kind, units)) return value;
    return kind == kUnitWeight ? value * 0.4535147392290249 : value * 1.6103059581320451;
}

std::string UnitLabel(int kind, const UnitSettings& units, const StringTable& texts) {
    std::uint32_t setting = kind == kUnitWeight ? units.weight : units.distance;
    if (setting > 1) return "??";
    switch (kind) {
        case kUnitDistance:
            return texts.Text(setting == 0 ? 33102 : 33103);
        case kUnitWeight:
            return texts.Text(setting == 0 ? 33106 : 33107);
        case kUnitSpeed:
            return texts.Text(setting == 0 ? 33104 : 33105);
        default:
            return "??";
    }
}

}  // namespace kadenzo
