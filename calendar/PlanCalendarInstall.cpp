#include "PlanCalendarInstall.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <exception>

#include "DocumentController.h"
#include "KadenzoDoc.h"
#include "MainFrame.h"
#include "PlanCalendar.h"
#include "PlanCalendarDialog.h"
#include "ResourceIds.h"
#include "Texts.h"
#include "UserDialogs.h"

namespace kadenzo {
namespace {

const QString kFileKey = QStringLiteral("Calendar/File");
const QString kDiaryKey = QStringLiteral("Calendar/Diary");

std::string ToPath(const QString& path) { return QFile::encodeName(path).toStdString(); }
QString FromPath(const std::string& path) { return QFile::decodeName(path.c_str()); }

void ExportPlan(CMainFrame& frame, QSettings& settings, UserDialogs& dialogs) {
    const CKadenzoDoc& doc = frame.Document().Doc();
    const TextService texts = frame.Document().Texts();
    const QString diary = frame.Document().PathName();
    const CalendarSubscription subscription = ReadCalendarSubscription(settings);
    const bool subscribed = !subscription.calendarPath.empty() &&
                            (diary.isEmpty() ? subscription.diaryPath.empty()
                                             : SameFile(subscription.diaryPath, ToPath(diary)));
    const QString suggested =
        FromPath(SuggestedCalendarPath(subscription, ToPath(diary), ToPath(QDir::homePath())));
    const auto write = [&doc, &dialogs, &texts](const QString& path) {
        const QString problem = WriteCalendar(doc, path);
        if (problem.isEmpty()) return true;
        dialogs.Message(
            texts.Format(IDS_CALENDAR_WRITE_FAILED, {QDir::toNativeSeparators(path), problem}),
            UserDialogs::Icon::Error);
        return false;
    };
    CPlanCalendarDialog dialog(suggested, subscribed, diary, dialogs, texts, write, &frame);
    if (dialog.exec() != QDialog::Accepted) return;
    // Ticked: this diary's calendar from now on; unticked: no longer.
    if (dialog.AfterSave())
        WriteCalendarSubscription(settings, {ToPath(dialog.Path()), ToPath(diary)});
    else if (subscribed)
        WriteCalendarSubscription(settings, {});
    frame.SetStatusText(
        texts.Format(IDS_CALENDAR_WRITTEN, {QDir::toNativeSeparators(dialog.Path())}));
}

}  // namespace

CalendarSubscription ReadCalendarSubscription(QSettings& settings) {
    return {ToPath(settings.value(kFileKey).toString()),
            ToPath(settings.value(kDiaryKey).toString())};
}

void WriteCalendarSubscription(QSettings& settings, const CalendarSubscription& subscription) {
    if (subscription.calendarPath.empty()) {
        settings.remove(kFileKey);
        settings.remove(kDiaryKey);
        return;
    }
    settings.setValue(kFileKey, FromPath(subscription.calendarPath));
    settings.setValue(kDiaryKey, FromPath(subscription.diaryPath));
}

QString WriteCalendar(const CKadenzoDoc& doc, const QString& path) {
    try {
        WritePlanCalendar(doc, ToPath(path));
    } catch (const std::exception& error) {
        return QString::fromLocal8Bit(error.what());
    }
    return {};
}

QString WriteCalendarAfterSave(const CKadenzoDoc& doc, QSettings& settings,
                               const QString& savedPath, const TextService& texts) {
    CalendarSubscription subscription = ReadCalendarSubscription(settings);
    if (!WritesAfterSave(subscription, ToPath(savedPath))) return {};
    if (subscription.diaryPath.empty()) {
        subscription.diaryPath = ToPath(savedPath);
        WriteCalendarSubscription(settings, subscription);
    }
    const QString calendar = FromPath(subscription.calendarPath);
    const QString problem = WriteCalendar(doc, calendar);
    if (problem.isEmpty()) return {};
    return texts.Format(IDS_CALENDAR_SAVE_FAILED, {QDir::toNativeSeparators(calendar), problem});
}

void InstallPlanCalendar(CMainFrame& frame, QSettings& settings, UserDialogs& dialogs) {
    CMainFrame* frameRef = &frame;
    QSettings* settingsRef = &settings;
    UserDialogs* dialogsRef = &dialogs;
    frame.SetCommand(ID_EXPORT_PLAN_CALENDAR, {[frameRef, settingsRef, dialogsRef] {
                                                   ExportPlan(*frameRef, *settingsRef, *dialogsRef);
                                               },
                                               {},
                                               {}});
    QObject::connect(&frame.Document(), &DocumentController::Saved, &frame,
                     [frameRef, settingsRef](const QString& path) {
                         const QString problem =
                             WriteCalendarAfterSave(frameRef->Document().Doc(), *settingsRef, path,
                                                    frameRef->Document().Texts());
                         if (!problem.isEmpty()) frameRef->SetStatusText(problem);
                     });
}

}  // namespace kadenzo
