#include "MainFrame.h"

#include <QAccessible>
#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <algorithm>
#include <set>

#include "CoreText.h"
#include "DiarySync.h"
#include "DocumentController.h"
#include "KadenzoDoc.h"
#include "KeyboardLocks.h"
#include "Library.h"
#include "LogNameDialog.h"
#include "NoticeBar.h"
#include "ResourceIds.h"
#include "ShellOpen.h"
#include "SyncTexts.h"
#include "Texts.h"
#include "UserDialogs.h"

namespace kadenzo {
namespace {

// The maker's home page, opened with the desktop's browser.
const char kHomePage[] = "https://www.kadenzo.de/";

QString WithoutAccelerator(QString text) {
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return text.section(QLatin1Char('\t'), 0, 0);
}

}  // namespace

CMainFrame::CMainFrame(const LanguageModule& module, DocumentController& document,
                       UserDialogs& dialogs)
    : module_(module), document_(document), dialogs_(dialogs) {
    setObjectName(QStringLiteral("MainFrame"));
    setWindowIcon(QIcon(QStringLiteral(":/kadenzo/kadenzo.svg")));
    viewCommands_ = new QActionGroup(this);
    viewCommands_->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    // Until a view is added, the shell's own commands are in the language
    // module's first menu bar.
    ShowMenus(BuildMenus(IDR_MAINFRAME));
    // Undo and Redo name the step they take; without one they read as the menu does.
    for (int id : {ID_UNDO, ID_REDO}) plainTexts_[id] = Action(id)->text();
    BuildToolBar();
    // The notice bar takes a row of its own below the tool bar.
    addToolBarBreak();
    notice_ = new CNoticeBar(module_.QText(synctext::kNoticeName), this);
    addToolBar(Qt::TopToolBarArea, notice_);
    BuildStatusBar();
    RegisterFrameCommands();

    DiarySync& sync = document_.Sync();
    connect(&sync, &DiarySync::NoticeChanged, this, &CMainFrame::UpdateNotice);
    connect(&sync, &DiarySync::StatusLine, this, &CMainFrame::SetStatusText);

    connect(&document_, &DocumentController::TitleChanged, this, &CMainFrame::UpdateTitle);
    // Views repaint what a change touched themselves; the frame follows with
    // undo, redo and the other command states.
    connect(&document_, &DocumentController::Changed, this, &CMainFrame::UpdateCommandUi);
    connect(&document_, &DocumentController::RecentFilesChanged, this,
            &CMainFrame::UpdateRecentFiles);
    UpdateRecentFiles();
    UpdateTitle();
    UpdateNotice();
    UpdateCommandUi();
    resize(InitialSize(screen() ? screen()->availableGeometry().size() : QSize()));
}

QSize CMainFrame::InitialSize(const QSize& available) {
    // Most of the screen, so that the four weeks have room, but not all of it.
    if (!available.isValid()) return {1280, 860};
    return {std::max(800, available.width() * 9 / 10), std::max(600, available.height() * 9 / 10)};
}

CMainFrame::~CMainFrame() = default;

QAction* CMainFrame::Action(int commandId) {
    auto it = actions_.find(commandId);
    if (it != actions_.end()) return it->second;
    auto* action = new QAction(this);
    action->setObjectName(QString::number(commandId));
    action->setData(commandId);
    action->setEnabled(false);
    connect(action, &QAction::triggered, this, [this, commandId] { Execute(commandId); });
    actions_[commandId] = action;
    return action;
}

void CMainFrame::SetCommand(int commandId, Command command) {
    QAction* action = Action(commandId);
    action->setCheckable(static_cast<bool>(command.checked) || action->isCheckable());
    commands_[commandId] = std::move(command);
    UpdateCommandUi();
}

bool CMainFrame::Execute(int commandId) {
    const auto it = commands_.find(commandId);
    if (it == commands_.end() || !it->second.run) return false;
    if (it->second.enabled && !it->second.enabled()) return false;
    // The handler may replace the command table; run a copy.
    const std::function<void()> run = it->second.run;
    run();
    UpdateCommandUi();
    return true;
}

void CMainFrame::UpdateCommandUi() {
    for (auto& [id, action] : actions_) {
        const auto it = commands_.find(id);
        const bool handled = it != commands_.end() && it->second.run;
        action->setEnabled(handled && (!it->second.enabled || it->second.enabled()));
        if (handled && it->second.checked) action->setChecked(it->second.checked());
    }
    for (int i = 0; i < static_cast<int>(recentFileActions_.size()); ++i) {
        recentFileActions_[i]->setEnabled(i < document_.RecentFiles().Files().size());
    }
    UpdateUndoTexts();
}

void CMainFrame::UpdateUndoTexts() {
    const CKadenzoDoc& doc = document_.Doc();
    const struct {
        int command;
        int format;
        std::uint32_t step;
    } commands[] = {{ID_UNDO, IDS_UNDO_STEP, doc.UndoName()},
                    {ID_REDO, IDS_REDO_STEP, doc.RedoName()}};
    for (const auto& command : commands) {
        QAction* action = Action(command.command);
        const QString before = action->text();
        const QString name = command.step == 0 ? QString() : module_.QText(command.step);
        const QString format = module_.QText(static_cast<std::uint32_t>(command.format));
        if (name.isEmpty() || format.isEmpty()) {
            const QString& plain = plainTexts_[command.command];
            const QString tip = module_.QText(static_cast<std::uint32_t>(command.command))
                                    .section(QLatin1Char('\n'), 1, 1);
            action->setText(plain);
            action->setToolTip(tip.isEmpty() ? WithoutAccelerator(plain) : tip);
        } else {
            action->setText(FormatText(format, {name}));
            action->setToolTip(WithoutAccelerator(action->text()));
        }
        if (action->text() == before || !QAccessible::isActive()) continue;
        // A menu does not tell of its items' new texts: a screen reader would
        // go on saying "Undo Move Workout" after a delete. The item's object
        // is the one the menus made when a reader first read them (none yet:
        // nothing to tell); making one here would tie it to a hidden menu.
        if (QAccessibleInterface* item = QAccessible::queryAccessibleInterface(action)) {
            QAccessibleEvent renamed(item, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&renamed);
        }
    }
}

std::vector<QMenu*> CMainFrame::BuildMenus(int menuId) {
    std::vector<QMenu*> menus;
    for (const MenuItem& popup : module_.Menu(menuId)) {
        auto* menu = new QMenu(popup.text, this);
        AddItems(menu, popup.children);
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUi);
        menus.push_back(menu);
    }
    return menus;
}

