#include "SavedDocument.h"

#include <stdexcept>

#include "AppContext.h"
#include "Database.h"
#include "KadenzoDoc.h"
#include "Library.h"

namespace kadenzo::tool {

void SaveDocument(DocumentContents contents, const std::string& path) {
    AppContext context;
    CKadenzoDoc document(context);
    document.SetContents(std::move(contents));
    std::string error;
    if (!document.OnSaveDocument(path, &error)) throw std::runtime_error(error);
}

}  // namespace kadenzo::tool
