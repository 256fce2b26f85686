#include "FieldRefusal.h"

#include <QLineEdit>

#include "CoreText.h"
#include "UserDialogs.h"

namespace kadenzo {

void RefuseField(const RefusedField& refused, const StringTable& texts, UserDialogs& dialogs) {
    dialogs.Message(FromBytes(RangeMessage(refused.range, texts)), UserDialogs::Icon::Warning);
    refused.field->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(refused.field)) edit->selectAll();
}

}  // namespace kadenzo
