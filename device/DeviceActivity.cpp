#include "DeviceActivity.h"

#include <algorithm>
#include <cmath>
#include <ctime>

#include "DateTime.h"
#include "Recording.h"
#include "RecordingFile.h"
#include "RecordingSummary.h"
#include "SportTable.h"

namespace kadenzo {
namespace {

FailedWhy WhyNotRead(LoadStatus status) {
    switch (status) {
        case LoadStatus::kNotRecognised:
        case LoadStatus::kUnknownType:
            return FailedWhy::kNotRecognised;
        case LoadStatus::kDamaged:
            return FailedWhy::kDamaged;
        case LoadStatus::kNoSamples:
            return FailedWhy::kNoSamples;
        case LoadStatus::kLoaded:
        case LoadStatus::kCutShort:
        case LoadStatus::kCannotOpen:
            break;
    }
    return FailedWhy::kCannotOpen;
}

}  // namespace

int DeviceActivity::Day() const { return DayNumber(start); }

bool IsOtherFitFile(const FileIdentity& identity) {
    return identity.fitId && identity.fitId->type && *identity.fitId->type != kFitFileTypeActivity;
}

double ActivityDateTime(std::int64_t seconds, std::optional<std::int64_t> localOffset) {
    if (!localOffset) return DateTimeFromTimeStamp(seconds);
    const std::time_t local = static_cast<std::time_t>(seconds + *localOffset);
    std::tm fields{};
    if (!gmtime_r(&local, &fields)) return 0;
    return DateTimeFromParts({fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday,
                              fields.tm_hour, fields.tm_min, std::min(fields.tm_sec, 59)})
        .value_or(0);
}

ActivityReading ReadActivity(const FoundFile& file, const std::string& bytes,
                             const ActivityReadSettings& settings) {
    ActivityReading reading;
    DeviceActivity& activity = reading.activity;
    activity.file = file.name;
    activity.path = file.path;
    activity.identity = IdentityOf(bytes, file.fit);
    activity.hash = ContentHash(bytes);
    if (IsOtherFitFile(activity.identity)) {
        reading.outcome = ActivityReading::Outcome::kNotAnActivity;
        return reading;
    }

    CRecording recording;
    const LoadResult result =
        ReadRecording(recording, file.name, bytes, {settings.units, settings.now});
    if (!result.WasRead()) {
        reading.reason = result.message;
        reading.why = WhyNotRead(result.status);
        return reading;
    }
    if (recording.samples.empty()) {
        reading.reason = "holds no samples";
        reading.why = FailedWhy::kNoSamples;
        return reading;
    }
    if (result.status == LoadStatus::kCutShort) activity.note = result.message;

    activity.start = ActivityDateTime(recording.start, recording.activity.localOffset);
    activity.kind = recording.activity.Kind();
    activity.sportId = settings.sports->SportOf(activity.kind, *settings.library);
    const int last = recording.count() - 1;
    const RangeSummary whole = SummariseRange(recording, 0, last, false);
    activity.figures = {{}, 0, last, whole, whole};
    activity.duration = std::isfinite(whole.duration) && whole.duration > 0
                            ? static_cast<double>(whole.duration) / 60.0
                            : 0.0;
    activity.distance =
        FromDisplay(ImportedDistance(whole.distance), kUnitDistance, settings.units);
    activity.averagePulse = ImportedHeartRate(whole.average);
    activity.maxPulse = ImportedHeartRate(whole.maximum);
    reading.outcome = ActivityReading::Outcome::kActivity;
    return reading;
}

}  // namespace kadenzo
