#include "RecordingSummary.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace kadenzo {

RangeSummary SummariseRange(const CRecording& recording, int first, int last, bool excludePauses) {
    RangeSummary summary;
    const std::vector<RecordingSample>& s = recording.samples;
    if (s.empty()) return summary;
    const int end = recording.count() - 1;
    first = std::clamp(first, 0, end);
    last = std::clamp(last, 0, end);
    if (first > last) std::swap(first, last);

    // 64-bit differences: 32-bit fields from a damaged file may lie far apart.
    double distance = static_cast<double>(std::int64_t{s[last].distance} - s[first].distance);
    double duration = static_cast<double>(std::int64_t{s[last].time} - s[first].time);

    std::int64_t counted = 0;
    double sum = 0.0;
    float maximum = 0.0f;
    double pauseSeconds = 0.0;
    std::int64_t pauseSamples = 0;
    double pauseSum = 0.0;
    auto endPause = [&] {
        if (excludePauses && pauseSeconds > kPauseSeconds) {
            duration -= pauseSeconds;
            sum -= pauseSum;
            counted -= pauseSamples;
        }
        pauseSeconds = 0.0;
        pauseSamples = 0;
        pauseSum = 0.0;
    };

    for (int i = first; i <= last; ++i) {
        const float heartRate = s[i].heartRate;
        ++counted;
        sum += heartRate;
        if (heartRate > maximum) maximum = heartRate;
        if (i == first) continue;
        if (s[i].distance == s[i - 1].distance) {
            pauseSeconds += static_cast<double>(std::int64_t{s[i].time} - s[i - 1].time);
            ++pauseSamples;
            pauseSum += heartRate;
        } else {
            endPause();
        }
    }
    endPause();

    summary.distance = static_cast<float>(distance * 0.001);  // thousandths to whole units
    summary.duration = static_cast<float>(duration);
    summary.average = counted > 0 ? static_cast<float>(sum / static_cast<double>(counted)) : 0.0f;
    summary.maximum = maximum;
    return summary;
}

int HeartRateZone(double heartRate, int maxHeartRate) {
    if (maxHeartRate <= 0) return -1;
    // In tenths of the maximum, so that a whole-number boundary is met exactly.
    const double tenths = heartRate * 10.0;
    for (int zone = kHeartRateZones - 1; zone >= 0; --zone)
        if (tenths >= (5.0 + zone) * maxHeartRate) return zone;
    return -1;  // below half the maximum, or not a number
}

ZoneSeconds TimeInZones(const CRecording& recording, int first, int last, int maxHeartRate,
                        bool excludePauses) {
    ZoneSeconds seconds{};
    const std::vector<RecordingSample>& s = recording.samples;
    if (s.empty()) return seconds;
    const int end = recording.count() - 1;
    first = std::clamp(first, 0, end);
    last = std::clamp(last, 0, end);
    if (first > last) std::swap(first, last);

    // A standstill's zone time waits until its length decides whether it is a pause.
    ZoneSeconds standing{};
    double standingSeconds = 0.0;
    auto endStandstill = [&] {
        if (!(excludePauses && standingSeconds > kPauseSeconds))
            for (std::size_t z = 0; z < seconds.size(); ++z) seconds[z] += standing[z];
        standing = {};
        standingSeconds = 0.0;
    };
    for (int i = first + 1; i <= last; ++i) {
        const std::int64_t step = std::int64_t{s[i].time} - s[i - 1].time;
        const bool still = s[i].distance == s[i - 1].distance;
        if (still)
            standingSeconds += static_cast<double>(step);
        else
            endStandstill();
        const int zone = HeartRateZone(s[i].heartRate, maxHeartRate);
        // A damaged file's clock may run backwards: that stretch counts nowhere.
        if (zone >= 0 && step > 0)
            (still ? standing : seconds)[static_cast<std::size_t>(zone)] +=
                static_cast<double>(step);
    }
    endStandstill();
    return seconds;
}

}  // namespace kadenzo
