// The calendar's mouse and key selection, and the events dialog on a
// document: one undoable change naming its days, and Cancel, an unchanged OK
// or a kind the list lacks leaving the stored events as they were.
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QSignalSpy>
#include <QTest>

#include "ControlId.h"
#include "CoreText.h"
#include "DateTime.h"
#include "DocumentEdits.h"
#include "EventsDialog.h"
#include "MonthCalendar.h"
#include "ResourceIds.h"
#include "TestSupport.h"
#include "Texts.h"

using namespace kadenzo;

namespace {

int March(int day) { return DayNumber(*NoonOfDay(2024, 3, day)); }

CEvent Period(int first, int last, std::int32_t kind, bool blocks) {
    CEvent event;
    event.start = {CalendarDateTime::kValid, NoonOfDayNumber(first)};
    event.end = {CalendarDateTime::kValid, NoonOfDayNumber(last)};
    event.kind = kind;
    event.blocksDay = blocks ? 1 : 0;
    return event;
}

bool Stored(const CKadenzoDoc& doc, const std::vector<CEvent>& expected) {
    const auto& events = doc.Log().Events();
    return std::equal(events.begin(), events.end(), expected.begin(), expected.end(),
                      [](const auto& stored, const CEvent& e) { return stored->IsEqual(e); });
}

class Changes : public DocumentObserver {
public:
    void OnDocumentChanged(const DocumentChange& change) override { seen.push_back(change); }
    std::vector<DocumentChange> seen;
};

void Select(CEventsDialog& dialog, int first, int last) {
    dialog.Calendar()->SetSelection(first, last);
    dialog.OnCalendarClicked();
}

}  // namespace

class EventsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        app_ = std::make_unique<AppFixture>(StarterLibrary());
        edit::SetEvents(app_->Doc(), {Period(March(1), March(3), 2, false)});
    }
    void cleanup() { app_.reset(); }

    // Dragged backwards the range still runs forwards; Shift+click extends
    // from where the selection began; the months follow the keys.
    void calendarSelectsARangeAcrossMonths() {
        CMonthCalendar calendar(app_->context.Texts());
        calendar.SetMonthLayout(1, 4);
        calendar.ShowDay(March(1) - 40);
        calendar.resize(calendar.sizeHint());
        QSignalSpy clicked(&calendar, &CMonthCalendar::clicked);
        const auto at = [&calendar](int day) { return calendar.DayRect(day).center(); };
        const int jan30 = March(1) - 31;
        const int feb2 = March(1) - 28;
        QTest::mousePress(&calendar, Qt::LeftButton, {}, at(feb2));
        QTest::mouseMove(&calendar, at(jan30));
        QCOMPARE(clicked.count(), 0);
        QTest::mouseRelease(&calendar, Qt::LeftButton, {}, at(jan30));
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(calendar.Selection(), std::make_optional(std::make_pair(jan30, feb2)));
        QTest::mouseClick(&calendar, Qt::LeftButton, Qt::ShiftModifier, at(March(3)));
        QCOMPARE(calendar.Selection(), std::make_optional(std::make_pair(feb2, March(3))));
        calendar.ShowDay(March(1) + 100);
        QTest::keyClick(&calendar, Qt::Key_Up);
        QCOMPARE(calendar.Selection(),
                 std::make_optional(std::make_pair(March(3) - 7, March(3) - 7)));
        QCOMPARE(calendar.FirstMonth(), 2024 * 12 + 1);  // February, where the selection went
    }

    // Days 1 to 3 carry kind 2; ticking the box for 1 to 5 blocks all five
    // without touching their kinds, in one change naming the days.
    void mixedKindsKeepTheirKinds() {
        CKadenzoDoc& doc = app_->Doc();
        Changes changes;
        doc.AddObserver(&changes);
        const std::size_t snapshots = doc.UndoSnapshots();
        {
            CEventsDialog dialog(doc);
            Select(dialog, March(1), March(5));
            auto* kind = dialog.findChild<QComboBox*>(ControlName(IDC_EVENTS_KIND));
            QCOMPARE(kind->currentText(), app_->Texts().Text(IDS_MIXED_EVENT_KINDS));
            dialog.findChild<QCheckBox*>(ControlName(IDC_EVENTS_BLOCKS_DAY))->setChecked(true);
            dialog.accept();
        }
        QVERIFY(Stored(doc, {Period(March(1), March(3), 2, true),
                             Period(March(4), March(5), DayEvent::kNoKind, true)}));
        QCOMPARE(doc.UndoSnapshots(), snapshots + 1);
        QCOMPARE(changes.seen.size(), std::size_t{1});
        QVERIFY(changes.seen[0].Has(DocumentChange::kEvents));
        QVERIFY(changes.seen[0].firstDay <= March(1));
        QVERIFY(changes.seen[0].lastDay >= March(5));
        doc.Undo();
        QVERIFY(Stored(doc, {Period(March(1), March(3), 2, false)}));
        doc.RemoveObserver(&changes);
    }

    void cancelAndUnchangedOkChangeNothing() {
        CKadenzoDoc& doc = app_->Doc();
        const std::size_t snapshots = doc.UndoSnapshots();
        {
            CEventsDialog dialog(doc);
            Select(dialog, March(2), March(2));
            dialog.findChild<QComboBox*>(ControlName(IDC_EVENTS_KIND))->setCurrentIndex(0);
            Select(dialog, March(9), March(9));
            QVERIFY(!dialog.Values().Days().IsMarked(March(2)));
            dialog.reject();
        }
        CEventsDialog dialog(doc);
        Select(dialog, March(1), March(3));
        dialog.accept();
        QVERIFY(Stored(doc, {Period(March(1), March(3), 2, false)}));
        QCOMPARE(doc.UndoSnapshots(), snapshots);
    }

    // A kind the list does not offer (a built-in one) shows as such and is
    // kept when the user changes only other days.
    void aKindTheListLacksIsKept() {
        CKadenzoDoc& doc = app_->Doc();
        edit::SetEvents(doc, {Period(March(1), March(2), -3, false)});
        CEventsDialog dialog(doc);
        Select(dialog, March(1), March(1));
        QCOMPARE(dialog.findChild<QComboBox*>(ControlName(IDC_EVENTS_KIND))->currentText(),
                 app_->Texts().Format(34404, {-3}));
        Select(dialog, March(10), March(10));
        dialog.accept();
        QVERIFY(Stored(doc, {Period(March(1), March(2), -3, false)}));
    }

    // Screen readers hear a day's event and extend or clear the selection by
    // the calendar's actions.
    void calendarDaysSpeakAndSelect() {
        CEventsDialog dialog(app_->Doc());
        CMonthCalendar* calendar = dialog.Calendar();
        calendar->ShowDay(March(1));
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(calendar);
        const auto day = [&](int d) { return list->child(d - calendar->ShownDays().first); };
        QCOMPARE(day(March(1))->text(QAccessible::Description),
                 FromBytes(app_->Doc().Library().FindEvent(2)->name));
        QCOMPARE(day(March(4))->text(QAccessible::Description), QString());

        day(March(1))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        day(March(3))->actionInterface()->doAction(QStringLiteral("extendSelection"));
        QCOMPARE(dialog.Values().Selection(),
                 std::make_optional(std::make_pair(March(1), March(3))));
        QVERIFY(day(March(2))->state().selected);
        list->actionInterface()->doAction(QStringLiteral("clearSelection"));
        QVERIFY(!dialog.Values().Selection());
        QVERIFY(!day(March(2))->state().selected);
    }

private:
    std::unique_ptr<AppFixture> app_;
};

QTEST_MAIN(EventsDialogTest)
#include "EventsDialogTest.moc"
