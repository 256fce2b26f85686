#pragma once

#include <QString>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "UserDialogs.h"

namespace kadenzo {

class LanguageModule;

// Scripted answers for every message box and chooser; records what was shown.
class FakeUserDialogs : public UserDialogs {
public:
    struct Shown {
        QString text;
        Icon icon;
    };

    void Message(const QString& text, Icon icon) override;
    bool AskYesNo(const QString& text, Icon icon) override;
    Answer AskYesNoCancel(const QString& text) override;
    QString OpenFileName(const QString& filter) override;
    QString SaveFileName(const QString& suggestedPath, const QString& filter,
                         const QString& defaultSuffix) override;
    bool EditProfile(AthleteProfile& profile, bool firstPrompt) override;

    std::vector<Shown> messages;     // Message() calls
    std::vector<Shown> questions;    // AskYesNo() and AskYesNoCancel() calls
    std::deque<bool> yesNo;          // answers of AskYesNo, "No" when empty
    std::deque<Answer> yesNoCancel;  // answers of AskYesNoCancel, Cancel when empty
    QString openFile;
    QString saveFile;
    QString lastSaveFilter;
    // The profile dialog: edits the values and says whether OK was pressed.
    std::function<bool(AthleteProfile&, bool firstPrompt)> profile;
    int profileCalls = 0;
    bool lastProfileFirstPrompt = false;
};

// Where the build put rcus.rcc, rcge.rcc and library.dat.
QString BuiltModuleDir();
// Copies the named files from the build's app folder into dir.
void CopyBuilt(const QString& dir, const QStringList& names);
// Loads the English module as the current string table and returns it.
std::unique_ptr<LanguageModule> UseEnglishModule();

}  // namespace kadenzo
