#pragma once
// A document on the sample library with scripted prompts, a fixed clock and
// observers that record what they are told; shared by the document tests.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "AppContext.h"
#include "DocumentEdits.h"
#include "KadenzoDoc.h"
#include "LogFixtures.h"
#include "StreamBytes.h"
#include "TestFolder.h"

namespace kadenzo::test {

inline constexpr std::time_t kNow = 1709294400;      // 1 March 2024, 12:00 UTC
inline constexpr std::int32_t kLongAgo = 315532800;  // 1 January 1980

class FakePrompts : public DocumentPrompts {
public:
    Answer Ask(std::uint32_t messageId, const std::string&) override {
        asked.push_back(messageId);
        return answer;
    }
    void Warn(std::uint32_t messageId, const std::string& text) override {
        if (onWarn) onWarn();
        warnings.emplace_back(messageId, text);
    }
    void EditProfile(AthleteProfile& profile) override {
        ++profilePrompts;
        profile.maxHeartRate = 186;
    }

    Answer answer = Answer::Dismissed;
    std::vector<std::uint32_t> asked;
    std::vector<std::pair<std::uint32_t, std::string>> warnings;
    int profilePrompts = 0;
    std::function<void()> onWarn;  // runs while the message would be on screen
};

class FixtureTexts : public StringTable {
public:
    std::string Text(std::uint32_t id) const override {
        return id == 33024 ? "%d records were removed (100%%)." : id == 33060 ? "Training log" : "";
    }
};

// Writes down every notice, in order: "replacing", "replaced" or the change.
class RecordingObserver : public DocumentObserver {
public:
    void OnDocumentChanged(const DocumentChange& change) override {
        changes.push_back(change);
        notices.push_back("change");
    }
    void OnDocumentReplacing() override { notices.push_back("replacing"); }
    void OnDocumentReplaced() override { notices.push_back("replaced"); }
    void Clear() {
        changes.clear();
        notices.clear();
    }
    std::vector<DocumentChange> changes;
    std::vector<std::string> notices;
};

class DocumentFixture : public ::testing::Test {
protected:
    DocumentFixture() {
        context.clock = [] { return kNow; };
        context.strings = &texts;
        context.library = MakeLibrary();
        document = std::make_unique<CKadenzoDoc>(context, &prompts);
        Start(std::make_unique<CDatabase>());
    }
    ~DocumentFixture() override { document.reset(); }

    // Puts a log in place with an entered profile, without history.
    void Start(std::unique_ptr<CDatabase> log, std::int32_t maxHeartRate = 0) {
        DocumentContents contents;
        contents.log = std::move(log);
        contents.birthDate = kLongAgo;
        contents.maxHeartRate = maxHeartRate;
        document->SetContents(std::move(contents));
    }
    std::vector<std::uint8_t> Saved() {
        return Stored([&](CArchive& ar) { document->Store(ar); });
    }
    // A file written with `library` as the program's library; the program's is kept.
    std::vector<std::uint8_t> FileWithLibrary(std::unique_ptr<CLibrary> library) {
        std::unique_ptr<CLibrary> current = std::move(context.library);
        context.library = std::move(library);
        std::vector<std::uint8_t> bytes = Saved();
        context.library = std::move(current);
        return bytes;
    }
    // Puts the bytes into a file of the test's folder; returns its path.
    std::string FileOf(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        WriteBytes(folder / name, bytes);
        return (folder / name).string();
    }
    CDatabase::ConstWorkoutPos Nth(std::size_t n) const {
        return std::next(document->Log().BeginWorkouts(), static_cast<std::ptrdiff_t>(n));
    }

    AppContext context;
    FixtureTexts texts;
    FakePrompts prompts;
    std::unique_ptr<CKadenzoDoc> document;
    TestFolder testFolder;
    const std::filesystem::path folder = testFolder.Path();
};

}  // namespace kadenzo::test
