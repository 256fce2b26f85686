#pragma once

#include "DocumentFile.h"
#include "JsonLibrary.h"

namespace kadenzo {
class CDatabase;
}

namespace kadenzo::tool {

// A whole document: profile, `library` and `log`, lists in stored order.
Json DocumentToJson(const DocumentContents& contents);
// Builds a document from JSON (formatWord is ignored). Throws
// std::runtime_error naming the offending field.
DocumentContents DocumentFromJson(const Json& json);

Json LogToJson(const CDatabase& log);
std::unique_ptr<CDatabase> LogFromJson(const Json& json);

}  // namespace kadenzo::tool
