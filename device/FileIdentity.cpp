#include "FileIdentity.h"

#include <filesystem>
#include <fstream>
#include <functional>

#include "FitReader.h"

namespace kadenzo {

std::optional<FileIdentity> IdentifyFile(const std::string& path, bool fit) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) return std::nullopt;
    FileIdentity identity{size, std::nullopt};
    if (!fit) return identity;
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::string head(kFitHeadBytes, '\0');
    file.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(file.gcount()));
    identity.fitId = ReadFitFileId(head);
    return identity;
}

FileIdentity IdentityOf(std::string_view bytes, bool fit) {
    FileIdentity identity{bytes.size(), std::nullopt};
    if (fit) identity.fitId = ReadFitFileId(bytes.substr(0, kFitHeadBytes));
    return identity;
}

std::uint64_t ContentHash(std::string_view bytes) { return std::hash<std::string_view>{}(bytes); }

}  // namespace kadenzo
