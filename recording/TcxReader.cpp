#include "TcxReader.h"

#include <vector>

#include "Cp1252.h"
#include "RecordingTime.h"
#include "TrackPoints.h"
#include "XmlElements.h"

namespace kadenzo {
namespace {

// TCX names three sports; "Other" is none. Writers that use other names
// are read as FIT sport names.
std::string SportOfTcx(std::string_view sport) {
    if (sport == "Biking") return "cycling";
    if (sport == "Other") return {};
    return SportNameOfText(sport);
}

class TcxTracks {
public:
    std::vector<PositionedPoint> points;
    std::size_t untimed = 0;

    // Each <Track> is one segment: a new one starts after a pause.
    void Track(const pugi::xml_node& track) {
        ++segment_;
        ForEachChild(track, "Trackpoint", [&](const pugi::xml_node& trackpoint) {
            std::optional<std::int64_t> time =
                ParseIsoTime(Child(trackpoint, "Time").child_value());
            if (!time) {
                ++untimed;
                return;
            }
            PositionedPoint& p = points.emplace_back();
            p.segment = segment_;
            p.point.time = *time;
            pugi::xml_node position = Child(trackpoint, "Position");
            std::optional<double> latitude = Number(Child(position, "LatitudeDegrees"));
            std::optional<double> longitude = Number(Child(position, "LongitudeDegrees"));
            if (latitude && longitude) p.position = GeoPosition{*latitude, *longitude};
            p.point.altitude = FloatNumber(Child(trackpoint, "AltitudeMeters"));
            p.point.distance = Number(Child(trackpoint, "DistanceMeters"));
            p.point.heartRate = FloatNumber(Child(Child(trackpoint, "HeartRateBpm"), "Value"));
            p.point.cadence = FloatNumber(Child(trackpoint, "Cadence"));
            // Running cadence and power come in Garmin's activity extension.
            pugi::xml_node extension = Child(Child(trackpoint, "Extensions"), "TPX");
            if (!p.point.cadence) p.point.cadence = FloatNumber(Child(extension, "RunCadence"));
            p.point.power = FloatNumber(Child(extension, "Watts"));
        });
    }

private:
    int segment_ = 0;
};

}  // namespace

LoadResult ReadTcx(CRecording& recording, std::string_view bytes,
                   const RecordingReadContext& context) {
    TrackSampleBuilder builder(recording, context);
    pugi::xml_document doc;
    if (std::optional<LoadResult> refused =
            OpenXmlRecording(doc, bytes, "TrainingCenterDatabase", "a TCX file"))
        return *refused;
    pugi::xml_node root = doc.document_element();

    TcxTracks tracks;
    ActivityFacts facts;
    ForEachChild(root, "Activities", [&](const pugi::xml_node& activities) {
        ForEachChild(activities, "Activity", [&](const pugi::xml_node& activity) {
            if (++facts.sessions == 1)
                facts.sport = SportOfTcx(activity.attribute("Sport").value());
            if (recording.title.empty())
                recording.title = Utf8ToCp1252(activity.attribute("Sport").value());
            if (recording.note.empty())
                recording.note = Utf8ToCp1252(Child(activity, "Notes").child_value());
            ForEachChild(activity, "Lap", [&](const pugi::xml_node& lap) {
                ForEachChild(lap, "Track",
                             [&](const pugi::xml_node& track) { tracks.Track(track); });
            });
        });
    });
    ForEachChild(root, "Courses", [&](const pugi::xml_node& courses) {
        ForEachChild(courses, "Course", [&](const pugi::xml_node& course) {
            if (recording.title.empty())
                recording.title = Utf8ToCp1252(Child(course, "Name").child_value());
            ForEachChild(course, "Track",
                         [&](const pugi::xml_node& track) { tracks.Track(track); });
        });
    });
    recording.activity = facts;
    return BuildTrackRecording(builder, tracks.points, tracks.untimed);
}

LoadResult LoadTcx(CRecording& recording, std::string path, const RecordingReadContext& context) {
    std::optional<std::string> bytes = ReadRecordingFile(path);
    if (!bytes) return {LoadStatus::kCannotOpen, UnreadableFileMessage(path)};
    return ReadTcx(recording, *bytes, context);
}

}  // namespace kadenzo
