#pragma once

#include <QString>

class QWidget;

namespace kadenzo {

// How the import dialog asks for a recording file; tests replace it.
class RecordingFileChooser {
public:
    virtual ~RecordingFileChooser() = default;
    // An existing file chosen by the user, starting in folder ("" for the
    // current one), with a filter in the "Text (*.a *.b);;..." form; "" when
    // the user cancels.
    virtual QString ChooseFile(QWidget* parent, const QString& folder, const QString& filter) = 0;
};

// The resizable open-file dialog of Qt.
class QtRecordingFileChooser : public RecordingFileChooser {
public:
    QString ChooseFile(QWidget* parent, const QString& folder, const QString& filter) override;
};

}  // namespace kadenzo
