#include "ReportedDocument.h"

#include <deque>

#include "Library.h"

namespace kadenzo::tool {

DocumentContents& ReadToReport(const std::string& path, CDatabase::DropCounts* dropped) {
    // Reachable to the end, so a leak checker sees nothing lost.
    static auto* const kept = new std::deque<DocumentContents>;
    DocumentContents& contents = kept->emplace_back(ReadDocumentFile(path));
    const CDatabase::DropCounts counts = contents.log->RemoveInvalid(contents.library.get());
    if (dropped) *dropped = counts;
    return contents;
}

}  // namespace kadenzo::tool
