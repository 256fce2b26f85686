// The recording import dialog and its chart on a real Polar recording: what a
// screen reader or the mouse changes reaches the figures handed back and the
// time in the heart-rate zones, and files that cannot be read change nothing.
// Typing a path with Return, the note on a file cut short and the whole
// recording's figures are a journey's.
#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <memory>

#include "DateTime.h"
#include "HeartRateChart.h"
#include "HeartRateZoneRow.h"
#include "LanguageModule.h"
#include "RecordingFileChooser.h"
#include "RecordingImportDialog.h"
#include "ResourceIds.h"
#include "TestSupport.h"

using namespace kadenzo;

namespace {

// Hands out a scripted path and remembers where it was asked to start.
class FakeChooser : public RecordingFileChooser {
public:
    QString ChooseFile(QWidget*, const QString& folder, const QString& filter) override {
        askedFolder = folder;
        askedFilter = filter;
        return answer;
    }
    QString answer;
    QString askedFolder;
    QString askedFilter;
};

class RecordingImportDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        qputenv("TZ", "UTC");
        english_ = LanguageModule::Load(BuiltModuleDir() + QStringLiteral("/rcus.rcc"));
        QVERIFY(english_);
        QVERIFY(QFile::exists(QString::fromStdString(polar_)));
    }
    void init() {
        QVERIFY(settingsDir_.isValid());
        settings_ = std::make_unique<QSettings>(settingsDir_.filePath(QStringLiteral("s.ini")),
                                                QSettings::IniFormat);
        settings_->clear();
        dialogs_ = FakeUserDialogs();
    }

    // By keys: Tab comes to the start marker, then to the end marker, each a
    // slider a screen reader hears with its time from the start; the arrow
    // keys move the one that has the focus, and the section's figures and the
    // pause options follow.
    void theKeysMoveBothMarkersAndTheFiguresFollow() {
        auto dialog = Open({polar_, *NoonOfDay(2005, 4, 16), -1, -1});
        dialog->show();
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        CHeartRateChart* chart = dialog->Chart();
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(chart);
        QCOMPARE(iface->childCount(), 2);
        QAccessibleInterface* start = iface->child(0);
        QAccessibleInterface* end = iface->child(1);
        QCOMPARE(start->text(QAccessible::Name), QStringLiteral("Start marker at 0:00:00"));
        QCOMPARE(end->text(QAccessible::Name), QStringLiteral("End marker at 5:09:58"));
        chart->setFocus(Qt::TabFocusReason);
        QVERIFY(start->state().focused && !end->state().focused);
        QTest::keyClick(chart, Qt::Key_Right);
        QCOMPARE(chart->GetMarker(0), 1);
        QCOMPARE(start->text(QAccessible::Value), QStringLiteral("0:00:05"));
        QTest::keyClick(chart, Qt::Key_Tab);
        QVERIFY(chart->hasFocus() && end->state().focused);
        QTest::keyClick(chart, Qt::Key_Left);
        QCOMPARE(chart->GetMarker(1), 3719);  // one before the last sample
        QVERIFY(end->text(QAccessible::Name).startsWith(QStringLiteral("End marker at 5:09:")));
        QVERIFY(end->text(QAccessible::Name) != QStringLiteral("End marker at 5:09:58"));
        QTest::keyClick(chart, Qt::Key_Tab, Qt::ShiftModifier);
        QVERIFY(chart->hasFocus() && start->state().focused);
        QTest::keyClick(chart, Qt::Key_Tab, Qt::ShiftModifier);
        QVERIFY(!chart->hasFocus());
        const QString duration = Find<QLabel>(*dialog, IDC_IMPORT_PART_DURATION)->text();
        const QString said = iface->text(QAccessible::Description);
        QVERIFY(
            said.startsWith(QStringLiteral("Marked section: ") + duration + QStringLiteral(",")));

        auto* part = Find<QCheckBox>(*dialog, IDC_IMPORT_PART_EXCLUDE_PAUSES);
        Find<QCheckBox>(*dialog, IDC_IMPORT_WHOLE_EXCLUDE_PAUSES)->click();
        QVERIFY(part->isChecked());
        QVERIFY(!part->isEnabled());
        const ImportedFigures figures = dialog->Figures();
        QCOMPARE(figures.marker2, 3719);
        const RangeSummary expected = SummariseRange(dialog->Values().Recording(), 1, 3719, true);
        QCOMPARE(figures.part.duration, expected.duration);
        QVERIFY(figures.whole.duration < 18598);  // the stops are left out
    }

    // Which pixels take a marker is ChartMarkers' rule; here the cursor shows it
    // and a drag moves the marker, which the time in the zones follows.
    void timeInZonesFollowsTheDraggedMarkerOrSaysThatNoMaximumIsKnown() {
        auto dialog = Open({polar_, *NoonOfDay(2005, 4, 16), 100, 2000, 190});
        CHeartRateChart* chart = dialog->Chart();
        const int y = chart->PlotRect().center().y();
        const int from = chart->MarkerPixel(0) + 1;
        const int to = chart->PlotRect().center().x();
        // A move without a button: Qt Test would only move the cursor.
        QMouseEvent hover(QEvent::MouseMove, QPointF(from, y), chart->mapToGlobal(QPointF(from, y)),
                          Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(chart, &hover);
        QCOMPARE(chart->cursor().shape(), Qt::SizeHorCursor);
        QTest::mousePress(chart, Qt::LeftButton, {}, QPoint(from, y));
        QTest::mouseMove(chart, QPoint(to, y));
        QTest::mouseRelease(chart, Qt::LeftButton, {}, QPoint(to, y));
        const int first = chart->GetMarker(0);
        QVERIFY2(first > 1000 && first < 2000, qPrintable(QString::number(first)));

        auto* row = dialog->findChild<HeartRateZoneRow*>();
        QVERIFY(row);
        Find<QCheckBox>(*dialog, IDC_IMPORT_PART_EXCLUDE_PAUSES)->click();
        const ZoneSeconds zones = dialog->Values().PartZones();
        QCOMPARE(zones, TimeInZones(dialog->Values().Recording(), first, 2000, 190, true));
        QVERIFY(zones[2] > 60);  // a real ride, much of it at 70-80 %
        for (int zone = 0; zone < kHeartRateZones; ++zone)
            QCOMPARE(row->Bar(zone)->text(),
                     QStringLiteral("%1 min").arg(std::llround(zones[zone] / 60)));

        auto unknown = Open({polar_, *NoonOfDay(2005, 4, 16), -1, -1});
        row = unknown->findChild<HeartRateZoneRow*>();
        QVERIFY(!row->Bar(0)->isVisibleTo(unknown.get()));
        const QList<QLabel*> lines = row->findChildren<QLabel*>();
        QVERIFY(std::any_of(lines.begin(), lines.end(), [&](const QLabel* line) {
            return line->isVisibleTo(unknown.get()) &&
                   line->text().startsWith(QStringLiteral("No maximum heart rate is known"));
        }));
    }

    void fileThatCannotBeReadIsReportedAndChangesNothing() {
        QTemporaryDir dir;
        const QString broken = dir.filePath(QStringLiteral("040416.tour"));
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("\x05\x00TOURX", 7) == 7);
        file.close();

        auto dialog = Open({polar_, *NoonOfDay(2004, 4, 16), 10, 20});
        auto* pathEdit = Find<QLineEdit>(*dialog, IDC_IMPORT_PATH);
        chooser_.answer = broken;
        dialog->Browse();
        QCOMPARE(dialogs_.messages.size(), std::size_t{1});
        QVERIFY(dialogs_.messages[0].text.contains(QStringLiteral("040416.tour")));
        QCOMPARE(pathEdit->text(), QString::fromStdString(polar_));
        QCOMPARE(dialog->Chart()->GetMarker(1), 20);
        // The folder is remembered all the same, and the next choice starts there.
        QCOMPARE(settings_->value(QStringLiteral("Import/LastPath")).toString(), dir.path());
        chooser_.answer = QString::fromStdString(polar_);
        dialog->Browse();
        QCOMPARE(chooser_.askedFolder, dir.path());

        // Leaving the field with a name typed into it loads it, once.
        pathEdit->setFocus();
        pathEdit->setText(dir.filePath(QStringLiteral("missing.hrm")));
        dialog->Chart()->setFocus();
        QCOMPARE(dialogs_.messages.size(), std::size_t{2});
        QCOMPARE(pathEdit->text(), QString::fromStdString(polar_));
    }

private:
    std::unique_ptr<CRecordingImportDialog> Open(const ImportRequest& request) {
        CRecordingImportDialog::Services services{units_,     *english_, [] { return 1000000000; },
                                               *settings_, dialogs_,  &chooser_};
        auto dialog = std::make_unique<CRecordingImportDialog>(services, request);
        dialog->show();
        if (!QTest::qWaitForWindowExposed(dialog.get())) qFatal("dialog not shown");
        return dialog;
    }
    template <class T>
    static T* Find(QDialog& dialog, int id) {
        T* found = dialog.findChild<T*>(QString::number(id));
        if (!found) qFatal("no control %d", id);
        return found;
    }

    const std::string polar_ = std::string(KADENZO_REAL_RECORDINGS) + "/s725-cycling-metric.hrm";
    std::unique_ptr<LanguageModule> english_;
    QTemporaryDir settingsDir_;
    std::unique_ptr<QSettings> settings_;
    FakeUserDialogs dialogs_;
    FakeChooser chooser_;
    UnitSettings units_;
};

}  // namespace

QTEST_MAIN(RecordingImportDialogTest)
#include "RecordingImportDialogTest.moc"
