#include <gtest/gtest.h>

#include <QKeySequence>
#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>

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
    for (std::size_t i = 0; i < items.size(); ++i) {
        const MenuItem& item = items[i];
        if (item.separator) {
            // Separators only between items.
            EXPECT_TRUE(i > 0 && i + 1 < items.size() && !items[i - 1].separator);
            continue;
        }
        SCOPED_TRACE(item.text.toStdString());
        EXPECT_FALSE(item.text.isEmpty());
        if (item.children.empty()) {
            EXPECT_TRUE(IsKnownCommand(item.id)) << item.id;
            commands.insert(item.id);
        }
        CheckItems(item.children, commands, shortcuts);
        if (!item.shortcut.isEmpty()) {
            const auto key = QKeySequence::fromString(item.shortcut, QKeySequence::PortableText);
            EXPECT_EQ(key.toString(QKeySequence::PortableText), item.shortcut);
            EXPECT_TRUE(shortcuts.insert(item.shortcut).second);
        }
        const QChar letter = Accelerator(item.text);
        EXPECT_TRUE(letter.isNull() || accelerators.insert(letter).second);
    }
}

// The two languages differ only in their texts.
void CheckSameShape(const std::vector<MenuItem>& a, const std::vector<MenuItem>& b) {
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        SCOPED_TRACE(a[i].text.toStdString());
        EXPECT_EQ(a[i].separator, b[i].separator);
        EXPECT_EQ(a[i].id, b[i].id);
        EXPECT_EQ(a[i].shortcut, b[i].shortcut);
        EXPECT_EQ(a[i].checkable, b[i].checkable);
        CheckSameShape(a[i].children, b[i].children);
    }
}

TEST(ModuleMenus, MenusAreSoundAndAlikeInBothLanguages) {
    const auto english = LanguageModule::Load(BuiltFile("rcus.rcc"));
    const auto german = LanguageModule::Load(BuiltFile("rcge.rcc"));
    ASSERT_TRUE(english && german);
    for (int menu : {IDR_DIARY_MENU, IDR_ANALYSIS_MENU, IDR_FORM_MENU}) {
        SCOPED_TRACE(menu);
        CheckSameShape(english->Menu(menu), german->Menu(menu));
        for (const LanguageModule* module : {english.get(), german.get()}) {
            ASSERT_FALSE(module->Menu(menu).empty());
            std::multiset<int> commands;
            std::set<QString> shortcuts;
            CheckItems(module->Menu(menu), commands, shortcuts);
            for (const MenuItem& popup : module->Menu(menu)) EXPECT_FALSE(popup.children.empty());
            for (int id : commands) EXPECT_EQ(commands.count(id), 1u) << id;
            // Without every view, the user could not switch back from one of them.
            for (int id : {ID_VIEW_DIARY, ID_VIEW_ANALYSIS, ID_VIEW_FORM, ID_APP_EXIT, ID_FILE_SAVE}) {
                EXPECT_EQ(commands.count(id), 1u) << id;
            }
        }
    }
    const auto& buttons = english->ToolBar(IDR_TOOLBAR);
    ASSERT_FALSE(buttons.empty());
    EXPECT_EQ(buttons.size(), german->ToolBar(IDR_TOOLBAR).size());
    for (const ToolBarButton& button : buttons) {
        if (button.separator) continue;
        EXPECT_TRUE(IsKnownCommand(button.id)) << button.id;
        EXPECT_EQ(english->Bitmap(button.iconId).size(), QSize(24, 24)) << button.id;
        EXPECT_EQ(german->Bitmap(button.iconId).size(), QSize(24, 24)) << button.id;
    }
}

}  // namespace
}  // namespace kadenzo
