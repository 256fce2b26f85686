#pragma once

#include <sql.h>

#include <string>
#include <vector>

#include "AdoError.h"

namespace kadenzo {

// A connection to an ODBC data source, with the interface of the old data
// access wrapper. Failures return false and leave the error text and code in
// the object; nothing is shown to the user.
class CADORecordset;

class CADODataBase {
public:
    CADODataBase() = default;
    ~CADODataBase();
    CADODataBase(const CADODataBase&) = delete;
    CADODataBase& operator=(const CADODataBase&) = delete;

    // Closes an open connection first. The string is an ODBC connection string
    // ("DSN=KadenzoDB"); it is never completed by prompting.
    bool Open(const std::string& connectionString);
    // Runs a statement that returns no rows.
    bool Execute(const std::string& statement);
    void Close();
    bool IsOpen() const { return connected_; }

    // The text recorded by the last failure, "" when there was none.
    const std::string& GetLastErrorString() const { return lastErrorText_; }
    // The native code of the last failure and its SQLSTATE.
    long GetLastError() const { return lastError_.nativeCode; }
    const std::string& GetLastSqlState() const { return lastError_.sqlState; }

    // For CADORecordset: the connection handle, or null when not open.
    SQLHDBC Handle() const { return connected_ ? dbc_ : SQL_NULL_HDBC; }
    const std::string& ConnectionString() const { return connectionString_; }

private:
    friend class CADORecordset;
    // Results on this connection; Close() closes them before disconnecting so
    // that none keeps a statement the driver manager has freed.
    void Attach(CADORecordset* recordset);
    void Detach(CADORecordset* recordset);

    void Record(const CADOErrorInfo& error);
    void FreeHandles();

    SQLHENV env_ = SQL_NULL_HENV;
    SQLHDBC dbc_ = SQL_NULL_HDBC;
    bool connected_ = false;
    std::string connectionString_;
    CADOErrorInfo lastError_;
    std::string lastErrorText_;
    std::vector<CADORecordset*> recordsets_;
};

}  // namespace kadenzo
