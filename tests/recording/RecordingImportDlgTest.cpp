// The recording import dialog on real Polar and HAC recordings, with the
// markers moved by keys and mouse, and on files that cannot be read.
#include <QAccessible>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
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
#include "RecordingFile.h"
#include "RecordingFileChooser.h"
#include "RecordingImportDlg.h"
#include "ResourceIds.h"
#include "TestSupport.h"

using namespace kadenzo;

namespace {

std::string RealFile(const char* name) { return std::string(KADENZO_REAL_RECORDINGS) + "/" + name; }

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

// A figure computed on a recording loaded on its own.
template <class Figure, class Compute>
Figure Expected(const std::string& path, Compute compute, const UnitSettings& units = {}) {
    CRecording recording;
    std::string named = path;
    if (LoadRecording(recording, named, {units, 0}) != LoadStatus::kLoaded) qFatal("unreadable");
    return compute(recording);
}
RangeSummary Expected(const std::string& path, const UnitSettings& units, int first, int last,
                      bool excludePauses) {
    return Expected<RangeSummary>(
        path, [&](const CRecording& r) { return SummariseRange(r, first, last, excludePauses); },
        units);
}

void CompareSummaries(const RangeSummary& actual, const RangeSummary& expected) {
    QCOMPARE(actual.distance, expected.distance);
    QCOMPARE(actual.duration, expected.duration);
    QCOMPARE(actual.average, expected.average);
    QCOMPARE(actual.maximum, expected.maximum);
}

class RecordingImportDlgTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        qputenv("TZ", "UTC");
        english_ = LanguageModule::Load(BuiltModuleDir() + QStringLiteral("/rcus.rcc"));
        QVERIFY(english_);
        QVERIFY(QFile::exists(QString::fromStdString(RealFile("s725-cycling-metric.hrm"))));
    }
    void init() {
        QVERIFY(settingsDir_.isValid());
        settings_ = std::make_unique<QSettings>(settingsDir_.filePath(QStringLiteral("s.ini")),
                                                QSettings::IniFormat);
        settings_->clear();
        dialogs_ = FakeUserDialogs();
        units_ = UnitSettings();
    }

    void polarRecordingWithMarkersMovedByKeysAndMouse() {
        const std::string path = RealFile("s725-cycling-metric.hrm");
        auto dialog = Open({path, *NoonOfDay(2005, 4, 16), -1, -1});
        CHeartRateChart* chart = dialog->Chart();
        QCOMPARE(chart->GetMarker(1), 3720);
        chart->setFocus();
        for (int i = 0; i < 3; ++i) QTest::keyClick(chart, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(chart->GetMarker(0), 15);
        Drag(chart, 1, chart->PlotRect().center().x());
        const int second = chart->GetMarker(1);
        QVERIFY(second > 1000 && second < 2800);

        auto* whole = Find<QCheckBox>(*dialog, IDC_IMPORT_WHOLE_EXCLUDE_PAUSES);
        auto* part = Find<QCheckBox>(*dialog, IDC_IMPORT_PART_EXCLUDE_PAUSES);
        whole->click();
        QVERIFY(part->isChecked());
        QVERIFY(!part->isEnabled());

        const ImportedFigures figures = dialog->Figures();
        QCOMPARE(figures.path, path);
        QCOMPARE(figures.marker1, 15);
        QCOMPARE(figures.marker2, second);
        CompareSummaries(figures.whole, Expected(path, units_, 0, 3720, true));
        CompareSummaries(figures.part, Expected(path, units_, 15, second, true));
        QVERIFY(figures.whole.duration < 18598);  // the stops are left out
        QVERIFY(Find<QLabel>(*dialog, IDC_IMPORT_WHOLE_DISTANCE)
                    ->text()
                    .startsWith(QStringLiteral("Distance: 112.38 km")));
        QCOMPARE(Find<QLabel>(*dialog, IDC_IMPORT_MARKER1)->text(),
                 QStringLiteral("Marker 1: 0:01:15"));

        Find<QDialogButtonBox>(*dialog, -1)->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(dialog->result(), static_cast<int>(QDialog::Accepted));
    }

    void timeInZonesFollowsTheSectionOrSaysThatNoMaximumIsKnown() {
        const std::string path = RealFile("s725-cycling-metric.hrm");
        auto dialog = Open({path, *NoonOfDay(2005, 4, 16), 100, 2000, 190});
        CHeartRateChart* chart = dialog->Chart();
        auto* row = dialog->findChild<HeartRateZoneRow*>();
        QVERIFY(row);
        auto compareBars = [&](bool excludePauses) {
            const ZoneSeconds zones = Expected<ZoneSeconds>(path, [&](const CRecording& r) {
                return TimeInZones(r, chart->GetMarker(0), chart->GetMarker(1), 190, excludePauses);
            });
            QCOMPARE(dialog->Values().PartZones(), zones);
            for (int zone = 0; zone < kHeartRateZones; ++zone)
                QCOMPARE(row->Bar(zone)->text(),
                         QStringLiteral("%1 min").arg(std::llround(zones[zone] / 60)));
        };
        compareBars(false);
        QVERIFY(dialog->Values().PartZones()[2] > 600);  // a real ride, much of it at 70-80 %
        QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(row->Bar(2));
        QCOMPARE(bar->text(QAccessible::Name), QStringLiteral("70\u201380 %"));
        QCOMPARE(bar->text(QAccessible::Value) + QStringLiteral(" min"), row->Bar(2)->text());
        QCOMPARE(bar->text(QAccessible::Description), row->Bar(2)->text());

        chart->setFocus();
        QTest::keyClick(chart, Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(chart->GetMarker(0) + chart->GetMarker(1), 2095);
        compareBars(false);
        Find<QCheckBox>(*dialog, IDC_IMPORT_PART_EXCLUDE_PAUSES)->click();
        compareBars(true);

        auto unknown = Open({path, *NoonOfDay(2005, 4, 16), -1, -1});
        row = unknown->findChild<HeartRateZoneRow*>();
        QVERIFY(!row->Bar(0)->isVisibleTo(unknown.get()));
        const QList<QLabel*> lines = row->findChildren<QLabel*>();
        QVERIFY(std::any_of(lines.begin(), lines.end(), [&](const QLabel* line) {
            return line->isVisibleTo(unknown.get()) &&
                   line->text().startsWith(QStringLiteral("No maximum heart rate is known"));
        }));
    }

    void hacRecordingInMilesOnTheDistanceAxis() {
        units_.distance = 1;
        const std::string path = RealFile("hac4-hac5.tur");
        auto dialog = Open({path, *NoonOfDay(2006, 2, 4), -1, -1});
        CHeartRateChart* chart = dialog->Chart();
        Find<QRadioButton>(*dialog, IDC_IMPORT_AXIS)->click();
        QCOMPARE(chart->Mode(), kChartXDistance);
        const QRect plot = chart->PlotRect();
        Drag(chart, 1, plot.left() + plot.width() * 3 / 4);
        Drag(chart, 0, plot.left() + plot.width() / 4);
        const int first = chart->GetMarker(0);
        QTest::keyClick(chart, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(chart, Qt::Key_Left);
        QCOMPARE(chart->GetMarker(0), first - 6);

        const ImportedFigures figures = dialog->Figures();
        CompareSummaries(figures.whole, Expected(path, units_, 0, 3335, false));
        CompareSummaries(figures.part,
                         Expected(path, units_, figures.marker1, figures.marker2, false));
        QVERIFY(figures.whole.distance > 65 && figures.whole.distance < 66);  // 105.56 km
        QVERIFY(Find<QLabel>(*dialog, IDC_IMPORT_MARKER2)->text().endsWith(QStringLiteral(" mi")));

        // Reopened with the handed-back markers, the dialog shows the same section.
        auto again = Open({figures.path, *NoonOfDay(2006, 2, 4), figures.marker1, figures.marker2});
        QCOMPARE(again->Chart()->GetMarker(0), figures.marker1);
        QCOMPARE(again->Chart()->GetMarker(1), figures.marker2);
        CompareSummaries(again->Figures().part, figures.part);
    }

    void fileThatCannotBeReadIsReportedAndChangesNothing() {
        const std::string polar = RealFile("s725-cycling-metric.hrm");
        QTemporaryDir dir;
        const QString broken = dir.filePath(QStringLiteral("040416.tour"));
        WriteFile(broken, QByteArray("\x05\x00TOURX", 7));

        auto dialog = Open({polar, *NoonOfDay(2004, 4, 16), 10, 20});
        auto* pathEdit = Find<QLineEdit>(*dialog, IDC_IMPORT_PATH);
        chooser_.answer = broken;
        dialog->Browse();
        QCOMPARE(dialogs_.messages.size(), std::size_t{1});
        QVERIFY(dialogs_.messages[0].text.contains(QStringLiteral("040416.tour")));
        QCOMPARE(pathEdit->text(), QString::fromStdString(polar));
        QCOMPARE(dialog->Figures().marker1, 10);
        QCOMPARE(dialog->Chart()->GetMarker(1), 20);
        // The folder is remembered all the same, for the next choice.
        QCOMPARE(settings_->value(QStringLiteral("Import/LastPath")).toString(), dir.path());
        QVERIFY(chooser_.askedFilter.startsWith(
            QStringLiteral("Recordings of 16.04.2004 (040416*.hrm);;")));

        // Return in the path field loads the file instead of closing the dialog.
        EnterPath(*dialog, dir.filePath(QStringLiteral("missing.hrm")));
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialogs_.messages.size(), std::size_t{2});
        QCOMPARE(pathEdit->text(), QString::fromStdString(polar));
        QCOMPARE(dialog->Figures().marker1, 10);
        // Leaving the field with a name typed into it loads it, once.
        pathEdit->setFocus();
        pathEdit->setText(dir.filePath(QStringLiteral("missing.hrm")));
        dialog->Chart()->setFocus();
        QCOMPARE(dialogs_.messages.size(), std::size_t{3});
        QCOMPARE(pathEdit->text(), QString::fromStdString(polar));

        // A stored path whose file has gone is reported as the dialog opens.
        Open({dir.filePath(QStringLiteral("gone.hrm")).toStdString(), 0, 4, 9});
        QCOMPARE(dialogs_.messages.size(), std::size_t{4});
    }

    // Screen readers move the markers as sliders over the seconds from the
    // start, as the arrow keys do; the section's summary follows.
    void markersAreSlidersOverTheRecordingsSeconds() {
        auto dialog = Open({RealFile("s725-cycling-metric.hrm"), *NoonOfDay(2005, 4, 16), -1, -1});
        CHeartRateChart* chart = dialog->Chart();
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(chart);
        QCOMPARE(iface->childCount(), 2);
        QAccessibleInterface* start = iface->child(0);
        QAccessibleInterface* end = iface->child(1);
        QCOMPARE(start->text(QAccessible::Name), QStringLiteral("Start marker"));
        QCOMPARE(end->text(QAccessible::Name), QStringLiteral("End marker"));
        QCOMPARE(end->role(), QAccessible::Slider);
        const CRecording& recording = dialog->Values().Recording();
        const int last = recording.samples.back().time - recording.samples.front().time;
        QCOMPARE(end->valueInterface()->currentValue().toInt(), last);
        QCOMPARE(start->valueInterface()->maximumValue().toInt(), last);
        QCOMPARE(start->valueInterface()->minimumStepSize().toInt(), 5);

        start->valueInterface()->setCurrentValue(600);
        QCOMPARE(chart->GetMarker(0), 120);
        QCOMPARE(start->text(QAccessible::Value), QStringLiteral("0:10:00"));
        // Less than one interval on still moves one sample; the marker moved last is active.
        end->valueInterface()->setCurrentValue(last - 1);
        QCOMPARE(chart->GetMarker(1), 3719);
        QCOMPARE(chart->ActiveMarker(), 1);
        QCOMPARE(dialog->Figures().marker2, 3719);
        const QString duration = Find<QLabel>(*dialog, IDC_IMPORT_PART_DURATION)->text();
        QVERIFY(iface->text(QAccessible::Description)
                    .startsWith(QStringLiteral("Marked section: ") + duration + QStringLiteral(", ")));
    }

    void cutShortPolarFileIsShownUpToTheCutWithOneNote() {
        QFile real(QString::fromStdString(RealFile("s725-cycling-metric.hrm")));
        QVERIFY(real.open(QIODevice::ReadOnly));
        QTemporaryDir dir;
        const QString cut = dir.filePath(QStringLiteral("050416.hrm"));
        WriteFile(cut, real.read(8000));  // 603 whole rows and a half one of 3720

        auto dialog = Open({"", *NoonOfDay(2005, 4, 16), -1, -1});
        auto* pathEdit = Find<QLineEdit>(*dialog, IDC_IMPORT_PATH);
        // Read out by screen readers from its label.
        QCOMPARE(QAccessible::queryAccessibleInterface(pathEdit)->text(QAccessible::Name),
                 QStringLiteral("Recording:"));
        EnterPath(*dialog, cut);
        QCOMPARE(dialogs_.messages.size(), std::size_t{1});
        QVERIFY(dialogs_.messages[0].text.contains(QStringLiteral("ends early")));
        QCOMPARE(pathEdit->text(), cut);
        const CRecording& recording = dialog->Values().Recording();
        QCOMPARE(recording.count(), 604);
        QCOMPARE(recording.samples.back().time, 603 * 5);  // not stretched to 5:09:58
        QCOMPARE(dialog->Figures().whole.duration, 3015.0f);
    }

    void browseStartsInTheLastFolderAndLoadsTheChoice() {
        settings_->setValue(QStringLiteral("Import/LastPath"),
                            QStringLiteral(KADENZO_REAL_RECORDINGS));
        auto dialog = Open({"", *NoonOfDay(2005, 4, 17), -1, -1});
        chooser_.answer = QString::fromStdString(RealFile("s710-cycling-metric.hrm"));
        dialog->Browse();
        QCOMPARE(chooser_.askedFolder, QStringLiteral(KADENZO_REAL_RECORDINGS));
        QVERIFY(dialogs_.messages.empty());
        QCOMPARE(dialog->Figures().path, chooser_.answer.toStdString());
        QCOMPARE(dialog->Chart()->GetMarker(1), dialog->Values().Recording().count() - 1);
        QVERIFY(dialog->Chart()->hasFocus() || !dialog->isActiveWindow());
    }

private:
    std::unique_ptr<CRecordingImportDlg> Open(const ImportRequest& request) {
        CRecordingImportDlg::Services services{units_,     *english_, [] { return 1000000000; },
                                               *settings_, dialogs_,  &chooser_};
        auto dialog = std::make_unique<CRecordingImportDlg>(services, request);
        dialog->show();
        if (!QTest::qWaitForWindowExposed(dialog.get())) qFatal("dialog not shown");
        return dialog;
    }
    // Types the path and Return. The message that follows takes the focus from
    // the field, which must not load the file a second time.
    void EnterPath(CRecordingImportDlg& dialog, const QString& path) {
        auto* edit = Find<QLineEdit>(dialog, IDC_IMPORT_PATH);
        dialog.activateWindow();
        edit->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return edit->hasFocus(); }));
        dialogs_.whileShown = [&] { dialog.Chart()->setFocus(); };
        edit->setText(path);
        QTest::keyClick(edit, Qt::Key_Return);
        dialogs_.whileShown = nullptr;
    }
    static void WriteFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
    }
    template <class T>
    static T* Find(QDialog& dialog, int id) {
        T* found = id < 0 ? dialog.findChild<T*>() : dialog.findChild<T*>(QString::number(id));
        if (!found) qFatal("no control %d", id);
        return found;
    }
    static void Drag(CHeartRateChart* chart, int k, int toX) {
        const int y = chart->PlotRect().center().y();
        const int from = chart->MarkerPixel(k) + (k == 0 ? 1 : -1);
        QMouseEvent hover(QEvent::MouseMove, QPointF(from, y), chart->mapToGlobal(QPointF(from, y)),
                          Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(chart, &hover);
        QTest::mousePress(chart, Qt::LeftButton, {}, QPoint(from, y));
        QTest::mouseMove(chart, QPoint(toX, y));
        QTest::mouseRelease(chart, Qt::LeftButton, {}, QPoint(toX, y));
    }

    std::unique_ptr<LanguageModule> english_;
    QTemporaryDir settingsDir_;
    std::unique_ptr<QSettings> settings_;
    FakeUserDialogs dialogs_;
    FakeChooser chooser_;
    UnitSettings units_;
};

}  // namespace

QTEST_MAIN(RecordingImportDlgTest)
#include "RecordingImportDlgTest.moc"
