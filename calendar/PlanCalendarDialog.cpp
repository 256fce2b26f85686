#include "PlanCalendarDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "CalendarFile.h"
#include "ResourceIds.h"
#include "UserDialogs.h"

namespace kadenzo {
namespace {

std::string FileSystemPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

CPlanCalendarDialog::CPlanCalendarDialog(const QString& path, bool afterSave,
                                         const QString& diaryPath, UserDialogs& dialogs,
                                         const TextService& texts, Write write, QWidget* parent)
    : QDialog(parent),
      diaryPath_(diaryPath),
      dialogs_(dialogs),
      texts_(texts),
      write_(std::move(write)),
      path_(new QLineEdit(QDir::toNativeSeparators(path), this)),
      afterSave_(new QCheckBox(texts.Text(IDS_CALENDAR_AFTER_SAVE), this)) {
    setObjectName(QStringLiteral("PlanCalendarDialog"));
    setWindowTitle(texts.Text(IDS_CALENDAR_TITLE));
    path_->setObjectName(QStringLiteral("CalendarPath"));
    path_->setMinimumWidth(path_->fontMetrics().averageCharWidth() * 50);
    afterSave_->setObjectName(QStringLiteral("CalendarAfterSave"));
    afterSave_->setChecked(afterSave);

    auto* note = new QLabel(texts.Text(IDS_CALENDAR_NOTE), this);
    note->setWordWrap(true);
    auto* choose = new QPushButton(texts.Text(IDS_CALENDAR_CHOOSE), this);
    choose->setAutoDefault(false);
    connect(choose, &QPushButton::clicked, this, &CPlanCalendarDialog::Choose);
    auto* row = new QHBoxLayout;
    row->addWidget(path_, 1);
    row->addWidget(choose);
    auto* form = new QFormLayout;
    form->addRow(texts.Text(IDS_CALENDAR_FILE), row);
    // The label's buddy is the path: Alt and its key reach it, and a screen
    // reader names the field by it.
    if (auto* label = qobject_cast<QLabel*>(form->labelForField(row))) label->setBuddy(path_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton* exportButton =
        buttons->addButton(texts.Text(IDS_CALENDAR_EXPORT), QDialogButtonBox::AcceptRole);
    exportButton->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPlanCalendarDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addLayout(form);
    layout->addWidget(afterSave_);
    layout->addWidget(buttons);
}

QString CPlanCalendarDialog::Path() const {
    const QString typed = QDir::fromNativeSeparators(path_->text().trimmed());
    if (typed.isEmpty() || QDir::isAbsolutePath(typed)) return typed;
    // A bare name goes beside the diary (or home), never where the program
    // happened to start.
    const QDir folder = diaryPath_.isEmpty() ? QDir::home() : QFileInfo(diaryPath_).absoluteDir();
    return QDir::cleanPath(folder.absoluteFilePath(typed));
}

bool CPlanCalendarDialog::AfterSave() const { return afterSave_->isChecked(); }

void CPlanCalendarDialog::Choose() {
    const QString chosen =
        dialogs_.SaveFileName(Path(), texts_.Text(IDS_CALENDAR_FILTER), QStringLiteral("ics"));
    if (!chosen.isEmpty()) path_->setText(QDir::toNativeSeparators(chosen));
}

void CPlanCalendarDialog::accept() {
    const QString path = Path();
    QString problem;
    switch (CheckCalendarPath(FileSystemPath(path), FileSystemPath(diaryPath_))) {
        case CalendarPathProblem::kNone:
            break;
        case CalendarPathProblem::kEmpty:
            problem = texts_.Text(IDS_CALENDAR_NO_FILE);
            break;
        case CalendarPathProblem::kFolder:
            problem = texts_.Format(IDS_CALENDAR_IS_FOLDER, {QDir::toNativeSeparators(path)});
            break;
        case CalendarPathProblem::kDiary:
            problem = texts_.Text(IDS_CALENDAR_IS_DIARY);
            break;
    }
    if (!problem.isEmpty()) {
        dialogs_.Message(problem, UserDialogs::Icon::Warning);
        path_->setFocus();
        return;
    }
    if (write_ && !write_(path)) return;
    QDialog::accept();
}

}  // namespace kadenzo
