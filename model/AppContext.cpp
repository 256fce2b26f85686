#include "AppContext.h"

#include "DateTime.h"
#include "Library.h"

namespace kadenzo {

std::time_t SystemNow() { return std::time(nullptr); }

AppContext::AppContext() : library(std::make_unique<CLibrary>()) {}
AppContext::~AppContext() = default;

std::string AppContext::Text(std::uint32_t id) const { return Texts().Text(id); }

const StringTable& AppContext::Texts() const {
    static const EmptyStringTable empty;
    return strings ? *strings : empty;
}

std::time_t AppContext::Now() const { return clock ? clock() : SystemNow(); }

double AppContext::NowAsDateTime() const { return DateTimeFromTimeStamp(Now()); }

int AppContext::Today() const { return DayNumber(NowAsDateTime()); }

}  // namespace kadenzo
