#pragma once

#include <QWidget>
#include <memory>

class QPrinter;

namespace kadenzo {

class CKadenzoDoc;
class CMainFrame;
class PrintJob;

// The common base of the diary, analysis and form views: the print commands
// (print with a dialog, print directly, print preview, print setup) around the
// page furniture that every printed page carries. A derived view supplies what
// it prints as a PrintJob.
class CKadenzoBaseView : public QWidget {
    Q_OBJECT

public:
    explicit CKadenzoBaseView(CKadenzoDoc& document, QWidget* parent = nullptr);
    ~CKadenzoBaseView() override;

    CKadenzoDoc& Document() const { return document_; }

    // Command 57607: the print dialog, then printing.
    void OnFilePrint();
    // Command 57608: printing on the current printer without a dialog.
    void OnFilePrintDirect();
    // Command 57609: the print preview window.
    void OnFilePrintPreview();
    // Command 57606: the page set-up dialog of the printer the view prints on.
    void OnFilePrintSetup();
    // Prints the view's job on printer; false when the printer cannot start.
    bool PrintTo(QPrinter& printer);

    // Makes the frame's print commands (57607, 57608, 57609) act on this view
    // while it exists; page set-up (57606) stays with the application.
    void RegisterPrintCommands(CMainFrame& frame);

    // The printer the view prints on: one shared with the application's page
    // set-up when given, else one of the view's own, in landscape.
    QPrinter& Printer();
    void SetPrinter(QPrinter* shared) { sharedPrinter_ = shared; }

protected:
    virtual PrintJob& Job() = 0;

private:
    CKadenzoDoc& document_;
    std::unique_ptr<QPrinter> printer_;
    QPrinter* sharedPrinter_ = nullptr;
};

}  // namespace kadenzo
