#include "FormViewInstall.h"

#include "DocumentController.h"
#include "FormChartAccessible.h"
#include "FormRange.h"
#include "FormView.h"
#include "KadenzoDoc.h"
#include "MainFrame.h"
#include "ResourceIds.h"

namespace kadenzo {

void InstallFormView(CMainFrame& frame, QPrinter* printer) {
    InstallFormChartAccessible();
    auto factory = [printer](CMainFrame& f) -> QWidget* {
        auto* view = new CFormView(f.Document().Doc());
        view->SetPrinter(printer);
        view->RegisterCommands(f);
        return view;
    };
    frame.AddView({ID_VIEW_FORM, IDR_FORM_MENU, {}, factory});
    frame.MakeExclusive(
        {ID_FORM_6_WEEKS, ID_FORM_3_MONTHS, ID_FORM_6_MONTHS, ID_FORM_1_YEAR, ID_FORM_2_YEARS});
}

}  // namespace kadenzo
