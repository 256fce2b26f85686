#include "BodyDataValues.h"

#include <optional>

#include "DecimalField.h"
#include "BodyDataTexts.h"

namespace kadenzo {
namespace {

// The weight field's precision: a weight converted from the other unit shows
// rounded to it, not with the conversion's last digits.
constexpr int kWeightDecimals = 2;

}  // namespace

const FieldRange& BodyDataValues::Range(Field field) {
    using namespace bodydatatext;
    static constexpr FieldRange weightRange{kWeightName, 0, kLargestFigure, false};
    static constexpr FieldRange value2Range{kBodyValue2Name, 0, kLargestFigure, false};
    static constexpr FieldRange value3Range{kBodyValue3Name, 0, 255, true};
    if (field == Field::kValue2) return value2Range;
    return field == Field::kValue3 ? value3Range : weightRange;
}

BodyDataValues::BodyDataValues(const CBodyInfo& info, const UnitSettings& units)
    : note(info.note),
      weight(FormatDecimalField(ToDisplay(info.weight, kUnitWeight, units), kWeightDecimals)),
      value2(FormatDecimalField(info.value2)),
      value3(std::to_string(info.value3)),
      info_(info),
      units_(units),
      shownWeight_(weight),
      shownValue2_(value2) {}

BodyDataValues::Field BodyDataValues::Read() {
    const std::optional<double> typedWeight = ReadRangeField(weight, Range(Field::kWeight));
    if (!typedWeight) return Field::kWeight;
    const std::optional<double> typedValue2 = ReadRangeField(value2, Range(Field::kValue2));
    if (!typedValue2) return Field::kValue2;
    const std::optional<double> typedValue3 = ReadRangeField(value3, Range(Field::kValue3));
    if (!typedValue3) return Field::kValue3;
    if (weight != shownWeight_) info_.weight = FromDisplay(*typedWeight, kUnitWeight, units_);
    if (value2 != shownValue2_) info_.value2 = *typedValue2;
    shownWeight_ = weight;
    shownValue2_ = value2;
    info_.value3 = static_cast<std::int32_t>(*typedValue3);
    info_.note = note;
    return Field::kNone;
}

}  // namespace kadenzo
