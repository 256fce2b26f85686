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
        Put(bytes, 0, 4);  // root: name, directory flag, one child at node 1
        Put(bytes, 2, 2);
        Put(bytes, 1, 4);
        Put(bytes, 1, 4);
        Put(bytes, 0, 8);
        Put(bytes, 0, 4);  // file: name, no flags, any territory, language C, data offset 0
        Put(bytes, 0, 2);
        Put(bytes, 0, 2);
        Put(bytes, 1, 2);
        Put(bytes, 0, 4);
        Put(bytes, 0, 8);
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

TEST(ResourceFileCheck, RefusesBrokenHeaders) {
    EXPECT_FALSE(IsSoundResourceFile(QByteArray()));
    EXPECT_FALSE(IsSoundResourceFile("qres"));
    TinyResource wrongMagic;
    wrongMagic.bytes[0] = 'Q';
    EXPECT_FALSE(IsSoundResourceFile(wrongMagic.bytes));
    TinyResource futureVersion;
    PutAt(futureVersion.bytes, 4, 9, 4);
    EXPECT_FALSE(IsSoundResourceFile(futureVersion.bytes));
    TinyResource treeOutside;
    PutAt(treeOutside.bytes, 8, quint64(treeOutside.bytes.size()), 4);
    EXPECT_FALSE(IsSoundResourceFile(treeOutside.bytes));
}

TEST(ResourceFileCheck, RefusesOffsetsThatLeaveTheFile) {
    TinyResource childOutside;
    PutAt(childOutside.bytes, childOutside.Node(0) + 10, 7, 4);
    EXPECT_FALSE(IsSoundResourceFile(childOutside.bytes));

    TinyResource hugeChildCount;
    PutAt(hugeChildCount.bytes, hugeChildCount.Node(0) + 6, 0xFFFFFFFF, 4);
    EXPECT_FALSE(IsSoundResourceFile(hugeChildCount.bytes));

    TinyResource nameOutside;
    PutAt(nameOutside.bytes, nameOutside.Node(1), 0x7FFFFFF0, 4);
    EXPECT_FALSE(IsSoundResourceFile(nameOutside.bytes));

    TinyResource nameTooLong;
    PutAt(nameTooLong.bytes, nameTooLong.names, 0xFFFF, 2);
    EXPECT_FALSE(IsSoundResourceFile(nameTooLong.bytes));

    TinyResource dataOutside;
    PutAt(dataOutside.bytes, dataOutside.Node(1) + 10, 0x00FFFFFF, 4);
    EXPECT_FALSE(IsSoundResourceFile(dataOutside.bytes));

    TinyResource dataTooLong;
    PutAt(dataTooLong.bytes, dataTooLong.blobs, 0xFFFFFFF0, 4);
    EXPECT_FALSE(IsSoundResourceFile(dataTooLong.bytes));
}

TEST(ResourceFileCheck, RefusesCycles) {
    TinyResource selfParent;
    PutAt(selfParent.bytes, selfParent.Node(0) + 10, 0, 4);
    EXPECT_FALSE(IsSoundResourceFile(selfParent.bytes));

    TinyResource fileTurnedDirectory;  // node 1 becomes a directory listing the root
    PutAt(fileTurnedDirectory.bytes, fileTurnedDirectory.Node(1) + 4, 2, 2);
    PutAt(fileTurnedDirectory.bytes, fileTurnedDirectory.Node(1) + 6, 1, 4);
    PutAt(fileTurnedDirectory.bytes, fileTurnedDirectory.Node(1) + 10, 0, 4);
    EXPECT_FALSE(IsSoundResourceFile(fileTurnedDirectory.bytes));
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
