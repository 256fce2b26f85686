#include "PageFurniture.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include "CoreText.h"
#include "Database.h"
#include "DayTexts.h"
#include "KadenzoDoc.h"
#include "LanguageModule.h"
#include "PageLayout.h"
#include "ResourceIds.h"
#include "Texts.h"

namespace kadenzo {
namespace {

constexpr std::uint32_t kPageNumberText = 33057;

QRect ToQRect(const PageRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

PrinterMetrics MetricsOf(const QPrinter& printer) {
    const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
    const QRect page = printer.pageRect(QPrinter::DevicePixel).toRect();
    PrinterMetrics m;
    m.physicalWidth = paper.width();
    m.physicalHeight = paper.height();
    m.offsetX = page.left() - paper.left();
    m.offsetY = page.top() - paper.top();
    m.printableWidth = page.width();
    m.printableHeight = page.height();
    m.dpiX = printer.logicalDpiX();
    m.dpiY = printer.logicalDpiY();
    return m;
}

}  // namespace

QRect PrintPageFurniture(QPainter& painter, const QPrinter& printer, int pageNumber,
                         const CKadenzoDoc& document) {
    const PrinterMetrics metrics = MetricsOf(printer);
    const PageRect drawing{0, 0, metrics.printableWidth, metrics.printableHeight};
    const PageRect page = ApplyPageMargins(drawing, metrics);

    painter.save();
    QFont font(QStringLiteral("Arial"), 9);
    painter.setFont(font);
    const int lineHeight = QFontMetrics(font, painter.device())
                               .boundingRect(QStringLiteral("The quick brown fox"))
                               .height();
    const PageFurniture f = LayOutPageFurniture(page, lineHeight);

    const TextService texts(document.Context());
    if (const LanguageModule* module = texts.Module()) {
        const QImage picture = module->Bitmap(IDB_PAGE_PICTURE);
        if (!picture.isNull()) painter.drawImage(ToQRect(f.picture), picture);
    }

    painter.setPen(Qt::black);
    const QRect footer = ToQRect(f.footer);
    const int align = Qt::AlignBottom | Qt::TextSingleLine;
    painter.drawText(footer, align | Qt::AlignLeft,
                     FormatDateTimeStamp(document.Context().Now(), texts.Table()));
    painter.drawText(footer, align | Qt::AlignRight, texts.Format(kPageNumberText, {pageNumber}));
    painter.drawText(footer, align | Qt::AlignHCenter, FromBytes(document.Log().name));

    painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(page.left, f.ruleY, page.right, f.ruleY);
    painter.restore();
    return ToQRect(f.content);
}

}  // namespace kadenzo
