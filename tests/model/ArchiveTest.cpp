#include <gtest/gtest.h>

#include <initializer_list>

#include "Archive.h"
#include "StreamBytes.h"

namespace kadenzo {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::Stored;
using test::StreamBytes;

// A small record for the object layer: one dword, plus a second one from schema 1 on.
class CProbe : public CSerializable {
public:
    const char* ClassName() const override { return "CProbe"; }
    int Schema() const override { return 1; }
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring()) {
            ar.WriteDword(a);
            ar.WriteDword(b);
        } else {
            seenSchema = ar.GetObjectSchema();
            a = ar.ReadDword();
            if (seenSchema >= 1) b = ar.ReadDword();
        }
    }
    std::uint32_t a = 0;
    std::uint32_t b = 0;
    int seenSchema = 99;
};

class COther : public CProbe {
public:
    const char* ClassName() const override { return "COther"; }
};

// The classes these archives read.
const ClassRegistry kProbeClasses = {
    {"CProbe", [] { return std::make_unique<CProbe>(); }},
    {"COther", [] { return std::make_unique<COther>(); }},
};

TEST(Archive, PrimitivesAndCountsAreLittleEndian) {
    Bytes b = Stored([](CArchive& ar) {
        ar.WriteByte(0x12);
        ar.WriteWord(0x3456);
        ar.WriteDword(0x789ABCDE);
        ar.WriteLong(-2);
        ar.WriteFloat(1.0f);
        ar.WriteDouble(-0.5);
        ar.WriteCount(65534);
        ar.WriteCount(65535);  // the long form
    });
    Bytes expected = {0x12, 0x56, 0x34, 0xDE, 0xBC, 0x9A, 0x78, 0xFE, 0xFF, 0xFF, 0xFF,
                      0x00, 0x00, 0x80, 0x3F, 0,    0,    0,    0,    0,    0,    0xE0,
                      0xBF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0,    0};
    EXPECT_EQ(b, expected);

    // Every record test reads the primitives back; the counts' two forms here.
    b.resize(b.size() + 65535);  // room for 65535 one-byte elements
    MemoryStream in(b);
    CArchive ar(in, CArchive::Mode::Load, kProbeClasses);
    std::uint8_t primitives[23];
    ar.ReadRaw(primitives, sizeof primitives);
    EXPECT_EQ(ar.ReadCount(), 65534u);
    EXPECT_EQ(ar.ReadCount(1), 65535u);
}

// A stream that hands its bytes out only through Read, as a file does, so
// that the archive reads them through its 4096-byte buffer.
class ReadOnlyThroughBuffer : public ByteStream {
public:
    explicit ReadOnlyThroughBuffer(Bytes bytes) : memory_(std::move(bytes)) {}
    std::size_t Read(void* data, std::size_t size) override { return memory_.Read(data, size); }
    void Write(const void*, std::size_t) override { throw ArchiveError("read only", 0); }
    std::uint64_t Remaining() const override { return memory_.Remaining(); }

private:
    MemoryStream memory_;
};

TEST(Archive, ValuesStraddlingBufferBoundariesSurvive) {
    // Odd offsets put every kind of value across each 4096-byte block edge.
    constexpr int kRounds = 3000;
    auto text = [](int i) { return std::string(static_cast<std::size_t>(i % 300), 'x'); };
    Bytes b = Stored([&](CArchive& ar) {
        ar.WriteByte(1);
        for (int i = 0; i < kRounds; ++i) {
            ar.WriteDouble(i + 0.25);
            ar.WriteWord(static_cast<std::uint16_t>(i));
            ar.WriteString(text(i));
        }
    });
    // Files are read through the buffer; memory streams hand out their bytes directly.
    MemoryStream inMemory(b);
    ReadOnlyThroughBuffer buffered(b);
    for (ByteStream* in : std::initializer_list<ByteStream*>{&inMemory, &buffered}) {
        CArchive ar(*in, CArchive::Mode::Load, kProbeClasses);
        ASSERT_EQ(ar.ReadByte(), 1);
        std::string into(400, 'o');  // longer than any text: it must be replaced, not kept
        for (int i = 0; i < kRounds; ++i) {
            ASSERT_EQ(ar.ReadDouble(), i + 0.25);
            ASSERT_EQ(ar.ReadWord(), static_cast<std::uint16_t>(i));
            if (i % 2 == 0) {
                ASSERT_EQ(ar.ReadString(), text(i));
            } else {
                ar.ReadString(into);
                ASSERT_EQ(into, text(i));
            }
        }
        EXPECT_EQ(ar.Remaining(), 0u);
        EXPECT_THROW(ar.ReadByte(), ArchiveError);
        EXPECT_THROW(ar.ReadString(into), ArchiveError);
    }
}

TEST(Archive, StringPrefixesByLength) {
    const struct {
        std::size_t length;
        Bytes prefix;
    } cases[] = {{0, {0x00}},
                 {254, {0xFE}},
                 {255, {0xFF, 0xFF, 0x00}},
                 {0xFFFD, {0xFF, 0xFD, 0xFF}},
                 {0xFFFE, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0, 0}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        std::string s(c.length, 'q');
        if (!s.empty()) s.back() = '\xFC';
        Bytes b = Stored([&](CArchive& ar) { ar.WriteString(s); });
        EXPECT_EQ(Bytes(b.begin(), b.end() - static_cast<std::ptrdiff_t>(c.length)), c.prefix);
        MemoryStream in(b);
        CArchive ar(in, CArchive::Mode::Load, kProbeClasses);
        EXPECT_EQ(ar.ReadString(), s);
    }
}

