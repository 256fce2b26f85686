#include "WorkoutEditorInstall.h"

#include <QSettings>

#include "Cp1252.h"
#include "DocumentController.h"
#include "EditorServices.h"
#include "KadenzoDoc.h"
#include "MainFrame.h"
#include "RecordingImportDialog.h"
#include "RecordingPaths.h"
#include "WorkoutEditorSheet.h"

namespace kadenzo {
namespace {

EditorServices MakeServices(CKadenzoDoc& doc, const WorkoutEditing& editing, QSettings& settings,
                            UserDialogs& dialogs) {
    EditorServices services{doc, dialogs, {}, {}, {}};
    services.chooseTemplate = editing.chooseTemplate;
    services.importRecording = [&doc, &settings, &dialogs](const ImportRequest& request,
                                                           QWidget* parent) {
        const AppContext& context = doc.Context();
        const CRecordingImportDialog::Services import{
            context.units, context.Texts(),
            [&context] { return static_cast<std::int64_t>(context.Now()); }, settings, dialogs};
        // A recording a device import copied beside the diary is stored
        // relative to its folder, and stays so unless another file is chosen.
        ImportRequest resolved = request;
        const std::string stored = Utf8ToCp1252(request.path);
        resolved.path = ResolveRecordingPath(stored, doc.PathName());
        std::optional<ImportedFigures> figures = ImportRecording(import, resolved, parent);
        if (figures) figures->path = PathAfterImport(stored, figures->path, doc.PathName());
        return figures;
    };
    return services;
}

}  // namespace

void InstallWorkoutEditor(CMainFrame& frame, QSettings& settings, UserDialogs& dialogs) {
    CKadenzoDoc& doc = frame.Document().Doc();
    WorkoutEditing& editing = frame.Editing();
    editing.editWorkout = [&doc, &editing, &settings, &dialogs](CDatabase::ConstWorkoutPos position,
                                                                QWidget* parent) {
        return RunWorkoutEditor(MakeServices(doc, editing, settings, dialogs), position, parent);
    };
}

}  // namespace kadenzo
