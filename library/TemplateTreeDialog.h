#pragma once

#include <QDialog>
#include <QTreeWidget>
#include <cstdint>
#include <functional>
#include <optional>

#include "DocumentObserver.h"
#include "LibraryItems.h"

class QDialogButtonBox;

namespace kadenzo {

class CKadenzoDoc;

// The tree of workout templates (control 102): a root per category, the
// category's templates below it. Dragging a template offers it as a copy.
class CTemplateTree : public QTreeWidget {
    Q_OBJECT
public:
    // How a template drag is started (BeginTemplateDrag; tests record it).
    using DragStarter = std::function<Qt::DropAction(QWidget* source, std::uint32_t templateId,
                                                     const QString& label)>;

    explicit CTemplateTree(QWidget* parent = nullptr);

    // The template an item stands for; nothing for a category item.
    static std::optional<std::uint32_t> TemplateOf(const QTreeWidgetItem* item);
    void SetDragStarter(DragStarter starter) { dragStarter_ = std::move(starter); }
    // Drags the current item when it is a template; a category stays put.
    void startDrag(Qt::DropActions supportedActions) override;

private:
    DragStarter dragStarter_;
};

// One dialog, two uses (template 130). As the template chooser it runs
// modally and hands back the chosen template; as the library browser it is a
// modeless window beside the diary from which templates are dragged onto days,
// and it follows the library as it changes.
class CTemplateTreeDialog : public QDialog, private DocumentObserver {
    Q_OBJECT
public:
    // The chooser; CreateBrowser turns it into the browser.
    explicit CTemplateTreeDialog(CKadenzoDoc& doc, QWidget* parent = nullptr);
    ~CTemplateTreeDialog() override;

    // The browser: modeless, without buttons; Escape, F8 (which opened it
    // from the diary) or the close box destroys it and gives the keyboard
    // back to the diary.
    void CreateBrowser();
    bool ChooserMode() const { return chooserMode_; }

    // kNoId (none) until set or chosen; the chooser selects this template
    // when it opens.
    std::uint32_t ChosenTemplateId() const { return chosenTemplateId_; }
    void SetChosenTemplateId(std::uint32_t id) { chosenTemplateId_ = id; }

    CTemplateTree* Tree() const { return tree_; }
    // Fills the tree from the library (done each time the window shows).
    void Fill();

    // OK takes the selected template, when one is selected.
    void accept() override;
    void reject() override;

signals:
    // The browser's Enter on a template: plan it on the diary's selected day.
    void templatePlanned(std::uint32_t templateId);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnDoubleClick(QTreeWidgetItem* item);
    void OnDocumentChanged(const DocumentChange& change) override;
    void OnDocumentReplaced() override;

    CKadenzoDoc& doc_;
    bool chooserMode_ = true;
    std::uint32_t chosenTemplateId_ = kNoId;
    CTemplateTree* tree_;
    QDialogButtonBox* buttons_;
};

// The chooser over `parent`, starting at `current`: the template chosen, or
// nothing when the user cancels or chooses none.
std::optional<std::uint32_t> ChooseTemplate(CKadenzoDoc& doc, std::uint32_t current,
                                            QWidget* parent);

}  // namespace kadenzo
