#pragma once

#include <QTranslator>
#include <memory>

namespace kadenzo {

class LanguageModule;

// Qt's own texts (its buttons and standard dialogs) in the module's language,
// installed for the whole application while the returned translator lives;
// null when Qt has no translation for that language.
std::unique_ptr<QTranslator> InstallQtTranslation(const LanguageModule& module);

}  // namespace kadenzo
