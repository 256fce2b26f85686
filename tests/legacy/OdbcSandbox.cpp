#include "OdbcSandbox.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace kadenzo::test {
namespace {

class SandboxCleanup : public ::testing::Environment {
public:
    void TearDown() override { OdbcSandbox::Get().RemoveFolder(); }
};

[[maybe_unused]] ::testing::Environment* const kCleanup =
    ::testing::AddGlobalTestEnvironment(new SandboxCleanup);

}  // namespace

OdbcSandbox& OdbcSandbox::Get() {
    static OdbcSandbox sandbox;
    return sandbox;
}

OdbcSandbox::OdbcSandbox() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kadenzo-odbc-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
    folder_ = pattern;
    std::ofstream(folder_ / "odbcinst.ini") << "[SQLite3]\nDriver=" << kSqliteOdbcDriver << "\n";
    WriteUserIni();
    setenv("ODBCSYSINI", folder_.c_str(), 1);
    setenv("ODBCINI", UserIni().c_str(), 1);
}

void OdbcSandbox::RemoveFolder() {
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
}

std::filesystem::path OdbcSandbox::DatabaseFile(const std::string& name) const {
    return folder_ / (name + ".sqlite");
}

std::string OdbcSandbox::AddDataSource() {
    // Data source names are limited to 32 characters.
    std::string name = "Source" + std::to_string(sources_.size() + 1);
    sources_.push_back(name);
    WriteUserIni();
    return name;
}

void OdbcSandbox::WriteUserIni() const {
    std::ofstream out(UserIni(), std::ios::trunc);
    out << "[ODBC Data Sources]\n";
    for (const std::string& name : sources_) out << name << "=SQLite3\n";
    for (const std::string& name : sources_)
        out << "\n[" << name
            << "]\nDriver=SQLite3\nSyncPragma=OFF\nDatabase=" << DatabaseFile(name).string()
            << "\n";
}

std::string OdbcSandbox::ReadText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace kadenzo::test