TEST(Archive, SixteenBitStringsBecomeWindows1252) {
    // "Mü€" + a CJK character + a surrogate pair, each non-mappable one as a single '?'.
    Bytes b = {0xFF, 0xFE, 0xFF, 0x06, 'M',  0,    0xFC, 0,
               0xAC, 0x20, 0x2D, 0x4E, 0x3D, 0xD8, 0x00, 0xDE};
    MemoryStream in(b);
    CArchive ar(in, CArchive::Mode::Load, kProbeClasses);
    EXPECT_EQ(ar.ReadString(), "M\xFC\x80??");
}

TEST(Archive, ObjectsShareOneRunningIndexWithTheirClasses) {
    CProbe first, second;
    first.a = 7;
    second.a = 8;
    Bytes b = Stored([&](CArchive& ar) {
        ar.WriteObject(&first);
        ar.WriteObject(&second);
        ar.WriteObject(nullptr);
        ar.WriteObject(&first);  // a repeated object becomes a reference to its index
    });
    // Class index 1, first object 2, second object 3.
    StreamBytes expected;
    expected.ClassTag(1, "CProbe").Dword(7).Dword(0).Word(0x8001).Dword(8).Dword(0);
    expected.Word(0).Word(2);
    EXPECT_EQ(b, expected.bytes);

    MemoryStream in(b);
    CArchive ar(in, CArchive::Mode::Load, kProbeClasses);
    EXPECT_EQ(ar.ReadObjectAs<CProbe>("CProbe")->a, 7u);
    auto two = ar.ReadObjectAs<CProbe>("CProbe");
    EXPECT_EQ(two->a, 8u);
    EXPECT_EQ(two->seenSchema, 1);
    EXPECT_EQ(ar.ReadObject("CProbe"), nullptr);
    // Records have one owner each, so the reference is refused rather than shared.
    EXPECT_THROW(ar.ReadObject("CProbe"), ArchiveError);
}

TEST(Archive, BigIndexFormForClassesAndObjects) {
    // Big class reference to class index 1.
    StreamBytes b;
    b.ClassTag(0, "CProbe").Dword(1).Word(0x7FFF).Dword(0x80000001u).Dword(2);
    MemoryStream in(b.bytes);
    CArchive ar(in, CArchive::Mode::Load, kProbeClasses);
    ar.ReadObject("CProbe");
    EXPECT_EQ(ar.ReadObjectAs<CProbe>("CProbe")->a, 2u);

    // The writer switches to the big form once indices reach 0x7FFF.
    std::vector<CProbe> more(0x8000);
    Bytes big = Stored([&](CArchive& ar) {
        for (const CProbe& p : more) ar.WriteObject(&p);
        ar.WriteObject(&more.back());
    });
    // The last object has index 0x8001: its reference is 0x7FFF + dword.
    EXPECT_EQ(Bytes(big.end() - 6, big.end()), (Bytes{0xFF, 0x7F, 0x01, 0x80, 0, 0}));
}

// Malformed input is refused with an archive error, before anything is
// allocated for what it announces.
TEST(Archive, MalformedInputIsRefused) {
    auto tagged = [](const char* name) { return StreamBytes().ClassTag(0, name).Dword(1).bytes; };
    using Read = void (*)(CArchive&);
    const Read string = [](CArchive& ar) { ar.ReadString(); };
    const Read probe = [](CArchive& ar) { ar.ReadObject("CProbe"); };
    const struct {
        Bytes bytes;
        Read read;
    } cases[] = {
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, string},
        {{0x05, 'a', 'b'}, string},
        {{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x01, 0x01, 'A', 0}, string},  // 257 wide, one there
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, [](CArchive& ar) { ar.ReadCount(); }},
        // Four elements of at least two bytes need eight bytes, not seven.
        {{0x04, 0x00, 1, 2, 3, 4, 5, 6, 7}, [](CArchive& ar) { ar.ReadCount(2); }},
        {{0x01, 0x02, 0x03}, [](CArchive& ar) { ar.ReadDword(); }},
        {tagged("CUnknown"), probe},
        {tagged("COther"), [](CArchive& ar) { ar.ReadObject("CLibrary"); }},  // wrong class
        {StreamBytes().ClassTag(0, "CProbe").bytes, probe},                   // truncated content
        {{0x05, 0x80}, probe},  // class index unassigned
        {{0x00, 0x80}, probe},
        {{0x03, 0x00}, probe},  // object index unassigned
        {{0xFF, 0x7F, 0x09, 0, 0, 0x80}, probe},
        {tagged(std::string(64, 'C').c_str()), probe},
        {{0xFF, 0xFF, 0, 0, 10, 0, 'C', 'P'}, probe},  // name cut short
    };
    for (const auto& c : cases) {
        MemoryStream in(c.bytes);
        CArchive ar(in, CArchive::Mode::Load, kProbeClasses);
        EXPECT_THROW(c.read(ar), ArchiveError) << "case " << &c - cases;
    }
    // A derived class is accepted where its base is expected.
    MemoryStream in(tagged("COther"));
    CArchive ar(in, CArchive::Mode::Load, kProbeClasses);
    EXPECT_EQ(ar.ReadObject("COther")->ClassName(), std::string("COther"));
}

}  // namespace
}  // namespace kadenzo