void CMainFrame::AddItems(QMenu* menu, const std::vector<MenuItem>& items) {
    for (const MenuItem& item : items) {
        if (item.separator) {
            menu->addSeparator();
        } else if (!item.children.empty()) {
            AddItems(menu->addMenu(item.text), item.children);
        } else if (item.id == ID_FILE_MRU_FILE1) {
            // The recent-file items replace the placeholder item of the menu.
            recentFilePlaceholder_ = item.text;
            const bool first = recentFileActions_.empty();
            for (int i = 0; i < ID_FILE_MRU_COUNT; ++i) {
                QAction* action = Action(ID_FILE_MRU_FILE1 + i);
                menu->addAction(action);
                if (first) recentFileActions_.push_back(action);
            }
        } else {
            QAction* action = Action(item.id);
            // A view may have named the command already (Back by its range).
            if (action->text().isEmpty()) action->setText(item.text);
            if (!item.shortcut.isEmpty() && !menuShortcuts_.count(action))
                menuShortcuts_[action] = QKeySequence(item.shortcut, QKeySequence::PortableText);
            if (item.checkable) action->setCheckable(true);
            menu->addAction(action);
        }
    }
}

void CMainFrame::BuildToolBar() {
    toolBar_ = addToolBar(QString());
    toolBar_->setObjectName(QStringLiteral("ToolBar"));
    toolBar_->setMovable(true);
    toolBar_->setIconSize(QSize(16, 16));
    for (const ToolBarButton& button : module_.ToolBar(IDR_TOOLBAR)) {
        if (button.separator) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* action = Action(button.id);
        if (action->icon().isNull()) action->setIcon(module_.Icon(button.iconId));
        toolBar_->addAction(action);
    }
}

