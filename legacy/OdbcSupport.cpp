#include "OdbcSupport.h"

#include <sqlext.h>
#include <sqlucode.h>

#include <algorithm>
#include <array>

#include "Cp1252.h"

namespace kadenzo::odbc {
namespace {

static_assert(sizeof(SQLWCHAR) == 2, "the wide ODBC calls are expected to use UTF-16");

// Every Windows-1252 byte maps to one character of the Basic Multilingual
// Plane, so each becomes exactly one UTF-16 unit.
std::array<char16_t, 256> MakeByteTable() {
    std::array<char16_t, 256> table{};
    for (int b = 0; b < 256; ++b) {
        const std::string utf8 = Cp1252ToUtf8(std::string(1, static_cast<char>(b)));
        const auto* u = reinterpret_cast<const unsigned char*>(utf8.data());
        char32_t cp = u[0];
        if (utf8.size() == 2) cp = ((u[0] & 0x1Fu) << 6) | (u[1] & 0x3Fu);
        if (utf8.size() == 3) cp = ((u[0] & 0x0Fu) << 12) | ((u[1] & 0x3Fu) << 6) | (u[2] & 0x3Fu);
        table[static_cast<std::size_t>(b)] = static_cast<char16_t>(cp);
    }
    return table;
}

// "[vendor][component]message" split into the bracketed part and the message.
void SplitMessage(const std::string& message, std::string& source, std::string& text) {
    std::size_t end = 0;
    while (end < message.size() && message[end] == '[') {
        const std::size_t close = message.find(']', end);
        if (close == std::string::npos) break;
        end = close + 1;
    }
    source = message.substr(0, end);
    text = message.substr(end);
}

}  // namespace

std::vector<SQLWCHAR> Widen(std::string_view bytes) {
    static const std::array<char16_t, 256> table = MakeByteTable();
    std::vector<SQLWCHAR> out;
    out.reserve(bytes.size() + 1);
    for (char c : bytes) out.push_back(table[static_cast<unsigned char>(c)]);
    out.push_back(0);
    return out;
}

std::string Narrow(const SQLWCHAR* units, std::size_t count) {
    std::string out;
    out.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const auto unit = static_cast<char16_t>(units[i]);
        const bool pair = unit >= 0xD800 && unit < 0xDC00 && i + 1 < count &&
                          units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000;
        if (pair) ++i;  // a character beyond the BMP has no Windows-1252 byte
        out += pair ? '?' : Utf16UnitToCp1252(unit);
    }
    return out;
}

CADOErrorInfo ReadDiagnostics(SQLSMALLINT handleType, SQLHANDLE handle, const char* call) {
    CADOErrorInfo info;
    constexpr SQLSMALLINT kMaxRecords = 16;
    for (SQLSMALLINT record = 1; handle != SQL_NULL_HANDLE && record <= kMaxRecords; ++record) {
        SQLWCHAR state[6] = {};
        SQLINTEGER native = 0;
        std::vector<SQLWCHAR> message(1024);
        SQLSMALLINT length = 0;
        SQLRETURN rc = SQLGetDiagRecW(handleType, handle, record, state, &native, message.data(),
                                      static_cast<SQLSMALLINT>(message.size()), &length);
        if (rc == SQL_SUCCESS_WITH_INFO && length >= static_cast<SQLSMALLINT>(message.size())) {
            message.resize(static_cast<std::size_t>(length) + 1);
            rc = SQLGetDiagRecW(handleType, handle, record, state, &native, message.data(),
                                static_cast<SQLSMALLINT>(message.size()), &length);
        }
        if (!Succeeded(rc)) break;
        const std::size_t shown = std::min<std::size_t>(
            static_cast<std::size_t>(length < 0 ? 0 : length), message.size() - 1);
        std::string source, text;
        SplitMessage(Narrow(message.data(), shown), source, text);
        if (record == 1) {
            std::size_t stateLength = 0;
            while (stateLength < 5 && state[stateLength] != 0) ++stateLength;
            info.sqlState = Narrow(state, stateLength);
            info.nativeCode = native;
            info.source = source;
            info.description = text;
        } else {
            info.description += "; " + text;
        }
    }
    if (info.sqlState.empty()) {
        info.sqlState = "HY000";
        info.description = std::string(call) + " failed without a diagnostic record";
    }
    return info;
}

}  // namespace kadenzo::odbc
