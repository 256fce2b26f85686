#pragma once
// Helpers shared by the ODBC wrappers: text between the core's Windows-1252
// bytes and the UTF-16 of the wide-character ODBC calls, and diagnostics.

#include <sql.h>

#include <string>
#include <string_view>
#include <vector>

#include "AdoError.h"

namespace kadenzo::odbc {

// Windows-1252 bytes to a NUL-terminated UTF-16 buffer.
std::vector<SQLWCHAR> Widen(std::string_view bytes);
// UTF-16 code units to Windows-1252 bytes; characters it cannot hold become '?'.
std::string Narrow(const SQLWCHAR* units, std::size_t count);

// The diagnostic records of a handle after a failed call. Without any record
// (or without a handle) the SQLSTATE is HY000 and the description names `call`.
CADOErrorInfo ReadDiagnostics(SQLSMALLINT handleType, SQLHANDLE handle, const char* call);

inline bool Succeeded(SQLRETURN rc) { return rc == SQL_SUCCESS || rc == SQL_SUCCESS_WITH_INFO; }

}  // namespace kadenzo::odbc
