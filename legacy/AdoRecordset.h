#pragma once

#include <sql.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "AdoError.h"
#include "AdoField.h"

namespace kadenzo {

class CADODataBase;

// A query result on a CADODataBase, read row by row. Each move fetches the
// whole row into memory, so columns can be read by name in any order whatever
// the driver allows.
class CADORecordset {
public:
    explicit CADORecordset(CADODataBase& database);
    ~CADORecordset();
    CADORecordset(const CADORecordset&) = delete;
    CADORecordset& operator=(const CADORecordset&) = delete;

    // Closes a previous result, then runs the query. True when a result with
    // columns exists; the first row is then current.
    bool Open(const std::string& query);
    void Close();
    bool IsOpen() const { return stmt_ != SQL_NULL_HSTMT; }

    // Row movement is not guarded: a failure throws CADOException (after
    // recording the error text), as does moving without an open result.
    void MoveFirst();
    void MoveNext();
    bool IsEOF() const;

    // The named column of the current row (names compare case-insensitively).
    // False when the column holds no value of the asked kind, or when the read
    // failed; only a failure records an error (HasError()).
    bool GetFieldValue(const std::string& column, std::string& value,
                       const char* dateFormat = kDefaultDateFormat);
    // 16-bit, yes/no and byte columns, sign-extended from 16 bits.
    bool GetFieldValue(const std::string& column, std::int16_t& value);
    bool GetFieldValue(const std::string& column, std::int32_t& value);
    bool GetFieldValue(const std::string& column, double& value);

    // Whether the last call failed with an error (not a mere kind mismatch).
    bool HasError() const { return failed_; }
    const std::string& GetLastErrorString() const { return lastErrorText_; }
    long GetLastError() const { return lastError_.nativeCode; }
    const std::string& GetLastSqlState() const { return lastError_.sqlState; }

private:
    friend class CADODataBase;

    struct Column {
        std::string name;
        SQLSMALLINT sqlType = 0;
    };

    void Record(const CADOErrorInfo& error);
    void ClearError();
    bool Execute();
    void Fetch();
    // The column's value in the current row, or null after recording why not.
    const CADOField* Field(const std::string& column);
    bool Finish(FieldRead outcome, const std::string& column);

    CADODataBase* database_;  // null once the connection object is gone
    SQLHSTMT stmt_ = SQL_NULL_HSTMT;
    std::string query_;
    std::vector<Column> columns_;
    std::vector<CADOField> row_;
    // Per column of the current row: the error of a failed fetch.
    std::vector<std::optional<CADOErrorInfo>> rowErrors_;
    long rowNumber_ = -1;  // 0 for the first row; -1 before it
    bool eof_ = true;
    bool failed_ = false;
    CADOErrorInfo lastError_;
    std::string lastErrorText_;
};

}  // namespace kadenzo
