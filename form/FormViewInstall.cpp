#include "FormViewInstall.h"

#include <QAction>
#include <QActionGroup>

#include "DocumentController.h"
#include "FormChartAccessible.h"
#include "FormRange.h"
#include "FormView.h"
#include "KadenzoDoc.h"
#include "MainFrame.h"
#include "ResourceIds.h"

namespace kadenzo {
namespace {

// Adds the actions to the group their first one is in, or to a new one.
void JoinRadioGroup(CMainFrame& frame, std::initializer_list<int> ids) {
    QActionGroup* group = nullptr;
    for (int id : ids)
        if (!group) group = frame.Action(id)->actionGroup();
    if (!group) {
        group = new QActionGroup(&frame);
        group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    }
    for (int id : ids) {
        frame.Action(id)->setCheckable(true);
        group->addAction(frame.Action(id));
    }
}

}  // namespace

void InstallFormView(CMainFrame& frame, QPrinter* printer) {
    InstallFormChartAccessible();
    auto factory = [printer](CMainFrame& f) -> QWidget* {
        auto* view = new CFormView(f.Document().Doc());
        view->SetPrinter(printer);
        view->RegisterCommands(f);
        return view;
    };
    frame.SetViewFactory(CMainFrame::ViewKind::Form, factory);
    // The diary and the analysis already make a pair; the form joins it.
    JoinRadioGroup(frame, {ID_VIEW_DIARY, ID_VIEW_ANALYSIS, ID_VIEW_FORM});
    JoinRadioGroup(frame, {ID_FORM_6_WEEKS, ID_FORM_3_MONTHS, ID_FORM_6_MONTHS, ID_FORM_1_YEAR,
                           ID_FORM_2_YEARS});
    if (frame.ActiveViewKind() == CMainFrame::ViewKind::Form) {
        frame.setCentralWidget(factory(frame));
        frame.UpdateCommandUi();
    }
}

}  // namespace kadenzo
