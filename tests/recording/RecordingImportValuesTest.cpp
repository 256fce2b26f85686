// The import dialog's values, the figures it hands back, and the file types it offers.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "DateTime.h"
#include "RecordingFile.h"
#include "RecordingFiles.h"
#include "RecordingImportValues.h"
#include "TestFolder.h"

namespace kadenzo {
namespace {

// 31 samples every 10 s, 50 m apart, heart rate 150; samples 11 to 19 stand
// still (90 s) at heart rate 90.
std::vector<testing::TurSample> RideWithStop() {
    std::vector<testing::TurSample> samples;
    for (int i = 0, distance = 0; i <= 30; ++i) {
        const bool standing = i > 10 && i <= 19;
        if (i > 0 && !standing) distance += 5;
        samples.push_back({i * 10, static_cast<std::uint32_t>(distance), 0,
                           static_cast<std::uint8_t>(standing ? 90 : 150), 80, 0});
    }
    return samples;
}

class RecordingImportValuesTest : public testing::ReaderTest {
protected:
    void SetUp() override { ride_ = Write("ride.tur", testing::TurBytes(RideWithStop())); }
    std::string Write(const std::string& name, const std::string& bytes) {
        const std::string path = (dir_ / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    testing::RecordingStrings texts_;
    UnitSettings units_;
    RecordingImportValues values_{units_, texts_};
    test::TestFolder folder_;
    const std::filesystem::path dir_ = folder_.Path();
    std::string ride_;
};

TEST_F(RecordingImportValuesTest, AFileThatCannotBeReadChangesNothing) {
    ASSERT_EQ(values_.Load(ride_, 0), ImportLoad::kLoaded);
    values_.SetMarkers(5, 25);
    const struct {
        std::string path;
        ImportLoad expected;
    } failures[] = {
        {"", ImportLoad::kNoFile},
        {(dir_ / "missing.hrm").string(), ImportLoad::kCannotOpen},
        {dir_.string() + "/", ImportLoad::kUnknownType},
        {Write("notes.txt", "150\n"), ImportLoad::kUnknownType},
        {Write("wrong.tour", testing::TourBytes({{}}, -1, "tour1")), ImportLoad::kNotRecognised},
        {Write("empty.tur", testing::TurBytes({}, "0\n", "0")), ImportLoad::kNoSamples},
        {Write("empty.hrm", "[Params]\nLength=00:10:00.0\n"), ImportLoad::kNoSamples},
    };
    for (const auto& failure : failures) {
        EXPECT_EQ(values_.Load(failure.path, 0), failure.expected) << failure.path;
        EXPECT_EQ(values_.Path(), ride_);
        EXPECT_EQ(values_.Recording().count(), 31);
        EXPECT_EQ(values_.Marker1(), 5);
        EXPECT_FLOAT_EQ(values_.Part().duration, 200);
    }
}

TEST_F(RecordingImportValuesTest, PauseOptionsAndTheirCoupling) {
    ASSERT_EQ(values_.Load(ride_, 0), ImportLoad::kLoaded);
    EXPECT_FLOAT_EQ(values_.Whole().duration, 300);
    EXPECT_TRUE(values_.PartExcludePausesEnabled());

    values_.SetWholeExcludePauses(true);
    EXPECT_FLOAT_EQ(values_.Whole().duration, 210);  // the 90 s stop is left out
    EXPECT_FLOAT_EQ(values_.Whole().average, 150);
    EXPECT_FALSE(values_.PartExcludePausesEnabled());
    values_.SetPartExcludePauses(false);  // fixed while the whole recording leaves pauses out
    EXPECT_FLOAT_EQ(values_.Part().duration, 210);

    values_.SetWholeExcludePauses(false);
    EXPECT_TRUE(values_.PartExcludePausesEnabled());
    EXPECT_TRUE(values_.PartExcludePauses());
    values_.SetPartExcludePauses(false);
    EXPECT_FLOAT_EQ(values_.Part().duration, 300);
}

TEST_F(RecordingImportValuesTest, WithoutDistanceTheDistanceAxisAndPausesAreUnavailable) {
    std::vector<testing::TurSample> still = RideWithStop();
    for (testing::TurSample& s : still) s.distance = 0;
    const std::string path = Write("still.tur", testing::TurBytes(still));

    ASSERT_EQ(values_.Load(ride_, 0), ImportLoad::kLoaded);
    ASSERT_TRUE(values_.SetAxisMode(kAxisDistance));
    values_.SetWholeExcludePauses(true);

    ASSERT_EQ(values_.Load(path, 0), ImportLoad::kLoaded);
    EXPECT_FALSE(values_.HasDistance());
    EXPECT_EQ(values_.AxisMode(), kAxisElapsedTime);
    EXPECT_FALSE(values_.SetAxisMode(kAxisDistance));
    EXPECT_FALSE(values_.WholeExcludePauses() || values_.PartExcludePauses());
    values_.SetWholeExcludePauses(true);
    EXPECT_FALSE(values_.WholeExcludePauses());
    EXPECT_FLOAT_EQ(values_.Whole().duration, 300);

    // Channels with data are shown; temperature and the empty channels are not.
    const std::array<bool, kChartSlotCount> channels = values_.Channels();
    EXPECT_TRUE(channels[kChannelHeartRate] && channels[kChannelCadence]);
    EXPECT_FALSE(channels[kChannelAltitude] || channels[kChannelTemperature]);
}

TEST_F(RecordingImportValuesTest, ReopeningRestoresTheMarkedSection) {
    const double date = *NoonOfDay(2004, 3, 15);
    ASSERT_EQ(values_.Open({ride_, date, 25, 5}, 0), ImportLoad::kLoaded);
    EXPECT_EQ(values_.Marker1(), 25);
    EXPECT_EQ(values_.Marker2(), 5);
    EXPECT_EQ(values_.PartTexts().duration, "Duration: 0:03:20");

    RecordingImportValues moved(units_, texts_);
    EXPECT_EQ(moved.Open({(dir_ / "gone.hrm").string(), date, 7, 9}, 0), ImportLoad::kCannotOpen);
    const ImportedFigures kept = moved.Figures();
    EXPECT_EQ(kept.path, "");
    EXPECT_EQ(kept.marker1, 7);  // handed back as they came
    EXPECT_EQ(kept.marker2, 9);
}

TEST_F(RecordingImportValuesTest, TheSectionsTimeInZonesFollowsMarkersAndPauses) {
    ASSERT_EQ(values_.Open({ride_, 0, -1, -1, 170}, 0), ImportLoad::kLoaded);
    EXPECT_EQ(values_.PartZones(), (ZoneSeconds{90, 0, 0, 210, 0}));  // 90 bpm while standing
    values_.SetPartExcludePauses(true);
    EXPECT_EQ(values_.PartZones(), (ZoneSeconds{0, 0, 0, 210, 0}));
    values_.SetMarkers(25, 20);
    EXPECT_EQ(values_.PartZones(), (ZoneSeconds{0, 0, 0, 50, 0}));
    ASSERT_EQ(values_.Load(ride_, 0), ImportLoad::kLoaded);  // another file, the same workout
    EXPECT_EQ(values_.PartZones(), (ZoneSeconds{0, 0, 0, 210, 0}));
}

TEST_F(RecordingImportValuesTest, BrowsingOffersTheWorkoutsDayFirstWhereTheFileWas) {
    values_.Open({"", *NoonOfDay(2004, 3, 5), -1, -1}, 0);
    EXPECT_EQ(JoinFileFilter(values_.BrowseFilter()).substr(0, 40),
              "Recordings of 05.03.2004 (040305*.hrm);;");
    // A list of recording patterns stands for every readable type.
    EXPECT_EQ(ParseFileFilter("Polar (*.HRM)|*.HRM;*.tur|Broken|"),
              (std::vector<FileFilterEntry>{
                  {"Polar", {"*.hrm", "*.tur", "*.tour", "*.fit", "*.tcx", "*.gpx"}}}));
    const std::pair<std::string, std::string> folders[] = {
        {"/home/ann/rides/040305.hrm", "/home/ann/rides"},
        {"/040305.hrm", "/"},
        {"040305.hrm", ""},
        {"C:\\Polar\\040305.hrm", "C:\\Polar"}};
    for (const auto& [path, folder] : folders)
        EXPECT_EQ(RecordingImportValues::FolderOf(path), folder) << path;
}

TEST(ImportedFiguresTest, DistancesAndHeartRatesAsThePageHoldsThem) {
    const std::pair<float, double> distances[] = {{1.13f, 1.13}, {1.05f, 1.05}, {12.349f, 12.34},
                                                  {0.004f, 0},   {NAN, 0},      {INFINITY, 0}};
    for (const auto& [distance, expected] : distances)
        EXPECT_DOUBLE_EQ(ImportedDistance(distance), expected) << distance;
    const std::pair<float, int> rates[] = {{150.9f, 150}, {300, 255}, {-5, 0}, {NAN, 0}};
    for (const auto& [rate, expected] : rates) EXPECT_EQ(ImportedHeartRate(rate), expected) << rate;
}

TEST(ImportedFiguresTest, EmptyValuesReplacePageValuesOnlyWhenWanted) {
    PerformanceFigures page;
    page.wholeMax = 181;
    page.recordingPath = "old.hrm";
    ImportedFigures noHeartRate;
    noHeartRate.path = "/rides/L\xC3\xA4ngs.tur";  // UTF-8
    noHeartRate.whole = {42.195f, 3 * 3600.0f + 30, 0, 0};
    noHeartRate.part = {10.0f, 1800.0f, 0, 0};
    noHeartRate.marker1 = 3;
    noHeartRate.marker2 = 1;

    EXPECT_TRUE(ImportBlanksFigures(page, noHeartRate));
    const PerformanceFigures kept = TakeImportedFigures(page, noHeartRate, false);
    EXPECT_EQ(kept.wholeMax, 181);
    EXPECT_DOUBLE_EQ(kept.wholeDistance, 42.19);
    EXPECT_DOUBLE_EQ(kept.wholeDuration, 180.5);
    EXPECT_DOUBLE_EQ(kept.partDuration, 30);
    EXPECT_EQ(kept.marker1, 3);
    EXPECT_EQ(kept.recordingPath, "/rides/L\xE4ngs.tur");  // Windows-1252, as stored
    EXPECT_EQ(TakeImportedFigures(page, noHeartRate, true).wholeMax, 0);

    page.wholeMax = 0;  // nothing filled in that the import would blank
    EXPECT_FALSE(ImportBlanksFigures(page, noHeartRate));
    noHeartRate.path.clear();
    EXPECT_EQ(TakeImportedFigures(page, noHeartRate, true).recordingPath, "old.hrm");
}

}  // namespace
}  // namespace kadenzo
