#pragma once

#include <QDialog>

#include "ProfileValues.h"
#include "Texts.h"

class QButtonGroup;
class QDateEdit;
class QLineEdit;

namespace kadenzo {

class QtUserDialogs;
class UserDialogs;

// The athlete profile (template 229): birth date (date picker 1038), measured
// maximum heart rate (1006) and the age formula (radio buttons 1066 and 1067).
// As the first-time prompt it has no close box, so it is left with its own
// buttons. A heart rate the workouts cannot hold keeps it open, with a message.
class CProfileDialog : public QDialog {
    Q_OBJECT
public:
    CProfileDialog(const AthleteProfile& profile, bool firstPrompt, UserDialogs& dialogs,
                   const TextService& texts, QWidget* parent = nullptr);
    // The values as last accepted; the values given to the constructor until
    // OK succeeds.
    AthleteProfile Profile() const { return profile_; }
    bool FirstPrompt() const { return firstPrompt_; }

    void accept() override;

private:
    // Reads the controls into profile_; false (with the message shown) when
    // the heart-rate field is not a heart rate.
    bool ReadControls();

    AthleteProfile profile_;
    bool firstPrompt_;
    UserDialogs& dialogs_;
    TextService texts_;
    QDateEdit* birthDate_;
    QLineEdit* maxHeartRate_;
    QButtonGroup* formula_;
};

// Lets the program's message boxes open this dialog for the profile, worded
// from texts.
void InstallProfileDialog(QtUserDialogs& dialogs, const TextService& texts);

}  // namespace kadenzo
