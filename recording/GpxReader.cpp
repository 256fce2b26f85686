#include "GpxReader.h"

#include <vector>

#include "Cp1252.h"
#include "RecordingTime.h"
#include "TrackPoints.h"
#include "XmlElements.h"

namespace kadenzo {
namespace {

// Where extension values may sit below <extensions>: directly (power, as some
// writers put it) or inside Garmin's <TrackPointExtension>.
constexpr int kExtensionDepth = 2;

std::optional<float> Extension(const pugi::xml_node& extensions, std::string_view name) {
    return FloatNumber(Descendant(extensions, name, kExtensionDepth));
}

}  // namespace

LoadResult ReadGpx(CRecording& recording, std::string_view bytes,
                   const RecordingReadContext& context) {
    TrackSampleBuilder builder(recording, context);
    pugi::xml_document doc;
    if (std::optional<LoadResult> refused = OpenXmlRecording(doc, bytes, "gpx", "a GPX file"))
        return *refused;
    pugi::xml_node root = doc.document_element();

    std::vector<PositionedPoint> points;
    std::size_t untimed = 0;
    int segment = 0;
    bool typed = false;  // the first track's type names the sport
    ForEachChild(root, "trk", [&](const pugi::xml_node& track) {
        if (recording.title.empty())
            recording.title = Utf8ToCp1252(Child(track, "name").child_value());
        if (!typed) recording.activity.sport = SportNameOfText(Child(track, "type").child_value());
        typed = true;
        ForEachChild(track, "trkseg", [&](const pugi::xml_node& trackSegment) {
            ++segment;
            ForEachChild(trackSegment, "trkpt", [&](const pugi::xml_node& trackPoint) {
                std::optional<std::int64_t> time =
                    ParseIsoTime(Child(trackPoint, "time").child_value());
                if (!time) {
                    ++untimed;
                    return;
                }
                PositionedPoint& p = points.emplace_back();
                p.segment = segment;
                p.point.time = *time;
                std::optional<double> latitude = Number(trackPoint.attribute("lat").value());
                std::optional<double> longitude = Number(trackPoint.attribute("lon").value());
                if (latitude && longitude) p.position = GeoPosition{*latitude, *longitude};
                p.point.altitude = FloatNumber(Child(trackPoint, "ele"));
                pugi::xml_node extensions = Child(trackPoint, "extensions");
                p.point.heartRate = Extension(extensions, "hr");
                p.point.cadence = Extension(extensions, "cad");
                p.point.temperature = Extension(extensions, "atemp");
                p.point.power = Extension(extensions, "power");
            });
        });
    });
    return BuildTrackRecording(builder, points, untimed);
}

LoadResult LoadGpx(CRecording& recording, std::string path, const RecordingReadContext& context) {
    std::optional<std::string> bytes = ReadRecordingFile(path);
    if (!bytes) return {LoadStatus::kCannotOpen, UnreadableFileMessage(path)};
    return ReadGpx(recording, *bytes, context);
}

}  // namespace kadenzo
