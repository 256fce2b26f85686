#pragma once

#include <QString>
#include <QWidget>

#include "DocumentPrompts.h"

namespace kadenzo {

// Message boxes and file choosers the program shows. The desktop program uses
// the Qt implementation; tests replace it with scripted answers.
class UserDialogs {
public:
    enum class Icon { Error, Warning, Question, Information };
    enum class Answer { Yes, No, Cancel };

    virtual ~UserDialogs() = default;
    // The window the dialogs belong to, once the main window exists.
    virtual void SetParentWindow(QWidget*) {}
    // A message with an OK button.
    virtual void Message(const QString& text, Icon icon) = 0;
    // Yes/No question; true for Yes. Enter answers defaultAnswer (Yes or No):
    // a question whose Yes throws the user's edits away defaults to No, so
    // that a reflex Enter keeps them.
    virtual bool AskYesNo(const QString& text, Icon icon, Answer defaultAnswer = Answer::Yes) = 0;
    // Yes/No/Cancel question (asking to save before a diary is closed).
    virtual Answer AskYesNoCancel(const QString& text) = 0;
    // A file to open or to save; empty when the user cancels. The filter is in
    // Qt's "Text (*.ext)" form, separated by ";;".
    virtual QString OpenFileName(const QString& filter) = 0;
    virtual QString SaveFileName(const QString& suggestedPath, const QString& filter,
                                 const QString& defaultSuffix) = 0;
    // A folder to read from, starting at `start`; empty when the user
    // cancels. Without a chooser of its own the answer is a cancel.
    virtual QString FolderName(const QString& /*caption*/, const QString& /*start*/) { return {}; }
    // The athlete profile dialog; true when closed with OK. As the first-time
    // prompt the values are handed back however it was closed.
    virtual bool EditProfile(AthleteProfile& profile, bool firstPrompt) = 0;
};

}  // namespace kadenzo
