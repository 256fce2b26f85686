#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "LanguageModule.h"
#include "ModulePaths.h"
#include "ModuleStrings.h"
#include "ResourceFileCheck.h"
#include "ResourceIds.h"

namespace kadenzo {
namespace {

void PlaceBytes(const QTemporaryDir& dir, const char* name, const QByteArray& bytes) {
    QFile file(dir.filePath(QString::fromLatin1(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray BuiltBytes(const char* name) {
    QFile file(BuiltFile(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ModuleStrings, ReadsIdsAndTextsWithEscapesAndSkipsMalformedLines) {
    const auto texts = ParseModuleStrings(
        "# comment\n\n"
        "1\tOne\r\n"
        "33036\tDuration: %s\\nline two\\tTab \\\\ back \\q end\\\n"
        "33017\tIntensit\xC3\xA4ten\n"
        "42\t\n"
        "7\tfirst\n7\tsecond\tpart\n"
        "no tab here\n\tno id\n12x\tletters\n-5\tnegative\n"
        "4294967296\ttoo large for 32 bits\n"
        "4294967295\tlargest\n");
    const std::map<std::uint32_t, QString> expected = {
        {1, QStringLiteral("One")},
        {33036, QStringLiteral("Duration: %s\nline two\tTab \\ back \\q end\\")},
        {33017, QString::fromUtf8("Intensit\xC3\xA4ten")},
        {42, QString()},
        {7, QStringLiteral("second\tpart")},
        {4294967295u, QStringLiteral("largest")}};
    ASSERT_EQ(texts.size(), expected.size());
    for (const auto& [id, text] : expected) EXPECT_EQ(texts.at(id), text) << id;
}

void Put(QByteArray& out, quint64 value, int width) {
    for (int i = width - 1; i >= 0; --i) out.append(char((value >> (8 * i)) & 0xFF));
}
void PutAt(QByteArray& out, int at, quint64 value, int width) {
    for (int i = 0; i < width; ++i) out[at + i] = char((value >> (8 * (width - 1 - i))) & 0xFF);
}

// A version 2 resource file as rcc writes it, with one uncompressed file "a.txt"
// holding "hello".
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
        Put(bytes, 0, 4);  // the name's hash, which only a lookup reads
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

TEST(ResourceFileCheck, RefusesDamagedFiles) {
    ASSERT_TRUE(IsSoundResourceFile(TinyResource().bytes));
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
    const QByteArray module = BuiltBytes("rcus.rcc");
    ASSERT_TRUE(IsSoundResourceFile(module));
    for (qsizetype length = 0; length < module.size();
         length += (length + 64 < module.size() ? 61 : 1)) {
        EXPECT_FALSE(IsSoundResourceFile(module.left(length))) << "length " << length;
    }
}

TEST(LanguageModule, SearchPrefersCurrentFolderThenEnglishAndSkipsBrokenModules) {
    struct Case {
        const char* current;  // modules in the current folder, "!" marks a damaged one
        const char* program;
        const char* found;  // "c:" or "p:" and the file, empty when none
        const char* loaded;
    };
    // A module too damaged to load is skipped like a missing one.
    const Case cases[] = {
        {"rcge rcus", "", "c:rcus.rcc", "en"}, {"rcge", "rcus", "c:rcge.rcc", "de"},
        {"", "rcge", "p:rcge.rcc", "de"},      {"", "rcge rcus", "p:rcus.rcc", "en"},
        {"!rcus", "rcge", "c:rcus.rcc", "de"}, {"", "", "", "none"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.current) + " | " + c.program);
        QTemporaryDir current, program;
        for (auto [dir, list] : {std::pair{&current, c.current}, std::pair{&program, c.program}}) {
            for (const QString& entry : QString::fromLatin1(list).split(' ', Qt::SkipEmptyParts)) {
                const bool damaged = entry.startsWith('!');
                const QByteArray file = (damaged ? entry.mid(1) : entry).toLatin1() + ".rcc";
                PlaceBytes(*dir, file.constData(),
                           damaged ? QByteArray("damaged") : BuiltBytes(file.constData()));
            }
        }
        const QString expected = QString::fromLatin1(c.found);
        const QTemporaryDir& where = expected.startsWith('c') ? current : program;
        EXPECT_EQ(FindLanguageModule(current.path(), program.path()),
                  expected.isEmpty() ? QString() : where.filePath(expected.mid(2)));
        const auto module = LoadLanguageModule(current.path(), program.path());
        EXPECT_EQ(module ? module->Language() : QStringLiteral("none"),
                  QString::fromLatin1(c.loaded));
    }
}

}  // namespace
}  // namespace kadenzo
