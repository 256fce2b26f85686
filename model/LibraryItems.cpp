#include "LibraryItems.h"

#include "Library.h"

namespace kadenzo {

void CLibraryBaseItem::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteDword(id);
        ar.WriteString(name);
    } else {
        id = ar.ReadDword();
        name = ar.ReadString();
    }
}

namespace {

// The four items whose content is the base fields and one dword.
void SerializeOneDword(CLibraryBaseItem& item, CArchive& ar, std::uint32_t& value) {
    item.CLibraryBaseItem::Serialize(ar);
    if (ar.IsStoring())
        ar.WriteDword(value);
    else
        value = ar.ReadDword();
}

}  // namespace

void CLibCategory::Serialize(CArchive& ar) { SerializeOneDword(*this, ar, colour); }

void CLibIntensity::Serialize(CArchive& ar) {
    auto stored = static_cast<std::uint32_t>(level);
    SerializeOneDword(*this, ar, stored);
    level = static_cast<std::int32_t>(stored);
}

void CLibSubSport::Serialize(CArchive& ar) { SerializeOneDword(*this, ar, sportId); }

void CLibEvent::Serialize(CArchive& ar) { SerializeOneDword(*this, ar, colour); }

void CLibSport::Serialize(CArchive& ar) {
    CLibraryBaseItem::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteDword(iconId);
        ar.WriteDword(hasDistance);
        ar.WriteDword(active);
    } else {
        iconId = ar.ReadDword();
        hasDistance = ar.ReadDword();
        // Schema 0 and raw sports predate the flag; signed compare keeps -1 out.
        active = ar.GetObjectSchema() >= 1 ? ar.ReadDword() : 0;
        usageTotal = 0;
    }
}

void CLibTrack::Serialize(CArchive& ar) {
    CLibraryBaseItem::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteFloat(distance);
        ar.WriteFloat(climb);
        ar.WriteDword(sportId);
    } else {
        distance = ar.ReadFloat();
        climb = ar.ReadFloat();
        sportId = ar.ReadDword();
    }
}

void CLibWorkout::Serialize(CArchive& ar) {
    CLibraryBaseItem::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteDword(categoryId);
        ar.WriteDword(sportId);
        ar.WriteString(comment);
        ar.WriteDword(pulseLow);
        ar.WriteDword(pulseHigh);
        ar.WriteDword(pulseRelative);
    } else {
        categoryId = ar.ReadDword();
        sportId = ar.ReadDword();
        comment = ar.ReadString();
        pulseLow = ar.ReadDword();
        pulseHigh = ar.ReadDword();
        pulseRelative = ar.ReadDword();
    }
}

}  // namespace kadenzo
