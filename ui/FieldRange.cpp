#include "FieldRange.h"

#include <cmath>

#include "DecimalField.h"
#include "TextFormat.h"

namespace kadenzo {
namespace {

// The message's texts: its format (name, kind, smallest, largest) and the two kinds.
constexpr std::uint32_t kRangeMessage = 34800;
constexpr std::uint32_t kWholeNumber = 34801;
constexpr std::uint32_t kNumber = 34802;

std::string TextOrFallback(const StringTable& texts, std::uint32_t id, const char* fallback) {
    std::string text = texts.Text(id);
    return text.empty() ? fallback : text;
}

}  // namespace

bool FieldRange::Holds(double value) const {
    return value >= min && value <= max && (!whole || std::trunc(value) == value);
}

std::string RangeMessage(const FieldRange& range, const StringTable& texts) {
    return FormatText(TextOrFallback(texts, kRangeMessage, "%s must be %s from %s to %s."),
                      {TextOrFallback(texts, range.nameId, "This field"),
                       range.whole ? TextOrFallback(texts, kWholeNumber, "a whole number")
                                   : TextOrFallback(texts, kNumber, "a number"),
                       FormatDecimalField(range.min), FormatDecimalField(range.max)});
}

std::optional<double> ReadRangeField(const std::string& text, const FieldRange& range) {
    std::optional<double> value = ReadDecimalField(text);
    if (range.whole) {
        const std::optional<long long> whole = ReadWholeField<long long>(text);
        value = whole ? std::optional<double>(static_cast<double>(*whole)) : std::nullopt;
    }
    if (!value || !range.Holds(*value)) return std::nullopt;
    return value;
}

}  // namespace kadenzo
