#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "LanguageModule.h"
#include "ModulePaths.h"
#include "ResourceIds.h"

namespace kadenzo {
namespace {

// A current folder and a program folder, each holding the modules a case asks for.
class ModuleFolders : public testing::Test {
protected:
    void Place(const QTemporaryDir& dir, const char* name) {
        ASSERT_TRUE(QFile::copy(BuiltFile(name), dir.filePath(QString::fromLatin1(name))));
    }
    void PlaceBytes(const QTemporaryDir& dir, const char* name, const QByteArray& bytes) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QString Found() const { return FindLanguageModule(current.path(), program.path()); }
    QString Loaded() const {
        auto module = LoadLanguageModule(current.path(), program.path());
        return module ? module->Language() : QStringLiteral("none");
    }

    QTemporaryDir current;
    QTemporaryDir program;
};

TEST(LanguageModule, BothModulesLoadWithTheirLanguage) {
    auto english = LanguageModule::Load(BuiltFile("rcus.rcc"));
    auto german = LanguageModule::Load(BuiltFile("rcge.rcc"));
    ASSERT_TRUE(english);
    ASSERT_TRUE(german);
    EXPECT_EQ(english->Language(), QStringLiteral("en"));
    EXPECT_EQ(german->Language(), QStringLiteral("de"));
    EXPECT_EQ(english->QText(IDS_TAB_SPORTS), QStringLiteral("Sports"));
    EXPECT_EQ(german->QText(IDS_TAB_SPORTS), QStringLiteral("Sportarten"));
}

TEST(LanguageModule, ModulesStayUsableWhenAnotherOneIsUnloaded) {
    auto english = LanguageModule::Load(BuiltFile("rcus.rcc"));
    ASSERT_TRUE(english);
    {
        auto secondEnglish = LanguageModule::Load(BuiltFile("rcus.rcc"));
        auto german = LanguageModule::Load(BuiltFile("rcge.rcc"));
        ASSERT_TRUE(secondEnglish);
        ASSERT_TRUE(german);
    }
    EXPECT_EQ(english->QText(IDS_UNIT_KM), QStringLiteral("km"));
    EXPECT_EQ(english->Bitmap(IDB_SPORT_FIRST).size(), QSize(40, 40));
    EXPECT_FALSE(english->Menu(IDR_DIARY_MENU).empty());
}

TEST(LanguageModule, TextForTheCoreIsWindows1252) {
    auto german = LanguageModule::Load(BuiltFile("rcge.rcc"));
    ASSERT_TRUE(german);
    EXPECT_EQ(german->Text(IDS_TAB_INTENSITIES), std::string("Intensit\xE4ten"));
    EXPECT_EQ(german->QText(IDS_TAB_INTENSITIES), QString::fromUtf8("Intensit\xC3\xA4ten"));
}

TEST(LanguageModule, UnknownNumbersGiveNothing) {
    auto english = LanguageModule::Load(BuiltFile("rcus.rcc"));
    ASSERT_TRUE(english);
    EXPECT_EQ(english->Text(99999), std::string());
    EXPECT_TRUE(english->Icon(9999).isNull());
    EXPECT_TRUE(english->Menu(130).empty());
}

TEST_F(ModuleFolders, MissingBrokenOrForeignFilesDoNotLoad) {
    EXPECT_FALSE(LanguageModule::Load(QString()));
    EXPECT_FALSE(LanguageModule::Load(current.filePath(QStringLiteral("rcus.rcc"))));
    PlaceBytes(current, "empty.rcc", QByteArray());
    EXPECT_FALSE(LanguageModule::Load(current.filePath(QStringLiteral("empty.rcc"))));
    PlaceBytes(current, "text.rcc", "qres this is not a resource file at all");
    EXPECT_FALSE(LanguageModule::Load(current.filePath(QStringLiteral("text.rcc"))));

    QFile built(BuiltFile("rcus.rcc"));
    ASSERT_TRUE(built.open(QIODevice::ReadOnly));
    const QByteArray bytes = built.readAll();
    PlaceBytes(current, "half.rcc", bytes.left(bytes.size() / 2));
    EXPECT_FALSE(LanguageModule::Load(current.filePath(QStringLiteral("half.rcc"))));
}

TEST_F(ModuleFolders, EnglishIsPreferredInTheSameFolder) {
    Place(current, "rcge.rcc");
    Place(current, "rcus.rcc");
    EXPECT_EQ(Found(), current.filePath(QStringLiteral("rcus.rcc")));
    EXPECT_EQ(Loaded(), QStringLiteral("en"));
}

TEST_F(ModuleFolders, CurrentFolderComesBeforeProgramFolder) {
    Place(current, "rcge.rcc");
    Place(program, "rcus.rcc");
    EXPECT_EQ(Found(), current.filePath(QStringLiteral("rcge.rcc")));
    EXPECT_EQ(Loaded(), QStringLiteral("de"));
}

TEST_F(ModuleFolders, ProgramFolderIsUsedWhenTheCurrentFolderHasNone) {
    Place(program, "rcge.rcc");
    EXPECT_EQ(Loaded(), QStringLiteral("de"));
    Place(program, "rcus.rcc");
    EXPECT_EQ(Found(), program.filePath(QStringLiteral("rcus.rcc")));
    EXPECT_EQ(Loaded(), QStringLiteral("en"));
}

TEST_F(ModuleFolders, ABrokenModuleFallsThroughToTheNextCandidate) {
    PlaceBytes(current, "rcus.rcc", "damaged");
    Place(program, "rcge.rcc");
    EXPECT_EQ(Found(), current.filePath(QStringLiteral("rcus.rcc")));
    EXPECT_EQ(Loaded(), QStringLiteral("de"));
}

TEST_F(ModuleFolders, NoModuleAnywhere) {
    EXPECT_EQ(Found(), QString());
    EXPECT_EQ(Loaded(), QStringLiteral("none"));
}

}  // namespace
}  // namespace kadenzo
