#pragma once
// Helpers for the benchmarks that read generated recordings from disk.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace kadenzo::bench {

inline constexpr int kDaySeconds = 86400;

// Appends the low `bytes` bytes of value, least significant first.
inline void PutLe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A generated file in the temporary folder for the life of the benchmark program.
class TempFile {
public:
    TempFile(const std::string& name, const std::string& bytes)
        : path_(std::filesystem::temp_directory_path() / name) {
        std::ofstream(path_, std::ios::binary) << bytes;
    }
    ~TempFile() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    std::string path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

}  // namespace kadenzo::bench
