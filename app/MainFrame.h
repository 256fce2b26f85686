#pragma once

#include <QKeySequence>
#include <QMainWindow>
#include <QPointer>
#include <QSize>
#include <functional>
#include <map>
#include <vector>

#include "LanguageModule.h"
#include "WorkoutEditing.h"

class QActionGroup;
class QLabel;
class QMenu;
class QToolBar;

namespace kadenzo {

class CNoticeBar;
class DocumentController;
class UserDialogs;

// The program's one frame window: the menus of the active view, the tool bar,
// the status bar and the active view. Every command is a QAction whose number
// is the historical command id; commands nobody handles yet stay disabled.
// The frame knows no view: each one is added with AddView, and features add
// their commands with SetCommand.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // Creates a view for this frame; null when it cannot.
    using ViewFactory = std::function<QWidget*(CMainFrame& frame)>;

    struct Command {
        std::function<void()> run;
        std::function<bool()> enabled;  // empty: always enabled
        std::function<bool()> checked;  // empty: not checkable
    };

    // A view the frame can show: the command that shows it (by which the
    // frame knows it), the language module's menu bar shown with it, tool bar
    // buttons beyond the module's tool bar (put after the other views'
    // commands there), and how it is made.
    struct View {
        int command = 0;
        int menuResource = 0;
        std::vector<int> toolBarCommands;
        ViewFactory factory;
    };

    CMainFrame(const LanguageModule& module, DocumentController& document, UserDialogs& dialogs);
    ~CMainFrame() override;

    DocumentController& Document() const { return document_; }
    // The language module of the menus, the tool bar and the pictures.
    const LanguageModule& Module() const { return module_; }

    // Makes a command work (or replaces its handler) and updates its state.
    void SetCommand(int commandId, Command command);
    // The action of a command id (made on first use).
    QAction* Action(int commandId);
    // Runs a command as the menu would; false when it is disabled or unhandled.
    bool Execute(int commandId);
    // Updates enabled and checked states of every command, and the texts of
    // Undo and Redo.
    void UpdateCommandUi();
    // Makes the commands a group of which one is on: their menu items show
    // round marks, and which one is on follows their checked state.
    void MakeExclusive(const std::vector<int>& commandIds);

    // Adds a view and its command, which joins the exclusive group of the
    // view commands; the first view added is shown. Returns the view's
    // top-level menus, for the feature to add to.
    std::vector<QMenu*> AddView(View view);
    // Replaces the active view by a new one of the view shown by that command
    // and shows its menus; true at once when it is the active one already.
    bool SwitchToView(int viewCommand);
    int ActiveViewCommand() const { return activeView_; }
    QWidget* ActiveView() const { return centralWidget(); }
    // The top-level menus shown with a view; empty for an unknown command.
    std::vector<QMenu*> Menus(int viewCommand) const;

    // The workout editor and the body data dialog, as installed.
    WorkoutEditing& Editing() { return editing_; }

    // Writes a text into the status bar's message pane.
    void SetStatusText(const QString& text);
    // Shows the lock keys' state in the status bar's indicators.
    void UpdateIndicators();
    // The first size of the window on a screen with that much room.
    static QSize InitialSize(const QSize& available);

    // Puts the document's title, its modified mark and whether it is open
    // read-only into the caption.
    void UpdateTitle();
    // Shows the open file's notice (changed on disk, a conflicted copy,
    // read-only) with the buttons that answer it, or hides the bar.
    void UpdateNotice();
    CNoticeBar* NoticeBar() const { return notice_; }
    // Fills the recent-file items from the document's list.
    void UpdateRecentFiles();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct ShownView {
        View view;
        std::vector<QMenu*> menus;
    };

    std::vector<QMenu*> BuildMenus(int menuId);
    void AddItems(QMenu* menu, const std::vector<MenuItem>& items);
    void BuildToolBar();
    void AddToolBarCommands(const std::vector<int>& commands);
    void BuildStatusBar();
    void SetHelpTexts();
    void ShowMenus(const std::vector<QMenu*>& menus);
    const ShownView* FindView(int command) const;
    void RegisterFrameCommands();
    void OnAthleteProfile();
    void OnLogName();
    // Undo and Redo name the step they would take, in the menu and the tip.
    void UpdateUndoTexts();

    const LanguageModule& module_;
    DocumentController& document_;
    UserDialogs& dialogs_;
    std::map<int, QAction*> actions_;
    std::map<int, Command> commands_;
    std::map<int, QString> plainTexts_;  // Undo and Redo as the menu names them
    std::map<QAction*, QKeySequence> menuShortcuts_;  // as the language module gives them
    std::vector<ShownView> views_;
    QActionGroup* viewCommands_ = nullptr;
    std::vector<QAction*> recentFileActions_;
    QString recentFilePlaceholder_;
    QToolBar* toolBar_ = nullptr;
    CNoticeBar* notice_ = nullptr;
    std::vector<QLabel*> indicators_;  // caps, num and scroll lock
    WorkoutEditing editing_;
    int activeView_ = 0;
};

}  // namespace kadenzo
