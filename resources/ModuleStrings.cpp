#include "ModuleStrings.h"

#include <QList>

namespace kadenzo {

QString UnescapeModuleText(QStringView text) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\\') || i + 1 == text.size()) {
            result += c;
            continue;
        }
        const QChar next = text[++i];
        if (next == QLatin1Char('n')) {
            result += QLatin1Char('\n');
        } else if (next == QLatin1Char('t')) {
            result += QLatin1Char('\t');
        } else if (next == QLatin1Char('\\')) {
            result += QLatin1Char('\\');
        } else {
            result += c;
            result += next;
        }
    }
    return result;
}

std::map<std::uint32_t, QString> ParseModuleStrings(const QByteArray& data) {
    std::map<std::uint32_t, QString> texts;
    const QString all = QString::fromUtf8(data);
    for (QStringView line : QStringView(all).split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        if (tab <= 0) continue;
        bool ok = false;
        const qulonglong id = line.left(tab).toULongLong(&ok);
        if (!ok || id > 0xFFFFFFFFull) continue;
        texts[static_cast<std::uint32_t>(id)] = UnescapeModuleText(line.mid(tab + 1));
    }
    return texts;
}

}  // namespace kadenzo
