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
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return QChar();
}

void CollectCommands(const std::vector<MenuItem>& items, std::multiset<int>& ids) {
    for (const MenuItem& item : items) {
        if (item.separator) continue;
        if (item.children.empty()) ids.insert(item.id);
        CollectCommands(item.children, ids);
    }
}

void CheckItems(const std::vector<MenuItem>& items, const std::string& where,
                std::map<QString, int>& shortcuts) {
    std::map<QChar, QString> accelerators;
    for (const MenuItem& item : items) {
        if (item.separator) continue;
        SCOPED_TRACE(where + " / " + item.text.toStdString());
        EXPECT_FALSE(item.text.isEmpty());
        if (item.children.empty()) {
            EXPECT_TRUE(IsKnownCommand(item.id)) << item.id;
        } else {
            EXPECT_EQ(item.id, 0);
            CheckItems(item.children, where + " / " + item.text.toStdString(), shortcuts);
        }
        if (!item.shortcut.isEmpty()) {
            const QKeySequence key =
                QKeySequence::fromString(item.shortcut, QKeySequence::PortableText);
            EXPECT_FALSE(key.isEmpty());
            EXPECT_EQ(key.toString(QKeySequence::PortableText), item.shortcut);
            const auto [it, fresh] = shortcuts.emplace(item.shortcut, item.id);
            EXPECT_TRUE(fresh) << "shortcut also used by " << it->second;
        }
        const QChar letter = Accelerator(item.text);
        if (!letter.isNull()) {
            const auto [it, fresh] = accelerators.emplace(letter, item.text);
            EXPECT_TRUE(fresh) << "accelerator also used by " << it->second.toStdString();
        }
    }
    // Separators only between items.
    if (!items.empty()) {
        EXPECT_FALSE(items.front().separator);
        EXPECT_FALSE(items.back().separator);
    }
    for (std::size_t i = 1; i < items.size(); ++i) {
        EXPECT_FALSE(items[i].separator && items[i - 1].separator);
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

class ModuleMenus : public testing::Test {
protected:
    void SetUp() override {
        english = LanguageModule::Load(BuiltFile("rcus.rcc"));
        german = LanguageModule::Load(BuiltFile("rcge.rcc"));
        ASSERT_TRUE(english);
        ASSERT_TRUE(german);
    }
    std::unique_ptr<LanguageModule> english;
    std::unique_ptr<LanguageModule> german;
};

TEST_F(ModuleMenus, MenusHoldOnlyKnownCommandsAndUniqueKeys) {
    for (const LanguageModule* module : {english.get(), german.get()}) {
        for (int menu : {IDR_DIARY_MENU, IDR_ANALYSIS_MENU}) {
            const std::string where =
                module->Language().toStdString() + " menu " + std::to_string(menu);
            ASSERT_FALSE(module->Menu(menu).empty()) << where;
            std::map<QString, int> shortcuts;
            CheckItems(module->Menu(menu), where, shortcuts);
            for (const MenuItem& popup : module->Menu(menu)) EXPECT_FALSE(popup.children.empty());
        }
    }
}

TEST_F(ModuleMenus, BothLanguagesHaveTheSameMenusAndToolBar) {
    for (int menu : {IDR_DIARY_MENU, IDR_ANALYSIS_MENU}) {
        CheckSameShape(english->Menu(menu), german->Menu(menu));
    }
    ASSERT_EQ(english->ToolBar(IDR_TOOLBAR).size(), german->ToolBar(IDR_TOOLBAR).size());
}

TEST_F(ModuleMenus, EachMenuOffersEachCommandOnceAndBothViews) {
    for (int menu : {IDR_DIARY_MENU, IDR_ANALYSIS_MENU}) {
        std::multiset<int> ids;
        CollectCommands(english->Menu(menu), ids);
        for (int id : ids) EXPECT_EQ(ids.count(id), 1u) << "menu " << menu << " command " << id;
        // Without both, the user could not switch back from one view.
        EXPECT_EQ(ids.count(ID_VIEW_DIARY), 1u);
        EXPECT_EQ(ids.count(ID_VIEW_ANALYSIS), 1u);
        EXPECT_EQ(ids.count(ID_APP_EXIT), 1u);
        EXPECT_EQ(ids.count(ID_FILE_SAVE), 1u);
    }
}

TEST_F(ModuleMenus, AnalysisMenuCarriesItsCommandsAndHasRoomForTheSportsMenu) {
    const auto& analysis = english->Menu(IDR_ANALYSIS_MENU);
    ASSERT_GE(analysis.size(), 3u);
    EXPECT_FALSE(analysis[2].children.empty());
    std::multiset<int> chartMenu;
    CollectCommands(analysis[2].children, chartMenu);
    for (int id : {ID_CHART_BY_CATEGORY, ID_CHART_BY_SPORT, ID_CHART_TOTALS}) {
        EXPECT_EQ(chartMenu.count(id), 1u) << id;
    }
    std::multiset<int> all;
    CollectCommands(analysis, all);
    for (int id = ID_RANGE_7_DAYS; id <= ID_RANGE_5_YEARS; ++id) EXPECT_EQ(all.count(id), 1u) << id;
    for (int id = ID_LAYER_NONE; id <= ID_LAYER_CATEGORY; ++id) EXPECT_EQ(all.count(id), 1u) << id;
    for (int id :
         {ID_ANALYSIS_DISTANCE, ID_ANALYSIS_DURATION, ID_PAGE_BACK, ID_PAGE_FORWARD, ID_SCALE}) {
        EXPECT_EQ(all.count(id), 1u) << id;
    }
}

TEST_F(ModuleMenus, ToolBarButtonsAreKnownCommandsWithPictures) {
    const auto& buttons = english->ToolBar(IDR_TOOLBAR);
    ASSERT_FALSE(buttons.empty());
    for (const ToolBarButton& button : buttons) {
        if (button.separator) continue;
        EXPECT_TRUE(IsKnownCommand(button.id)) << button.id;
        for (const LanguageModule* module : {english.get(), german.get()}) {
            const QImage picture = module->Bitmap(button.iconId);
            EXPECT_EQ(picture.size(), QSize(24, 24)) << button.id;
            EXPECT_FALSE(module->Icon(button.iconId).isNull());
        }
    }
}

}  // namespace
}  // namespace kadenzo
