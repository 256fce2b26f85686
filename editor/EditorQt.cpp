#include "EditorQt.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace kadenzo {

void ShowChoices(QComboBox& combo, const std::vector<ChoiceEntry>& entries, int index) {
    const QSignalBlocker blocker(&combo);
    combo.clear();
    for (const ChoiceEntry& entry : entries)
        combo.addItem(FromBytes(entry.name), QVariant::fromValue(entry.id));
    combo.setCurrentIndex(index);
}

}  // namespace kadenzo
