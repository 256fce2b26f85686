#include "DocumentFile.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "Database.h"
#include "Library.h"

namespace kadenzo {

namespace {

// Reads bytes owned by someone else (a file image, an undo snapshot) without copying.
class ByteView : public ByteStream {
public:
    explicit ByteView(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
    std::size_t Read(void* data, std::size_t size) override {
        std::size_t n = std::min(size, bytes_.size() - position_);
        if (n > 0) std::memcpy(data, bytes_.data() + position_, n);
        position_ += n;
        return n;
    }
    void Write(const void*, std::size_t) override {
        throw ArchiveError("the stream is read-only", position_);
    }
    std::uint64_t Remaining() const override { return bytes_.size() - position_; }
    std::span<const std::uint8_t> TakeContiguous() override {
        const std::span<const std::uint8_t> rest(bytes_.data() + position_,
                                                 bytes_.size() - position_);
        position_ = bytes_.size();
        return rest;
    }

private:
    const std::vector<std::uint8_t>& bytes_;
    std::size_t position_ = 0;
};

bool StartsWithMagic(const std::uint8_t* bytes, std::size_t size) {
    return size >= kDocumentMagic.size() &&
           std::memcmp(bytes, kDocumentMagic.data(), kDocumentMagic.size()) == 0;
}

DocumentContents ReadDocumentFrom(ByteStream& stream, bool hasMagic) {
    CArchive ar(stream, CArchive::Mode::Load);
    DocumentContents contents;
    if (hasMagic) {
        char magic[kDocumentMagic.size()];
        ar.ReadRaw(magic, sizeof magic);
        contents.formatWord = ar.ReadLong();
    } else {
        // Files written before the magic text existed start with the profile.
        contents.formatWord = kOldFormatWord;
    }
    contents.birthDate = ar.ReadLong();
    contents.maxHeartRate = ar.ReadLong();
    contents.hrFormula = ar.ReadLong();
    if (contents.formatWord == kOldFormatWord) {
        contents.library = std::make_unique<CLibrary>();
        ar.SerializeRaw(*contents.library);
        contents.log = std::make_unique<CDatabase>();
        contents.log->ReadOldFormat(ar);
    } else {
        contents.library = ar.ReadObjectAs<CLibrary>(CLibrary::kClassName);
        if (!contents.library) ar.Fail("the document holds no library");
        contents.log = ar.ReadObjectAs<CDatabase>("CDatabase");
        if (!contents.log) ar.Fail("the document holds no training log");
    }
    return contents;
}

}  // namespace

DocumentContents ReadDocument(const std::vector<std::uint8_t>& bytes) {
    ByteView stream(bytes);
    return ReadDocumentFrom(stream, StartsWithMagic(bytes.data(), bytes.size()));
}

DocumentContents ReadDocumentFile(const std::string& path) {
    struct stat info {};
    // Pipes and the like have no size to check counts against: they are read
    // whole first (ReadWholeFile also reports what cannot be opened).
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return ReadDocument(ReadWholeFile(path));
    FileStream stream(path, FileStream::Mode::Read);
    std::uint8_t start[kDocumentMagic.size()] = {};
    const bool hasMagic = StartsWithMagic(start, stream.Read(start, sizeof start));
    stream.Rewind();
    return ReadDocumentFrom(stream, hasMagic);
}

void WriteDocument(CArchive& ar, std::int32_t birthDate, std::int32_t maxHeartRate,
                   std::int32_t hrFormula, const CLibrary& library, CDatabase& log) {
    ar.WriteRaw(kDocumentMagic.data(), kDocumentMagic.size());
    ar.WriteLong(0);
    ar.WriteLong(birthDate);
    ar.WriteLong(maxHeartRate);
    ar.WriteLong(hrFormula);
    ar.WriteObject(&library);
    ar.WriteObject(&log);
}

std::vector<std::uint8_t> ReadWholeFile(const std::string& path) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         &std::fclose);
    if (!file) throw ArchiveError("cannot open '" + path + "': " + std::strerror(errno), 0);
    struct stat info {};
    if (::fstat(::fileno(file.get()), &info) != 0 || S_ISDIR(info.st_mode))
        throw ArchiveError("'" + path + "' is not a file", 0);
    // Read straight into the vector; the size is a hint (pipes have none), the
    // end of file decides.
    std::size_t hint = S_ISREG(info.st_mode) ? static_cast<std::size_t>(info.st_size) : 0;
    std::vector<std::uint8_t> bytes(std::max<std::size_t>(hint + 1, 1 << 16));
    std::size_t used = 0;
    for (;;) {
        if (used == bytes.size()) bytes.resize(bytes.size() * 2);
        std::size_t n = std::fread(bytes.data() + used, 1, bytes.size() - used, file.get());
        used += n;
        if (n == 0) break;
    }
    bytes.resize(used);
    if (std::ferror(file.get()))
        throw ArchiveError("cannot read '" + path + "': " + std::strerror(errno), bytes.size());
    return bytes;
}

}  // namespace kadenzo
