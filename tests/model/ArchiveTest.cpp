#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "Archive.h"
#include "StreamBytes.h"

namespace kadenzo {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A small record for the object layer: one dword, plus a second one from schema 1 on.
class CProbe : public CSerializable {
public:
    static constexpr const char* kName = "CProbe";
    const char* ClassName() const override { return kName; }
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

struct RegisterProbes {
    RegisterProbes() {
        ClassRegistry::Instance().Register("CProbe", [] { return std::make_unique<CProbe>(); });
        ClassRegistry::Instance().Register("COther", [] { return std::make_unique<COther>(); });
    }
} registerProbes;

template <class F>
Bytes Store(F write) {
    return test::Stored(write);
}

Bytes ClassTag(std::uint16_t schema, const std::string& name) {
    return test::StreamBytes().ClassTag(schema, name).bytes;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

TEST(Archive, PrimitivesAreLittleEndian) {
    Bytes b = Store([](CArchive& ar) {
        ar.WriteByte(0x12);
        ar.WriteWord(0x3456);
        ar.WriteDword(0x789ABCDE);
        ar.WriteLong(-2);
        ar.WriteFloat(1.0f);
        ar.WriteDouble(-0.5);
    });
    Bytes expected = {0x12, 0x56, 0x34, 0xDE, 0xBC, 0x9A, 0x78, 0xFE, 0xFF, 0xFF, 0xFF, 0x00,
                      0x00, 0x80, 0x3F, 0,    0,    0,    0,    0,    0,    0xE0, 0xBF};
    EXPECT_EQ(b, expected);

    MemoryStream in(b);
    CArchive ar(in, CArchive::Mode::Load);
    EXPECT_EQ(ar.ReadByte(), 0x12);
    EXPECT_EQ(ar.ReadWord(), 0x3456);
    EXPECT_EQ(ar.ReadDword(), 0x789ABCDEu);
    EXPECT_EQ(ar.ReadLong(), -2);
    EXPECT_EQ(ar.ReadFloat(), 1.0f);
    EXPECT_EQ(ar.ReadDouble(), -0.5);
    EXPECT_EQ(ar.Remaining(), 0u);
    EXPECT_THROW(ar.ReadByte(), ArchiveError);
}

TEST(Archive, ValuesStraddlingBufferBoundariesSurvive) {
    // Odd offsets put every kind of value across each 4096-byte block edge.
    constexpr int kRounds = 3000;
    Bytes b = Store([](CArchive& ar) {
        ar.WriteByte(1);
        for (int i = 0; i < kRounds; ++i) {
            ar.WriteDouble(i + 0.25);
            ar.WriteDword(static_cast<std::uint32_t>(i) * 7919u);
            ar.WriteWord(static_cast<std::uint16_t>(i));
            ar.WriteString(std::string(static_cast<std::size_t>(i % 300), 'x'));
        }
    });
    MemoryStream in(b);
    CArchive ar(in, CArchive::Mode::Load);
    ASSERT_EQ(ar.ReadByte(), 1);
    for (int i = 0; i < kRounds; ++i) {
        ASSERT_EQ(ar.ReadDouble(), i + 0.25);
        ASSERT_EQ(ar.ReadDword(), static_cast<std::uint32_t>(i) * 7919u);
        ASSERT_EQ(ar.ReadWord(), static_cast<std::uint16_t>(i));
        ASSERT_EQ(ar.ReadString(), std::string(static_cast<std::size_t>(i % 300), 'x'));
    }
    EXPECT_EQ(ar.Position(), b.size());
    EXPECT_EQ(ar.Remaining(), 0u);
}

TEST(Archive, StringPrefixesByLength) {
    auto prefix = [](std::size_t n) {
        Bytes b = Store([n](CArchive& ar) { ar.WriteString(std::string(n, 'a')); });
        EXPECT_EQ(b.size() - n, n < 255 ? 1u : n < 0xFFFE ? 3u : 7u);
        return Bytes(b.begin(), b.end() - static_cast<std::ptrdiff_t>(n));
    };
    EXPECT_EQ(prefix(0), (Bytes{0x00}));
    EXPECT_EQ(prefix(254), (Bytes{0xFE}));
    EXPECT_EQ(prefix(255), (Bytes{0xFF, 0xFF, 0x00}));
    EXPECT_EQ(prefix(0xFFFD), (Bytes{0xFF, 0xFD, 0xFF}));
    EXPECT_EQ(prefix(0xFFFE), (Bytes{0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0, 0}));

    for (std::size_t n : {254u, 255u, 0xFFFEu, 70000u}) {
        std::string s(n, 'q');
        s[n - 1] = '\xFC';
        MemoryStream in(Store([&](CArchive& ar) { ar.WriteString(s); }));
        CArchive ar(in, CArchive::Mode::Load);
        EXPECT_EQ(ar.ReadString(), s) << n;
    }
}

TEST(Archive, SixteenBitStringsBecomeWindows1252) {
    // "Mü€" + a CJK character + a surrogate pair, each non-mappable one as a single '?'.
    Bytes b = {0xFF, 0xFE, 0xFF, 0x06, 'M',  0,    0xFC, 0,
               0xAC, 0x20, 0x2D, 0x4E, 0x3D, 0xD8, 0x00, 0xDE};
    MemoryStream in(b);
    CArchive ar(in, CArchive::Mode::Load);
    EXPECT_EQ(ar.ReadString(), "M\xFC\x80??");

    Bytes longForm = {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x01, 0x01, 'A', 0};
    MemoryStream in2(longForm);
    CArchive ar2(in2, CArchive::Mode::Load);
    EXPECT_THROW(ar2.ReadString(), ArchiveError);  // 257 wide characters announced, 1 present
}

TEST(Archive, CountsUseTheLongFormFrom65535) {
    EXPECT_EQ(Store([](CArchive& ar) { ar.WriteCount(65534); }), (Bytes{0xFE, 0xFF}));
    EXPECT_EQ(Store([](CArchive& ar) { ar.WriteCount(65535); }),
              (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0, 0}));

    Bytes b = Store([](CArchive& ar) { ar.WriteCount(65535); });
    b.resize(b.size() + 65535);
    MemoryStream in(b);
    CArchive ar(in, CArchive::Mode::Load);
    EXPECT_EQ(ar.ReadCount(1), 65535u);
}

TEST(Archive, LengthsAndCountsBeyondTheInputAreRefusedBeforeAllocating) {
    auto fails = [](Bytes b, auto read) {
        MemoryStream in(std::move(b));
        CArchive ar(in, CArchive::Mode::Load);
        EXPECT_THROW(read(ar), ArchiveError);
    };
    fails(Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, [](CArchive& ar) { ar.ReadString(); });
    fails(Bytes{0x05, 'a', 'b'}, [](CArchive& ar) { ar.ReadString(); });
    fails(Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, [](CArchive& ar) { ar.ReadCount(); });
    // Four elements of at least two bytes need eight bytes, not seven.
    fails(Bytes{0x04, 0x00, 1, 2, 3, 4, 5, 6, 7}, [](CArchive& ar) { ar.ReadCount(2); });
    fails(Bytes{0x01, 0x02, 0x03}, [](CArchive& ar) { ar.ReadDword(); });
    fails(Bytes{0x01}, [](CArchive& ar) { ar.ReadWord(); });
}

TEST(Archive, TwoObjectsOfOneClassShareTheClassTag) {
    CProbe first, second;
    first.a = 7;
    second.a = 8;
    Bytes b = Store([&](CArchive& ar) {
        ar.WriteObject(&first);
        ar.WriteObject(&second);
        ar.WriteObject(nullptr);
        ar.WriteObject(&first);  // a repeated object becomes a reference to its index
    });
    // Class index 1, first object 2, second object 3.
    Bytes expected = Concat({ClassTag(1, "CProbe"),
                             {7, 0, 0, 0, 0, 0, 0, 0},
                             {0x01, 0x80, 8, 0, 0, 0, 0, 0, 0, 0},
                             {0, 0},
                             {0x02, 0x00}});
    EXPECT_EQ(b, expected);

    MemoryStream in(b);
    CArchive ar(in, CArchive::Mode::Load);
    auto one = ar.ReadObjectAs<CProbe>("CProbe");
    auto two = ar.ReadObjectAs<CProbe>("CProbe");
    EXPECT_EQ(one->a, 7u);
    EXPECT_EQ(two->a, 8u);
    EXPECT_EQ(two->seenSchema, 1);
    EXPECT_EQ(ar.ReadObject("CProbe"), nullptr);
    // Records have one owner each, so the reference is refused rather than shared.
    EXPECT_THROW(ar.ReadObject("CProbe"), ArchiveError);
}

TEST(Archive, SchemaOfTheClassTagAppliesToEveryObjectAndRawObjectsSeeMinusOne) {
    Bytes b = Concat({ClassTag(0, "CProbe"), {5, 0, 0, 0}, {0x01, 0x80, 6, 0, 0, 0}, {9, 0, 0, 0}});
    MemoryStream in(b);
    CArchive ar(in, CArchive::Mode::Load);
    auto one = ar.ReadObjectAs<CProbe>("CProbe");
    auto two = ar.ReadObjectAs<CProbe>("CProbe");
    EXPECT_EQ(one->seenSchema, 0);
    EXPECT_EQ(two->seenSchema, 0);
    EXPECT_EQ(two->a, 6u);
    CProbe raw;
    ar.SerializeRaw(raw);
    EXPECT_EQ(raw.seenSchema, -1);
    EXPECT_EQ(raw.a, 9u);
    EXPECT_EQ(ar.GetObjectSchema(), -1);
}

TEST(Archive, BigIndexFormForClassesAndObjects) {
    // Big class reference to class index 1.
    Bytes b =
        Concat({ClassTag(0, "CProbe"), {1, 0, 0, 0}, {0xFF, 0x7F, 0x01, 0, 0, 0x80, 2, 0, 0, 0}});
    MemoryStream in(b);
    CArchive ar(in, CArchive::Mode::Load);
    ar.ReadObject("CProbe");
    auto second = ar.ReadObjectAs<CProbe>("CProbe");
    EXPECT_EQ(second->a, 2u);

    // The writer switches to the big form once indices reach 0x7FFF.
    std::vector<CProbe> more(0x8000);
    Bytes big = Store([&](CArchive& ar) {
        for (const CProbe& p : more) ar.WriteObject(&p);
        ar.WriteObject(&more.back());
    });
    // The last object has index 0x8001: its reference is 0x7FFF + dword.
    Bytes tail(big.end() - 6, big.end());
    EXPECT_EQ(tail, (Bytes{0xFF, 0x7F, 0x01, 0x80, 0, 0}));
}

TEST(Archive, MalformedObjectTagsAreArchiveErrors) {
    auto fails = [](Bytes b, std::string_view expected = "CProbe") {
        MemoryStream in(std::move(b));
        CArchive ar(in, CArchive::Mode::Load);
        EXPECT_THROW(ar.ReadObject(expected), ArchiveError);
    };
    fails(ClassTag(0, "CUnknown"));
    fails(Concat({ClassTag(0, "COther"), {1, 0, 0, 0}}), "CLibrary");  // wrong class
    fails(Concat({ClassTag(0, "CProbe")}));                            // truncated content
    fails(Bytes{0x05, 0x80});                                          // class index unassigned
    fails(Bytes{0x00, 0x80});
    fails(Bytes{0x03, 0x00});                    // object index unassigned
    fails(Bytes{0xFF, 0x7F, 0x09, 0, 0, 0x80});  // big class index unassigned
    fails(Bytes{0xFF, 0x7F, 0x09, 0, 0, 0x00});
    std::string longName(64, 'C');
    fails(Concat({ClassTag(0, longName), {1, 0, 0, 0}}));
    fails(Bytes{0xFF, 0xFF, 0, 0, 10, 0, 'C', 'P'});  // name cut short

    // A derived class is accepted where its base is expected.
    MemoryStream in(Concat({ClassTag(0, "COther"), {1, 0, 0, 0}}));
    CArchive ar(in, CArchive::Mode::Load);
    EXPECT_EQ(ar.ReadObject("COther")->ClassName(), std::string("COther"));
}

TEST(Archive, FileStreamRoundTripAndMissingFile) {
    auto path = std::filesystem::temp_directory_path() / "kadenzo-archive-test.bin";
    {
        FileStream out(path.string(), FileStream::Mode::Write);
        CArchive ar(out, CArchive::Mode::Store);
        for (int i = 0; i < 5000; ++i) ar.WriteDword(static_cast<std::uint32_t>(i));
        ar.Close();
        out.Sync();
    }
    {
        FileStream in(path.string(), FileStream::Mode::Read);
        EXPECT_EQ(in.Remaining(), 20000u);
        CArchive ar(in, CArchive::Mode::Load);
        for (int i = 0; i < 5000; ++i) ASSERT_EQ(ar.ReadDword(), static_cast<std::uint32_t>(i));
        EXPECT_EQ(ar.Remaining(), 0u);
        EXPECT_THROW(ar.ReadCount(1), ArchiveError);
    }
    std::filesystem::remove(path);
    EXPECT_THROW(FileStream(path.string(), FileStream::Mode::Read), ArchiveError);
}

}  // namespace
}  // namespace kadenzo
