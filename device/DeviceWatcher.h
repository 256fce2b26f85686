#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "DeviceFolders.h"

namespace kadenzo {

// Notices new activities: about every two seconds it looks at the volumes
// mounted (QStorageInfo, and the desktop's gvfs folder where MTP devices
// show) and at the import folders the user named, which are also watched for
// files that appear. The look runs on a thread of its own, so a slow
// device never holds up the program; one look at a time.
class CDeviceWatcher : public QObject {
    Q_OBJECT
public:
    // What a look needs of the diary, taken on the program's thread before
    // each look: its file and the recordings its workouts refer to.
    struct DiaryFacts {
        std::string diaryPath;
        std::vector<std::string> recordingPaths;
    };
    using FactsSource = std::function<DiaryFacts()>;
    // The volumes to look at; called on the look's thread.
    using VolumesSource = std::function<std::vector<std::string>()>;

    CDeviceWatcher(FactsSource facts, VolumesSource volumes, QObject* parent = nullptr);
    ~CDeviceWatcher() override;

    void SetImportFolders(const QStringList& folders);
    // Looks now, unless a look is under way.
    void Look();

signals:
    // A folder, new or changed, holds activities the diary lacks.
    void newActivities(const QString& folder, qint64 count);
    // The activity folders there are now (a device unplugged has gone).
    void present(const QStringList& folders);

private:
    struct Pending;
    // Runs a look on a thread of its own; throws std::system_error when
    // no thread can be started.
    void Start(DeviceLook look);
    void Finished(DeviceLookResult result);

    FactsSource facts_;
    VolumesSource volumes_;
    QStringList importFolders_;
    QTimer timer_;
    QFileSystemWatcher watcher_;
    FolderChanges changes_;
    bool looking_ = false;
    std::shared_ptr<Pending> pending_;  // shared with the look under way
};

// The roots of the volumes that may be devices: mounted volumes other than
// the system's own, and each device the desktop mounted in its gvfs folder.
std::vector<std::string> DeviceVolumes();

}  // namespace kadenzo
