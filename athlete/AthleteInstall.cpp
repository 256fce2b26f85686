#include "AthleteInstall.h"

#include "BodyDataDialog.h"
#include "DocumentController.h"
#include "MainFrame.h"

namespace kadenzo {

void InstallBodyData(CMainFrame& frame, UserDialogs& dialogs) {
    CKadenzoDoc& doc = frame.Document().Doc();
    frame.Editing().editBodyData = [&doc, &dialogs](int dayNumber, QWidget* parent) {
        return EditBodyData(doc, dayNumber, dialogs, parent);
    };
}

}  // namespace kadenzo
