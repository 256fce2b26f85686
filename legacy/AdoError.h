#pragma once

#include <stdexcept>
#include <string>

namespace kadenzo {

// What the driver manager or driver reported about a failed call: the SQLSTATE
// and native code of its first diagnostic record, the component that raised
// it ("[unixODBC][Driver Manager]") and the messages of all records.
struct CADOErrorInfo {
    std::string sqlState;
    long nativeCode = 0;
    std::string source;
    std::string description;
};

// The readable meaning of the code: the ODBC meaning of a known SQLSTATE, else
// the old "IDispatch error #n" / "Unknown error 0xN" texts for the native code.
std::string ErrorCodeMeaning(const CADOErrorInfo& error);

// "Connection String = ...\nCADODataBase Error\n\tCode = ..." as the old
// access layer recorded it; the code is the SQLSTATE and the native code.
std::string FormatConnectionError(const std::string& connectionString, const CADOErrorInfo& error);
// "Query = ...\nCADORecordset Error\n\tCode = ...".
std::string FormatRecordsetError(const std::string& query, const CADOErrorInfo& error);

// Raised by row movements, which the access layer does not guard.
class CADOException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace kadenzo