void CMainFrame::AddToolBarCommands(const std::vector<int>& commands) {
    // After the last view command on the tool bar, else at its end.
    const QList<QAction*> shown = toolBar_->actions();
    QAction* before = nullptr;
    for (qsizetype i = shown.size(); i-- > 0;) {
        if (viewCommands_->actions().contains(shown[i])) {
            before = i + 1 < shown.size() ? shown[i + 1] : nullptr;
            break;
        }
    }
    for (int command : commands) {
        QAction* action = Action(command);
        if (!toolBar_->actions().contains(action)) toolBar_->insertAction(before, action);
    }
}

void CMainFrame::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    // Idle, the message pane says "Ready"; fly-by help replaces it for a while.
    const QString ready = module_.QText(IDS_READY);
    connect(bar, &QStatusBar::messageChanged, this, [bar, ready](const QString& message) {
        if (message.isEmpty() && !ready.isEmpty()) bar->showMessage(ready);
    });
    bar->showMessage(ready);
    for (int id : {ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL}) {
        auto* indicator = new QLabel(module_.QText(static_cast<std::uint32_t>(id)), bar);
        indicator->setObjectName(QStringLiteral("Indicator%1").arg(id));
        indicator->setAlignment(Qt::AlignCenter);
        indicator->setMinimumWidth(
            indicator->fontMetrics().horizontalAdvance(QStringLiteral("SCRLM")));
        indicator->setEnabled(false);
        bar->addPermanentWidget(indicator);
        indicators_.push_back(indicator);
    }
    UpdateIndicators();
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, &CMainFrame::UpdateIndicators);
    poll->start(300);
    SetHelpTexts();
}

void CMainFrame::SetHelpTexts() {
    // Fly-by help: a text numbered like the command holds its status bar
    // prompt and, on a second line, its tool tip.
    for (auto& [id, action] : actions_) {
        const QString help = module_.QText(static_cast<std::uint32_t>(id));
        const QString prompt = help.section(QLatin1Char('\n'), 0, 0);
        const QString tip = help.section(QLatin1Char('\n'), 1, 1);
        action->setStatusTip(prompt.isEmpty() ? WithoutAccelerator(action->text()) : prompt);
        action->setToolTip(tip.isEmpty() ? WithoutAccelerator(action->text()) : tip);
    }
}

void CMainFrame::ShowMenus(const std::vector<QMenu*>& menus) {
    menuBar()->clear();
    for (QMenu* menu : menus) menuBar()->addMenu(menu);
    // A key belongs to the command of the menus shown: the diary's Previous
    // Week and the charts' Back both take Page Up, and the tool bar keeps
    // Previous Week in every view, where two holders of one key would leave
    // Qt to refuse it as ambiguous.
    std::set<const QAction*> shown;
    std::vector<const QMenu*> open(menus.begin(), menus.end());
    while (!open.empty()) {
        const QMenu* menu = open.back();
        open.pop_back();
        for (const QAction* action : menu->actions()) {
            shown.insert(action);
            if (action->menu()) open.push_back(action->menu());
        }
    }
    for (const auto& [action, keys] : menuShortcuts_)
        action->setShortcut(shown.count(action) ? keys : QKeySequence());
}

const CMainFrame::ShownView* CMainFrame::FindView(int command) const {
    for (const ShownView& shown : views_)
        if (shown.view.command == command) return &shown;
    return nullptr;
}

