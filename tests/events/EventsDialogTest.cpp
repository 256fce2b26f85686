// The events dialog on a document: Cancel, an unchanged OK or a kind the
// list lacks leave the stored events as they were. The calendar is driven by
// keys and read through its accessible days by the camp journey; the days'
// rules are tested in EventDaysTest.
#include <QComboBox>
#include <QTest>

#include "ControlId.h"
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

private:
    std::unique_ptr<AppFixture> app_;
};

QTEST_MAIN(EventsDialogTest)
#include "EventsDialogTest.moc"
