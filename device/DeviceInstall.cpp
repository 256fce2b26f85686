#include "DeviceInstall.h"

#include <QDir>
#include <QFile>
#include <QToolBar>
#include <memory>
#include <stdexcept>

#include "DeviceImportDialog.h"
#include "DeviceNotice.h"
#include "DeviceTexts.h"
#include "DeviceWatcher.h"
#include "DocumentController.h"
#include "ImportApply.h"
#include "KadenzoDoc.h"
#include "KnownRecordings.h"
#include "Library.h"
#include "LibraryFile.h"
#include "MainFrame.h"
#include "ResourceIds.h"
#include "UserDialogs.h"

namespace kadenzo {
namespace {

constexpr std::uint32_t kLibrarySaveFailed = 34411;  // %s: the library file
const QString kLastFolder = QStringLiteral("DeviceImport/LastFolder");

class DeviceImport {
public:
    DeviceImport(CMainFrame& frame, QSettings& settings, UserDialogs& dialogs,
                 std::string libraryFilePath)
        : frame_(frame),
          settings_(settings),
          dialogs_(dialogs),
          libraryFilePath_(std::move(libraryFilePath)),
          texts_(frame.Document().Texts()) {}

    // The notice strip above the view, and the watcher that feeds it.
    void Watch(QObject* owner, CDeviceWatcher::VolumesSource volumes) {
        auto* bar = new QToolBar(&frame_);
        bar->setObjectName(QStringLiteral("DeviceNoticeBar"));
        bar->setWindowTitle(texts_.Text(devicetext::kNotice));
        bar->setMovable(false);
        bar->setFloatable(false);
        bar->toggleViewAction()->setVisible(false);
        notice_ = new CDeviceNotice(texts_, bar);
        bar->addWidget(notice_);
        frame_.addToolBarBreak(Qt::TopToolBarArea);
        frame_.addToolBar(Qt::TopToolBarArea, bar);
        bar->hide();
        bar_ = bar;
        QObject::connect(notice_, &CDeviceNotice::dismissed, bar, &QWidget::hide);
        QObject::connect(notice_, &CDeviceNotice::importRequested, owner,
                         [this](const QString& folder) { Run(folder); });

        CKadenzoDoc& doc = frame_.Document().Doc();
        watcher_ = new CDeviceWatcher(
            [&doc] {
                return CDeviceWatcher::DiaryFacts{doc.PathName(), RecordingPathsOf(doc.Log())};
            },
            std::move(volumes), owner);
        watcher_->SetImportFolders(ReadDeviceSettings(settings_).folders);
        QObject::connect(watcher_, &CDeviceWatcher::newActivities, bar,
                         [this](const QString& folder, qint64 count) {
                             notice_->Tell(folder, count);
                             bar_->show();
                         });
        QObject::connect(watcher_, &CDeviceWatcher::present, bar,
                         [this](const QStringList& folders) {
                             if (!bar_->isHidden() && !folders.contains(notice_->Folder()))
                                 bar_->hide();
                         });
        watcher_->Look();
    }

    // File › Import from Device...: any folder.
    void ChooseAndRun() {
        const QString start = settings_.value(kLastFolder, QDir::homePath()).toString();
        const QString folder = dialogs_.FolderName(texts_.Text(devicetext::kChooseFolder), start);
        if (folder.isEmpty()) return;
        settings_.setValue(kLastFolder, folder);
        Run(folder);
    }

    void Run(const QString& folder) {
        CKadenzoDoc& doc = frame_.Document().Doc();
        CDeviceImportDialog dialog({doc, dialogs_, settings_, texts_, doc.PathName()}, folder,
                                   &frame_);
        const bool accepted = dialog.exec() == QDialog::Accepted;
        // The import folders may have changed in its settings.
        watcher_->SetImportFolders(ReadDeviceSettings(settings_).folders);
        if (!accepted || dialog.Plan().ImportedCount() == 0) return;
        if (!Apply(dialog.Plan())) return;
        if (bar_ && notice_->Folder() == dialog.Folder()) bar_->hide();
    }

private:
    bool Apply(const ImportPlan& plan) {
        DocumentController& document = frame_.Document();
        CKadenzoDoc& doc = document.Doc();
        // The recordings are copied into a folder beside the diary's file.
        if (doc.PathName().empty()) {
            if (!dialogs_.AskYesNo(texts_.Text(devicetext::kSaveFirst),
                                   UserDialogs::Icon::Question) ||
                !document.SaveAs() || doc.PathName().empty())
                return false;
        }
        const CLibrary* libraryBefore = &doc.Library();
        ApplySettings settings{doc.Context().units, false,
                               doc.Context().Texts().Text(CLibrary::kBuiltInSportNameText)};
        ApplyResult result;
        try {
            result = ApplyImport(doc, plan, doc.PathName(), settings);
        } catch (const std::exception& error) {
            dialogs_.Message(
                texts_.Format(devicetext::kImportFailed, {QString::fromStdString(error.what())}),
                UserDialogs::Icon::Error);
            return false;
        }
        // A template added for a sport belongs in the program's library file
        // too, unless the library is one taken over from a diary.
        if (&doc.Library() != libraryBefore && !doc.LibraryReplaced()) {
            std::string error;
            if (!SaveLibraryFile(doc.Library(), libraryFilePath_, &error))
                dialogs_.Message(
                    texts_.Format(
                        kLibrarySaveFailed,
                        {QDir::toNativeSeparators(QFile::decodeName(libraryFilePath_.c_str()))}),
                    UserDialogs::Icon::Error);
        }
        if (!result.failed.empty()) {
            QStringList lines;
            for (const FailedFile& file : result.failed)
                lines << texts_.Format(devicetext::FailedText(file.why),
                                       {QString::fromStdString(file.file)});
            dialogs_.Message(texts_.Count(devicetext::kNotImportedOne, devicetext::kNotImported,
                                          static_cast<qint64>(result.imported.size()),
                                          {lines.join(QLatin1Char('\n'))}),
                             UserDialogs::Icon::Warning);
        }
        if (result.firstDay) {
            frame_.SwitchToView(ID_VIEW_DIARY);
            if (frame_.Editing().showDay) frame_.Editing().showDay(*result.firstDay);
        }
        return result.changed;
    }

    CMainFrame& frame_;
    QSettings& settings_;
    UserDialogs& dialogs_;
    std::string libraryFilePath_;
    TextService texts_;
    CDeviceWatcher* watcher_ = nullptr;
    CDeviceNotice* notice_ = nullptr;
    QToolBar* bar_ = nullptr;
};

}  // namespace

void InstallDeviceImport(CMainFrame& frame, QSettings& settings, UserDialogs& dialogs,
                         std::string libraryFilePath,
                         std::function<std::vector<std::string>()> volumes) {
    auto import =
        std::make_shared<DeviceImport>(frame, settings, dialogs, std::move(libraryFilePath));
    import->Watch(&frame, volumes ? std::move(volumes) : DeviceVolumes);
    frame.SetCommand(ID_IMPORT_FROM_DEVICE, {[import] { import->ChooseAndRun(); }, {}, {}});
}

}  // namespace kadenzo
