#include "DiaryViewInstall.h"

#include "DiaryAccessible.h"
#include "DocumentController.h"
#include "DiaryView.h"
#include "MainFrame.h"
#include "ResourceIds.h"

namespace kadenzo {

void InstallDiaryView(CMainFrame& frame, QPrinter* printer) {
    InstallDiaryAccessibility();
    auto factory = [printer](CMainFrame& f) -> QWidget* {
        auto* view = new CDiaryView(f.Document().Doc());
        // The view reads as the command that shows it.
        view->setAccessibleName(f.Action(ID_VIEW_DIARY)->iconText());
        view->SetPrinter(printer);
        view->SetEditing(&f.Editing());
        view->RegisterCommands(f);
        return view;
    };
    frame.AddView({ID_VIEW_DIARY, IDR_DIARY_MENU, {}, factory});
}

}  // namespace kadenzo
