#include "AdoError.h"

#include <cstdio>
#include <string_view>

namespace kadenzo {
namespace {

struct StateMeaning {
    std::string_view state;
    const char* meaning;
};

// The SQLSTATEs an import can meet, with their meanings from the ODBC
// reference.
constexpr StateMeaning kStateMeanings[] = {
    {"01000", "General warning"},
    {"01004", "String data, right truncated"},
    {"07009", "Invalid descriptor index"},
    {"08001", "Client unable to establish connection"},
    {"08004", "Server rejected the connection"},
    {"08S01", "Communication link failure"},
    {"22003", "Numeric value out of range"},
    {"22007", "Invalid datetime format"},
    {"22018", "Invalid character value for cast"},
    {"24000", "Invalid cursor state"},
    {"28000", "Invalid user name or password"},
    {"42000", "Syntax error or access violation"},
    {"42S01", "Base table or view already exists"},
    {"42S02", "Base table or view not found"},
    {"42S22", "Column not found"},
    {"HY000", "General error"},
    {"HY001", "Memory allocation error"},
    {"HY010", "Function sequence error"},
    {"HYT00", "Timeout expired"},
    {"IM002", "Data source name not found and no default driver specified"},
    {"IM003", "Specified driver could not be loaded"},
};

std::string FormatError(const char* header, const std::string& subject, const char* title,
                        const CADOErrorInfo& error) {
    char code[32];
    std::snprintf(code, sizeof code, "%08lx", static_cast<unsigned long>(error.nativeCode));
    std::string text = header;
    text += subject;
    text += '\n';
    text += title;
    text += " Error\n\tCode = ";
    if (!error.sqlState.empty()) text += error.sqlState + ' ';
    text += code;
    text += "\n\tCode meaning = " + ErrorCodeMeaning(error);
    text += "\n\tSource = " + error.source;
    text += "\n\tDescription = " + error.description + '\n';
    return text;
}

}  // namespace

std::string ErrorCodeMeaning(const CADOErrorInfo& error) {
    for (const StateMeaning& m : kStateMeanings)
        if (m.state == error.sqlState) return m.meaning;
    const auto code = static_cast<unsigned long>(error.nativeCode) & 0xFFFFFFFFul;
    char text[64];
    if (code >= 0x80040200ul && code < 0x80050000ul)
        std::snprintf(text, sizeof text, "IDispatch error #%d",
                      static_cast<int>(code - 0x80040200ul));
    else
        std::snprintf(text, sizeof text, "Unknown error 0x%0lX", code);
    return text;
}

std::string FormatConnectionError(const std::string& connectionString, const CADOErrorInfo& error) {
    return FormatError("Connection String = ", connectionString, "CADODataBase", error);
}

std::string FormatRecordsetError(const std::string& query, const CADOErrorInfo& error) {
    return FormatError("Query = ", query, "CADORecordset", error);
}

}  // namespace kadenzo
