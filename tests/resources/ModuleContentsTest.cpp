#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStringList>
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

// Texts the program formats, with the arguments it passes: i integer, f floating
// point, s text.
const std::vector<std::pair<int, std::string>> kFormattedTexts = {
    {33000, "ii"},       {33010, "ff"},   {33016, "s"},    {33024, "i"},     {33036, "s"},
    {33037, "fs"},       {33038, "f"},    {33039, "f"},    {33040, "ifs"},   {33041, "is"},
    {33042, "sss"},      {33056, "s"},    {33057, "i"},    {33108, "s"},     {33111, "iiii"},
    {33112, "iiiiiiii"}, {33114, "f"},    {34040, "s"},    {34041, "s"},     {34042, "s"},
    {34431, "i"},        {34703, "i"},    {34704, "if"},   {34930, ""},      {34931, "i"},
    {34932, "if"},       {34800, "ssss"}, {35400, "siii"}, {35401, "ssiii"}, {35402, "s"},
    {35403, "s"},        {35404, "s"},    {35405, "is"},   {35408, "i"},     {35409, "i"},
    {35410, "is"},       {35411, "is"},   {35412, "i"},    {35413, "i"},     {35420, "ii"},
    {35421, "i"},        {35422, "i"},    {35438, "s"},    {35440, "ss"},    {35441, "ss"},
    {35442, "s"},        {35451, "s"},    {35452, "s"},    {35454, "s"}};

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

// Within one menu level no two items answer the same Alt key, and in the whole
// menu bar no shortcut is taken twice; collects the problems as "menu: text".
void CheckKeys(const std::vector<MenuItem>& items, std::set<QString>& shortcuts,
               QStringList& problems) {
    std::set<QChar> letters;
    for (const MenuItem& item : items) {
        const qsizetype amp = item.text.indexOf(QLatin1Char('&'));
        if (amp >= 0 && amp + 1 < item.text.size() && item.text[amp + 1] != QLatin1Char('&') &&
            !letters.insert(item.text[amp + 1].toLower()).second)
            problems << "Alt key twice: " + item.text;
        if (!item.shortcut.isEmpty() && !shortcuts.insert(item.shortcut).second)
            problems << "shortcut twice: " + item.shortcut;
        CheckKeys(item.children, shortcuts, problems);
    }
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
}

TEST_F(ModuleContents, MenusGiveEachAltKeyAndShortcutOnce) {
    for (const LanguageModule* module : both) {
        for (int menu : {IDR_DIARY_MENU, IDR_ANALYSIS_MENU, IDR_FORM_MENU}) {
            std::set<QString> shortcuts;
            QStringList problems;
            ASSERT_FALSE(module->Menu(menu).empty());
            CheckKeys(module->Menu(menu), shortcuts, problems);
            EXPECT_TRUE(problems.isEmpty()) << module->Language().toStdString() << " " << menu
                                            << ": " << problems.join("; ").toStdString();
        }
    }
}

}  // namespace
}  // namespace kadenzo
