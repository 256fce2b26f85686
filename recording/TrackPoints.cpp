#include "TrackPoints.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "TextScan.h"

namespace kadenzo {
namespace {

constexpr double kEarthMeanRadius = 6371008.8;  // metres

double Radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

}  // namespace

TrackSampleBuilder::TrackSampleBuilder(CRecording& recording, const RecordingReadContext& context)
    : recording_(recording), units_(context.units) {
    recording.samples.clear();
    recording.title.clear();
    recording.text1.clear();
    recording.text2.clear();
    recording.note.clear();
    recording.flags = 0;
    recording.activity = {};
    recording.start = context.now;
}

void TrackSampleBuilder::Reserve(std::size_t samples) {
    recording_.samples.reserve(std::min(samples, static_cast<std::size_t>(kMaxSamples)));
}

bool TrackSampleBuilder::Add(const TrackPoint& point) {
    std::vector<RecordingSample>& samples = recording_.samples;
    if (samples.empty()) recording_.start = point.time;
    const std::int64_t offset = point.time - recording_.start;
    if (offset < 0 || offset > std::numeric_limits<std::int32_t>::max()) return true;
    const auto time = static_cast<std::int32_t>(offset);

    RecordingSample* sample = nullptr;
    if (!samples.empty() && time <= samples.back().time) {
        if (time < samples.back().time) return true;
        sample = &samples.back();
    } else {
        if (samples.size() >= static_cast<std::size_t>(kMaxSamples)) return false;
        const std::int32_t distance = samples.empty() ? 0 : samples.back().distance;
        sample = &samples.emplace_back();
        sample->time = time;
        sample->distance = distance;
    }
    if (point.distance)
        sample->distance = TruncToInt32(ToDisplay(*point.distance, kUnitDistance, units_));
    if (point.altitude) sample->altitude = *point.altitude;
    if (point.temperature) sample->temperature = *point.temperature;
    if (point.cadence) sample->cadence = *point.cadence;
    if (point.power) sample->power = *point.power;
    if (point.heartRate) sample->heartRate = *point.heartRate;
    return true;
}

bool IsValidPosition(const GeoPosition& position) {
    return std::isfinite(position.latitude) && std::isfinite(position.longitude) &&
           std::abs(position.latitude) <= 90.0 && std::abs(position.longitude) <= 180.0;
}

double GreatCircleMetres(const GeoPosition& a, const GeoPosition& b) {
    // Haversine: stays accurate for the few metres between neighbouring points.
    const double lat1 = Radians(a.latitude);
    const double lat2 = Radians(b.latitude);
    const double sinLat = std::sin((lat2 - lat1) / 2.0);
    const double sinLon = std::sin(Radians(b.longitude - a.longitude) / 2.0);
    const double h = sinLat * sinLat + std::cos(lat1) * std::cos(lat2) * sinLon * sinLon;
    return 2.0 * kEarthMeanRadius * std::asin(std::min(1.0, std::sqrt(h)));
}

void SumDistancesAlongPositions(std::vector<PositionedPoint>& points) {
    double sum = 0.0;
    std::optional<GeoPosition> last;
    int segment = points.empty() ? 0 : points.front().segment;
    for (PositionedPoint& p : points) {
        if (p.segment != segment) {
            last.reset();
            segment = p.segment;
        }
        if (p.position && IsValidPosition(*p.position)) {
            if (last) sum += GreatCircleMetres(*last, *p.position);
            last = p.position;
        }
        p.point.distance = sum;
    }
}

LoadResult BuildTrackRecording(TrackSampleBuilder& builder, std::vector<PositionedPoint>& points,
                               std::size_t untimed) {
    if (points.empty()) {
        if (untimed > 0) return {LoadStatus::kNoSamples, "has no times in its track points"};
        return {LoadStatus::kNoSamples, "holds no track points"};
    }
    const bool givesDistances =
        std::any_of(points.begin(), points.end(),
                    [](const PositionedPoint& p) { return p.point.distance.has_value(); });
    if (!givesDistances) SumDistancesAlongPositions(points);
    builder.Reserve(points.size());
    for (const PositionedPoint& p : points)
        if (!builder.Add(p.point)) break;
    return {};
}

}  // namespace kadenzo
