#include "TemplateTreeDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "CoreText.h"
#include "KadenzoDoc.h"
#include "Library.h"
#include "ResourceIds.h"
#include "TemplateGroups.h"
#include "WorkoutDrag.h"

namespace kadenzo {
namespace {

constexpr int kTemplateRole = Qt::UserRole;
// The window's titles as the chooser and as the browser.
constexpr std::uint32_t kChooserTitle = 34186;
constexpr std::uint32_t kBrowserTitle = 34185;

}  // namespace

CTemplateTree::CTemplateTree(QWidget* parent)
    : QTreeWidget(parent), dragStarter_(&BeginTemplateDrag) {
    setObjectName(QString::number(IDC_TEMPLATE_TREE));
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

std::optional<std::uint32_t> CTemplateTree::TemplateOf(const QTreeWidgetItem* item) {
    if (!item) return std::nullopt;
    const QVariant data = item->data(0, kTemplateRole);
    if (!data.isValid()) return std::nullopt;
    return data.value<std::uint32_t>();
}

void CTemplateTree::startDrag(Qt::DropActions) {
    // Qt has selected the item under the press already.
    const QTreeWidgetItem* item = currentItem();
    const std::optional<std::uint32_t> templateId = TemplateOf(item);
    if (templateId && dragStarter_) dragStarter_(this, *templateId, item->text(0));
}

CTemplateTreeDialog::CTemplateTreeDialog(CKadenzoDoc& doc, QWidget* parent) : QDialog(parent), doc_(doc) {
    setObjectName(QString::number(IDD_LIBRARY_BROWSER));
    const StringTable& texts = doc_.Context().Texts();
    setWindowTitle(TableText(texts, kChooserTitle, "Choose a Workout Template"));
    tree_ = new CTemplateTree(this);
    // The templates are what the window is named after, chooser or browser;
    // the hidden header would otherwise read as its column number.
    tree_->setAccessibleName(windowTitle());
    tree_->setHeaderLabel(windowTitle());
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons_, &QDialogButtonBox::accepted, this, &CTemplateTreeDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &CTemplateTreeDialog::reject);
    connect(tree_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { OnDoubleClick(item); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 1, 0, 0);
    layout->addWidget(tree_);
    layout->addWidget(buttons_);
    resize(300, 420);
}

CTemplateTreeDialog::~CTemplateTreeDialog() {
    if (!chooserMode_) doc_.RemoveObserver(this);
}

void CTemplateTreeDialog::CreateBrowser() {
    if (!chooserMode_) return;
    chooserMode_ = false;
    setWindowTitle(
        TableText(doc_.Context().Texts(), kBrowserTitle, "Library Browser"));
    tree_->setAccessibleName(windowTitle());
    tree_->setHeaderLabel(windowTitle());
    setWindowFlag(Qt::Tool);
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    buttons_->hide();
    doc_.AddObserver(this);
}

void CTemplateTreeDialog::Fill() {
    tree_->clear();
    QTreeWidgetItem* chosen = nullptr;
    for (const TemplateGroup& group : GroupTemplates(doc_.Library())) {
        auto* root = new QTreeWidgetItem(tree_, {FromBytes(group.categoryName)});
        QFont bold = root->font(0);
        bold.setBold(true);
        root->setFont(0, bold);
        for (const TemplateGroup::Entry& entry : group.templates) {
            auto* item = new QTreeWidgetItem(root, {FromBytes(entry.name)});
            item->setData(0, kTemplateRole, QVariant::fromValue(entry.templateId));
            if (chooserMode_ && entry.templateId == chosenTemplateId_ && !chosen) chosen = item;
        }
    }
    // The categories open; a template has nothing to open (expandAll would
    // report every leaf "expanded" to a screen reader).
    for (int i = 0; i < tree_->topLevelItemCount(); ++i) tree_->topLevelItem(i)->setExpanded(true);
    if (chosen) {
        tree_->setCurrentItem(chosen);
        tree_->scrollToItem(chosen);
    } else {
        tree_->setCurrentItem(nullptr);
        tree_->clearSelection();
    }
}

void CTemplateTreeDialog::showEvent(QShowEvent* event) {
    Fill();
    QDialog::showEvent(event);
}

void CTemplateTreeDialog::keyPressEvent(QKeyEvent* event) {
    // F8 opened the browser from the diary and closes it again from here,
    // where the diary's shortcut does not reach.
    if (!chooserMode_ && event->key() == Qt::Key_F8 && event->modifiers() == Qt::NoModifier) {
        reject();
        event->accept();
        return;
    }
    // The browser has no OK: Enter does with the selected template what a
    // drop on the selected day would, so the keyboard can plan from here.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QList<QTreeWidgetItem*> selected = tree_->selectedItems();
    if (!chooserMode_ && enter && !selected.isEmpty()) {
        if (const std::optional<std::uint32_t> id = CTemplateTree::TemplateOf(selected.front())) {
            chosenTemplateId_ = *id;
            emit templatePlanned(*id);
        }
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CTemplateTreeDialog::OnDoubleClick(QTreeWidgetItem* item) {
    const std::optional<std::uint32_t> templateId = CTemplateTree::TemplateOf(item);
    if (!templateId) return;
    chosenTemplateId_ = *templateId;
    if (chooserMode_) QDialog::accept();
}

void CTemplateTreeDialog::accept() {
    // Enter on a template chosen with the keys takes that template.
    const QList<QTreeWidgetItem*> selected = tree_->selectedItems();
    if (!selected.isEmpty()) {
        if (const std::optional<std::uint32_t> id = CTemplateTree::TemplateOf(selected.front()))
            chosenTemplateId_ = *id;
    }
    if (chooserMode_) QDialog::accept();
}

void CTemplateTreeDialog::reject() {
    // The close box comes here too (QDialog::closeEvent), so the browser
    // goes away however it is dismissed.
    const bool hadFocus = isActiveWindow();
    QDialog::reject();
    if (chooserMode_) return;
    // The keyboard goes back to the diary it came from.
    if (hadFocus && parentWidget()) parentWidget()->window()->activateWindow();
    if (testAttribute(Qt::WA_DeleteOnClose)) deleteLater();
}

void CTemplateTreeDialog::OnDocumentChanged(const DocumentChange& change) {
    if (change.Has(DocumentChange::kLibrary) && isVisible()) Fill();
}

void CTemplateTreeDialog::OnDocumentReplaced() {
    if (isVisible()) Fill();
}

std::optional<std::uint32_t> ChooseTemplate(CKadenzoDoc& doc, std::uint32_t current,
                                            QWidget* parent) {
    CTemplateTreeDialog chooser(doc, parent);
    chooser.SetChosenTemplateId(current);
    if (chooser.exec() != QDialog::Accepted) return std::nullopt;
    if (!doc.Library().FindWorkout(chooser.ChosenTemplateId())) return std::nullopt;
    return chooser.ChosenTemplateId();
}

}  // namespace kadenzo
