#include "AdoRecordset.h"

#include <sqlext.h>
#include <sqlucode.h>

#include <algorithm>

#include "AdoDataBase.h"
#include "OdbcSupport.h"

namespace kadenzo {
namespace {

// Longest text column accepted, in UTF-16 units; anything longer in a library
// table is damage, not data.
constexpr std::size_t kMaxTextUnits = std::size_t{1} << 20;

FieldKind KindOf(SQLSMALLINT sqlType) {
    switch (sqlType) {
        case SQL_BIT:
            return FieldKind::Bit;
        case SQL_TINYINT:
            return FieldKind::Byte;
        case SQL_SMALLINT:
            return FieldKind::Int16;
        case SQL_INTEGER:
            return FieldKind::Int32;
        case SQL_BIGINT:
            return FieldKind::Int64;
        case SQL_REAL:
            return FieldKind::Single;
        case SQL_FLOAT:
        case SQL_DOUBLE:
            return FieldKind::Double;
        case SQL_NUMERIC:
        case SQL_DECIMAL:
            return FieldKind::Decimal;
        case SQL_TYPE_DATE:
        case SQL_TYPE_TIME:
        case SQL_TYPE_TIMESTAMP:
        case SQL_DATE:
        case SQL_TIME:
        case SQL_TIMESTAMP:
            return FieldKind::Date;
        case SQL_CHAR:
        case SQL_VARCHAR:
        case SQL_LONGVARCHAR:
        case SQL_WCHAR:
        case SQL_WVARCHAR:
        case SQL_WLONGVARCHAR:
            return FieldKind::Text;
        default:
            return FieldKind::Other;
    }
}

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// Reads a text column in chunks; false with `error` set when the driver fails
// or the text is implausibly long.
bool ReadText(SQLHSTMT stmt, SQLUSMALLINT column, CADOField& field, CADOErrorInfo& error) {
    std::vector<SQLWCHAR> text;
    SQLWCHAR chunk[512];
    constexpr SQLLEN kChunkBytes = sizeof chunk;
    constexpr std::size_t kChunkUnits = sizeof chunk / sizeof chunk[0] - 1;  // less the NUL
    for (;;) {
        SQLLEN indicator = 0;
        const SQLRETURN rc = SQLGetData(stmt, column, SQL_C_WCHAR, chunk, kChunkBytes, &indicator);
        if (rc == SQL_NO_DATA) break;
        if (!odbc::Succeeded(rc)) {
            error = odbc::ReadDiagnostics(SQL_HANDLE_STMT, stmt, "SQLGetData");
            return false;
        }
        if (indicator == SQL_NULL_DATA) {
            field.kind = FieldKind::Null;
            return true;
        }
        const bool whole = indicator != SQL_NO_TOTAL && indicator >= 0 &&
                           static_cast<std::size_t>(indicator) / sizeof(SQLWCHAR) <= kChunkUnits;
        const std::size_t units =
            whole ? static_cast<std::size_t>(indicator) / sizeof(SQLWCHAR) : kChunkUnits;
        if (text.size() + units > kMaxTextUnits) {
            error = {"22001", 0, "CADORecordset", "text longer than 1048576 characters"};
            return false;
        }
        text.insert(text.end(), chunk, chunk + units);
        if (whole) break;
    }
    field.kind = FieldKind::Text;
    field.text = odbc::Narrow(text.data(), text.size());
    return true;
}

bool ReadScalar(SQLHSTMT stmt, SQLUSMALLINT column, SQLSMALLINT cType, void* target, SQLLEN size,
                CADOField& field, CADOErrorInfo& error) {
    SQLLEN indicator = 0;
    const SQLRETURN rc = SQLGetData(stmt, column, cType, target, size, &indicator);
    if (!odbc::Succeeded(rc)) {
        error = odbc::ReadDiagnostics(SQL_HANDLE_STMT, stmt, "SQLGetData");
        return false;
    }
    if (indicator == SQL_NULL_DATA) field.kind = FieldKind::Null;
    return true;
}

bool ReadColumn(SQLHSTMT stmt, SQLUSMALLINT column, FieldKind kind, CADOField& field,
                CADOErrorInfo& error) {
    field = {};
    field.kind = kind;
    switch (kind) {
        case FieldKind::Bit:
        case FieldKind::Byte:
        case FieldKind::Int16:
        case FieldKind::Int32: {
            // Fetched as 32 bits so that no driver truncates before the
            // 16-bit readers decide what to keep.
            SQLINTEGER value = 0;
            if (!ReadScalar(stmt, column, SQL_C_SLONG, &value, sizeof value, field, error))
                return false;
            field.integer = value;
            return true;
        }
        case FieldKind::Int64: {
            SQLBIGINT value = 0;
            if (!ReadScalar(stmt, column, SQL_C_SBIGINT, &value, sizeof value, field, error))
                return false;
            field.integer = value;
            return true;
        }
        case FieldKind::Single: {
            SQLREAL value = 0;
            if (!ReadScalar(stmt, column, SQL_C_FLOAT, &value, sizeof value, field, error))
                return false;
            field.real = value;
            return true;
        }
        case FieldKind::Double:
        case FieldKind::Decimal: {
            SQLDOUBLE value = 0;
            if (!ReadScalar(stmt, column, SQL_C_DOUBLE, &value, sizeof value, field, error))
                return false;
            field.real = value;
            return true;
        }
        case FieldKind::Date: {
            SQL_TIMESTAMP_STRUCT value{};
            if (!ReadScalar(stmt, column, SQL_C_TYPE_TIMESTAMP, &value, sizeof value, field, error))
                return false;
            field.date = {value.year, value.month,  value.day,
                          value.hour, value.minute, value.second};
            return true;
        }
        case FieldKind::Text:
            return ReadText(stmt, column, field, error);
        default:
            return true;  // binary and other kinds: nothing any reader converts
    }
}

}  // namespace

CADORecordset::CADORecordset(CADODataBase& database) : database_(&database) {
    database.Attach(this);
}

CADORecordset::~CADORecordset() {
    Close();
    if (database_) database_->Detach(this);
}

void CADORecordset::ClearError() {
    failed_ = false;
    lastError_ = {};
    lastErrorText_.clear();
}

void CADORecordset::Record(const CADOErrorInfo& error) {
    failed_ = true;
    lastError_ = error;
    lastErrorText_ = FormatRecordsetError(query_, error);
}

bool CADORecordset::Open(const std::string& query) {
    Close();
    ClearError();
    query_ = query;
    const SQLHDBC dbc = database_ ? database_->Handle() : SQL_NULL_HDBC;
    if (dbc == SQL_NULL_HDBC) {
        Record({"08003", 0, "CADORecordset", "Connection not open"});
        return false;
    }
    if (!odbc::Succeeded(SQLAllocHandle(SQL_HANDLE_STMT, dbc, &stmt_))) {
        stmt_ = SQL_NULL_HSTMT;
        Record(odbc::ReadDiagnostics(SQL_HANDLE_DBC, dbc, "SQLAllocHandle"));
        return false;
    }
    if (!Execute()) {
        Close();  // keeps the recorded error
        return false;
    }
    SQLSMALLINT count = 0;
    if (!odbc::Succeeded(SQLNumResultCols(stmt_, &count)) || count <= 0) {
        Record({"24000", 0, "CADORecordset", "The statement returned no result"});
        Close();
        return false;
    }
    for (SQLUSMALLINT i = 1; i <= static_cast<SQLUSMALLINT>(count); ++i) {
        SQLWCHAR name[256] = {};
        SQLSMALLINT nameLength = 0, type = 0, digits = 0, nullable = 0;
        SQLULEN size = 0;
        if (!odbc::Succeeded(SQLDescribeColW(stmt_, i, name, 256, &nameLength, &type, &size,
                                             &digits, &nullable))) {
            Record(odbc::ReadDiagnostics(SQL_HANDLE_STMT, stmt_, "SQLDescribeCol"));
            Close();
            return false;
        }
        const auto shown = static_cast<std::size_t>(nameLength < 0 ? 0 : nameLength);
        columns_.push_back({odbc::Narrow(name, std::min<std::size_t>(shown, 255)), type});
    }
    try {
        Fetch();
    } catch (const CADOException&) {
        Close();
        return false;
    }
    return true;
}

bool CADORecordset::Execute() {
    std::vector<SQLWCHAR> text = odbc::Widen(query_);
    const SQLRETURN rc = SQLExecDirectW(stmt_, text.data(), SQL_NTS);
    if (odbc::Succeeded(rc)) return true;
    Record(odbc::ReadDiagnostics(SQL_HANDLE_STMT, stmt_, "SQLExecDirect"));
    return false;
}

void CADORecordset::Fetch() {
    row_.clear();
    rowErrors_.clear();
    const SQLRETURN rc = SQLFetch(stmt_);
    if (rc == SQL_NO_DATA) {
        eof_ = true;
        return;
    }
    if (!odbc::Succeeded(rc)) {
        eof_ = true;
        Record(odbc::ReadDiagnostics(SQL_HANDLE_STMT, stmt_, "SQLFetch"));
        throw CADOException(lastErrorText_);
    }
    eof_ = false;
    ++rowNumber_;
    row_.resize(columns_.size());
    rowErrors_.resize(columns_.size());
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        CADOErrorInfo error;
        if (!ReadColumn(stmt_, static_cast<SQLUSMALLINT>(i + 1), KindOf(columns_[i].sqlType),
                        row_[i], error)) {
            row_[i] = {};
            rowErrors_[i] = error;
        }
    }
}

