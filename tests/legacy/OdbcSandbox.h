#pragma once
// A private ODBC configuration for the test program: a temporary folder with
// its own odbcinst.ini (the SQLite ODBC driver) and odbc.ini (user data
// sources), selected through ODBCSYSINI and ODBCINI, so no test reads or
// writes the machine's configuration.
//
// unixODBC remembers the configuration paths for the life of the process and
// caches entries it has read for 20 seconds, so there is one sandbox per
// process and every test registers a data source of its own name.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "AdoDataBase.h"

namespace kadenzo::test {

inline constexpr const char* kSqliteOdbcDriver = "/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so";

class OdbcSandbox {
public:
    // The process's sandbox, created (and the environment set) on first use.
    static OdbcSandbox& Get();

    // Registers a user data source on a new SQLite database file; returns its
    // name, new in this process.
    std::string AddDataSource();
    std::filesystem::path DatabaseFile(const std::string& name) const;
    const std::filesystem::path& Folder() const { return folder_; }
    // The user's data sources (ODBCINI); the system's odbc.ini sits in the
    // same folder as odbcinst.ini (ODBCSYSINI).
    std::filesystem::path UserIni() const { return folder_ / "user-odbc.ini"; }
    std::filesystem::path SystemIni() const { return folder_ / "odbc.ini"; }
    static std::string ReadText(const std::filesystem::path& file);
    void RemoveFolder();

private:
    OdbcSandbox();
    // Rewrites the user's odbc.ini with every registered source.
    void WriteUserIni() const;

    std::filesystem::path folder_;
    std::vector<std::string> sources_;
};

// A test on a data source of its own, open in db.
class OdbcTest : public ::testing::Test {
protected:
    void SetUp() override {
        source = OdbcSandbox::Get().AddDataSource();
        ASSERT_TRUE(db.Open("DSN=" + source)) << db.GetLastErrorString();
    }
    void Exec(const std::string& statement) {
        ASSERT_TRUE(db.Execute(statement)) << db.GetLastErrorString();
    }

    std::string source;
    CADODataBase db;
};

}  // namespace kadenzo::test
