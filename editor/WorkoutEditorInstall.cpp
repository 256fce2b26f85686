#include "WorkoutEditorInstall.h"

#include <QPointer>
#include <QSettings>
#include <memory>

#include "BodyDataDlg.h"
#include "DocumentController.h"
#include "EditorServices.h"
#include "KadenzoDoc.h"
#include "LibraryItems.h"
#include "MainFrame.h"
#include "RecordingImportDlg.h"
#include "ResourceIds.h"
#include "TemplateTreeDlg.h"
#include "WorkoutEditorSheet.h"

namespace kadenzo {
namespace {

EditorServices MakeServices(CKadenzoDoc& doc, QSettings& settings, UserDialogs& dialogs) {
    EditorServices services{doc, dialogs, {}, {}, {}};
    services.chooseTemplate = [&doc](std::uint32_t current, QWidget* parent) {
        return ChooseTemplate(doc, current, parent);
    };
    services.importRecording = [&doc, &settings, &dialogs](const ImportRequest& request,
                                                           QWidget* parent) {
        const AppContext& context = doc.Context();
        const CRecordingImportDlg::Services import{
            context.units, context.Texts(),
            [&context] { return static_cast<std::int64_t>(context.Now()); }, settings, dialogs};
        return ImportRecording(import, request, parent);
    };
    return services;
}

// Opens the browser beside the frame, or closes it.
void ToggleLibraryBrowser(CMainFrame& frame, QPointer<CTemplateTreeDlg>& browser) {
    if (browser) {
        browser->close();
        return;
    }
    browser = new CTemplateTreeDlg(frame.Document().Doc(), &frame);
    browser->CreateBrowser();
    // Closed by its own close box or Escape: the command shows it unchecked.
    QObject::connect(browser, &QDialog::finished, &frame, [&frame] { frame.UpdateCommandUi(); });
    QObject::connect(browser, &CTemplateTreeDlg::templatePlanned, &frame,
                     [&frame](std::uint32_t templateId) {
                         if (frame.Editing().planTemplate) frame.Editing().planTemplate(templateId);
                     });
    const QRect area = frame.geometry();
    browser->move(area.right() - browser->width() - 24, area.top() + 120);
    browser->show();
}

}  // namespace

void InstallWorkoutEditor(CMainFrame& frame, QSettings& settings, UserDialogs& dialogs) {
    CKadenzoDoc& doc = frame.Document().Doc();
    WorkoutEditing& editing = frame.Editing();
    editing.editWorkout = [&doc, &settings, &dialogs](CDatabase::ConstWorkoutPos position,
                                                      QWidget* parent) {
        return RunWorkoutEditor(MakeServices(doc, settings, dialogs), position, parent);
    };
    editing.editBodyData = [&doc, &dialogs](int dayNumber, QWidget* parent) {
        return EditBodyData(doc, dayNumber, dialogs, parent);
    };
    editing.chooseTemplate = [&doc](QWidget* parent) { return ChooseTemplate(doc, kNoId, parent); };

    auto browser = std::make_shared<QPointer<CTemplateTreeDlg>>();
    frame.SetCommand(ID_LIBRARY_BROWSER,
                     {[&frame, browser] { ToggleLibraryBrowser(frame, *browser); },
                      {},
                      [browser] { return !browser->isNull() && (*browser)->isVisible(); }});
}

}  // namespace kadenzo
