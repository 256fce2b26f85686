#include "TextFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <type_traits>
#include <vector>

#include "Formats.h"

namespace kadenzo {
namespace {

constexpr int kMaxWidth = 256;

bool IsFormatDigit(char c) { return c >= '0' && c <= '9'; }

long long SaturatedInteger(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 9.2e18) return std::numeric_limits<long long>::max();
    if (value <= -9.2e18) return std::numeric_limits<long long>::min();
    return static_cast<long long>(value);
}

template <typename T>
std::string Print(const std::string& directive, T value) {
    char buffer[512];
    int length = std::snprintf(buffer, sizeof buffer, directive.c_str(), value);
    if (length < 0) return {};
    std::string printed;
    if (static_cast<std::size_t>(length) < sizeof buffer) {
        printed.assign(buffer, static_cast<std::size_t>(length));
    } else {
        std::vector<char> large(static_cast<std::size_t>(length) + 1);
        std::snprintf(large.data(), large.size(), directive.c_str(), value);
        printed.assign(large.data(), static_cast<std::size_t>(length));
    }
    // Figures show a '.' whatever the locale the program runs in.
    if constexpr (std::is_floating_point_v<T>) return WithPointDecimal(std::move(printed));
    return printed;
}

}  // namespace

std::optional<long long> FormatArg::AsInteger() const {
    switch (kind_) {
        case Kind::kInteger:
            return integer_;
        case Kind::kReal:
            return SaturatedInteger(real_);
        case Kind::kText: {
            long long value = 0;
            const auto [end, error] =
                std::from_chars(text_.data(), text_.data() + text_.size(), value);
            if (error != std::errc() || end != text_.data() + text_.size()) return std::nullopt;
            return value;
        }
        default:
            return std::nullopt;
    }
}

std::optional<double> FormatArg::AsReal() const {
    switch (kind_) {
        case Kind::kInteger:
            return static_cast<double>(integer_);
        case Kind::kReal:
            return real_;
        case Kind::kText: {
            double value = 0.0;
            const auto [end, error] =
                std::from_chars(text_.data(), text_.data() + text_.size(), value);
            if (error != std::errc() || end != text_.data() + text_.size()) return std::nullopt;
            return value;
        }
        default:
            return std::nullopt;
    }
}

std::string FormatArg::AsText() const {
    switch (kind_) {
        case Kind::kInteger:
            return std::to_string(integer_);
        case Kind::kReal:
            return Print(std::string("%g"), real_);
        default:
            return text_;
    }
}

std::string FormatText(std::string_view format, std::span<const FormatArg> args) {
    static const FormatArg kMissingInteger(0);
    std::string out;
    auto nextArg = args.begin();
    auto take = [&]() -> const FormatArg* { return nextArg == args.end() ? nullptr : &*nextArg++; };

    std::size_t i = 0;
    while (i < format.size()) {
        char c = format[i];
        if (c != '%') {
            out.push_back(c);
            ++i;
            continue;
        }
        std::size_t start = i++;
        std::string flags;
        while (i < format.size() &&
               std::string_view("-+ #0").find(format[i]) != std::string_view::npos)
            flags.push_back(format[i++]);
        int width = 0;
        while (i < format.size() && IsFormatDigit(format[i]))
            width = std::min(width * 10 + (format[i++] - '0'), kMaxWidth);
        int precision = -1;
        if (i < format.size() && format[i] == '.') {
            ++i;
            precision = 0;
            while (i < format.size() && IsFormatDigit(format[i]))
                precision = std::min(precision * 10 + (format[i++] - '0'), kMaxWidth);
        }
        // Length modifiers, including the Windows "I64" form, say nothing here.
        while (i < format.size() &&
               std::string_view("hlLqjzt").find(format[i]) != std::string_view::npos)
            ++i;
        if (i < format.size() && format[i] == 'I') {
            ++i;
            if (format.substr(i, 2) == "64" || format.substr(i, 2) == "32") i += 2;
        }
        if (i >= format.size()) {
            out.append(format.substr(start));
            break;
        }
        char conversion = format[i++];
        std::string directive = "%";
        directive += flags;
        if (width > 0) directive += std::to_string(width);
        if (precision >= 0) {
            directive += '.';
            directive += std::to_string(precision);
        }

        auto next = [&]() -> const FormatArg& {
            const FormatArg* arg = take();
            return arg ? *arg : kMissingInteger;
        };
        switch (conversion) {
            case '%':
                out.push_back('%');
                break;
            case 'd':
            case 'i':
                if (const auto value = next().AsInteger()) out += Print(directive + "lld", *value);
                break;
            case 'u':
            case 'x':
            case 'X':
            case 'o':
                if (const auto value = next().AsInteger())
                    out += Print(directive + "ll" + conversion,
                                 static_cast<unsigned long long>(*value));
                break;
            case 'c':
                if (const auto value = next().AsInteger())
                    out += Print(directive + "c",
                                 static_cast<int>(static_cast<unsigned char>(*value)));
                break;
            case 'f':
            case 'F':
            case 'e':
            case 'E':
            case 'g':
            case 'G':
            case 'a':
            case 'A':
                if (const auto value = next().AsReal())
                    out += Print(directive + conversion, *value);
                break;
            case 's':
            case 'S': {
                const FormatArg* arg = take();
                out += Print(directive + "s", (arg ? arg->AsText() : std::string()).c_str());
                break;
            }
            default:
                // Not a conversion this formatter honours ("%n", "*"): kept as text.
                out.append(format.substr(start, i - start));
                break;
        }
    }
    return out;
}

}  // namespace kadenzo
