#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace kadenzo {

// One argument of a numbered text's printf-style format.
class FormatArg {
public:
    enum class Kind { kNone, kInteger, kReal, kText };
    // No value: its conversion gives an empty field.
    FormatArg() : kind_(Kind::kNone) {}
    FormatArg(int value) : kind_(Kind::kInteger), integer_(value) {}
    FormatArg(long long value) : kind_(Kind::kInteger), integer_(value) {}
    FormatArg(double value) : kind_(Kind::kReal), real_(value) {}
    FormatArg(std::string value) : kind_(Kind::kText), text_(std::move(value)) {}
    FormatArg(const char* value) : kind_(Kind::kText), text_(value ? value : "") {}

    Kind kind() const { return kind_; }
    // The number; none for an empty argument or a text that is not a number.
    std::optional<long long> AsInteger() const;
    std::optional<double> AsReal() const;
    std::string AsText() const;

private:
    Kind kind_;
    long long integer_ = 0;
    double real_ = 0.0;
    std::string text_;
};

// Formats the printf-style format of a numbered text with typed arguments.
// The format comes from a language module, so it is not trusted: every
// conversion takes the next argument converted to what the conversion needs
// (a missing one reads as 0 or ""; an empty one, or a text that is not a
// number where a number belongs, gives an empty field), "%n" and "*" widths
// are not honoured, and widths and precisions are capped.
std::string FormatText(std::string_view format, std::span<const FormatArg> args);
inline std::string FormatText(std::string_view format, std::initializer_list<FormatArg> args) {
    return FormatText(format, std::span<const FormatArg>(args.begin(), args.size()));
}

}  // namespace kadenzo
