#include "LibraryEditorDialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

#include "Archive.h"
#include "ControlId.h"
#include "DocumentEdits.h"
#include "KadenzoDoc.h"
#include "Library.h"
#include "LibraryFile.h"
#include "LibraryGridPanel.h"
#include "ResourceIds.h"
#include "Texts.h"
#include "UserDialogs.h"

namespace kadenzo {
namespace {

// Texts of the dialog in the language modules.
constexpr std::uint32_t kLibraryEditorTitle = 34410;
constexpr std::uint32_t kSaveFailed = 34411;  // %s: the library file

struct Tab {
    std::uint32_t textId;
    LibraryList list;
};

constexpr Tab kTabs[] = {
    {IDS_TAB_CATEGORIES, LibraryList::Categories},  {IDS_TAB_INTENSITIES, LibraryList::Intensities},
    {IDS_TAB_SPORTS, LibraryList::Sports},          {IDS_TAB_SUBSPORTS, LibraryList::SubSports},
    {IDS_TAB_TRACKS, LibraryList::Tracks},          {IDS_TAB_TEMPLATES, LibraryList::Templates},
    {IDS_TAB_EVENT_KINDS, LibraryList::EventKinds},
};

// The seven lists as a file stores them, but not the id counters: a new row
// given up again leaves no change behind.
std::vector<std::uint8_t> ListBytes(const CLibrary& library) {
    MemoryStream stream;
    CArchive ar(stream, CArchive::Mode::Store);
    library.categories.Store(ar);
    library.intensities.Store(ar);
    library.sports.Store(ar);
    library.subSports.Store(ar);
    library.tracks.Store(ar);
    library.workoutTemplates.Store(ar);
    library.eventKinds.Store(ar);
    ar.Close();
    return stream.TakeBytes();
}

}  // namespace

CLibraryEditorDialog::CLibraryEditorDialog(CKadenzoDoc& doc, UserDialogs& dialogs,
                                           std::string libraryPath, QWidget* parent)
    : QDialog(parent),
      doc_(doc),
      texts_(doc.Context()),
      dialogs_(dialogs),
      libraryPath_(std::move(libraryPath)),
      copy_(doc.Library().Clone()),
      openedWith_(ListBytes(*copy_)) {
    setWindowTitle(texts_.Text(kLibraryEditorTitle));
    SetControlId(this, IDD_LIBRARY_EDITOR);
    for (const Tab& tab : kTabs)
        lists_.push_back(MakeListModel(tab.list, *copy_, &doc_.Log(), doc_.Context().units));

    tabs_ = new QTabBar(this);
    SetControlId(tabs_, IDC_LIBRARY_TABS);
    tabs_->setExpanding(false);
    for (const Tab& tab : kTabs) tabs_->addTab(texts_.Text(tab.textId));
    auto* page = new QFrame(this);
    page->setFrameShape(QFrame::StyledPanel);
    panel_ = new CLibraryGridPanel(texts_, page);
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(10, 10, 10, 10);
    pageLayout->addWidget(panel_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    // Enter outside a cell editor is OK wherever the focus is; in a cell
    // editor it confirms the cell (the grid keeps it from the dialog).
    for (QAbstractButton* button : buttons->buttons())
        if (auto* push = qobject_cast<QPushButton*>(button)) push->setAutoDefault(false);
    ok_->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->addWidget(tabs_);
    layout->addWidget(page, 1);
    layout->addSpacing(10);
    layout->addWidget(buttons);

    connect(tabs_, &QTabBar::currentChanged, this, &CLibraryEditorDialog::ShowTab);
    connect(buttons, &QDialogButtonBox::accepted, this, &CLibraryEditorDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    panel_->SetModel(lists_.front().get());
    // The grid reads as the list it shows.
    panel_->View()->setAccessibleName(tabs_->tabText(0));
    resize(900, 480);
}

CLibraryEditorDialog::~CLibraryEditorDialog() {
    // The grid lets go of the list models before they go.
    panel_->SetModel(nullptr);
}

void CLibraryEditorDialog::SetViewOnly() {
    viewOnly_ = true;
    ok_->setEnabled(false);
    panel_->SetReadOnly(true);
}

void CLibraryEditorDialog::ShowTab(int index) {
    if (index < 0 || index >= static_cast<int>(lists_.size()) || index == shownTab_) return;
    if (!panel_->FinishEditing()) {
        // The row being edited holds values that may not be stored: stay.
        const QSignalBlocker quiet(tabs_);
        tabs_->setCurrentIndex(shownTab_);
        return;
    }
    shownTab_ = index;
    panel_->SetModel(lists_[static_cast<std::size_t>(index)].get());
    panel_->View()->setAccessibleName(tabs_->tabText(index));
}

bool CLibraryEditorDialog::HasChanges() const {
    if (!copy_) return false;
    return panel_->Grid().HoldsEdit() || ListBytes(*copy_) != openedWith_;
}

void CLibraryEditorDialog::reject() {
    // A cell still open counts as typed.
    panel_->View()->CommitOpenEditor();
    if (!viewOnly_ && HasChanges() &&
        !dialogs_.AskYesNo(texts_.Text(IDS_DISCARD_LIBRARY_CHANGES), UserDialogs::Icon::Question,
                           UserDialogs::Answer::No))
        return;
    QDialog::reject();
}

void CLibraryEditorDialog::accept() {
    if (viewOnly_ || !copy_) return;
    // Values that may not be stored keep the dialog open, rather than
    // leaving an item without a name in the library.
    if (!panel_->FinishEditing()) return;
    panel_->SetModel(nullptr);
    lists_.clear();
    edit::ReplaceLibrary(doc_, std::move(copy_));
    std::string error;
    if (!SaveLibraryFile(doc_.Library(), libraryPath_, &error)) {
        const QString path = QDir::toNativeSeparators(QFile::decodeName(libraryPath_.c_str()));
        dialogs_.Message(texts_.Format(kSaveFailed, {path}), UserDialogs::Icon::Error);
    }
    QDialog::accept();
}

}  // namespace kadenzo
