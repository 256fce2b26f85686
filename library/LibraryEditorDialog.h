#pragma once

#include <QDialog>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "LibraryEditing.h"
#include "Texts.h"

class QPushButton;
class QTabBar;

namespace kadenzo {

class CKadenzoDoc;
class CLibrary;
class CLibraryGridPanel;
class UserDialogs;

// The library editor (template 255): the seven lists of a copy of the
// program's library on tabs (1120), one at a time in the datasheet grid. OK
// makes the copy the program's library, as one change of the document, and
// writes it to the library file; Cancel leaves both as they were.
class CLibraryEditorDialog : public QDialog {
    Q_OBJECT
public:
    // libraryPath: the library file the program reads at start-up.
    CLibraryEditorDialog(CKadenzoDoc& doc, UserDialogs& dialogs, std::string libraryPath,
                         QWidget* parent = nullptr);
    ~CLibraryEditorDialog() override;

    // For a library taken over from a diary: it can be looked at, not changed.
    void SetViewOnly();
    bool ViewOnly() const { return viewOnly_; }

    CLibraryGridPanel* Panel() const { return panel_; }
    QTabBar* Tabs() const { return tabs_; }
    QPushButton* OkButton() const { return ok_; }
    // The copy being edited (null once OK handed it over).
    const CLibrary* Copy() const { return copy_.get(); }

    // Shows the list of a tab, unless the row being edited may not be left.
    void ShowTab(int index);
    // True when the copy or the row being edited differs from the library
    // the editor opened with.
    bool HasChanges() const;
    void accept() override;
    // Cancel, Escape and the close box: changes are dropped only when the
    // user agrees.
    void reject() override;

private:
    CKadenzoDoc& doc_;
    TextService texts_;
    UserDialogs& dialogs_;
    std::string libraryPath_;
    std::unique_ptr<CLibrary> copy_;
    // The lists' bytes when the editor opened.
    std::vector<std::uint8_t> openedWith_;
    std::vector<std::unique_ptr<LibraryListModel>> lists_;  // by tab
    int shownTab_ = 0;
    bool viewOnly_ = false;
    QTabBar* tabs_;
    CLibraryGridPanel* panel_;
    QPushButton* ok_;
};

}  // namespace kadenzo
