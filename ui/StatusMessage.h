#pragma once

#include <QString>

class QWidget;

namespace kadenzo {

// Says what just happened the way a status bar does, without taking the
// focus from where the user works: the message shows in the status bar of
// the source's window when it has one, and a listening screen reader hears
// it as a notification ("Workout copied", "Nothing to paste here").
void ShowStatusMessage(QWidget* source, const QString& text);

}  // namespace kadenzo
