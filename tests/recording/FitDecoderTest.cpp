// The FIT protocol at byte level: headers, byte orders, compressed
// timestamps, developer fields, chained files and the ways a file breaks.
#include <gtest/gtest.h>

#include "FitBytes.h"
#include "FitDecoder.h"

namespace kadenzo {
namespace {

using namespace testing;

struct Decoded {
    FitDecodeResult result;
    std::vector<std::uint16_t> globals;
    std::vector<std::optional<std::uint32_t>> times;
    std::vector<std::optional<double>> values;  // of field 3
};

Decoded Decode(const std::string& bytes) {
    Decoded d;
    d.result = DecodeFit(bytes, [&](const FitMessage& m) {
        d.globals.push_back(m.Global());
        d.times.push_back(m.Timestamp());
        d.values.push_back(m.Value(3));
    });
    return d;
}

// Heart rate 120 at time 1000, 121 at 1001; local type 9 needs all four bits.
FitWriter TwoRecords() {
    FitWriter w;
    w.Define(9, kFitRecord, {{253, 4, kUint32}, {3, 1, kUint8}});
    return w.Data(9, {1000, 120}).Data(9, {1001, 121});
}

TEST(FitDecoderTest, HeadersAndChecksums) {
    for (auto [size, crc] : {std::pair{12, false}, std::pair{14, false}, std::pair{14, true}}) {
        Decoded d = Decode(TwoRecords().File(size, crc));
        EXPECT_EQ(d.result.outcome, FitOutcome::kComplete) << size << crc;
        EXPECT_EQ(d.values, (std::vector<std::optional<double>>{120, 121}));
    }
    std::string header = TwoRecords().File(), data = header;
    header[12] ^= 0x01;
    data[data.size() - 4] ^= 0x40;
    EXPECT_EQ(Decode(header).result.outcome, FitOutcome::kDamaged);
    Decoded d = Decode(data);  // refused before any message is handed over
    EXPECT_EQ(d.result.detail, "its checksum does not match");
    EXPECT_TRUE(d.globals.empty());
}

TEST(FitDecoderTest, ValuesInBothByteOrdersAndInvalidOnes) {
    const struct {
        FitField field;
        std::uint64_t stored;
        std::optional<double> expected;
    } cases[] = {
        {{3, 1, kUint8}, 0xFF, std::nullopt},
        {{3, 1, kSint8}, 0x7F, std::nullopt},
        {{3, 1, kSint8}, 0x80, -128},
        {{3, 2, kSint16}, 0xFFF6, -10},
        {{3, 2, kUint16}, 0xFFFF, std::nullopt},
        {{3, 4, kUint32}, 0x01020304, 0x01020304},
        {{3, 4, kUint32z}, 0, std::nullopt},
        {{3, 4, kFloat32}, 0x3FC00000, 1.5},
        {{3, 3, kUint16}, 5, std::nullopt},  // odd size
        {{3, 1, 0x1F}, 5, std::nullopt},     // unknown base type
    };
    for (bool bigEndian : {false, true}) {
        for (const auto& c : cases) {
            FitWriter w;
            w.Define(0, kFitRecord, {c.field}, bigEndian).Data(0, {c.stored});
            Decoded d = Decode(w.File());
            ASSERT_EQ(d.values.size(), 1u);
            EXPECT_EQ(d.values[0], c.expected) << int(c.field.baseType) << " " << bigEndian;
        }
    }
}

TEST(FitDecoderTest, CompressedTimestampsRollOverFromTheLastFullOne) {
    FitWriter w;
    w.Define(1, kFitRecord, {{3, 1, kUint8}}).Compressed(1, 4, {90});  // no time to go from
    w.Define(0, kFitRecord, {{253, 4, kUint32}}).Data(0, {0x3E});
    w.Compressed(1, 31, {}).Compressed(1, 2, {}).Compressed(1, 2, {});
    EXPECT_EQ(Decode(w.File()).times,
              (std::vector<std::optional<std::uint32_t>>{std::nullopt, 0x3E, 0x3F, 0x42, 0x42}));
}

TEST(FitDecoderTest, DeveloperFieldsAndChainedFiles) {
    FitWriter developer;
    developer.Define(0, kFitRecord, {{3, 1, kUint8}}, false, {3, 1});
    developer.Data(0, {130, 0xABCDEF, 0x42}).Data(0, {131});
    FitWriter session;
    session.Define(0, kFitSession, {{3, 1, kUint8}}).Data(0, {7});
    Decoded d = Decode(developer.File() + TwoRecords().File(12) + session.File());
    EXPECT_EQ(d.result.outcome, FitOutcome::kComplete) << d.result.detail;
    EXPECT_EQ(d.values, (std::vector<std::optional<double>>{130, 131, 120, 121, 7}));
    EXPECT_EQ(d.globals.back(), kFitSession);
}

TEST(FitDecoderTest, MalformedFilesAreRefusedWithAReason) {
    FitWriter undefinedType, manyFields, longMessage, badOrder;
    undefinedType.Raw(std::string("\x01\x05", 2));  // a chained file does not inherit definitions
    manyFields.Raw(std::string("\x40\x00\x00\x14\x00\xC8", 6));  // 200 fields, none there
    // Four bytes defined, three there: the checksum must not stand in for the last.
    longMessage.Define(0, kFitRecord, {{3, 4, kUint32}}).Raw(std::string(4, '\0'));
    badOrder.Raw(std::string("\x40\x00\x07\x14\x00\x00", 6));
    std::string future = TwoRecords().File(12), wrongSignature = TwoRecords().File();
    future[1] = 0x30;
    wrongSignature[9] = 'f';
    const std::pair<std::string, FitOutcome> cases[] = {
        {TwoRecords().File() + undefinedType.File(), FitOutcome::kDamaged},
        {manyFields.File(), FitOutcome::kDamaged},
        {longMessage.File(), FitOutcome::kDamaged},
        {badOrder.File(), FitOutcome::kDamaged},
        {TwoRecords().File() + "junk", FitOutcome::kDamaged},
        {"", FitOutcome::kNotFit},
        {wrongSignature, FitOutcome::kNotFit},
        {future, FitOutcome::kNotFit},
    };
    for (const auto& [bytes, outcome] : cases) {
        FitDecodeResult result = Decode(bytes).result;
        EXPECT_EQ(result.outcome, outcome) << result.detail;
        EXPECT_FALSE(result.detail.empty());
    }
}

TEST(FitDecoderTest, AFileCutShortHandsOverItsCompleteMessages) {
    const std::string whole = TwoRecords().File();
    // Inside the second record, inside the checksum, inside the header.
    for (auto [cut, complete] : {std::pair{whole.size() - 4, 1u}, std::pair{whole.size() - 1, 2u},
                                 std::pair{std::size_t{13}, 0u}}) {
        Decoded d = Decode(whole.substr(0, cut));
        EXPECT_EQ(d.result.outcome, FitOutcome::kCutShort) << cut;
        EXPECT_EQ(d.values.size(), complete) << cut;
        EXPECT_EQ(d.result.detail, "it ends after " + std::to_string(cut) + " of " +
                                       std::to_string(whole.size()) + " bytes");
    }
}

}  // namespace
}  // namespace kadenzo
