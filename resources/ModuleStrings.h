#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <map>

namespace kadenzo {

// Reads the string table of a language module: UTF-8 lines "id<TAB>text",
// where the text may carry the escapes \n, \t and \\. Empty lines and lines
// starting with '#' are skipped, as are lines whose id is not a number that
// fits 32 bits; a later line with the same id replaces an earlier one.
std::map<std::uint32_t, QString> ParseModuleStrings(const QByteArray& data);

// Undoes the escapes of one text.
QString UnescapeModuleText(QStringView text);

}  // namespace kadenzo
