#pragma once

#include <QString>
#include <QVariant>
#include <cstdint>
#include <initializer_list>

namespace kadenzo {

struct AppContext;
class LanguageModule;
class StringTable;

// printf-style formatting of a numbered text with the arguments in order:
// %d %i %u %x %X %s %f %c with flags, width and precision, and %%. A
// placeholder without an argument, or a conversion the argument cannot take,
// gives an empty field, so a faulty text never reads past the arguments.
// Texts pass to the core's formatter as UTF-8, so widths and precisions are
// for figures.
QString FormatText(const QString& format, std::initializer_list<QVariant> args);
QString FormatText(const QString& format, const QVariantList& args);

// The numbered texts a window shows, and the language module they come from
// for its pictures and menus. A small value: windows keep a copy.
class TextService {
public:
    // The texts of the program's context, as it has them at each call; the
    // module is the context's string table when that is a language module.
    explicit TextService(const AppContext& context);
    // A fixed table, for tools and tests.
    explicit TextService(const StringTable& table);
    // No texts at all: every text is empty.
    TextService();

    // Numbered text; empty when there is no such text.
    QString Text(std::uint32_t id) const;
    // Numbered text, or fallback when the module lacks it (for labels that
    // older modules did not carry).
    QString TextOr(std::uint32_t id, const QString& fallback) const;
    // The numbered text formatted with the arguments (see FormatText).
    QString Format(std::uint32_t id, std::initializer_list<QVariant> args) const;
    // A count with its noun: text `one` when the count is exactly 1, `other`
    // for any other count, formatted with the count and then `more`.
    QString Count(std::uint32_t one, std::uint32_t other, qint64 count,
                  const QVariantList& more = {}) const;

    const StringTable& Table() const;
    // The language module, or null (no module, or a table of a test's own).
    const LanguageModule* Module() const;

private:
    const AppContext* context_ = nullptr;
    const StringTable* table_ = nullptr;
};

}  // namespace kadenzo
