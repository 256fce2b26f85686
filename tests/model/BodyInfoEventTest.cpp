#include <gtest/gtest.h>

#include "BodyInfo.h"
#include "Database.h"
#include "Event.h"
#include "LogFixtures.h"
#include "StreamBytes.h"

namespace kadenzo {
namespace {

using test::StreamBytes;

class RecordTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterLogClasses(); }
};

TEST_F(RecordTest, BodyInfoStoresDoublesAndReadsSchemaZeroAndRawFloats) {
    CBodyInfo info(CalendarDateTime{CalendarDateTime::kValid, 45000.5});
    info.weight = 71.3;
    info.value2 = 12.5;
    info.value3 = -4;
    info.note = "after holiday";
    StreamBytes expected;
    expected.Long(0).Double(45000.5).Double(12.5).Double(71.3).Long(-4).String("after holiday");
    EXPECT_EQ(test::Stored([&](CArchive& ar) { info.Serialize(ar); }), expected.bytes);

    StreamBytes old;
    old.ClassTag(0, "CBodyInfo").Long(1).Double(44000.5).Float(12.5f).Float(71.3f).Long(60);
    old.String("");
    auto read = test::ReadTagged<CBodyInfo>(old.bytes, "CBodyInfo");
    EXPECT_EQ(read->date, (CalendarDateTime{CalendarDateTime::kInvalid, 44000.5}));
    EXPECT_EQ(read->weight, static_cast<double>(71.3f));
    EXPECT_EQ(read->value3, 60);

    StreamBytes raw;
    raw.Long(0).Double(1).Float(2).Float(3).Long(4).String("x");
    auto rawInfo = test::ReadRaw<CBodyInfo>(raw.bytes);
    EXPECT_EQ(rawInfo->weight, 3.0);
    EXPECT_EQ(rawInfo->note, "x");
}

TEST_F(RecordTest, EventLayoutAndComparison) {
    CEvent event;
    event.start = {CalendarDateTime::kValid, 45000.5};
    event.end = {CalendarDateTime::kValid, 45003.5};
    event.blocksDay = 1;
    event.kind = test::kIllness;
    auto stored = test::Stored([&](CArchive& ar) { ar.WriteObject(&event); });
    StreamBytes expected;
    expected.ClassTag(0, "CEvent").Long(0).Double(45000.5).Long(0).Double(45003.5).Dword(1).Long(3);
    EXPECT_EQ(stored, expected.bytes);
    auto back = test::ReadTagged<CEvent>(stored, "CEvent");
    EXPECT_TRUE(back->IsEqual(event));
    back->end.value += 1;
    EXPECT_TRUE(back->IsDifferent(event));
}

}  // namespace
}  // namespace kadenzo