std::vector<QMenu*> CMainFrame::Menus(int viewCommand) const {
    const ShownView* shown = FindView(viewCommand);
    return shown ? shown->menus : std::vector<QMenu*>();
}

void CMainFrame::MakeExclusive(const std::vector<int>& commandIds) {
    auto* group = new QActionGroup(this);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (int id : commandIds) {
        Action(id)->setCheckable(true);
        group->addAction(Action(id));
    }
}

std::vector<QMenu*> CMainFrame::AddView(View view) {
    const int command = view.command;
    const std::vector<int> toolBarCommands = view.toolBarCommands;
    std::vector<QMenu*> menus = BuildMenus(view.menuResource);
    views_.push_back({std::move(view), menus});
    QAction* action = Action(command);
    action->setCheckable(true);
    viewCommands_->addAction(action);
    SetCommand(command, {[this, command] { SwitchToView(command); },
                         {},
                         [this, command] { return activeView_ == command; }});
    AddToolBarCommands(toolBarCommands);
    // Items the new menus brought get their fly-by help.
    SetHelpTexts();
    if (activeView_ == 0) SwitchToView(command);
    return menus;
}

bool CMainFrame::SwitchToView(int viewCommand) {
    if (viewCommand == activeView_ && centralWidget()) return true;
    const ShownView* shown = FindView(viewCommand);
    // A view may give a shared tool bar button help of its own (the analysis
    // pages by its range with the diary's week buttons); the next view starts
    // from the module's help.
    SetHelpTexts();
    QWidget* view = shown && shown->view.factory ? shown->view.factory(*this) : nullptr;
    if (!view) return false;
    // The old view goes at once, so that its commands are disabled before the
    // menus and the tool bar are updated below.
    delete takeCentralWidget();
    setCentralWidget(view);
    view->show();
    view->setFocus();
    activeView_ = viewCommand;
    ShowMenus(shown->menus);
    UpdateCommandUi();
    return true;
}

void CMainFrame::SetStatusText(const QString& text) { statusBar()->showMessage(text); }

void CMainFrame::UpdateIndicators() {
    const std::optional<KeyboardLocks> locks = ReadKeyboardLocks();
    const bool on[] = {locks && locks->caps, locks && locks->num, locks && locks->scroll};
    for (std::size_t i = 0; i < indicators_.size() && i < 3; ++i) indicators_[i]->setEnabled(on[i]);
}

void CMainFrame::UpdateTitle() {
    QString title = document_.Title();
    if (document_.Sync().ReadOnly())
        title += QLatin1Char(' ') + module_.QText(synctext::kReadOnlyTitle);
    setWindowTitle(title + QStringLiteral("[*] - Kadenzo"));
    setWindowModified(document_.IsModified());
}

void CMainFrame::UpdateNotice() {
    const auto button = [this](std::uint32_t text, int command) {
        return CNoticeBar::Button{module_.QText(text), [this, command] { Execute(command); }};
    };
    std::vector<CNoticeBar::Button> buttons;
    switch (document_.Sync().CurrentNotice()) {
        case DiarySync::Notice::DiskChanged:
            buttons = {button(synctext::kMergeNow, ID_MERGE_DISK_CHANGES)};
            break;
        case DiarySync::Notice::ConflictedCopy:
            buttons = {button(synctext::kMergeCopy, ID_MERGE_COPY),
                       button(synctext::kLeaveCopy, ID_LEAVE_COPY)};
            break;
        case DiarySync::Notice::ReadOnly:
            buttons = {button(synctext::kEditAnyway, ID_EDIT_ANYWAY)};
            break;
        case DiarySync::Notice::None:
            break;
    }
    notice_->Show(document_.Sync().NoticeText(), buttons);
    UpdateCommandUi();
}

