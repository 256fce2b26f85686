#pragma once

#include <string>

#include "BodyInfo.h"
#include "FieldRange.h"
#include "Units.h"

namespace kadenzo {

// The fields of the body data dialog for one day's record: the weight in the
// user's unit, the two further measurements and the note, as text. The weight
// shows to a hundredth of its unit.
class BodyDataValues {
public:
    enum class Field { kNone, kWeight, kValue2, kValue3 };

    BodyDataValues(const CBodyInfo& info, const UnitSettings& units);

    // Reads the fields into the record. The first field that is not a number
    // its range holds (an empty one included) is returned and the record
    // stays as it was. A decimal field left as it was shown keeps the stored
    // value, which may show shortened (and, for the weight, converted).
    Field Read();
    // What a measurement field takes: none is negative; the third, the
    // resting heart rate, is whole beats within 8 bits like every heart rate.
    static const FieldRange& Range(Field field);
    const CBodyInfo& Record() const { return info_; }

    std::string note;  // Windows-1252
    std::string weight;
    std::string value2;
    std::string value3;

private:
    CBodyInfo info_;
    UnitSettings units_;
    std::string shownWeight_;
    std::string shownValue2_;
};

}  // namespace kadenzo
