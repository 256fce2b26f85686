#include "DeviceWatcher.h"

#include <QDir>
#include <QFile>
#include <QStorageInfo>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>

namespace kadenzo {

// What a look's thread shares with the watcher: the watcher gone, the result
// has nowhere to go.
struct CDeviceWatcher::Pending {
    std::mutex mutex;
    CDeviceWatcher* watcher = nullptr;
};

std::vector<std::string> DeviceVolumes() {
    std::vector<std::string> volumes;
    const QString system = QStorageInfo::root().rootPath();
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady() || volume.rootPath() == system) continue;
        if (!IsDeviceFileSystem(volume.fileSystemType().toStdString())) continue;
        volumes.push_back(QFile::encodeName(volume.rootPath()).toStdString());
    }
    // The desktop mounts an MTP device as a folder of its own gvfs folder.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) {
        for (std::string& device :
             SubFolders(QFile::encodeName(runtime + QStringLiteral("/gvfs")).toStdString()))
            volumes.push_back(std::move(device));
    }
    return volumes;
}

CDeviceWatcher::CDeviceWatcher(FactsSource facts, VolumesSource volumes, QObject* parent)
    : QObject(parent),
      facts_(std::move(facts)),
      volumes_(std::move(volumes)),
      pending_(std::make_shared<Pending>()) {
    pending_->watcher = this;
    // Within the three seconds the notice is due in, and cheap enough.
    timer_.setInterval(2000);
    connect(&timer_, &QTimer::timeout, this, &CDeviceWatcher::Look);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &CDeviceWatcher::Look);
    timer_.start();
}

CDeviceWatcher::~CDeviceWatcher() {
    const std::lock_guard<std::mutex> lock(pending_->mutex);
    pending_->watcher = nullptr;
}

void CDeviceWatcher::SetImportFolders(const QStringList& folders) {
    if (!watcher_.directories().isEmpty()) watcher_.removePaths(watcher_.directories());
    importFolders_ = folders;
    for (const QString& folder : folders)
        if (QDir(folder).exists()) watcher_.addPath(folder);
}

void CDeviceWatcher::Look() {
    if (looking_) return;
    looking_ = true;
    DeviceLook look;
    for (const QString& folder : importFolders_)
        look.importFolders.push_back(QFile::encodeName(folder).toStdString());
    DiaryFacts facts = facts_();
    look.diaryPath = std::move(facts.diaryPath);
    look.recordingPaths = std::move(facts.recordingPaths);
    look.changes = changes_;
    // Detached: a device that hangs holds up neither the program nor its end.
    try {
        Start(std::move(look));
    } catch (const std::system_error&) {
        looking_ = false;  // no thread to be had now: the next tick tries again
    }
}

void CDeviceWatcher::Start(DeviceLook look) {
    std::thread([look = std::move(look), volumes = volumes_, pending = pending_]() mutable {
        auto result = std::make_shared<DeviceLookResult>();
        result->changes = look.changes;  // what stays should the look fail
        try {
            // Listing the volumes asks each for its state, which a hung
            // device may answer slowly: on this thread too.
            look.volumes = volumes();
            *result = LookForNewActivities(std::move(look));
        } catch (const std::exception&) {
            // Nothing to tell this time; the next look tries again.
        }
        const std::lock_guard<std::mutex> lock(pending->mutex);
        if (CDeviceWatcher* watcher = pending->watcher)
            QMetaObject::invokeMethod(
                watcher, [watcher, result] { watcher->Finished(std::move(*result)); },
                Qt::QueuedConnection);
    }).detach();
}

void CDeviceWatcher::Finished(DeviceLookResult result) {
    looking_ = false;
    changes_ = std::move(result.changes);
    QStringList folders;
    for (const std::string& folder : result.present) folders << QFile::decodeName(folder.c_str());
    emit present(folders);
    for (const NewActivities& news : result.announced)
        emit newActivities(QFile::decodeName(news.folder.c_str()), static_cast<qint64>(news.count));
}

}  // namespace kadenzo
