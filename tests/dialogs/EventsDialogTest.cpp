// The calendar with its range selection, and the events dialog on a document.
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
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

int Day(int year, int month, int day) { return DayNumber(*NoonOfDay(year, month, day)); }

CEvent Period(int first, int last, std::int32_t kind, bool blocks) {
    CEvent event;
    event.start = {CalendarDateTime::kValid, NoonOfDayNumber(first)};
    event.end = {CalendarDateTime::kValid, NoonOfDayNumber(last)};
    event.kind = kind;
    event.blocksDay = blocks ? 1 : 0;
    return event;
}

std::vector<CEvent> Events(const CKadenzoDoc& doc) {
    std::vector<CEvent> events;
    for (const auto& event : doc.Log().Events()) events.push_back(*event);
    return events;
}

bool Same(const std::vector<CEvent>& a, const std::vector<CEvent>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const CEvent& x, const CEvent& y) { return x.IsEqual(y); });
}

class Changes : public DocumentObserver {
public:
    void OnDocumentChanged(const DocumentChange& change) override { seen.push_back(change); }
    std::vector<DocumentChange> seen;
};

}  // namespace

class EventsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        app_ = std::make_unique<AppFixture>(StarterLibrary());
        edit::SetEvents(app_->Doc(), {Period(Day(2024, 3, 1), Day(2024, 3, 3), 2, false)});
    }
    void cleanup() { app_.reset(); }

    void calendarSelectsARangeAcrossMonths() {
        CMonthCalendar calendar(app_->context.Texts());
        calendar.SetMonthLayout(1, 4);
        calendar.ShowDay(Day(2024, 1, 15));
        calendar.resize(calendar.sizeHint());
        QSignalSpy clicked(&calendar, &CMonthCalendar::clicked);
        const int jan30 = Day(2024, 1, 30);
        const int feb2 = Day(2024, 2, 2);
        QVERIFY(calendar.DayRect(Day(2024, 5, 1)).isEmpty());  // the fifth month is not shown
        QCOMPARE(calendar.DayAt(calendar.DayRect(jan30).center()), std::optional<int>(jan30));

        // Pressed on 2 February, dragged back to 30 January.
        QTest::mousePress(&calendar, Qt::LeftButton, {}, calendar.DayRect(feb2).center());
        QTest::mouseMove(&calendar, calendar.DayRect(Day(2024, 1, 31)).center());
        QTest::mouseMove(&calendar, calendar.DayRect(jan30).center());
        QCOMPARE(clicked.count(), 0);
        QTest::mouseRelease(&calendar, Qt::LeftButton, {}, calendar.DayRect(jan30).center());
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(calendar.Selection(), std::make_optional(std::make_pair(jan30, feb2)));

        // Shift+click extends from where the selection began, into March.
        const int mar3 = Day(2024, 3, 3);
        QTest::mouseClick(&calendar, Qt::LeftButton, Qt::ShiftModifier,
                          calendar.DayRect(mar3).center());
        QCOMPARE(calendar.Selection(), std::make_optional(std::make_pair(feb2, mar3)));
        // Keys move the selection; the months follow it.
        QTest::keyClick(&calendar, Qt::Key_Down);
        QCOMPARE(calendar.Selection(), std::make_optional(std::make_pair(mar3 + 7, mar3 + 7)));
        QTest::keyClick(&calendar, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(calendar.Selection(), std::make_optional(std::make_pair(mar3 + 7, mar3 + 8)));
        calendar.ShowDay(Day(2024, 6, 1));
        QTest::keyClick(&calendar, Qt::Key_Up);
        QCOMPARE(calendar.FirstMonth(), 2024 * 12 + 2);  // March, where the selection went
        QCOMPARE(clicked.count(), 5);
        // The previous-month arrow pages back.
        QTest::mouseClick(&calendar, Qt::LeftButton, {}, calendar.PreviousButton().center());
        QCOMPARE(calendar.FirstMonth(), 2024 * 12 + 1);
    }

    // Days 1 to 3 carry kind 2; selecting 1 to 5 shows the mixed entry, and
    // ticking the box blocks all five without touching their kinds.
    void mixedKindsKeepTheirKinds() {
        CKadenzoDoc& doc = app_->Doc();
        Changes changes;
        doc.AddObserver(&changes);
        const std::size_t snapshots = doc.UndoSnapshots();
        const std::vector<CEvent> before = Events(doc);
        {
            CEventsDialog dialog(doc);
            auto* kind = dialog.findChild<QComboBox*>(ControlName(IDC_EVENTS_KIND));
            auto* blocks = dialog.findChild<QCheckBox*>(ControlName(IDC_EVENTS_BLOCKS_DAY));
            QVERIFY(!kind->isEnabled());
            QVERIFY(dialog.Values().Days().IsMarked(Day(2024, 3, 2)));
            Select(dialog, Day(2024, 3, 1), Day(2024, 3, 5));
            QVERIFY(kind->isEnabled());
            QCOMPARE(kind->currentText(), app_->Texts().Text(IDS_MIXED_EVENT_KINDS));
            QCOMPARE(kind->currentIndex(), 1);
            QVERIFY(!blocks->isTristate());
            blocks->setChecked(true);
            Select(dialog, Day(2024, 3, 4), Day(2024, 3, 4));
            // The mixed entry is gone; day 4 now is blocked without a kind.
            QCOMPARE(kind->findText(app_->Texts().Text(IDS_MIXED_EVENT_KINDS)), -1);
            QCOMPARE(kind->currentIndex(), 0);
            QCOMPARE(blocks->checkState(), Qt::Checked);
            Select(dialog, Day(2024, 3, 3), Day(2024, 3, 4));  // kinds 2 and none, both blocked
            QCOMPARE(kind->currentText(), app_->Texts().Text(IDS_MIXED_EVENT_KINDS));
            QCOMPARE(blocks->checkState(), Qt::Checked);
            dialog.accept();
        }
        QVERIFY(Same(Events(doc), {Period(Day(2024, 3, 1), Day(2024, 3, 3), 2, true),
                                   Period(Day(2024, 3, 4), Day(2024, 3, 5), -5, true)}));
        QCOMPARE(doc.UndoSnapshots(), snapshots + 1);
        QCOMPARE(changes.seen.size(), std::size_t{1});
        QVERIFY(changes.seen[0].Has(DocumentChange::kEvents));
        // The diary repaints the days the change names.
        QVERIFY(changes.seen[0].firstDay <= Day(2024, 3, 1));
        QVERIFY(changes.seen[0].lastDay >= Day(2024, 3, 5));
        doc.Undo();
        QVERIFY(Same(Events(doc), before));
        doc.RemoveObserver(&changes);
    }

    void cancelAndUnchangedOkChangeNothing() {
        CKadenzoDoc& doc = app_->Doc();
        const std::size_t snapshots = doc.UndoSnapshots();
        const std::vector<CEvent> before = Events(doc);
        {
            CEventsDialog dialog(doc);
            Select(dialog, Day(2024, 3, 2), Day(2024, 3, 2));
            dialog.findChild<QComboBox*>(ControlName(IDC_EVENTS_KIND))->setCurrentIndex(0);
            Select(dialog, Day(2024, 3, 9), Day(2024, 3, 9));
            QVERIFY(!dialog.Values().Days().IsMarked(Day(2024, 3, 2)));
            dialog.reject();
        }
        QVERIFY(Same(Events(doc), before));
        {
            CEventsDialog dialog(doc);
            Select(dialog, Day(2024, 3, 1), Day(2024, 3, 3));
            dialog.accept();
        }
        QVERIFY(Same(Events(doc), before));
        QCOMPARE(doc.UndoSnapshots(), snapshots);
    }

    // A kind the list does not offer (a built-in one) shows as such and is
    // kept when the user changes only other days.
    void aKindTheListLacksIsKept() {
        CKadenzoDoc& doc = app_->Doc();
        edit::SetEvents(doc, {Period(Day(2024, 3, 1), Day(2024, 3, 2), -3, false)});
        CEventsDialog dialog(doc);
        auto* kind = dialog.findChild<QComboBox*>(ControlName(IDC_EVENTS_KIND));
        Select(dialog, Day(2024, 3, 1), Day(2024, 3, 1));
        QCOMPARE(kind->currentText(), app_->Texts().Format(34404, {-3}));
        Select(dialog, Day(2024, 3, 10), Day(2024, 3, 10));
        QCOMPARE(kind->findText(app_->Texts().Format(34404, {-3})), -1);
        dialog.accept();
        QVERIFY(Same(Events(doc), {Period(Day(2024, 3, 1), Day(2024, 3, 2), -3, false)}));
    }

    // Screen readers hear each day by its date and event, select a range by
    // the days' actions or by Shift+arrows across a month's end, and clear it.
    void calendarDaysSpeakAndSelect() {
        CEventsDialog dialog(app_->Doc());
        CMonthCalendar* calendar = dialog.Calendar();
        calendar->ShowDay(Day(2024, 2, 1));
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(calendar);
        QCOMPARE(list->childCount(), 29 + 31 + 30 + 31);  // February to May 2024
        const auto day = [&](int d) { return list->child(d - calendar->ShownDays().first); };
        QAccessibleInterface* march1 = day(Day(2024, 3, 1));
        QCOMPARE(march1->text(QAccessible::Name), QStringLiteral("Friday, 1 March 2024"));
        QCOMPARE(march1->text(QAccessible::Description),
                 FromBytes(app_->Doc().Library().FindEvent(2)->name));
        QCOMPARE(day(Day(2024, 3, 4))->text(QAccessible::Description), QString());
        QCOMPARE(list->indexOfChild(march1), 29);

        day(Day(2024, 2, 28))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(day(Day(2024, 2, 28))->state().selected);
        QVERIFY(!march1->state().selected);
        QVERIFY(Find<QComboBox>(dialog, IDC_EVENTS_KIND)->isEnabled());
        calendar->setFocus();
        QTest::keyClick(calendar, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(calendar, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(calendar->Selection(), std::make_optional(std::make_pair(Day(2024, 2, 28), Day(2024, 3, 1))));
        QVERIFY(march1->state().selected);
        QCOMPARE(dialog.Values().Selection(), calendar->Selection());
        day(Day(2024, 3, 3))->actionInterface()->doAction(QStringLiteral("extendSelection"));
        QCOMPARE(dialog.Values().Selection(), std::make_optional(std::make_pair(Day(2024, 2, 28), Day(2024, 3, 3))));

        list->actionInterface()->doAction(QStringLiteral("clearSelection"));
        QVERIFY(!calendar->Selection());
        QVERIFY(!dialog.Values().Selection());
        QVERIFY(!march1->state().selected);
        QVERIFY(!Find<QComboBox>(dialog, IDC_EVENTS_KIND)->isEnabled());
    }

private:
    template <class T>
    static T* Find(QWidget& parent, int id) {
        return parent.findChild<T*>(ControlName(id));
    }
    static void Select(CEventsDialog& dialog, int first, int last) {
        dialog.Calendar()->SetSelection(first, last);
        dialog.OnCalendarClicked();
    }

    std::unique_ptr<AppFixture> app_;
};

QTEST_MAIN(EventsDialogTest)
#include "EventsDialogTest.moc"
