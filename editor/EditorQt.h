#pragma once

#include <QString>
#include <string>
#include <vector>

#include "ChoiceLists.h"
#include "CoreText.h"

class QComboBox;

namespace kadenzo {

// Fills a combo box with a choice list (item data: the id) and selects index
// (-1: nothing), without telling its listeners. A screen reader hears the
// "--------" entry and lost items ("???") as words of the texts.
void ShowChoices(QComboBox& combo, const std::vector<ChoiceEntry>& entries, int index,
                 const StringTable& texts);

}  // namespace kadenzo
