// The shell's utilities: sport pictures drawn with AND, the frame fill,
// formatting of numbered texts, what the desktop may open, and the small
// dialogs' values.
#include <QDialogButtonBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "AboutDialog.h"
#include "Drawing.h"
#include "LanguageModule.h"
#include "ShellOpen.h"
#include "TestSupport.h"
#include "Texts.h"
#include "UnitsDialog.h"

using namespace kadenzo;

namespace {

QImage Filled(int size, QColor colour) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

}  // namespace

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    void sportIconKeepsBackgroundUnderWhite() {
        QImage icon = Filled(40, Qt::white);
        for (int y = 10; y < 20; ++y)
            for (int x = 10; x < 20; ++x) icon.setPixel(x, y, qRgb(0, 0, 0));
        icon.setPixel(30, 30, qRgb(0x80, 0xFF, 0x0F));

        QImage target = Filled(40, QColor(0xC0, 0x40, 0x33));
        {
            QPainter painter(&target);
            DrawSportIcon(painter, QRect(0, 0, 40, 40), icon);
        }
        QCOMPARE(target.pixel(0, 0), qRgb(0xC0, 0x40, 0x33));
        QCOMPARE(target.pixel(15, 15), qRgb(0, 0, 0));
        // Colours are combined bit by bit.
        QCOMPARE(target.pixel(30, 30), qRgb(0x80, 0x40, 0x03));
    }

    void sportIconByNumberUsesTheModuleAndSkipsUnknownNumbers() {
        auto draw = [](int index, const LanguageModule* module) {
            QImage target = Filled(40, Qt::white);
            QPainter painter(&target);
            DrawSportIcon(painter, 0, 0, 40, 40, index, module);
            painter.end();
            return target;
        };
        QCOMPARE(draw(0, nullptr), Filled(40, Qt::white));  // no module: nothing drawn
        auto module = LoadEnglishModule();
        QCOMPARE(draw(0, module.get()), module->Bitmap(176).convertToFormat(QImage::Format_RGB32));
        QCOMPARE(draw(500, module.get()), Filled(40, Qt::white));
    }

    void frameFillOutlinesTheOuterPixels() {
        QImage target = Filled(20, Qt::white);
        {
            QPainter painter(&target);
            painter.setBrush(QColor(Qt::yellow));
            painter.setPen(QColor(Qt::blue));
            FrameFill(painter, QRect(2, 3, 10, 8));
        }
        for (QPoint corner : {QPoint(2, 3), QPoint(11, 10), QPoint(11, 3)})
            QCOMPARE(target.pixel(corner), QColor(Qt::blue).rgb());
        QCOMPARE(target.pixel(5, 6), QColor(Qt::yellow).rgb());
        QCOMPARE(target.pixel(12, 6), qRgb(255, 255, 255));
        QCOMPARE(target.pixel(5, 11), qRgb(255, 255, 255));
    }

    void formatTextFollowsPrintf_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QVariantList>("args");
        QTest::addColumn<QString>("expected");
        QTest::newRow("version") << "Version %u.%u.%u.%u" << QVariantList{3, 1, 1, 0}
                                 << "Version 3.1.1.0";
        QTest::newRow("padding") << "%02i.%02i.%04i" << QVariantList{5, 3, 2026} << "05.03.2026";
        QTest::newRow("decimals") << "%.2f %s" << QVariantList{12.345, "km"} << "12.35 km";
        QTest::newRow("percent") << "100%% %s" << QVariantList{"done"} << "100% done";
        QTest::newRow("missing argument") << "%s and %s" << QVariantList{"one"} << "one and ";
        QTest::newRow("text for a number") << "%i x" << QVariantList{"abc"} << " x";
        QTest::newRow("hex") << "%8.8X" << QVariantList{255} << "000000FF";
        QTest::newRow("left aligned") << "[%-4i]" << QVariantList{7} << "[7   ]";
    }

    void formatTextFollowsPrintf() {
        QFETCH(QString, format);
        QFETCH(QVariantList, args);
        QFETCH(QString, expected);
        QCOMPARE(FormatText(format, args), expected);
    }

    void onlyWebAddressesAndExistingFilesAreOpened() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("kadenzo.pdf"));
        QFile pdf(file);
        QVERIFY(pdf.open(QIODevice::WriteOnly));
        pdf.close();
        for (const QString& good : {QStringLiteral("https://www.example.org/kadenzo/"),
                                    QStringLiteral("http://example.org/info?id=3"), file})
            QVERIFY2(IsShellOpenable(good), qPrintable(good));
        for (const QString& bad :
             {QStringLiteral("file:///etc/passwd"), QStringLiteral("javascript:alert(1)"),
              QStringLiteral("https://"), dir.filePath(QStringLiteral("missing.pdf")), dir.path(),
              QString()})
            QVERIFY2(!IsShellOpenable(bad), qPrintable(bad));
    }

    void unitsDialogShowsAndReturnsTheChoice() {
        CUnitsDialog dialog(UnitSettings{1, 0}, TextService());
        auto* miles = dialog.findChild<QRadioButton*>(QStringLiteral("1011"));
        auto* kilograms = dialog.findChild<QRadioButton*>(QStringLiteral("1100"));
        auto* pounds = dialog.findChild<QRadioButton*>(QStringLiteral("1101"));
        QVERIFY(miles && kilograms && pounds);
        QVERIFY(miles->isChecked());
        QVERIFY(kilograms->isChecked());
        pounds->click();
        QCOMPARE(dialog.Units().distance, 1u);
        QCOMPARE(dialog.Units().weight, 1u);

        // A stored value the dialog does not know shows no choice and gives metric.
        CUnitsDialog unknown(UnitSettings{7, 0}, TextService());
        QVERIFY(!unknown.findChild<QRadioButton*>(QStringLiteral("1010"))->isChecked());
        QCOMPARE(unknown.Units().distance, 0u);
    }
};

QTEST_MAIN(ShellTest)
#include "ShellTest.moc"
