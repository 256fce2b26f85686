#include <gtest/gtest.h>

#include <set>

#include "LanguageModule.h"
#include "ModulePaths.h"
#include "ResourceIds.h"

namespace kadenzo {
namespace {

TEST(ModulePictures, SportIconsAreDistinctDrawingsOnWhiteInBothLanguages) {
    for (const char* name : {"rcus.rcc", "rcge.rcc"}) {
        const auto module = LanguageModule::Load(BuiltFile(name));
        ASSERT_TRUE(module) << name;
        std::set<QByteArray> seen;
        for (int id = IDB_SPORT_FIRST; id <= IDB_SPORT_LAST; ++id) {
            SCOPED_TRACE(std::string(name) + " " + std::to_string(id));
            const QImage icon = module->Bitmap(id).convertToFormat(QImage::Format_RGB32);
            ASSERT_EQ(icon.size(), QSize(SPORT_ICON_SIZE, SPORT_ICON_SIZE));
            EXPECT_FALSE(module->Bitmap(id).hasAlphaChannel());
            // Drawn with an AND operation, so the background must be pure white.
            for (const QPoint corner : {QPoint(0, 0), QPoint(39, 0), QPoint(0, 39), QPoint(39, 39)})
                EXPECT_EQ(icon.pixel(corner), qRgb(255, 255, 255));
            int dark = 0;
            for (int y = 0; y < icon.height(); ++y)
                for (int x = 0; x < icon.width(); ++x) dark += qGray(icon.pixel(x, y)) < 96;
            EXPECT_GT(dark, 40);
            EXPECT_LT(dark, 40 * 40 / 2);
            const QByteArray pixels(reinterpret_cast<const char*>(icon.constBits()),
                                    icon.sizeInBytes());
            EXPECT_TRUE(seen.insert(pixels).second) << "same drawing as an earlier icon";
        }
        // Printed into a box four times as wide as it is high.
        const QImage page = module->Bitmap(IDB_PAGE_PICTURE);
        EXPECT_EQ(page.width(), 4 * page.height());
        EXPECT_FALSE(page.isNull() || module->Bitmap(IDB_SPLASH).isNull());
        EXPECT_FALSE(module->Icon(IDI_APP).isNull());
    }
}

}  // namespace
}  // namespace kadenzo