void CADORecordset::Close() {
    if (stmt_ != SQL_NULL_HSTMT) SQLFreeHandle(SQL_HANDLE_STMT, stmt_);
    stmt_ = SQL_NULL_HSTMT;
    columns_.clear();
    row_.clear();
    rowErrors_.clear();
    rowNumber_ = -1;
    eof_ = true;
}

void CADORecordset::MoveFirst() {
    ClearError();
    if (!IsOpen()) {
        Record({"24000", 0, "CADORecordset", "The result is not open"});
        throw CADOException(lastErrorText_);
    }
    if (rowNumber_ <= 0) return;  // on the first row already, or the result is empty
    SQLFreeStmt(stmt_, SQL_CLOSE);
    rowNumber_ = -1;
    if (!Execute()) {
        eof_ = true;
        throw CADOException(lastErrorText_);
    }
    Fetch();
}

void CADORecordset::MoveNext() {
    ClearError();
    if (!IsOpen() || eof_) {
        Record({"24000", 0, "CADORecordset", "Either BOF or EOF is true"});
        throw CADOException(lastErrorText_);
    }
    Fetch();
}

bool CADORecordset::IsEOF() const { return !IsOpen() || eof_; }

const CADOField* CADORecordset::Field(const std::string& column) {
    ClearError();
    if (IsEOF()) {
        Record({"24000", 0, "CADORecordset", "No current row"});
        return nullptr;
    }
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        if (!SameName(columns_[i].name, column)) continue;
        if (rowErrors_[i]) {
            Record(*rowErrors_[i]);
            return nullptr;
        }
        return &row_[i];
    }
    Record({"42S22", 0, "CADORecordset", "Column not found: " + column});
    return nullptr;
}

bool CADORecordset::Finish(FieldRead outcome, const std::string& column) {
    if (outcome == FieldRead::Failed)
        Record({"22018", 0, "CADORecordset", "Column " + column + " holds no such value"});
    return outcome == FieldRead::Ok;
}

bool CADORecordset::GetFieldValue(const std::string& column, std::string& value,
                                  const char* dateFormat) {
    value.clear();
    const CADOField* field = Field(column);
    return field && Finish(FieldAsText(*field, value, dateFormat), column);
}

bool CADORecordset::GetFieldValue(const std::string& column, std::int16_t& value) {
    value = 0;
    const CADOField* field = Field(column);
    std::int32_t wide = 0;
    const bool ok = field && Finish(FieldAsInt16(*field, wide), column);
    value = static_cast<std::int16_t>(wide);
    return ok;
}

bool CADORecordset::GetFieldValue(const std::string& column, std::int32_t& value) {
    value = 0;
    const CADOField* field = Field(column);
    return field && Finish(FieldAsInt32(*field, value), column);
}

bool CADORecordset::GetFieldValue(const std::string& column, double& value) {
    value = 0;
    const CADOField* field = Field(column);
    return field && Finish(FieldAsDouble(*field, value), column);
}

}  // namespace kadenzo
