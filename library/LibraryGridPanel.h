#pragma once

#include <QTableView>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>

#include "LibraryGrid.h"
#include "Texts.h"

class QLabel;

namespace kadenzo {

class CLibraryGridModel;

// The grid (control 1025): cells edited in place, the row marks in the fixed
// column, the Delete key on whole rows and Escape to undo a row's edit. A row
// may only be left when its values are accepted. The arrow keys move between
// the cells; Tab leaves the grid and Enter outside a cell editor is the
// dialog's OK, as in any dialog.
class CLibraryGridView : public QTableView {
    Q_OBJECT
public:
    // Asks for a colour (0x00BBGGRR) starting from the cell's; nothing when
    // the user cancels. Tests replace the colour dialog with it.
    using ColourChooser =
        std::function<std::optional<std::uint32_t>(std::uint32_t current, QWidget* parent)>;

    CLibraryGridView(CLibraryGridModel& model, QWidget* parent = nullptr);
    using QTableView::edit;  // the public slot that opens a cell's editor
    void SetColourChooser(ColourChooser chooser) { chooseColour_ = std::move(chooser); }
    // Hands what an open cell editor holds to the grid and closes it.
    void CommitOpenEditor();
    // Gives each column a width that suits its kind.
    void SpreadColumns();

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void keyPressEvent(QKeyEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    bool OpensEditor(const QModelIndex& index, EditTrigger trigger) const;
    void ChooseColour(const QModelIndex& index);
    void MoveCurrentTo(int row, int column);

    CLibraryGridModel& model_;
    ColourChooser chooseColour_;
    bool moving_ = false;  // the view's current cell is being put right
};

// The datasheet panel of the library editor: the grid and, under it, the
// message line, hidden while there is no message.
class CLibraryGridPanel : public QWidget {
    Q_OBJECT
public:
    explicit CLibraryGridPanel(const TextService& texts, QWidget* parent = nullptr);
    ~CLibraryGridPanel() override;

    // Shows a list (null: none); a row still being edited is committed first.
    void SetModel(LibraryListModel* model);
    // Leaves the row being edited (see LibraryGrid::FinishEditing); false
    // when its values are refused.
    bool FinishEditing();
    void SetReadOnly(bool readOnly);

    LibraryGrid& Grid() { return grid_; }
    CLibraryGridModel& Model() const { return *model_; }
    CLibraryGridView* View() const { return view_; }
    QLabel* MessageLine() const { return message_; }

private:
    void ShowMessage();

    TextService texts_;
    LibraryGrid grid_;
    CLibraryGridModel* model_;
    CLibraryGridView* view_;
    QLabel* message_;
    int delegatedColumns_ = 0;  // columns that may have a delegate of their own
};

}  // namespace kadenzo
