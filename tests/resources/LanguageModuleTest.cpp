#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "LanguageModule.h"
#include "ModulePaths.h"
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

TEST(LanguageModule, ModulesLoadWithTheirLanguageAndOutliveEachOther) {
    auto english = LanguageModule::Load(BuiltFile("rcus.rcc"));
    ASSERT_TRUE(english);
    {
        auto german = LanguageModule::Load(BuiltFile("rcge.rcc"));
        ASSERT_TRUE(german);
        EXPECT_EQ(german->Language(), QStringLiteral("de"));
        EXPECT_EQ(german->QText(IDS_TAB_SPORTS), QStringLiteral("Sportarten"));
        // The core gets Windows-1252 bytes.
        EXPECT_EQ(german->Text(IDS_TAB_INTENSITIES), std::string("Intensit\xE4ten"));
        EXPECT_TRUE(LanguageModule::Load(BuiltFile("rcus.rcc")));
    }
    EXPECT_EQ(english->Language(), QStringLiteral("en"));
    EXPECT_EQ(english->QText(IDS_TAB_SPORTS), QStringLiteral("Sports"));
    EXPECT_EQ(english->Text(99999), std::string());
    EXPECT_TRUE(english->Icon(9999).isNull());
    EXPECT_TRUE(english->Menu(999).empty());
}

TEST(LanguageModule, MissingBrokenOrForeignFilesDoNotLoad) {
    QTemporaryDir dir;
    const QByteArray built = BuiltBytes("rcus.rcc");
    ASSERT_FALSE(built.isEmpty());
    EXPECT_FALSE(LanguageModule::Load(QString()));
    EXPECT_FALSE(LanguageModule::Load(dir.filePath(QStringLiteral("missing.rcc"))));
    const std::pair<const char*, QByteArray> broken[] = {
        {"empty.rcc", QByteArray()},
        {"text.rcc", "qres this is not a resource file at all"},
        {"half.rcc", built.left(built.size() / 2)}};
    for (const auto& [name, bytes] : broken) {
        PlaceBytes(dir, name, bytes);
        EXPECT_FALSE(LanguageModule::Load(dir.filePath(QString::fromLatin1(name)))) << name;
    }
}

TEST(LanguageModule, SearchPrefersCurrentFolderThenEnglishAndSkipsBrokenModules) {
    struct Case {
        const char* current;  // modules in the current folder, "!" marks a damaged one
        const char* program;
        const char* found;  // "c:" or "p:" and the file, empty when none
        const char* loaded;
    };
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
