#include <gtest/gtest.h>

#include <QRegularExpression>
#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "LanguageModule.h"
#include "ModulePaths.h"
#include "ResourceIds.h"

namespace kadenzo {
namespace {

bool IsKnownCommand(int id) {
    if (id >= ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + ID_FILE_MRU_COUNT) return true;
    return std::find(std::begin(kCommandIds), std::end(kCommandIds), id) != std::end(kCommandIds);
}

// The letter after a single '&', lower-cased; 0 when the text has none.
QChar Accelerator(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] != QLatin1Char('&')) return text[i + 1].toLower();
        ++i;
    }
    return QChar();
}

// Checks one menu level and below; collects the commands and shortcuts of the whole menu.
void CheckItems(const std::vector<MenuItem>& items, std::multiset<int>& commands,
                std::set<QString>& shortcuts) {
    std::set<QChar> accelerators;
    for (const MenuItem& item : items) {
        if (item.separator) continue;
        SCOPED_TRACE(item.text.toStdString());
        EXPECT_FALSE(item.text.isEmpty());
        if (item.children.empty()) {
            EXPECT_TRUE(IsKnownCommand(item.id)) << item.id;
            commands.insert(item.id);
        }
        CheckItems(item.children, commands, shortcuts);
        EXPECT_TRUE(item.shortcut.isEmpty() || shortcuts.insert(item.shortcut).second);
        const QChar letter = Accelerator(item.text);
        EXPECT_TRUE(letter.isNull() || accelerators.insert(letter).second);
    }
}

// Texts the program formats, with the arguments it passes: i integer, f floating
// point, s text.
const std::vector<std::pair<int, std::string>> kFormattedTexts = {
    {33000, "ii"},       {33010, "ff"},  {33016, "s"},  {33024, "i"},   {33036, "s"},
    {33037, "fs"},       {33038, "f"},   {33039, "f"},  {33040, "ifs"}, {33041, "is"},
    {33042, "sss"},      {33056, "s"},   {33057, "i"},  {33108, "s"},   {33111, "iiii"},
    {33112, "iiiiiiii"}, {33114, "f"},   {34040, "s"},  {34041, "s"},   {34042, "s"},
    {34431, "i"},        {34703, "i"},   {34704, "if"}, {34930, ""},    {34931, "i"},
    {34932, "if"},       {34800, "ssss"}};

// The arguments a printf format consumes, as i/f/s, or "?" for a conversion the
// program's formatter does not offer (and "*" widths, which callers never pass).
std::string Placeholders(const QString& text) {
    static const QRegularExpression conversion(
        QStringLiteral("%([-+ #0]*)(\\d*|\\*)(\\.(\\d*|\\*))?(hh|h|ll|l)?(.?)"));
    std::string kinds;
    auto it = conversion.globalMatch(text);
    while (it.hasNext()) {
        const auto match = it.next();
        const QString type = match.captured(6);
        if (type == QLatin1String("%") && match.capturedLength(0) == 2) continue;
        if (match.captured(2) == QLatin1String("*") || match.captured(4) == QLatin1String("*")) {
            kinds += '?';
        } else if (!type.isEmpty() && QStringLiteral("diuxXc").contains(type)) {
            kinds += 'i';
        } else if (!type.isEmpty() && QStringLiteral("feEgG").contains(type)) {
            kinds += 'f';
        } else {
            kinds += type == QLatin1String("s") ? 's' : '?';
        }
    }
    return kinds;
}

// The English and the German module as the build wrote them.
class ModuleContents : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(english);
        ASSERT_TRUE(german);
    }
    std::unique_ptr<LanguageModule> english = LanguageModule::Load(BuiltFile("rcus.rcc"));
    std::unique_ptr<LanguageModule> german = LanguageModule::Load(BuiltFile("rcge.rcc"));
    const std::vector<const LanguageModule*> both = {english.get(), german.get()};
};

TEST_F(ModuleContents, MenusAreSoundInBothLanguages) {
    for (int menu : {IDR_DIARY_MENU, IDR_ANALYSIS_MENU, IDR_FORM_MENU}) {
        SCOPED_TRACE(menu);
        for (const LanguageModule* module : both) {
            std::multiset<int> commands;
            std::set<QString> shortcuts;
            CheckItems(module->Menu(menu), commands, shortcuts);
            for (int id : commands) EXPECT_EQ(commands.count(id), 1u) << id;
            // Without every view, the user could not switch back from one of them.
            for (int id :
                 {ID_VIEW_DIARY, ID_VIEW_ANALYSIS, ID_VIEW_FORM, ID_APP_EXIT, ID_FILE_SAVE}) {
                EXPECT_EQ(commands.count(id), 1u) << id;
            }
        }
    }
    for (const ToolBarButton& button : english->ToolBar(IDR_TOOLBAR)) {
        if (button.separator) continue;
        EXPECT_TRUE(IsKnownCommand(button.id)) << button.id;
    }
}

TEST_F(ModuleContents, TextsTheProgramFormatsTakeItsArguments) {
    for (const auto& [id, arguments] : kFormattedTexts) {
        for (const LanguageModule* module : both) {
            SCOPED_TRACE(module->Language().toStdString() + " " + std::to_string(id));
            ASSERT_TRUE(module->HasText(id));
            EXPECT_EQ(Placeholders(module->QText(id)), arguments);
        }
    }
}

TEST_F(ModuleContents, BothLanguagesCarryTheSameNumbersAndPlaceholders) {
    EXPECT_EQ(english->TextIds(), german->TextIds());
    for (std::uint32_t id : english->TextIds()) {
        SCOPED_TRACE(english->QText(id).toStdString());
        EXPECT_EQ(Placeholders(english->QText(id)), Placeholders(german->QText(id)));
        EXPECT_EQ(english->QText(id).count(QLatin1Char('\n')),
                  german->QText(id).count(QLatin1Char('\n')));
        // A character Windows-1252 cannot hold would reach the core as '?'.
        const std::string bytes = german->Text(id);
        EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '?'),
                  german->QText(id).count(QLatin1Char('?')));
    }
    for (int id : kCommandIds) {
        SCOPED_TRACE("command " + std::to_string(id));
        // The status bar prompt and the tool tip.
        EXPECT_EQ(german->QText(id).split(QLatin1Char('\n')).size(), 2);
    }
}

}  // namespace
}  // namespace kadenzo
