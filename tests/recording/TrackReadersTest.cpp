// TCX and GPX tracks, and the XML date-times they carry.
#include <gtest/gtest.h>

#include "GpxReader.h"
#include "RecordingFile.h"
#include "RecordingFiles.h"
#include "RecordingTime.h"
#include "TcxReader.h"

namespace kadenzo {
namespace {

using TrackReadersTest = testing::ReaderTest;

TEST(ParseIsoTimeTest, FormsFilesWrite) {
    constexpr std::int64_t t = 1356557393;  // 2012-12-26 21:29:53 UTC
    const std::pair<const char*, std::optional<std::int64_t>> cases[] = {
        {"2012-12-26T21:29:53Z", t},
        {" 2012-12-26T21:29:53.999Z\n", t},  // the fraction is dropped
        {"2012-12-26T21:29:53", t},          // no zone: UTC
        {"2012-12-26T22:29:53+01:00", t},
        {"2012-12-26T16:29:53-0500", t},
        {"2012-12-26T17:59:53-03:30", t},
        {"2016-02-29T00:00:00Z", 1456704000},
        {"2016-12-31T23:59:60Z", 1483228800},  // a leap second: the next second
        {"2015-02-29T00:00:00Z", std::nullopt},
        {"2012-12-26 21:29:53Z", std::nullopt},
        {"2012-12-26T24:00:00Z", std::nullopt},
        {"2012-12-26T21:29:53+1", std::nullopt},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(ParseIsoTime(text), expected) << text;
}

TEST_F(TrackReadersTest, TcxTrackpointsWithPrefixedExtensions) {
    const std::string tcx = R"(<TrainingCenterDatabase
    xmlns="http://www.garmin.com/xmlschemas/TrainingCenterDatabase/v2"
    xmlns:ns3="http://www.garmin.com/xmlschemas/ActivityExtension/v2">
 <Activities><Activity Sport="Running"><Notes>Gr&#xFC;n</Notes><Lap><Track>
   <Trackpoint><Time>2012-12-26T21:29:53Z</Time><AltitudeMeters>178.5</AltitudeMeters>
    <DistanceMeters>0.0</DistanceMeters><HeartRateBpm><Value>62</Value></HeartRateBpm>
    <Extensions><ns3:TPX><ns3:RunCadence>84</ns3:RunCadence><ns3:Watts>250</ns3:Watts></ns3:TPX>
    </Extensions></Trackpoint>
   <Trackpoint><Time>2012-12-26T21:29:58Z</Time><DistanceMeters> 13.7 </DistanceMeters>
    <HeartRateBpm><Value>not a number</Value></HeartRateBpm></Trackpoint>
   <Trackpoint><Time>2012-12-26T21:30:10Z</Time></Trackpoint>
   <Trackpoint><DistanceMeters>99</DistanceMeters></Trackpoint>
 </Track></Lap></Activity></Activities></TrainingCenterDatabase>)";
    CRecording r;
    ASSERT_EQ(ReadTcx(r, tcx, context_).status, LoadStatus::kLoaded);
    EXPECT_EQ(r.start, 1356557393);
    EXPECT_EQ(r.title, "Running");
    EXPECT_EQ(r.note, "Gr\xFCn");  // Windows-1252
    ASSERT_EQ(r.count(), 3);       // the point without a time is left out
    EXPECT_EQ(r.samples[0].heartRate, 62);
    EXPECT_EQ(r.samples[0].cadence, 84);
    EXPECT_EQ(r.samples[0].power, 250);
    EXPECT_EQ(r.samples[1].distance, 13);
    EXPECT_EQ(r.samples[1].heartRate, 0);
    EXPECT_EQ(r.samples[2].time, 17);
    EXPECT_EQ(r.samples[2].distance, 13);  // carried forward
}

std::string Gpx(const std::string& segments) {
    return "<gpx xmlns:gpxtpx=\"http://www.garmin.com/xmlschemas/TrackPointExtension/v1\">"
           "<trk><name>S&#xFC;d</name>" +
           segments + "</trk></gpx>";
}
std::string Point(double latitude, const std::string& time, const std::string& inner = "") {
    return "<trkpt lat=\"" + std::to_string(latitude) + "\" lon=\"14.5\"><time>" + time +
           "</time>" + inner + "</trkpt>";
}

TEST_F(TrackReadersTest, GpxDistanceIsSummedWithinSegments) {
    // 0.01 degrees of latitude: 1111.95 m.
    const std::string gpx =
        Gpx("<trkseg>" + Point(46.00, "2010-08-05T14:00:00Z", "<ele>542.5</ele>") +
            Point(46.01, "2010-08-05T14:01:00Z",
                  "<extensions><gpxtpx:TrackPointExtension><gpxtpx:atemp>-3.5</gpxtpx:atemp>"
                  "<gpxtpx:hr>141</gpxtpx:hr><gpxtpx:cad>88</gpxtpx:cad>"
                  "</gpxtpx:TrackPointExtension><power>300</power></extensions>") +
            "</trkseg><trkseg></trkseg><trkseg>" + Point(47.00, "2010-08-05T14:30:00Z") +
            Point(47.02, "2010-08-05T14:31:00Z") + "</trkseg>");
    CRecording r;
    ASSERT_EQ(ReadGpx(r, gpx, context_).status, LoadStatus::kLoaded);
    EXPECT_EQ(r.title,
              "S\xFC"
              "d");
    ASSERT_EQ(r.count(), 4);
    EXPECT_EQ(r.samples[0].altitude, 542.5f);
    EXPECT_EQ(r.samples[1].heartRate, 141);
    EXPECT_EQ(r.samples[1].cadence, 88);
    EXPECT_EQ(r.samples[1].temperature, -3.5f);
    EXPECT_EQ(r.samples[1].power, 300);
    EXPECT_NEAR(r.samples[1].distance, 1112, 1);
    // The jump to the next segment is no distance travelled.
    EXPECT_EQ(r.samples[2].distance, r.samples[1].distance);
    EXPECT_NEAR(r.samples[3].distance, 1112 + 2224, 1);
}

TEST_F(TrackReadersTest, FilesWithNothingToChartOrNotWellFormed) {
    const struct {
        bool tcx;
        std::string bytes;
        LoadStatus status;
        std::string message;
    } cases[] = {
        {false, Gpx("<trkseg>" + Point(46, "") + Point(46.1, "yesterday") + "</trkseg>"),
         LoadStatus::kNoSamples, "has no times in its track points"},
        {false, "<gpx><wpt lat=\"1\" lon=\"2\"><time>2016-05-27T10:08:47Z</time></wpt></gpx>",
         LoadStatus::kNoSamples, "holds no track points"},
        {false, "<gpx><trk><trkseg>", LoadStatus::kDamaged,
         "is damaged: it is not well-formed XML (Start-end tags mismatch at byte 17)"},
        {true, "<gpx/>", LoadStatus::kNotRecognised,
         "is not a TCX file: its root element is <gpx>"},
    };
    for (const auto& c : cases) {
        CRecording r;
        r.samples.resize(2);
        LoadResult result = c.tcx ? ReadTcx(r, c.bytes, context_) : ReadGpx(r, c.bytes, context_);
        EXPECT_EQ(result.status, c.status) << c.bytes;
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(r.count(), 0) << c.bytes;
    }
}

TEST_F(TrackReadersTest, EveryPatternOfTheFileChooserHasAReader) {
    std::size_t patterns = 0;
    for (const RecordingFileFilter& filter : RecordingFileFilters()) {
        for (const std::string& pattern : filter.patterns) {
            std::string path = "/nonexistent/ride" + pattern.substr(1);
            CRecording r;
            LoadResult result = LoadRecording(r, path, context_);
            EXPECT_EQ(result.status, LoadStatus::kCannotOpen) << pattern;  // not kUnknownType
            EXPECT_EQ(result.message, "cannot be read: there is no such file");
            ++patterns;
        }
    }
    EXPECT_EQ(patterns, 12u);  // six formats, lower and upper case
}

}  // namespace
}  // namespace kadenzo
