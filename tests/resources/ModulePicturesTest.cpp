#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "LanguageModule.h"
#include "ModulePaths.h"
#include "ResourceIds.h"

namespace kadenzo {
namespace {

class ModulePictures : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        module = LanguageModule::Load(BuiltFile(GetParam()));
        ASSERT_TRUE(module);
    }
    std::unique_ptr<LanguageModule> module;
};

int DarkPixels(const QImage& image) {
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 96) ++dark;
        }
    }
    return dark;
}

TEST_P(ModulePictures, SportIconsAreDistinct40By40DrawingsOnWhite) {
    std::set<QByteArray> seen;
    for (int id = IDB_SPORT_FIRST; id <= IDB_SPORT_LAST; ++id) {
        SCOPED_TRACE(id);
        const QImage icon = module->Bitmap(id);
        ASSERT_EQ(icon.size(), QSize(SPORT_ICON_SIZE, SPORT_ICON_SIZE));
        // Drawn with an AND operation, so the background must be pure opaque white.
        for (const QPoint corner : {QPoint(0, 0), QPoint(39, 0), QPoint(0, 39), QPoint(39, 39)}) {
            EXPECT_EQ(icon.pixel(corner), qRgb(255, 255, 255));
        }
        EXPECT_FALSE(icon.hasAlphaChannel());
        const int dark = DarkPixels(icon);
        EXPECT_GT(dark, 40);
        EXPECT_LT(dark, 40 * 40 / 2);
        const QImage rgb = icon.convertToFormat(QImage::Format_RGB32);
        const QByteArray pixels(reinterpret_cast<const char*>(rgb.constBits()), rgb.sizeInBytes());
        EXPECT_TRUE(seen.insert(pixels).second) << "same drawing as an earlier icon";
    }
    EXPECT_FALSE(module->Icon(IDB_SPORT_FIRST).isNull());
}

TEST_P(ModulePictures, SortMarksPointInOppositeDirections) {
    const QImage descending = module->Bitmap(IDI_SORT_DESCENDING);
    const QImage ascending = module->Bitmap(IDI_SORT_ASCENDING);
    ASSERT_EQ(descending.size(), QSize(16, 16));
    ASSERT_EQ(ascending.size(), QSize(16, 16));
    // The ascending mark is wide at the bottom, the descending one at the top.
    auto rowWidth = [](const QImage& image, int y) {
        int width = 0;
        for (int x = 0; x < image.width(); ++x) width += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
        return width;
    };
    EXPECT_GT(rowWidth(ascending, 10), rowWidth(ascending, 5));
    EXPECT_GT(rowWidth(descending, 5), rowWidth(descending, 10));
}

TEST_P(ModulePictures, PagePictureSplashAndRowStatesExist) {
    const QImage page = module->Bitmap(IDB_PAGE_PICTURE);
    ASSERT_FALSE(page.isNull());
    // Printed into a box four times as wide as it is high.
    EXPECT_EQ(page.width(), 4 * page.height());
    EXPECT_FALSE(module->Bitmap(IDB_SPLASH).isNull());
    EXPECT_FALSE(module->Icon(IDI_APP).isNull());
    for (int id : {IDI_ROW_CURRENT, IDI_ROW_NEW, IDI_ROW_EDITING}) {
        EXPECT_EQ(module->Bitmap(id).size(), QSize(16, 16)) << id;
    }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, ModulePictures, testing::Values("rcus.rcc", "rcge.rcc"));

}  // namespace
}  // namespace kadenzo
