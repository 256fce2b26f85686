// The FIT protocol at byte level: headers, byte orders, compressed
// timestamps, developer fields, chained files and every way a file can be
// broken.
#include <gtest/gtest.h>

#include <cmath>

#include "FitBytes.h"
#include "FitDecoder.h"

namespace kadenzo {
namespace {

using testing::FitWriter;
using namespace testing;  // base type bytes

// What DecodeFit handed over: each message's global number, time and the
// value of one field.
struct Decoded {
    FitDecodeResult result;
    std::vector<std::uint16_t> globals;
    std::vector<std::optional<std::uint32_t>> times;
    std::vector<std::optional<double>> values;
};

Decoded Decode(const std::string& bytes, std::uint8_t field = 3) {
    Decoded d;
    d.result = DecodeFit(bytes, [&](const FitMessage& m) {
        d.globals.push_back(m.Global());
        d.times.push_back(m.Timestamp());
        d.values.push_back(m.Value(field));
    });
    return d;
}

// Two records: heart rate 120 at time 1000, 121 at 1001.
FitWriter TwoRecords() {
    FitWriter w;
    w.Define(0, kFitRecord, {{253, 4, kUint32}, {3, 1, kUint8}});
    w.Data(0, {1000, 120}).Data(0, {1001, 121});
    return w;
}

TEST(FitDecoderTest, HeadersWithAndWithoutTheirOwnChecksum) {
    for (auto [size, crc] : {std::pair{12, false}, std::pair{14, false}, std::pair{14, true}}) {
        Decoded d = Decode(TwoRecords().File(size, crc));
        EXPECT_EQ(d.result.outcome, FitOutcome::kComplete) << size << crc << d.result.detail;
        EXPECT_EQ(d.values, (std::vector<std::optional<double>>{120, 121}));
        EXPECT_EQ(d.times[1], 1001u);
    }
    std::string badHeader = TwoRecords().File();
    badHeader[12] ^= 0x01;
    EXPECT_EQ(Decode(badHeader).result.outcome, FitOutcome::kDamaged);
}

TEST(FitDecoderTest, ABadChecksumRefusesTheFileBeforeAnyMessage) {
    std::string file = TwoRecords().File();
    file[file.size() - 4] ^= 0x40;  // the last heart rate
    Decoded d = Decode(file);
    EXPECT_EQ(d.result.outcome, FitOutcome::kDamaged);
    EXPECT_EQ(d.result.detail, "its checksum does not match");
    EXPECT_TRUE(d.globals.empty());
}

TEST(FitDecoderTest, BothByteOrdersAndSignedFields) {
    for (bool bigEndian : {false, true}) {
        FitWriter w;
        w.Define(2, kFitRecord, {{253, 4, kUint32}, {3, 2, kSint16}, {5, 4, kUint32}}, bigEndian);
        w.Data(2, {0x01020304, 0xFFF6, 123456});  // -10
        Decoded d = Decode(w.File());
        ASSERT_EQ(d.values.size(), 1u) << bigEndian;
        EXPECT_EQ(d.times[0], 0x01020304u) << bigEndian;
        EXPECT_EQ(d.values[0], -10.0) << bigEndian;
    }
}

TEST(FitDecoderTest, InvalidValuesOfEachBaseTypeReadAsMissing) {
    struct Case {
        FitField field;
        std::uint64_t stored;
        std::optional<double> expected;
    } cases[] = {
        {{3, 1, kUint8}, 0xFF, std::nullopt},
        {{3, 1, kUint8}, 0xFE, 254},
        {{3, 1, kSint8}, 0x7F, std::nullopt},
        {{3, 1, kSint8}, 0x80, -128},
        {{3, 2, kUint16}, 0xFFFF, std::nullopt},
        {{3, 4, kUint32z}, 0, std::nullopt},
        {{3, 4, kUint32z}, 7, 7},
        {{3, 4, kFloat32}, 0xFFFFFFFF, std::nullopt},
        {{3, 4, kFloat32}, 0x3FC00000, 1.5},
        {{3, 3, kUint16}, 5, std::nullopt},  // odd size
        {{3, 1, 0x1F}, 5, std::nullopt},     // unknown base type
        {{3, 4, kUint8}, 0xFFFFFF05, 5},     // an array: its first element
    };
    for (const Case& c : cases) {
        FitWriter w;
        w.Define(0, kFitRecord, {c.field}).Data(0, {c.stored});
        Decoded d = Decode(w.File());
        ASSERT_EQ(d.values.size(), 1u);
        EXPECT_EQ(d.values[0], c.expected) << int(c.field.baseType) << " " << c.stored;
    }
}

TEST(FitDecoderTest, CompressedTimestampsRollOverFromTheLastFullOne) {
    FitWriter rolling;
    rolling.Define(1, kFitRecord, {{3, 1, kUint8}});
    rolling.Compressed(1, 4, {90});  // before any timestamp: no time
    rolling.Define(0, kFitRecord, {{253, 4, kUint32}, {3, 1, kUint8}}).Data(0, {0x3E, 100});
    rolling.Compressed(1, 31, {101}).Compressed(1, 2, {102}).Compressed(1, 2, {103});
    Decoded d = Decode(rolling.File());
    ASSERT_EQ(d.result.outcome, FitOutcome::kComplete) << d.result.detail;
    EXPECT_EQ(d.times,
              (std::vector<std::optional<std::uint32_t>>{std::nullopt, 0x3E, 0x3F, 0x42, 0x42}));
}

TEST(FitDecoderTest, DeveloperFieldsAreSkippedByTheirSize) {
    FitWriter w;
    w.Define(0, kFitRecord, {{253, 4, kUint32}, {3, 1, kUint8}}, false, {3, 1});
    w.Data(0, {1000, 130, 0xABCDEF, 0x42}).Data(0, {1001, 131, 0, 0});
    Decoded d = Decode(w.File());
    EXPECT_EQ(d.result.outcome, FitOutcome::kComplete) << d.result.detail;
    EXPECT_EQ(d.values, (std::vector<std::optional<double>>{130, 131}));
}

TEST(FitDecoderTest, ChainedFilesEachBringTheirOwnDefinitions) {
    FitWriter second;
    second.Define(0, kFitSession, {{253, 4, kUint32}}).Data(0, {5000});
    Decoded d = Decode(TwoRecords().File(12) + second.File());
    EXPECT_EQ(d.result.outcome, FitOutcome::kComplete) << d.result.detail;
    EXPECT_EQ(d.globals, (std::vector<std::uint16_t>{kFitRecord, kFitRecord, kFitSession}));

    FitWriter noDefinition;
    noDefinition.Raw(std::string(1, '\0') + std::string(5, '\x01'));
    EXPECT_EQ(Decode(TwoRecords().File() + noDefinition.File()).result.outcome,
              FitOutcome::kDamaged);
    EXPECT_EQ(Decode(TwoRecords().File() + "junk").result.outcome, FitOutcome::kDamaged);
}

TEST(FitDecoderTest, CountsAndSizesAreCheckedAgainstWhatIsLeft) {
    FitWriter manyFields;  // 200 fields announced, none there
    manyFields.Raw(std::string("\x40\x00\x00\x14\x00\xC8", 6));
    FitWriter longMessage;  // 200 bytes announced, 1 there
    longMessage.Define(0, kFitRecord, {{3, 200, kByte}}).Raw(std::string(2, '\0'));
    FitWriter badOrder;
    badOrder.Raw(std::string("\x40\x00\x07\x14\x00\x00", 6));
    for (const FitWriter* w : {&manyFields, &longMessage, &badOrder}) {
        Decoded d = Decode(w->File());
        EXPECT_EQ(d.result.outcome, FitOutcome::kDamaged) << d.result.detail;
        EXPECT_FALSE(d.result.detail.empty());
    }
}

TEST(FitDecoderTest, AFileCutShortHandsOverItsCompleteMessages) {
    const std::string whole = TwoRecords().File();
    // Cut inside the second record, inside the checksum, and inside the header.
    for (std::size_t cut : {whole.size() - 4, whole.size() - 1, std::size_t{13}}) {
        Decoded d = Decode(whole.substr(0, cut));
        EXPECT_EQ(d.result.outcome, FitOutcome::kCutShort) << cut;
        EXPECT_EQ(d.values.size(), cut < 20 ? 0u : cut == whole.size() - 1 ? 2u : 1u) << cut;
        EXPECT_EQ(d.result.detail, "it ends after " + std::to_string(cut) + " of " +
                                       std::to_string(whole.size()) + " bytes");
    }
}

TEST(FitDecoderTest, OtherFilesAreNotFit) {
    std::string wrongSignature = TwoRecords().File();
    wrongSignature[9] = 'f';
    std::string futureProtocol = TwoRecords().File(12);
    futureProtocol[1] = 0x30;
    for (const std::string& bytes :
         {std::string(), std::string("\x0E\x10", 2), wrongSignature, futureProtocol})
        EXPECT_EQ(Decode(bytes).result.outcome, FitOutcome::kNotFit) << bytes.size();
}

}  // namespace
}  // namespace kadenzo
