#pragma once

#include <QDialog>
#include <array>

#include "ConflictRows.h"
#include "Texts.h"

class QButtonGroup;
class QLabel;
class QTableView;

namespace kadenzo {

class ConflictTableModel;

// The merge window: each conflict of a merge in a list (day, what clashed,
// both versions, what is kept), the selected one's two versions in full side
// by side, and the choice for it (this diary's version, the other one, or
// both workouts). The keyboard reaches everything: Tab goes from the list to
// the choice and the buttons; in the list Space takes the next choice, and
// the arrow keys change it among the choice's buttons. OK leaves the choices
// in the rows; the caller applies the merge.
class CMergeDialog : public QDialog {
    Q_OBJECT
public:
    CMergeDialog(ConflictRows& rows, const QString& intro, const TextService& texts,
                 QWidget* parent = nullptr);

    QTableView* List() const { return list_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int CurrentRow() const;
    // Shows the current row's versions and choice.
    void ShowRow();

    ConflictRows& rows_;
    ConflictTableModel* model_;
    QTableView* list_;
    QLabel* mineDetails_;
    QLabel* theirsDetails_;
    QButtonGroup* keep_;
};

}  // namespace kadenzo
