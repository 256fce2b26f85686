#include "DayTexts.h"

#include "CoreText.h"
#include "DateNames.h"

namespace kadenzo {

QString FormatDateTimeStamp(std::int64_t seconds, const StringTable& texts) {
    const DateNames names = DateNames::From(texts);
    return FromBytes(FormatTimeStamp(seconds, names.dateTimeFormat, names));
}

}  // namespace kadenzo
