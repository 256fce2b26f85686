#include "Event.h"

#include "Library.h"

namespace kadenzo {

void CEvent::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        WriteCalendarDateTime(ar, start);
        WriteCalendarDateTime(ar, end);
        ar.WriteDword(blocksDay);
        ar.WriteLong(kind);
        return;
    }
    start = ReadCalendarDateTime(ar);
    end = ReadCalendarDateTime(ar);
    blocksDay = ar.ReadDword();
    kind = ar.ReadLong();
}

bool CEvent::IsEqual(const CEvent& o) const {
    return blocksDay == o.blocksDay && kind == o.kind && end == o.end && start == o.start;
}

bool CEvent::IsBuiltInKind() const { return kind >= kFirstBuiltInKind && kind < 0; }

bool CEvent::Validate(const CLibrary* library) const {
    if (IsBuiltInKind()) return true;
    return library && library->FindEvent(static_cast<std::uint32_t>(kind)) != nullptr;
}

}  // namespace kadenzo
