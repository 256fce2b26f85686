#include "Texts.h"

#include <algorithm>
#include <vector>

#include "AppContext.h"
#include "CoreText.h"
#include "LanguageModule.h"
#include "TextFormat.h"

namespace kadenzo {
namespace {

FormatArg ToFormatArg(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::UnknownType:
            return FormatArg();
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::ULong:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
            return FormatArg(value.toLongLong());
        case QMetaType::Double:
        case QMetaType::Float:
            return FormatArg(value.toDouble());
        default:
            return FormatArg(value.toString().toStdString());
    }
}

}  // namespace

QString FormatText(const QString& format, std::initializer_list<QVariant> args) {
    return FormatText(format, QVariantList(args));
}

QString FormatText(const QString& format, const QVariantList& values) {
    const std::string bytes = format.toStdString();
    // Each placeholder takes at most one argument; those beyond the given
    // ones are empty, so they give empty fields rather than the core's zeros.
    std::vector<FormatArg> args(std::max<std::size_t>(
        static_cast<std::size_t>(values.size()),
        static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '%'))));
    for (qsizetype i = 0; i < values.size(); ++i)
        args[static_cast<std::size_t>(i)] = ToFormatArg(values[i]);
    return QString::fromStdString(kadenzo::FormatText(bytes, args));
}

TextService::TextService(const AppContext& context) : context_(&context) {}

TextService::TextService(const StringTable& table) : table_(&table) {}

TextService::TextService() {
    static const EmptyStringTable none;
    table_ = &none;
}

const StringTable& TextService::Table() const { return context_ ? context_->Texts() : *table_; }

const LanguageModule* TextService::Module() const {
    return dynamic_cast<const LanguageModule*>(&Table());
}

QString TextService::Text(std::uint32_t id) const {
    if (const LanguageModule* module = Module()) return module->QText(id);
    return FromBytes(Table().Text(id));
}

QString TextService::TextOr(std::uint32_t id, const QString& fallback) const {
    const QString text = Text(id);
    return text.isEmpty() ? fallback : text;
}

QString TextService::Format(std::uint32_t id, std::initializer_list<QVariant> args) const {
    return FormatText(Text(id), args);
}

QString TextService::Count(std::uint32_t one, std::uint32_t other, qint64 count,
                           const QVariantList& more) const {
    QVariantList args{count};
    args += more;
    return FormatText(Text(count == 1 ? one : other), args);
}

}  // namespace kadenzo
