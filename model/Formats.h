#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kadenzo {

struct DateParts;

// Numbers read and written here use '.' whatever locale the process runs in.

// "h:mm" or "h:mm:ss" of a duration in minutes, taken to the nearest
// millisecond; what is shorter than the last unit shown is dropped, not
// rounded (a whole number of seconds always shows as itself). A negative
// duration shows with a minus sign before the hours.
std::string FormatDuration(double minutes, bool withSeconds);
// The whole minutes a duration shows: taken to the nearest millisecond first,
// so a sum such as 119.99999999999999 shows as the 120 it stands for.
long long ShownMinutes(double minutes);
// Minutes from "90", "90.5", "1:30" or "1:30:30"; text without a number gives 0.
double ParseDuration(std::string_view text);
// The leading number of a text as strtod reads it in the "C" locale (white
// space, sign, digits, '.', exponent); 0 and *used = 0 when there is none.
double ParseLeadingNumber(std::string_view text, std::size_t* used = nullptr);
// value with `decimals` (0 to 20) digits after a '.', rounded as printf
// rounds; "0" for what is not a finite number.
std::string FormatFixed(double value, int decimals);
// Text printed by the C library with the locale's decimal point, with '.'
// in its place.
std::string WithPointDecimal(std::string printed);
// floor(value * 10^decimals) / 10^decimals, where a value that is a number of
// that many decimals in all but its binary form (10.12) stays that number.
double RoundDown(double value, int decimals);
// "dd.mm.yyyy".
std::string FormatDate(int day, int month, int year);
// "dd.mm.yyyy" of a calendar date (the time of day is not shown).
std::string FormatDate(const DateParts& date);
// The same form spelt for a Qt date picker, so that a picker shows dates as
// every other place does.
inline constexpr char kDatePickerFormat[] = "dd.MM.yyyy";
// Replaces each "," between two digits by "." so that "12,5" reads as 12.5.
std::string NormaliseDecimalComma(std::string text);
// Darker (percent >= 1) or lighter (percent <= 0) shade of a 0x00BBGGRR colour;
// the top byte is kept.
std::uint32_t ShadeColour(std::uint32_t colour, int percent);

}  // namespace kadenzo
