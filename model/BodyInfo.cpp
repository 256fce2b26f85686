#include "BodyInfo.h"

namespace kadenzo {

void CBodyInfo::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        WriteCalendarDateTime(ar, date);
        ar.WriteDouble(value2);
        ar.WriteDouble(weight);
        ar.WriteLong(value3);
        ar.WriteString(note);
        return;
    }
    const bool floats = ar.GetObjectSchema() < 1;
    date = ReadCalendarDateTime(ar);
    value2 = floats ? static_cast<double>(ar.ReadFloat()) : ar.ReadDouble();
    weight = floats ? static_cast<double>(ar.ReadFloat()) : ar.ReadDouble();
    value3 = ar.ReadLong();
    note = ar.ReadString();
}

bool CBodyInfo::IsEqual(const CBodyInfo& o) const {
    return date == o.date && note == o.note && value2 == o.value2 && weight == o.weight &&
           value3 == o.value3;
}

bool CBodyInfo::IsEmpty() const {
    return weight == 0 && value2 == 0 && value3 == 0 && note.empty();
}

}  // namespace kadenzo
