#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QSize>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "LanguageModule.h"
#include "WorkoutEditing.h"

class QLabel;
class QMenu;
class QToolBar;

namespace kadenzo {

class DocumentController;
class UserDialogs;

// The program's one frame window: the diary and analysis menus, the tool bar,
// the status bar and the active view. Every command is a QAction whose number
// is the historical command id; commands nobody handles yet stay disabled.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    enum class ViewKind { Diary, Analysis, Form };
    // Creates the view of a kind for this frame; null when it cannot.
    using ViewFactory = std::function<QWidget*(CMainFrame& frame)>;

    struct Command {
        std::function<void()> run;
        std::function<bool()> enabled;  // empty: always enabled
        std::function<bool()> checked;  // empty: not checkable
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

    void SetViewFactory(ViewKind kind, ViewFactory factory);
    // Replaces the active view by a new one of that kind and shows that kind's
    // menu; nothing happens when the active view already is of that kind.
    bool SwitchToView(ViewKind kind);
    ViewKind ActiveViewKind() const { return activeKind_; }
    QWidget* ActiveView() const { return centralWidget(); }
    // Repaints the active view (units changed, document changed).
    void UpdateAllViews();

    // The sport of sports menu item index (1-based, command 1025 + index - 1);
    // 0 when there is no such item.
    std::uint32_t SportIdForMenuItem(int index) const;
    // Handler of the sports menu items (the analysis view sets it).
    void SetSportMenuHandler(std::function<void(int index)> handler);
    QMenu* SportsMenu() const { return sportsMenu_; }
    // The top-level menus of the diary (128), analysis (129) or form (130) menu.
    const std::vector<QMenu*>& Menus(ViewKind kind) const;

    // The workout editor and the body data dialog, as installed.
    WorkoutEditing& Editing() { return editing_; }

    // Writes a text into the status bar's message pane.
    void SetStatusText(const QString& text);
    // Shows the lock keys' state in the status bar's indicators.
    void UpdateIndicators();
    // The first size of the window on a screen with that much room.
    static QSize InitialSize(const QSize& available);

    // Puts the document's title and modified mark into the caption.
    void UpdateTitle();
    // Fills the recent-file items from the document's list.
    void UpdateRecentFiles();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::vector<QMenu*> BuildMenus(int menuId);
    void AddItems(QMenu* menu, const std::vector<MenuItem>& items);
    void BuildSportsMenu();
    void BuildToolBar();
    void BuildStatusBar();
    void SetHelpTexts();
    void ShowMenus(ViewKind kind);
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
    std::vector<QMenu*> diaryMenus_;
    std::vector<QMenu*> analysisMenus_;
    std::vector<QMenu*> formMenus_;
    QMenu* sportsMenu_ = nullptr;
    std::vector<std::uint32_t> sportIds_;
    std::function<void(int)> sportMenuHandler_;
    std::vector<QAction*> recentFileActions_;
    QString recentFilePlaceholder_;
    QToolBar* toolBar_ = nullptr;
    std::vector<QLabel*> indicators_;  // caps, num and scroll lock
    WorkoutEditing editing_;
    std::map<ViewKind, ViewFactory> viewFactories_;
    ViewKind activeKind_ = ViewKind::Diary;
};

}  // namespace kadenzo
