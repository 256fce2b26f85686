#include "ProfileDialog.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <limits>

#include "DateField.h"
#include "FieldRefusal.h"
#include "QtUserDialogs.h"
#include "ResourceIds.h"

namespace kadenzo {
namespace {

// Texts of the dialog in the language modules.
constexpr std::uint32_t kProfileTitle = 34030;
constexpr std::uint32_t kBirthDate = 34031;
constexpr std::uint32_t kMaxHeartRate = 34032;
constexpr std::uint32_t kFormulaGroup = 34033;
constexpr std::uint32_t kFormula220 = 34034;
constexpr std::uint32_t kFormula210 = 34035;
constexpr std::uint32_t kFirstPromptIntro = 34037;

QDateTime FromStamp(std::int32_t seconds) {
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::LocalTime);
}

}  // namespace

CProfileDialog::CProfileDialog(const AthleteProfile& profile, bool firstPrompt,
                               UserDialogs& dialogs, const TextService& texts, QWidget* parent)
    : QDialog(parent),
      profile_(profile),
      firstPrompt_(firstPrompt),
      dialogs_(dialogs),
      texts_(texts) {
    setWindowTitle(texts_.TextOr(kProfileTitle, QStringLiteral("Athlete profile")));
    if (firstPrompt_) {
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    }

    birthDate_ = new CDateField(this);
    birthDate_->setObjectName(QString::number(IDC_PROFILE_BIRTH_DATE));
    birthDate_->setCalendarPopup(true);
    birthDate_->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    // The birth date is a signed 32-bit time stamp; the picker offers only days it can hold.
    birthDate_->setDateRange(
        FromStamp(std::numeric_limits<std::int32_t>::min()).date().addDays(1),
        FromStamp(std::numeric_limits<std::int32_t>::max()).date().addDays(-1));
    birthDate_->setDate(FromStamp(profile_.birthDate).date());

    maxHeartRate_ = new QLineEdit(QString::number(profile_.maxHeartRate), this);
    maxHeartRate_->setObjectName(QString::number(IDC_PROFILE_MAX_HEART_RATE));

    auto* formulaBox =
        new QGroupBox(texts_.TextOr(kFormulaGroup, QStringLiteral("Estimate from the age")), this);
    auto* formulaLayout = new QVBoxLayout(formulaBox);
    formula_ = new QButtonGroup(this);
    const QString formulaTexts[] = {texts_.TextOr(kFormula220, QStringLiteral("220 - age")),
                                    texts_.TextOr(kFormula210, QStringLiteral("210 - age"))};
    for (int i = 0; i < 2; ++i) {
        auto* button = new QRadioButton(formulaTexts[i], formulaBox);
        button->setObjectName(QString::number(IDC_PROFILE_FORMULA + i));
        formula_->addButton(button, i);
        formulaLayout->addWidget(button);
    }
    if (profile_.hrFormula == 0 || profile_.hrFormula == 1)
        formula_->button(profile_.hrFormula)->setChecked(true);

    auto* form = new QFormLayout;
    form->addRow(texts_.TextOr(kBirthDate, QStringLiteral("&Birth date:")), birthDate_);
    form->addRow(texts_.TextOr(kMaxHeartRate, QStringLiteral("&Maximum heart rate (bpm):")),
                 maxHeartRate_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CProfileDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    if (firstPrompt_) {
        auto* intro = new QLabel(
            texts_.TextOr(
                kFirstPromptIntro,
                QStringLiteral("Please enter your profile. Your maximum heart rate sets the target "
                               "heart-rate ranges of your workouts.")),
            this);
        intro->setWordWrap(true);
        layout->addWidget(intro);
    }
    layout->addLayout(form);
    layout->addWidget(formulaBox);
    layout->addWidget(buttons);
}

bool CProfileDialog::ReadControls() {
    const std::optional<std::int32_t> rate = ReadMaxHeartRate(maxHeartRate_->text().toStdString());
    if (!rate) {
        RefuseField({maxHeartRate_, kMaxHeartRateRange}, texts_.Table(), dialogs_);
        return false;
    }
    AthleteProfile read = profile_;
    read.maxHeartRate = *rate;
    read.hrFormula = formula_->checkedId() < 0 ? -1 : formula_->checkedId();
    const QDate day = birthDate_->date();
    if (day != FromStamp(profile_.birthDate).date()) {
        if (std::optional<std::int32_t> moved =
                WithBirthDay(profile_.birthDate, day.year(), day.month(), day.day()))
            read.birthDate = *moved;
    }
    profile_ = read;
    return true;
}

void CProfileDialog::accept() {
    if (ReadControls()) QDialog::accept();
}

void InstallProfileDialog(QtUserDialogs& dialogs, const TextService& texts) {
    dialogs.SetProfileEditor(
        [texts](AthleteProfile& profile, bool firstPrompt, UserDialogs& owner, QWidget* parent) {
            CProfileDialog dialog(profile, firstPrompt, owner, texts, parent);
            const bool accepted = dialog.exec() == QDialog::Accepted;
            if (accepted || firstPrompt) profile = dialog.Profile();
            return accepted;
        });
}

}  // namespace kadenzo
