#include "WorkoutEditorInstall.h"

#include <QSettings>

#include "DocumentController.h"
#include "EditorServices.h"
#include "KadenzoDoc.h"
#include "MainFrame.h"
#include "RecordingImportDialog.h"
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
        return ImportRecording(import, request, parent);
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
