#include "DiaryViewInstall.h"

#include "DocumentController.h"
#include "KadenzoView.h"
#include "MainFrame.h"

namespace kadenzo {

void InstallDiaryView(CMainFrame& frame) {
    auto factory = [](CMainFrame& f) -> QWidget* {
        auto* view = new CKadenzoView(f.Document().Doc());
        view->RegisterCommands(f);
        return view;
    };
    frame.SetViewFactory(CMainFrame::ViewKind::Diary, factory);
    if (frame.ActiveViewKind() == CMainFrame::ViewKind::Diary) {
        frame.setCentralWidget(factory(frame));
        frame.UpdateCommandUi();
    }
}

}  // namespace kadenzo
