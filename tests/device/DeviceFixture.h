#pragma once
// A diary on the sample library with a device folder beside it, shared by
// the device import tests.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "AppContext.h"
#include "DeviceSamples.h"
#include "DeviceScan.h"
#include "ImportApply.h"
#include "KadenzoDoc.h"
#include "TestFolder.h"

namespace kadenzo::test {

// A document with a diary file, and a device folder beside it.
class DeviceFixture : public ::testing::Test {
protected:
    DeviceFixture() {
        // Before the week, so that no target is fixed on the way.
        context.clock = [] { return kMondayUtc - 86400; };
        document = std::make_unique<CKadenzoDoc>(context);
        std::filesystem::create_directories(device);
    }
    ~DeviceFixture() override { document.reset(); }

    void Start(std::unique_ptr<CDatabase> log) {
        DocumentContents contents;
        contents.library = DeviceLibrary();
        contents.log = std::move(log);
        contents.maxHeartRate = 190;
        document->SetContents(std::move(contents));
    }
    void Put(const std::string& name, const std::string& bytes) {
        const std::filesystem::path path = folder / "watch" / name;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    ImportPlan Scan() {
        return ScanDevice(device, document->Log(), document->Library(), diary, settings);
    }
    ApplyResult Apply(const ImportPlan& plan, bool dryRun = false) {
        ApplySettings apply{settings.units, dryRun, "General training"};
        return ApplyImport(*document, plan, diary, apply);
    }
    const CWorkOut& Nth(std::size_t n) const {
        return **std::next(document->Log().BeginWorkouts(), static_cast<std::ptrdiff_t>(n));
    }
    const CWorkOut& Workout(CDatabase::WorkoutHandle handle) const {
        return ***document->Log().FindWorkout(handle);
    }

    AppContext context;
    std::unique_ptr<CKadenzoDoc> document;
    ScanSettings settings;
    TestFolder testFolder;
    const std::filesystem::path folder = testFolder.Path();
    const std::string device = (folder / "watch").string();
    const std::string diary = (folder / "Training.kdz").string();
};

}  // namespace kadenzo::test