void CMainFrame::UpdateRecentFiles() {
    const QStringList& files = document_.RecentFiles().Files();
    for (int i = 0; i < static_cast<int>(recentFileActions_.size()); ++i) {
        QAction* action = recentFileActions_[i];
        if (i < files.size()) {
            action->setText(
                QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(files.at(i)).fileName()));
            action->setStatusTip(files.at(i));
            action->setVisible(true);
        } else {
            // An empty list shows the menu's own disabled item.
            action->setText(recentFilePlaceholder_);
            action->setVisible(i == 0);
        }
    }
    UpdateCommandUi();
}

void CMainFrame::RegisterFrameCommands() {
    const auto always = std::function<bool()>();
    SetCommand(ID_ATHLETE_PROFILE, {[this] { OnAthleteProfile(); }, always, {}});
    SetCommand(ID_LOG_NAME, {[this] { OnLogName(); }, always, {}});
    SetCommand(ID_WEB_PAGE, {[] { ShellOpen(QString::fromLatin1(kHomePage)); }, always, {}});
    SetCommand(ID_FILE_NEW, {[this] { document_.NewDocument(); }, always, {}});
    SetCommand(ID_FILE_OPEN, {[this] { document_.OpenDocument(); }, always, {}});
    SetCommand(ID_FILE_SAVE, {[this] { document_.Save(); }, always, {}});
    SetCommand(ID_FILE_SAVE_AS, {[this] { document_.SaveAs(); }, always, {}});
    for (int i = 0; i < ID_FILE_MRU_COUNT; ++i) {
        SetCommand(ID_FILE_MRU_FILE1 + i, {[this, i] {
                                               const QStringList files =
                                                   document_.RecentFiles().Files();
                                               if (i < files.size())
                                                   document_.OpenDocumentFile(files.at(i));
                                           },
                                           always,
                                           {}});
    }
    SetCommand(ID_UNDO,
               {[this] { document_.Undo(); }, [this] { return document_.Doc().CanUndo(); }, {}});
    SetCommand(ID_REDO,
               {[this] { document_.Redo(); }, [this] { return document_.Doc().CanRedo(); }, {}});
    SetCommand(ID_APP_EXIT, {[this] { close(); }, always, {}});
    // The notice bar's answers, each while its notice is shown.
    DiarySync& sync = document_.Sync();
    const auto shown = [&sync](DiarySync::Notice notice) {
        return [&sync, notice] { return sync.CurrentNotice() == notice; };
    };
    SetCommand(ID_MERGE_DISK_CHANGES,
               {[&sync] { sync.MergeDiskChanges(); }, shown(DiarySync::Notice::DiskChanged), {}});
    SetCommand(
        ID_MERGE_COPY,
        {[&sync] { sync.MergeOfferedCopy(); }, shown(DiarySync::Notice::ConflictedCopy), {}});
    SetCommand(
        ID_LEAVE_COPY,
        {[&sync] { sync.LeaveOfferedCopy(); }, shown(DiarySync::Notice::ConflictedCopy), {}});
    SetCommand(ID_EDIT_ANYWAY,
               {[&sync] { sync.EditAnyway(); }, shown(DiarySync::Notice::ReadOnly), {}});
    SetCommand(ID_VIEW_TOOLBAR, {[this] { toolBar_->setVisible(!toolBar_->isVisible()); }, always,
                                 [this] { return !toolBar_->isHidden(); }});
    SetCommand(ID_VIEW_STATUS_BAR, {[this] { statusBar()->setVisible(!statusBar()->isVisible()); },
                                    always, [this] { return !statusBar()->isHidden(); }});
}

void CMainFrame::OnAthleteProfile() { document_.EditProfileCommand(); }

void CMainFrame::OnLogName() {
    const QString before = FromBytes(document_.Doc().Log().name);
    CLogNameDialog dialog(before, TextService(module_), this);
    // An emptied name shows the untitled text again rather than the old name.
    if (dialog.exec() == QDialog::Accepted) document_.SetLogName(dialog.Name());
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (document_.SaveModified()) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace kadenzo
