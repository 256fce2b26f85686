#pragma once

#include <QString>
#include <QVariant>
#include <cstdint>
#include <initializer_list>

namespace kadenzo {

class LanguageModule;

// The language module the program runs with (the current string table), or null.
const LanguageModule* CurrentModule();
// Numbered text of the current module; empty when there is no such text.
QString Text(std::uint32_t id);
// Numbered text, or fallback when the module lacks it (for labels that older
// modules did not carry).
QString TextOr(std::uint32_t id, const QString& fallback);

// printf-style formatting of a numbered text with the arguments in order:
// %d %i %u %x %X %s %f %c with flags, width and precision, and %%. A
// placeholder without an argument, or a conversion the argument cannot take,
// gives an empty field, so a faulty text never reads past the arguments.
QString FormatText(const QString& format, std::initializer_list<QVariant> args);
QString FormatText(const QString& format, const QVariantList& args);
// A count with its noun: text `one` when the count is exactly 1, `other` for
// any other count, formatted with the count and then `more`.
QString CountText(std::uint32_t one, std::uint32_t other, qint64 count,
                  const QVariantList& more = {});

}  // namespace kadenzo
