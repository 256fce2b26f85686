#pragma once

#include "FieldRange.h"
#include "StringTable.h"

class QWidget;

namespace kadenzo {

class UserDialogs;

// A field whose value its record cannot hold, and the range it takes.
struct RefusedField {
    QWidget* field;
    FieldRange range;
};

// OK refused a field's value: the message names the field and the range it
// takes, then the focus goes back to the field with its text selected, so the
// dialog stays open on it. The field must be showing.
void RefuseField(const RefusedField& refused, const StringTable& texts, UserDialogs& dialogs);

}  // namespace kadenzo
