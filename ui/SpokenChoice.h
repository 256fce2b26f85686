#pragma once

class QComboBox;
class QString;

namespace kadenzo {

// A choice box whose entries may read otherwise than they show: a screen
// reader hears the current entry's Qt::AccessibleTextRole where it has one
// ("none" for the "--------" entry), else its text. Qt's own combo box reads
// its shown text only. Call once per box; the label naming it stays its
// buddy label, as for any combo box.
void ReadChoicesAloud(QComboBox* box);

// Gives the entry a spoken text of its own.
void SetSpokenText(QComboBox* box, int index, const QString& spoken);

}  // namespace kadenzo
