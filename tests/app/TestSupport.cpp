#include "TestSupport.h"

#include <QFile>
#include <QTest>

#include "AppContext.h"
#include "LanguageModule.h"

namespace kadenzo {

void FakeUserDialogs::Message(const QString& text, Icon icon) { messages.push_back({text, icon}); }

bool FakeUserDialogs::AskYesNo(const QString& text, Icon icon) {
    questions.push_back({text, icon});
    if (yesNo.empty()) return false;
    const bool answer = yesNo.front();
    yesNo.pop_front();
    return answer;
}

UserDialogs::Answer FakeUserDialogs::AskYesNoCancel(const QString& text) {
    questions.push_back({text, Icon::Warning});
    if (yesNoCancel.empty()) return Answer::Cancel;
    const Answer answer = yesNoCancel.front();
    yesNoCancel.pop_front();
    return answer;
}

QString FakeUserDialogs::OpenFileName(const QString&) { return openFile; }

QString FakeUserDialogs::SaveFileName(const QString&, const QString& filter, const QString&) {
    lastSaveFilter = filter;
    return saveFile;
}

bool FakeUserDialogs::EditProfile(AthleteProfile& values, bool firstPrompt) {
    ++profileCalls;
    lastProfileFirstPrompt = firstPrompt;
    return profile ? profile(values, firstPrompt) : false;
}

QString BuiltModuleDir() { return QStringLiteral(KADENZO_MODULE_DIR); }

void CopyBuilt(const QString& dir, const QStringList& names) {
    for (const QString& name : names) {
        const QString target = dir + QLatin1Char('/') + name;
        QFile::remove(target);
        if (!QFile::copy(BuiltModuleDir() + QLatin1Char('/') + name, target))
            qFatal("cannot copy %s", qPrintable(name));
    }
}

std::unique_ptr<LanguageModule> UseEnglishModule() {
    auto module = LanguageModule::Load(BuiltModuleDir() + QStringLiteral("/rcus.rcc"));
    if (!module) qFatal("the English module is not built");
    App().strings = module.get();
    return module;
}

}  // namespace kadenzo
