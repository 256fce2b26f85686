#include "BodyDataValues.h"

#include <optional>

#include "DecimalField.h"
#include "ProfileValues.h"

namespace kadenzo {

BodyDataValues::BodyDataValues(const CBodyInfo& info, const UnitSettings& units)
    : note(info.note),
      weight(FormatDecimalField(ToDisplay(info.weight, kUnitWeight, units))),
      value2(FormatDecimalField(info.value2)),
      value3(std::to_string(info.value3)),
      info_(info),
      units_(units),
      shownWeight_(weight),
      shownValue2_(value2) {}

BodyDataValues::Field BodyDataValues::Read() {
    double typedWeight = 0;
    if (!ReadDecimalField(weight, typedWeight)) return Field::kWeight;
    double typedValue2 = 0;
    if (!ReadDecimalField(value2, typedValue2)) return Field::kValue2;
    const std::optional<std::int32_t> typedValue3 = ParseWholeNumber(value3);
    if (!typedValue3) return Field::kValue3;
    if (weight != shownWeight_) info_.weight = FromDisplay(typedWeight, kUnitWeight, units_);
    if (value2 != shownValue2_) info_.value2 = typedValue2;
    shownWeight_ = weight;
    shownValue2_ = value2;
    info_.value3 = *typedValue3;
    info_.note = note;
    return Field::kNone;
}

}  // namespace kadenzo
