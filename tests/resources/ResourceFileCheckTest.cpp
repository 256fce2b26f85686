#include <gtest/gtest.h>

#include <QFile>
#include <QResource>

#include "ModulePaths.h"
#include "ResourceFileCheck.h"

namespace kadenzo {
namespace {

void Put(QByteArray& out, quint64 value, int width) {
    for (int i = width - 1; i >= 0; --i) out.append(char((value >> (8 * i)) & 0xFF));
}
void PutAt(QByteArray& out, int at, quint64 value, int width) {
    for (int i = 0; i < width; ++i) out[at + i] = char((value >> (8 * (width - 1 - i))) & 0xFF);
}

quint32 NameHash(const QString& name) {
    quint32 h = 0;
    for (QChar c : name) {
        h = (h << 4) + c.unicode();
        h ^= (h & 0xf0000000) >> 23;
        h &= 0x0fffffff;
    }
    return h;
}

// A version 2 resource file with one uncompressed file "a.txt" holding "hello".
// Layout: header, data block, name block, then the tree (root, file).
struct TinyResource {
    QByteArray bytes;
    int tree = 0;
    int blobs = 0;
    int names = 0;
    static constexpr int kNodeSize = 22;

    TinyResource() {
        bytes = "qres";
        Put(bytes, 2, 4);
        bytes.append(QByteArray(12, '\0'));
        blobs = int(bytes.size());
        Put(bytes, 5, 4);
        bytes.append("hello");
        names = int(bytes.size());
        Put(bytes, 5, 2);
        Put(bytes, NameHash(QStringLiteral("a.txt")), 4);
        for (char c : QByteArray("a.txt")) Put(bytes, quint8(c), 2);
        tree = int(bytes.size());
        // Root: name, directory flag, one child at node 1, time. File: name, no
        // flags, any territory, language C, data offset 0, time.
        const int fields[][2] = {{0, 4}, {2, 2}, {1, 4}, {1, 4}, {0, 8}, {0, 4},
                                 {0, 2}, {0, 2}, {1, 2}, {0, 4}, {0, 8}};
        for (const auto& [value, width] : fields) Put(bytes, quint64(value), width);
        PutAt(bytes, 8, quint64(tree), 4);
        PutAt(bytes, 12, quint64(blobs), 4);
        PutAt(bytes, 16, quint64(names), 4);
    }
    int Node(int index) const { return tree + index * kNodeSize; }
};

TEST(ResourceFileCheck, HandMadeFileIsSoundAndReadableByQt) {
    TinyResource tiny;
    ASSERT_TRUE(IsSoundResourceFile(tiny.bytes));
    const auto* raw = reinterpret_cast<const uchar*>(tiny.bytes.constData());
    ASSERT_TRUE(QResource::registerResource(raw, QStringLiteral("/tiny-check")));
    {
        QFile file(QStringLiteral(":/tiny-check/a.txt"));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), QByteArray("hello"));
    }
    // Succeeds only once nothing refers to the resource any more.
    EXPECT_TRUE(QResource::unregisterResource(raw, QStringLiteral("/tiny-check")));
}

TEST(ResourceFileCheck, RefusesDamagedFiles) {
    EXPECT_FALSE(IsSoundResourceFile(QByteArray()));
    EXPECT_FALSE(IsSoundResourceFile("qres"));
    using Damage = void (*)(TinyResource&);
    const std::pair<const char*, Damage> damages[] = {
        {"magic", [](TinyResource& t) { t.bytes[0] = 'Q'; }},
        {"future version", [](TinyResource& t) { PutAt(t.bytes, 4, 9, 4); }},
        {"tree at the end", [](TinyResource& t) { PutAt(t.bytes, 8, t.bytes.size(), 4); }},
        {"child outside", [](TinyResource& t) { PutAt(t.bytes, t.Node(0) + 10, 7, 4); }},
        {"huge child count", [](TinyResource& t) { PutAt(t.bytes, t.Node(0) + 6, 0xFFFFFFFF, 4); }},
        {"name outside", [](TinyResource& t) { PutAt(t.bytes, t.Node(1), 0x7FFFFFF0, 4); }},
        {"name too long", [](TinyResource& t) { PutAt(t.bytes, t.names, 0xFFFF, 2); }},
        {"data outside", [](TinyResource& t) { PutAt(t.bytes, t.Node(1) + 10, 0xFFFFFF, 4); }},
        {"data too long", [](TinyResource& t) { PutAt(t.bytes, t.blobs, 0xFFFFFFF0, 4); }},
        {"root its own child", [](TinyResource& t) { PutAt(t.bytes, t.Node(0) + 10, 0, 4); }},
        {"file turned directory listing the root",
         [](TinyResource& t) {
             PutAt(t.bytes, t.Node(1) + 4, 2, 2);
             PutAt(t.bytes, t.Node(1) + 6, 1, 4);
             PutAt(t.bytes, t.Node(1) + 10, 0, 4);
         }},
    };
    for (const auto& [what, damage] : damages) {
        TinyResource tiny;
        damage(tiny);
        EXPECT_FALSE(IsSoundResourceFile(tiny.bytes)) << what;
    }
}

TEST(ResourceFileCheck, BuiltModuleIsSoundAndEveryTruncationIsRefused) {
    QFile file(BuiltFile("rcus.rcc"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray module = file.readAll();
    ASSERT_TRUE(IsSoundResourceFile(module));
    for (qsizetype length = 0; length < module.size();
         length += (length + 64 < module.size() ? 61 : 1)) {
        EXPECT_FALSE(IsSoundResourceFile(module.left(length))) << "length " << length;
    }
}

}  // namespace
}  // namespace kadenzo
