#pragma once

#include <QFile>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "AppContext.h"
#include "DocumentController.h"
#include "KadenzoDoc.h"
#include "LanguageModule.h"
#include "Library.h"
#include "LibraryFile.h"
#include "MainFrame.h"
#include "Texts.h"
#include "UserDialogs.h"

namespace kadenzo {

// Scripted answers for every message box and chooser; records what was shown.
class FakeUserDialogs : public UserDialogs {
public:
    struct Shown {
        QString text;
        Icon icon;
        QString parentClass = {};            // the class of the window it belonged to
        Answer defaultAnswer = Answer::Yes;  // of a Yes/No question: what Enter answers
    };

    void SetParentWindow(QWidget* parent) override { parent_ = parent; }
    void Message(const QString& text, Icon icon) override {
        messages.push_back(
            {text, icon, parent_ ? QString::fromLatin1(parent_->metaObject()->className()) : ""});
        if (whileShown) whileShown();
    }
    bool AskYesNo(const QString& text, Icon icon, Answer defaultAnswer) override {
        questions.push_back({text, icon, {}, defaultAnswer});
        return Next(yesNo, false);
    }
    Answer AskYesNoCancel(const QString& text) override {
        questions.push_back({text, Icon::Warning});
        return Next(yesNoCancel, Answer::Cancel);
    }
    QString OpenFileName(const QString&) override { return {}; }
    QString FolderName(const QString&, const QString&) override { return folderName; }
    QString SaveFileName(const QString&, const QString&, const QString&) override {
        return saveFile;
    }
    bool EditProfile(AthleteProfile& values, bool firstPrompt) override {
        ++profileCalls;
        return profile ? profile(values, firstPrompt) : false;
    }

    std::vector<Shown> messages;       // Message() calls
    std::function<void()> whileShown;  // runs while a message would be on screen
    std::vector<Shown> questions;      // AskYesNo() and AskYesNoCancel() calls
    std::deque<bool> yesNo;            // answers of AskYesNo, "No" when empty
    std::deque<Answer> yesNoCancel;    // answers of AskYesNoCancel, Cancel when empty
    QString saveFile;
    QString folderName;  // what the folder chooser answers
    // The profile dialog: edits the values and says whether OK was pressed.
    std::function<bool(AthleteProfile&, bool firstPrompt)> profile;
    int profileCalls = 0;

private:
    QWidget* parent_ = nullptr;

    template <class T>
    static T Next(std::deque<T>& answers, T otherwise) {
        if (answers.empty()) return otherwise;
        const T answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// Where the build put rcus.rcc, rcge.rcc and library.dat.
inline QString BuiltModuleDir() { return QStringLiteral(KADENZO_MODULE_DIR); }

// Copies the named files from the build's app folder into dir.
inline void CopyBuilt(const QString& dir, const QStringList& names) {
    for (const QString& name : names) {
        const QString target = dir + QLatin1Char('/') + name;
        QFile::remove(target);
        if (!QFile::copy(BuiltModuleDir() + QLatin1Char('/') + name, target))
            qFatal("cannot copy %s", qPrintable(name));
    }
}

// The built English module.
inline std::unique_ptr<LanguageModule> LoadEnglishModule() {
    auto module = LanguageModule::Load(BuiltModuleDir() + QStringLiteral("/rcus.rcc"));
    if (!module) qFatal("the English module is not built");
    return module;
}

// The built starter library.
inline std::unique_ptr<CLibrary> StarterLibrary() {
    auto library = ReadLibraryFile(
        QFile::encodeName(BuiltModuleDir() + QStringLiteral("/library.dat")).toStdString());
    if (!library) qFatal("the starter library is not built");
    return library;
}

// What the program's parts run on in a test: the English module, a context
// with the given library, settings in a temporary folder, scripted dialogs,
// the document (a new diary) and, once made, the main frame.
struct AppFixture {
    explicit AppFixture(std::unique_ptr<CLibrary> library = std::make_unique<CLibrary>())
        : module(LoadEnglishModule()),
          settings(std::make_unique<QSettings>(PathOf(QStringLiteral("settings.ini")),
                                               QSettings::IniFormat)) {
        context.strings = module.get();
        context.library = std::move(library);
        document = std::make_unique<DocumentController>(dialogs, *settings, context);
        document->Doc().OnNewDocument();
    }
    ~AppFixture() {
        frame.reset();
        document.reset();
        context.strings = nullptr;
    }
    AppFixture(const AppFixture&) = delete;
    AppFixture& operator=(const AppFixture&) = delete;

    CMainFrame& MakeFrame() {
        frame = std::make_unique<CMainFrame>(*module, *document, dialogs);
        return *frame;
    }
    CKadenzoDoc& Doc() { return document->Doc(); }
    TextService Texts() const { return TextService(context); }
    QString PathOf(const QString& name) const { return dir.filePath(name); }

    std::unique_ptr<LanguageModule> module;
    QTemporaryDir dir;
    std::unique_ptr<QSettings> settings;
    AppContext context;
    FakeUserDialogs dialogs;
    std::unique_ptr<DocumentController> document;
    std::unique_ptr<CMainFrame> frame;
};

}  // namespace kadenzo
