#include "Texts.h"

#include "LanguageModule.h"

namespace kadenzo {

const LanguageModule* CurrentModule() { return LanguageModule::Current(); }

QString Text(std::uint32_t id) {
    const LanguageModule* module = CurrentModule();
    return module ? module->QText(id) : QString();
}

QString TextOr(std::uint32_t id, const QString& fallback) {
    const QString text = Text(id);
    return text.isEmpty() ? fallback : text;
}

namespace {

struct Conversion {
    bool leftAlign = false;
    bool zeroPad = false;
    bool plusSign = false;
    int width = 0;
    int precision = -1;
};

QString Pad(QString text, const Conversion& field, bool numeric) {
    if (text.size() >= field.width) return text;
    const int fill = field.width - static_cast<int>(text.size());
    if (field.leftAlign) return text + QString(fill, QLatin1Char(' '));
    if (field.zeroPad && numeric) {
        const bool sign = text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+'));
        return sign ? text.left(1) + QString(fill, QLatin1Char('0')) + text.mid(1)
                    : QString(fill, QLatin1Char('0')) + text;
    }
    return QString(fill, QLatin1Char(' ')) + text;
}

// An integer's precision is its least number of digits.
QString WithDigits(QString digits, const Conversion& field) {
    const bool negative = digits.startsWith(QLatin1Char('-'));
    if (negative) digits.remove(0, 1);
    if (field.precision > digits.size())
        digits.prepend(QString(field.precision - digits.size(), QLatin1Char('0')));
    return negative ? QLatin1Char('-') + digits : digits;
}

QString Convert(QChar conversion, const Conversion& field, const QVariant& arg) {
    bool ok = false;
    switch (conversion.unicode()) {
        case 'd':
        case 'i': {
            const qlonglong v = arg.toLongLong(&ok);
            if (!ok) return QString();
            QString text = WithDigits(QString::number(v), field);
            if (field.plusSign && v >= 0) text.prepend(QLatin1Char('+'));
            return Pad(text, field, true);
        }
        case 'u': {
            const qlonglong v = arg.toLongLong(&ok);
            if (!ok) return QString();
            return Pad(WithDigits(QString::number(static_cast<quint32>(v)), field), field, true);
        }
        case 'x':
        case 'X': {
            const qlonglong v = arg.toLongLong(&ok);
            if (!ok) return QString();
            QString text = QString::number(static_cast<quint32>(v), 16);
            if (conversion == QLatin1Char('X')) text = text.toUpper();
            return Pad(WithDigits(text, field), field, true);
        }
        case 'f': {
            const double v = arg.toDouble(&ok);
            if (!ok) return QString();
            QString text = QString::number(v, 'f', field.precision < 0 ? 6 : field.precision);
            if (field.plusSign && v >= 0) text.prepend(QLatin1Char('+'));
            return Pad(text, field, true);
        }
        case 'c':
            return Pad(arg.toString().left(1), field, false);
        case 's': {
            QString text = arg.toString();
            if (field.precision >= 0) text.truncate(field.precision);
            return Pad(text, field, false);
        }
        default:
            return QString();
    }
}

}  // namespace

QString FormatText(const QString& format, std::initializer_list<QVariant> args) {
    return FormatText(format, QVariantList(args));
}

QString FormatText(const QString& format, const QVariantList& values) {
    qsizetype next = 0;
    QString out;
    const qsizetype n = format.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = format.at(i);
        if (c != QLatin1Char('%')) {
            out += c;
            continue;
        }
        if (i + 1 < n && format.at(i + 1) == QLatin1Char('%')) {
            out += QLatin1Char('%');
            ++i;
            continue;
        }
        Conversion field;
        qsizetype j = i + 1;
        for (; j < n; ++j) {
            const QChar f = format.at(j);
            if (f == QLatin1Char('-')) {
                field.leftAlign = true;
            } else if (f == QLatin1Char('0')) {
                field.zeroPad = true;
            } else if (f == QLatin1Char('+')) {
                field.plusSign = true;
            } else if (f != QLatin1Char(' ') && f != QLatin1Char('#')) {
                break;
            }
        }
        for (; j < n && format.at(j).isDigit() && field.width < 1000; ++j)
            field.width = field.width * 10 + format.at(j).digitValue();
        if (j < n && format.at(j) == QLatin1Char('.')) {
            field.precision = 0;
            for (++j; j < n && format.at(j).isDigit() && field.precision < 100; ++j)
                field.precision = field.precision * 10 + format.at(j).digitValue();
        }
        // Length modifiers (l, h, I64) carry no meaning here.
        while (j < n && (format.at(j) == QLatin1Char('l') || format.at(j) == QLatin1Char('h') ||
                         format.at(j) == QLatin1Char('I') || format.at(j) == QLatin1Char('6') ||
                         format.at(j) == QLatin1Char('4')))
            ++j;
        if (j >= n) break;
        const QVariant arg = next < values.size() ? values[next] : QVariant();
        ++next;
        out += Convert(format.at(j), field, arg);
        i = j;
    }
    return out;
}

QString CountText(std::uint32_t one, std::uint32_t other, qint64 count, const QVariantList& more) {
    QVariantList args{count};
    args += more;
    return FormatText(Text(count == 1 ? one : other), args);
}

}  // namespace kadenzo
