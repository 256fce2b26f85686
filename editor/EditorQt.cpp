#include "EditorQt.h"

#include <QComboBox>
#include <QSignalBlocker>

#include "SpokenChoice.h"
#include "SpokenText.h"

namespace kadenzo {

void ShowChoices(QComboBox& combo, const std::vector<ChoiceEntry>& entries, int index,
                 const StringTable& texts) {
    const QSignalBlocker blocker(&combo);
    ReadChoicesAloud(&combo);
    combo.clear();
    for (const ChoiceEntry& entry : entries) {
        combo.addItem(FromBytes(entry.name), QVariant::fromValue(entry.id));
        const std::string spoken = SpokenText(entry.name, texts);
        if (spoken != entry.name) SetSpokenText(&combo, combo.count() - 1, FromBytes(spoken));
    }
    combo.setCurrentIndex(index);
}

}  // namespace kadenzo
