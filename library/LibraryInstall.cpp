#include "LibraryInstall.h"

#include <QPointer>
#include <memory>

#include "DocumentController.h"
#include "KadenzoDoc.h"
#include "LibraryEditorDialog.h"
#include "MainFrame.h"
#include "ResourceIds.h"
#include "TemplateTreeDialog.h"
#include "Texts.h"
#include "UserDialogs.h"

namespace kadenzo {
namespace {

void EditLibrary(CMainFrame& frame, UserDialogs& dialogs, const std::string& libraryFilePath) {
    CKadenzoDoc& doc = frame.Document().Doc();
    // A library taken over from a diary is only shown.
    const bool viewOnly = doc.LibraryReplaced();
    if (viewOnly)
        dialogs.Message(frame.Document().Texts().Text(IDS_LIBRARY_VIEW_ONLY),
                        UserDialogs::Icon::Warning);
    CLibraryEditorDialog dialog(doc, dialogs, libraryFilePath, &frame);
    if (viewOnly) dialog.SetViewOnly();
    dialog.exec();
}

// Opens the browser beside the frame, or closes it.
void ToggleLibraryBrowser(CMainFrame& frame, QPointer<CTemplateTreeDialog>& browser) {
    if (browser) {
        browser->close();
        return;
    }
    browser = new CTemplateTreeDialog(frame.Document().Doc(), &frame);
    browser->CreateBrowser();
    // Closed by its own close box or Escape: the command shows it unchecked.
    QObject::connect(browser, &QDialog::finished, &frame, [&frame] { frame.UpdateCommandUi(); });
    QObject::connect(browser, &CTemplateTreeDialog::templatePlanned, &frame,
                     [&frame](std::uint32_t templateId) {
                         if (frame.Editing().planTemplate) frame.Editing().planTemplate(templateId);
                     });
    const QRect area = frame.geometry();
    browser->move(area.right() - browser->width() - 24, area.top() + 120);
    browser->show();
    // F8 takes the keyboard to the templates, as a click on the window would.
    browser->raise();
    browser->activateWindow();
    browser->Tree()->setFocus(Qt::OtherFocusReason);
}

}  // namespace

void InstallLibrary(CMainFrame& frame, UserDialogs& dialogs, std::string libraryFilePath) {
    frame.SetCommand(ID_LIBRARY_EDITOR, {[&frame, &dialogs, libraryFilePath] {
                                             EditLibrary(frame, dialogs, libraryFilePath);
                                         },
                                         {},
                                         {}});
    auto browser = std::make_shared<QPointer<CTemplateTreeDialog>>();
    frame.SetCommand(ID_LIBRARY_BROWSER,
                     {[&frame, browser] { ToggleLibraryBrowser(frame, *browser); },
                      {},
                      [browser] { return !browser->isNull() && (*browser)->isVisible(); }});
    CKadenzoDoc& doc = frame.Document().Doc();
    frame.Editing().chooseTemplate = [&doc](std::uint32_t current, QWidget* parent) {
        return ChooseTemplate(doc, current, parent);
    };
}

}  // namespace kadenzo
