#include "QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include "LanguageModule.h"

namespace kadenzo {

std::unique_ptr<QTranslator> InstallQtTranslation(const LanguageModule& module) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + module.Language(),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

}  // namespace kadenzo
