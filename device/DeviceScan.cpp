#include "DeviceScan.h"

#include <algorithm>
#include <optional>
#include <tuple>

#include "ActivityFiles.h"
#include "Database.h"
#include "KnownRecordings.h"
#include "PlanMatching.h"
#include "RecordingFile.h"

namespace kadenzo {
namespace {

// A file's bytes, read the first time they are asked for.
class LazyBytes {
public:
    explicit LazyBytes(const std::string& path) : path_(path) {}
    const std::string* Get() {
        if (!read_) {
            bytes_ = ReadRecordingFile(path_);
            read_ = true;
        }
        return bytes_ ? &*bytes_ : nullptr;
    }

private:
    const std::string& path_;
    bool read_ = false;
    std::optional<std::string> bytes_;
};

}  // namespace

ImportPlan ScanDevice(const std::string& folder, const CDatabase& log, const CLibrary& library,
                      const std::string& diaryPath, const ScanSettings& settings) {
    const std::vector<FoundFile> files = FindActivityFiles(folder);
    KnownRecordings known = KnownRecordings::OfDiary(log, diaryPath);
    const ActivityReadSettings reading{settings.units, settings.now, &settings.sports, &library};
    ImportPlan plan;
    for (const FoundFile& file : files) {
        const std::optional<FileIdentity> identity = IdentifyFile(file.path, file.fit);
        if (!identity) {
            plan.failed.push_back({file.name, UnreadableFileMessage(file.path)});
            continue;
        }
        if (IsOtherFitFile(*identity)) continue;
        LazyBytes bytes(file.path);
        if (known.Holds(*identity, [&] { return bytes.Get(); })) {
            plan.duplicates.push_back(file.name);
            continue;
        }
        if (!bytes.Get()) {
            plan.failed.push_back({file.name, UnreadableFileMessage(file.path)});
            continue;
        }
        ActivityReading read = ReadActivity(file, *bytes.Get(), reading);
        switch (read.outcome) {
            case ActivityReading::Outcome::kNotAnActivity:
                break;
            case ActivityReading::Outcome::kFailed:
                plan.failed.push_back({file.name, std::move(read.reason), read.why});
                break;
            case ActivityReading::Outcome::kActivity:
                // The same activity under another name is not taken twice.
                known.Add(file.path, read.activity.identity, read.activity.hash);
                plan.rows.emplace_back().activity = std::move(read.activity);
                break;
        }
    }
    std::stable_sort(plan.rows.begin(), plan.rows.end(), [](const PlanRow& a, const PlanRow& b) {
        return a.activity.start < b.activity.start;
    });
    ProposeOutcomes(plan.rows, log, settings.sports, library);
    return plan;
}

std::size_t CountNewActivities(const std::string& folder, const CDatabase& log,
                               const std::string& diaryPath) {
    return CountNewActivities(folder, KnownRecordings::OfDiary(log, diaryPath));
}

std::size_t CountNewActivities(const std::string& folder, KnownRecordings known) {
    std::size_t count = 0;
    for (const FoundFile& file : FindActivityFiles(folder)) {
        const std::optional<FileIdentity> identity = IdentifyFile(file.path, file.fit);
        if (!identity || IsOtherFitFile(*identity)) continue;
        LazyBytes bytes(file.path);
        if (known.Holds(*identity, [&] { return bytes.Get(); })) continue;
        known.Add(file.path, *identity);
        ++count;
    }
    return count;
}

}  // namespace kadenzo
