#include "ViewPaging.h"

#include <QAction>
#include <utility>

#include "MainFrame.h"
#include "ResourceIds.h"

namespace kadenzo {
namespace {

constexpr std::pair<int, int> kPagingButtons[] = {
    {ID_PAGE_BACK, ID_WEEK_BACK},
    {ID_PAGE_FORWARD, ID_WEEK_FORWARD},
};

}  // namespace

void RegisterPagingButtons(CMainFrame& frame, const std::function<void(int)>& page,
                           const std::function<bool()>& enabled) {
    for (const auto& [command, button] : kPagingButtons) {
        const int id = command;
        frame.SetCommand(button, {[page, id] { page(id); }, enabled, {}});
    }
}

void UpdatePagingTexts(CMainFrame& frame, const std::function<QString(int)>& pagingText) {
    for (const auto& [command, button] : kPagingButtons) {
        const QString text = pagingText(command);
        if (text.isEmpty()) continue;
        frame.Action(command)->setText(text);
        // The tool bar button says how far it pages now.
        QAction* action = frame.Action(button);
        action->setToolTip(QString(text).remove(QLatin1Char('&')));
        action->setStatusTip(frame.Action(command)->statusTip());
    }
}

}  // namespace kadenzo
