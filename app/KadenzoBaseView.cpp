#include "KadenzoBaseView.h"

#include <QPageSetupDialog>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "MainFrame.h"
#include "PrintJob.h"
#include "ResourceIds.h"

namespace kadenzo {

CKadenzoBaseView::CKadenzoBaseView(CKadenzoDoc& document, QWidget* parent)
    : QWidget(parent), document_(document) {}

CKadenzoBaseView::~CKadenzoBaseView() = default;

QPrinter& CKadenzoBaseView::Printer() {
    if (sharedPrinter_) return *sharedPrinter_;
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setPageOrientation(QPageLayout::Landscape);
    }
    return *printer_;
}

bool CKadenzoBaseView::PrintTo(QPrinter& printer) { return RunPrintJob(printer, Job(), document_); }

void CKadenzoBaseView::OnFilePrint() {
    QPrintDialog dialog(&Printer(), this);
    // Pages are found while printing, so there is no page range to choose from.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() == QDialog::Accepted) PrintTo(Printer());
}

void CKadenzoBaseView::OnFilePrintDirect() { PrintTo(Printer()); }

void CKadenzoBaseView::OnFilePrintPreview() {
    QPrintPreviewDialog preview(&Printer(), this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) { PrintTo(*printer); });
    preview.exec();
}

void CKadenzoBaseView::OnFilePrintSetup() {
    QPageSetupDialog dialog(&Printer(), this);
    dialog.exec();
}

void CKadenzoBaseView::RegisterPrintCommands(CMainFrame& frame) {
    QPointer<CKadenzoBaseView> self(this);
    auto alive = [self] { return !self.isNull(); };
    auto command = [&](int id, void (CKadenzoBaseView::*handler)()) {
        frame.SetCommand(id, {[self, handler] {
                                  if (self) (self.data()->*handler)();
                              },
                              alive,
                              {}});
    };
    command(ID_FILE_PRINT, &CKadenzoBaseView::OnFilePrint);
    command(ID_FILE_PRINT_DIRECT, &CKadenzoBaseView::OnFilePrintDirect);
    command(ID_FILE_PRINT_PREVIEW, &CKadenzoBaseView::OnFilePrintPreview);
}

}  // namespace kadenzo
