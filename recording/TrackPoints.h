#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "Recording.h"
#include "RecordingFile.h"
#include "Units.h"

namespace kadenzo {

// One point of a track as a FIT, TCX or GPX file gives it. A channel the file
// leaves out, or marks as invalid, is empty.
struct TrackPoint {
    std::int64_t time = 0;           // seconds since 1970 (UTC: these formats store instants)
    std::optional<double> distance;  // metres since the start of the activity
    std::optional<float> altitude;   // metres
    std::optional<float> temperature;
    std::optional<float> cadence;
    std::optional<float> power;
    std::optional<float> heartRate;
};

// Turns points, in file order, into the samples of a recording. The first
// point gives the start and time 0. A point in the same second as the sample
// before adds what it has to that sample; a point earlier than it (a clock set
// back, a second activity from the past) is left out, so sample times never
// decrease. Gaps in time stay gaps. A channel a point lacks reads 0, except
// the distance, which stays where the sample before left it.
class TrackSampleBuilder {
public:
    // Empties the recording (samples, texts, flags, activity facts); its start is `now` until
    // the first point arrives.
    TrackSampleBuilder(CRecording& recording, const RecordingReadContext& context);

    // Room for about this many samples (never more than kMaxSamples), so that
    // a long recording is not copied as it grows.
    void Reserve(std::size_t samples);
    // False once the recording holds kMaxSamples samples: later points are dropped.
    bool Add(const TrackPoint& point);

private:
    CRecording& recording_;
    UnitSettings units_;
};

// A position in degrees of latitude (north positive) and longitude (east positive).
struct GeoPosition {
    double latitude = 0;
    double longitude = 0;
};

// Whether both coordinates are finite and within their ranges.
bool IsValidPosition(const GeoPosition& position);

// Metres along the great circle between two positions on a sphere of the
// Earth's mean radius.
double GreatCircleMetres(const GeoPosition& a, const GeoPosition& b);

// A point of an XML track with where it was and which segment (a run of
// points recorded without a break) it belongs to.
struct PositionedPoint {
    TrackPoint point;
    std::optional<GeoPosition> position;
    int segment = 0;
};

// For a file that gives no distances: sets every point's distance to the
// great-circle sum along the positions so far. The way between two segments
// is not counted (the device was paused or lost its fix); a point without a
// position keeps the sum reached before it.
void SumDistancesAlongPositions(std::vector<PositionedPoint>& points);

// The samples of an XML track whose timed points, in file order, are
// `points`; `untimed` counts the points left out for having no time. The
// distances come from the positions when no point gives one.
LoadResult BuildTrackRecording(TrackSampleBuilder& builder, std::vector<PositionedPoint>& points,
                               std::size_t untimed);

}  // namespace kadenzo
