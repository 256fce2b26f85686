#pragma once

#include <QDialog>

#include "BodyDataValues.h"
#include "StringTable.h"
#include "Units.h"

class QLineEdit;

namespace kadenzo {

class CKadenzoDoc;
class NoteEdit;
class UserDialogs;

// The body data of one day (template 245): the weight in the user's unit
// (1101, labelled by 1123), two further measurements (1100 and 1006) and a
// note (1019). A field that is not a number its record can hold keeps the
// dialog open on it, with a message saying what it takes.
class CBodyDataDialog : public QDialog {
    Q_OBJECT
public:
    CBodyDataDialog(const CBodyInfo& info, const UnitSettings& units, const StringTable& texts,
                 UserDialogs& dialogs, QWidget* parent = nullptr);

    // The record as last accepted; the record given until OK succeeds.
    const CBodyInfo& Record() const { return values_.Record(); }

    void accept() override;

private:
    BodyDataValues values_;
    const StringTable& texts_;
    UserDialogs& dialogs_;
    QLineEdit* weight_;
    QLineEdit* value2_;
    QLineEdit* value3_;
    NoteEdit* note_;
};

// The body data of a day in the dialog; OK stores them as one change, an
// emptied record removing the day's data. True when the document changed.
bool EditBodyData(CKadenzoDoc& doc, int dayNumber, UserDialogs& dialogs, QWidget* parent);

}  // namespace kadenzo
