// TCX and GPX tracks: the XML date-times they carry and the files they refuse.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "GpxReader.h"
#include "HrmReader.h"
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

// The fields of both track formats are golden files: recording-prefixed.tcx
// and recording-segments.gpx.
TEST_F(TrackReadersTest, FilesWithNothingToChartOrNotWellFormed) {
    const struct {
        bool tcx;
        std::string bytes;
        LoadStatus status;
        std::string message;
    } cases[] = {
        {false,
         "<gpx><trk><trkseg><trkpt lat=\"46\" lon=\"14\"><time>yesterday</time></trkpt>"
         "<trkpt lat=\"46.1\" lon=\"14\"/></trkseg></trk></gpx>",
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

TEST_F(TrackReadersTest, SportsAreReadAsFitSportNames) {
    const std::string point =
        "<trkpt lat=\"46\" lon=\"14\"><time>2016-05-27T10:08:47Z</time></trkpt>";
    auto gpx = [&](const std::string& tracks) { return "<gpx>" + tracks + "</gpx>"; };
    auto track = [&](const std::string& type) {
        return "<trk>" + type + "<trkseg>" + point + "</trkseg></trk>";
    };
    const std::string trackpoint = "<Trackpoint><Time>2016-05-27T10:08:47Z</Time></Trackpoint>";
    auto activity = [&](const std::string& sport) {
        return "<Activity Sport=\"" + sport + "\"><Lap><Track>" + trackpoint +
               "</Track></Lap></Activity>";
    };
    auto tcx = [&](const std::string& activities) {
        return "<TrainingCenterDatabase><Activities>" + activities +
               "</Activities></TrainingCenterDatabase>";
    };
    const struct {
        bool tcx;
        std::string bytes;
        std::string kind;
    } cases[] = {
        {true, tcx(activity("Running")), "running"},
        {true, tcx(activity("Biking")), "cycling"},
        {true, tcx(activity("Other")), ""},
        {true, tcx(activity("Biking") + activity("Running")), ""},  // two sessions
        {false, gpx(track("<type>running</type>")), "running"},
        {false, gpx(track("<type> Cross-country  Skiing\n</type>")), "cross_country_skiing"},
        {false, gpx(track("") + track("<type>cycling</type>")), ""},  // the first track's
        {false, gpx(track("<type>cycling/mountain</type>")), "cycling/mountain"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        CRecording r;
        const LoadResult result =
            c.tcx ? ReadTcx(r, c.bytes, context_) : ReadGpx(r, c.bytes, context_);
        ASSERT_EQ(result.status, LoadStatus::kLoaded) << result.message;
        EXPECT_EQ(r.activity.Kind(), c.kind);
    }
}

TEST_F(TrackReadersTest, FilesAreChosenByExtensionAndUnreadableOnesChangeNothing) {
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

    auto path = std::filesystem::temp_directory_path() / "kadenzo-recording-test.HRM";
    std::ofstream(path) << "[Params]\n[HRData]\n120\n";
    CRecording r;
    std::string name = path.string();
    EXPECT_EQ(LoadRecording(r, name, context_), LoadStatus::kLoaded);
    std::filesystem::remove(path);
    EXPECT_EQ(LoadHrm(r, name, context_), LoadStatus::kCannotOpen);
    EXPECT_EQ(r.count(), 2);  // untouched
    name = "ride.txt";
    EXPECT_EQ(LoadRecording(r, name, context_), LoadStatus::kUnknownType);
    EXPECT_EQ(name, "");
}

}  // namespace
}  // namespace kadenzo
