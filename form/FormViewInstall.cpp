#include "FormViewInstall.h"

#include "DocumentController.h"
#include "FormChartAccessible.h"
#include "FormRaceMenu.h"
#include "FormRange.h"
#include "FormView.h"
#include "KadenzoDoc.h"
#include "MainFrame.h"
#include "ResourceIds.h"

namespace kadenzo {

void InstallFormView(CMainFrame& frame, QPrinter* printer, QSettings* settings) {
    InstallFormChartAccessible();
    auto factory = [printer, settings](CMainFrame& f) -> QWidget* {
        auto* view = new CFormView(f.Document().Doc(), settings);
        view->SetPrinter(printer);
        view->RegisterCommands(f);
        return view;
    };
    frame.AddView({ID_VIEW_FORM, IDR_FORM_MENU, {}, factory});
    frame.MakeExclusive({ID_FORM_NEXT_RACE, ID_FORM_6_WEEKS, ID_FORM_3_MONTHS, ID_FORM_6_MONTHS,
                         ID_FORM_1_YEAR, ID_FORM_2_YEARS});
    if (!settings) return;
    CMainFrame* frameRef = &frame;
    InstallRaceCategoryMenu(frame, *settings, [frameRef] {
        if (auto* view = qobject_cast<CFormView*>(frameRef->ActiveView()))
            view->OnRaceCategoryChanged();
    });
}

}  // namespace kadenzo
