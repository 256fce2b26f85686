#include "PlannedText.h"

#include <cmath>
#include <vector>

#include "FigureText.h"
#include "Formats.h"

namespace kadenzo {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Letters of Windows-1252 text: ASCII letters and every byte above 0x7F.
bool IsLetter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || byte >= 0x80;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsBlank(std::string_view text) {
    for (char c : text)
        if (c != ' ' && c != '\t') return false;
    return true;
}

// Whether the label stands in the text as a word: ASCII letter case ignored,
// no letter directly before or after it.
bool ContainsWord(std::string_view text, std::string_view label) {
    if (label.empty() || label.size() > text.size()) return false;
    for (std::size_t at = 0; at + label.size() <= text.size(); ++at) {
        bool same = true;
        for (std::size_t i = 0; i < label.size() && same; ++i)
            same = Lower(text[at + i]) == Lower(label[i]);
        if (!same) continue;
        const bool letterBefore = at > 0 && IsLetter(text[at - 1]);
        const std::size_t after = at + label.size();
        const bool letterAfter = after < text.size() && IsLetter(text[after]);
        if (!letterBefore && !letterAfter) return true;
    }
    return false;
}

std::vector<std::string> SplitPieces(std::string_view text) {
    std::vector<std::string> pieces(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        std::string& piece = pieces.back();
        const bool decimalComma = c == ',' && i > 0 && i + 1 < text.size() &&
                                  IsDigit(text[i - 1]) && IsDigit(text[i + 1]) &&
                                  piece.find(':') == std::string::npos;
        if (c == ',' && !decimalComma)
            pieces.emplace_back();
        else
            piece += decimalComma ? '.' : c;
    }
    return pieces;
}

double NotNegative(double value) { return std::isfinite(value) && value > 0 ? value : 0; }

// Whether the piece starts, after blanks, with a number or a clock time
// (":30" reads as half an hour): "abc" or "km 5" would otherwise read as 0
// and wipe what was planned.
bool StartsWithNumber(std::string_view piece) {
    std::size_t used = 0;
    ParseLeadingNumber(piece, &used);
    if (used > 0) return true;
    std::size_t p = 0;
    while (p < piece.size() && (piece[p] == ' ' || piece[p] == '\t')) ++p;
    return p + 1 < piece.size() && piece[p] == ':' && IsDigit(piece[p + 1]);
}

// Calls take(isDistance, value, readable) for each piece that is not blank,
// in order: a piece naming the distance unit with its number (in the user's
// unit), any other with its duration in minutes; readable is false for a
// piece that does not start with a number.
template <class Take>
void ForEachPiece(std::string_view text, const UnitSettings& units, const StringTable& texts,
                  Take take) {
    const std::string label = UnitLabel(kUnitDistance, units, texts);
    for (const std::string& piece : SplitPieces(text)) {
        if (IsBlank(piece)) continue;
        const bool readable = StartsWithNumber(piece);
        if (ContainsWord(piece, label))
            take(true, ParseLeadingNumber(piece), readable);
        else
            take(false, ParseDuration(piece), readable);
    }
}

}  // namespace

std::string FormatPlannedText(const PlannedValues& planned, const UnitSettings& units,
                              const StringTable& texts) {
    std::string text;
    if (planned.duration != 0) text = FormatDuration(planned.duration, false);
    if (planned.distance != 0) {
        if (!text.empty()) text += ", ";
        text += FormatFixed(ToDisplay(planned.distance, kUnitDistance, units), 1) +
                UnitLabel(kUnitDistance, units, texts);
    }
    return text;
}

PlannedValues ParsePlannedText(std::string_view text, const UnitSettings& units,
                               const StringTable& texts) {
    PlannedValues planned;
    ForEachPiece(text, units, texts, [&](bool isDistance, double value, bool) {
        if (isDistance)
            planned.distance =
                NotNegative(CutToHundredths(FromDisplay(value, kUnitDistance, units)));
        else
            planned.duration = NotNegative(value);
    });
    return planned;
}

std::optional<FieldRange> RefusedPlannedPiece(std::string_view text, const UnitSettings& units,
                                              const StringTable& texts) {
    std::optional<FieldRange> refused;
    ForEachPiece(text, units, texts, [&](bool isDistance, double value, bool readable) {
        const FieldRange& range = isDistance ? kPlannedDistanceRange : kPlannedDurationRange;
        if (!refused && (!readable || !range.Holds(value))) refused = range;
    });
    return refused;
}

}  // namespace kadenzo
