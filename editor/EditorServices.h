#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

#include "ImportedFigures.h"
#include "RecordingImportValues.h"

class QWidget;

namespace kadenzo {

class CKadenzoDoc;
class UserDialogs;

// What the workout editor works with. The program fills in the template
// chooser and the recording import; tests put scripted ones in their place.
struct EditorServices {
    CKadenzoDoc& doc;
    UserDialogs& dialogs;  // the import question and the file choosers
    // The template chooser starting at the current template: the one chosen,
    // nothing on cancel.
    std::function<std::optional<std::uint32_t>(std::uint32_t current, QWidget* parent)>
        chooseTemplate;
    // The recording import dialog: its figures when the user confirms.
    std::function<std::optional<ImportedFigures>(const ImportRequest& request, QWidget* parent)>
        importRecording;
    // Opens a link's target; empty for the desktop's handler.
    std::function<bool(const QString& target)> openLink;
};

}  // namespace kadenzo
