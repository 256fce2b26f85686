#include <gtest/gtest.h>

#include <QRegularExpression>
#include <algorithm>
#include <memory>
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
    {33000, "ii"},       {33010, "ff"}, {33016, "s"}, {33024, "i"},   {33036, "s"},
    {33037, "fs"},       {33038, "f"},  {33039, "f"}, {33040, "ifs"}, {33041, "is"},
    {33042, "sss"},      {33056, "s"},  {33057, "i"}, {33108, "s"},   {33111, "iiii"},
    {33112, "iiiiiiii"}, {33114, "f"},  {34040, "s"}, {34041, "s"},   {34042, "s"},
    {34431, "i"},        {34703, "i"},  {34704, "if"}, {34930, ""},   {34931, "i"},
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

class ModuleTexts : public testing::Test {
protected:
    void SetUp() override {
        english = LanguageModule::Load(BuiltFile("rcus.rcc"));
        german = LanguageModule::Load(BuiltFile("rcge.rcc"));
        ASSERT_TRUE(english);
        ASSERT_TRUE(german);
    }
    std::vector<const LanguageModule*> Both() const { return {english.get(), german.get()}; }
    std::unique_ptr<LanguageModule> english;
    std::unique_ptr<LanguageModule> german;
};

TEST_F(ModuleTexts, TextsTheProgramFormatsTakeItsArguments) {
    for (const auto& [id, arguments] : kFormattedTexts) {
        for (const LanguageModule* module : Both()) {
            SCOPED_TRACE(module->Language().toStdString() + " " + std::to_string(id));
            ASSERT_TRUE(module->HasText(id));
            EXPECT_FALSE(module->QText(id).trimmed().isEmpty());
            EXPECT_EQ(Placeholders(module->QText(id)), arguments);
        }
    }
}

TEST_F(ModuleTexts, BothLanguagesCarryTheSameNumbersAndPlaceholders) {
    EXPECT_EQ(english->TextIds(), german->TextIds());
    for (std::uint32_t id : english->TextIds()) {
        SCOPED_TRACE(english->QText(id).toStdString());
        EXPECT_EQ(Placeholders(english->QText(id)), Placeholders(german->QText(id)));
        EXPECT_EQ(english->QText(id).count(QLatin1Char('\n')),
                  german->QText(id).count(QLatin1Char('\n')));
    }
    for (int id : kCommandIds) {
        for (const LanguageModule* module : Both()) {
            SCOPED_TRACE(module->Language().toStdString() + " command " + std::to_string(id));
            // The status bar prompt and the tool tip.
            const QStringList parts = module->QText(id).split(QLatin1Char('\n'));
            ASSERT_EQ(parts.size(), 2);
            EXPECT_FALSE(parts[0].isEmpty() || parts[1].isEmpty());
        }
    }
}

TEST_F(ModuleTexts, TextsSurviveTheConversionForTheCore) {
    // A character Windows-1252 cannot hold would reach the core as '?'.
    for (const LanguageModule* module : Both()) {
        for (std::uint32_t id : module->TextIds()) {
            const std::string bytes = module->Text(id);
            EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '?'),
                      module->QText(id).count(QLatin1Char('?')))
                << module->Language().toStdString() << " " << id;
        }
    }
}

TEST_F(ModuleTexts, TextsTheProgramTakesApartHaveTheirShape) {
    for (const LanguageModule* module : Both()) {
        for (int id : {IDS_LIBRARY_FILTER, IDS_IMPORT_FILTER}) {
            const QString filter = module->QText(id);
            SCOPED_TRACE(filter.toStdString());
            ASSERT_TRUE(filter.endsWith(QLatin1String("||")));
            const QStringList parts = filter.chopped(2).split(QLatin1Char('|'));
            ASSERT_EQ(parts.size() % 2, 0);
            for (qsizetype i = 1; i < parts.size(); i += 2) {
                EXPECT_TRUE(parts[i].contains(QLatin1Char('*')) || parts[i] == QLatin1String("%s"));
            }
        }
        // The set-up page finds the distance in "1:30, 12.5km" by the unit label, so
        // no label may occur inside another or inside a duration.
        const QString km = module->QText(IDS_UNIT_KM);
        const QString mi = module->QText(IDS_UNIT_MI);
        EXPECT_FALSE(km.contains(mi) || mi.contains(km));
        for (const QString& label : {km, mi}) {
            EXPECT_FALSE(label.contains(QLatin1Char(':')) || label.contains(QLatin1Char(',')));
            EXPECT_FALSE(label.front().isDigit());
        }
    }
}

}  // namespace
}  // namespace kadenzo
