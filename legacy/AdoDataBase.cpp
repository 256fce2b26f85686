#include "AdoDataBase.h"

#include <langinfo.h>
#include <sqlext.h>

#include <algorithm>
#include <clocale>
#include <cstring>

#include "AdoRecordset.h"
#include "OdbcSupport.h"

namespace kadenzo {

namespace {

// unixODBC converts the wide calls for a driver without wide entry points
// (SQLite ODBC, MDB Tools) to the character set of the locale in force when
// the connection is set up, and narrows byte by byte under the "C" locale,
// which mangles every umlaut. Such drivers speak UTF-8, so the connection is
// set up under a UTF-8 character type and the previous one is restored.
class Utf8CtypeScope {
public:
    Utf8CtypeScope() {
        const char* current = std::setlocale(LC_CTYPE, nullptr);
        if (!current || std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0) return;
        saved_ = current;
        for (const char* name : {"C.UTF-8", "C.utf8", "en_US.UTF-8"}) {
            if (std::setlocale(LC_CTYPE, name)) {
                changed_ = true;
                return;
            }
        }
    }
    ~Utf8CtypeScope() {
        if (changed_) std::setlocale(LC_CTYPE, saved_.c_str());
    }
    Utf8CtypeScope(const Utf8CtypeScope&) = delete;
    Utf8CtypeScope& operator=(const Utf8CtypeScope&) = delete;

private:
    std::string saved_;
    bool changed_ = false;
};

}  // namespace

CADODataBase::~CADODataBase() {
    Close();
    for (CADORecordset* recordset : recordsets_) recordset->database_ = nullptr;
}

void CADODataBase::Attach(CADORecordset* recordset) { recordsets_.push_back(recordset); }

void CADODataBase::Detach(CADORecordset* recordset) {
    recordsets_.erase(std::remove(recordsets_.begin(), recordsets_.end(), recordset),
                      recordsets_.end());
}

void CADODataBase::Record(const CADOErrorInfo& error) {
    lastError_ = error;
    lastErrorText_ = FormatConnectionError(connectionString_, error);
}

void CADODataBase::FreeHandles() {
    if (dbc_ != SQL_NULL_HDBC) SQLFreeHandle(SQL_HANDLE_DBC, dbc_);
    if (env_ != SQL_NULL_HENV) SQLFreeHandle(SQL_HANDLE_ENV, env_);
    dbc_ = SQL_NULL_HDBC;
    env_ = SQL_NULL_HENV;
}

bool CADODataBase::Open(const std::string& connectionString) {
    Close();
    connectionString_ = connectionString;
    lastError_ = {};
    lastErrorText_.clear();
    const Utf8CtypeScope utf8;

    if (!odbc::Succeeded(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env_))) {
        env_ = SQL_NULL_HENV;
        Record(odbc::ReadDiagnostics(SQL_HANDLE_ENV, SQL_NULL_HANDLE, "SQLAllocHandle"));
        return false;
    }
    SQLRETURN rc =
        SQLSetEnvAttr(env_, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    if (odbc::Succeeded(rc)) rc = SQLAllocHandle(SQL_HANDLE_DBC, env_, &dbc_);
    if (!odbc::Succeeded(rc)) {
        dbc_ = SQL_NULL_HDBC;
        Record(odbc::ReadDiagnostics(SQL_HANDLE_ENV, env_, "SQLAllocHandle"));
        FreeHandles();
        return false;
    }

    std::vector<SQLWCHAR> text = odbc::Widen(connectionString);
    rc = SQLDriverConnectW(dbc_, nullptr, text.data(), SQL_NTS, nullptr, 0, nullptr,
                           SQL_DRIVER_NOPROMPT);
    if (!odbc::Succeeded(rc)) {
        Record(odbc::ReadDiagnostics(SQL_HANDLE_DBC, dbc_, "SQLDriverConnect"));
        FreeHandles();
        return false;
    }
    connected_ = true;
    return true;
}

bool CADODataBase::Execute(const std::string& statement) {
    lastError_ = {};
    lastErrorText_.clear();
    if (!connected_) {
        Record({"08003", 0, "", "Connection not open"});
        return false;
    }
    SQLHSTMT stmt = SQL_NULL_HSTMT;
    if (!odbc::Succeeded(SQLAllocHandle(SQL_HANDLE_STMT, dbc_, &stmt))) {
        Record(odbc::ReadDiagnostics(SQL_HANDLE_DBC, dbc_, "SQLAllocHandle"));
        return false;
    }
    std::vector<SQLWCHAR> text = odbc::Widen(statement);
    const SQLRETURN rc = SQLExecDirectW(stmt, text.data(), SQL_NTS);
    // SQL_NO_DATA: a searched statement that touched no row.
    const bool ok = odbc::Succeeded(rc) || rc == SQL_NO_DATA;
    if (!ok) Record(odbc::ReadDiagnostics(SQL_HANDLE_STMT, stmt, "SQLExecDirect"));
    SQLFreeHandle(SQL_HANDLE_STMT, stmt);
    return ok;
}

void CADODataBase::Close() {
    for (CADORecordset* recordset : recordsets_) recordset->Close();
    if (connected_) SQLDisconnect(dbc_);
    connected_ = false;
    FreeHandles();
}

}  // namespace kadenzo
