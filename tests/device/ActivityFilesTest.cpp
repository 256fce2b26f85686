// The activity files found below a device folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "ActivityFiles.h"
#include "TestFolder.h"

namespace kadenzo {
namespace {

namespace fs = std::filesystem;

TEST(ActivityFilesTest, FourFoldersDeepByExtensionInAnyCase) {
    const test::TestFolder folder;
    const fs::path root = folder.Path();
    for (const char* name : {"a.fit", "GARMIN/Activity/B.FIT", "1/2/3/4/deep.Tcx",
                             "1/2/3/4/5/too-deep.fit", "Polar/x.hrm", "Polar/y.tur", "Polar/z.tour",
                             "t/route.gpx", "notes.txt", "fit", "GARMIN/Activity/a.fit.part"}) {
        fs::create_directories((root / name).parent_path());
        std::ofstream(root / name) << "x";
    }
    fs::create_directories(root / "folder.fit");
    fs::create_directory_symlink(root / "GARMIN", root / "1/2/link");

    std::vector<std::string> names;
    for (const FoundFile& file : FindActivityFiles(root.string())) {
        names.push_back(file.name);
        EXPECT_EQ(file.path, (root / file.name).string());
        EXPECT_EQ(file.fit, file.name.ends_with(".fit") || file.name.ends_with(".FIT"));
    }
    EXPECT_EQ(names,
              (std::vector<std::string>{"1/2/3/4/deep.Tcx", "GARMIN/Activity/B.FIT", "Polar/x.hrm",
                                        "Polar/y.tur", "Polar/z.tour", "a.fit", "t/route.gpx"}));
    fs::remove_all(root);
    EXPECT_THROW(FindActivityFiles(root.string()), std::runtime_error);
}

}  // namespace
}  // namespace kadenzo
