#include "Archive.h"

#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>

#include "Cp1252.h"

namespace kadenzo {
namespace {

constexpr std::uint16_t kNullTag = 0x0000;
constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint16_t kClassTag = 0x8000;
constexpr std::uint16_t kBigObjectTag = 0x7FFF;
constexpr std::uint32_t kBigClassTag = 0x80000000u;
constexpr std::size_t kMaxClassNameLength = 64;  // names of 64 or more characters are refused

// Every primitive is stored little-endian, whatever the host order.
template <class T>
void ToLittleEndian(T value, std::uint8_t* out) {
    auto bits = std::bit_cast<std::make_unsigned_t<T>>(value);
    for (std::size_t i = 0; i < sizeof(T); ++i) out[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

template <class T>
T FromLittleEndian(const std::uint8_t* in) {
    std::make_unsigned_t<T> bits = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i)
        bits |= static_cast<std::make_unsigned_t<T>>(static_cast<std::make_unsigned_t<T>>(in[i])
                                                     << (8 * i));
    return std::bit_cast<T>(bits);
}

bool IsHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

}  // namespace

ArchiveError::ArchiveError(const std::string& what, std::uint64_t offset)
    : std::runtime_error(what + " (at byte " + std::to_string(offset) + ")"), offset_(offset) {}

// ---- Class registry ----

ClassRegistry& ClassRegistry::Instance() {
    static ClassRegistry registry;
    return registry;
}

void ClassRegistry::Register(const std::string& name, Factory factory) {
    factories_[name] = std::move(factory);
}

std::unique_ptr<CSerializable> ClassRegistry::Create(std::string_view name) const {
    auto it = factories_.find(name);
    if (it == factories_.end()) return nullptr;
    return it->second();
}

// ---- Streams ----

std::size_t MemoryStream::Read(void* data, std::size_t size) {
    std::size_t n = std::min<std::size_t>(size, bytes_.size() - position_);
    if (n > 0) std::memcpy(data, bytes_.data() + position_, n);
    position_ += n;
    return n;
}

void MemoryStream::Write(const void* data, std::size_t size) {
    const auto* p = static_cast<const std::uint8_t*>(data);
    bytes_.insert(bytes_.end(), p, p + size);
}

FileStream::FileStream(const std::string& path, Mode mode) {
    file_ = std::fopen(path.c_str(), mode == Mode::Read ? "rb" : "wb");
    if (!file_) throw ArchiveError("cannot open '" + path + "': " + std::strerror(errno), 0);
    if (mode == Mode::Read) {
        if (std::fseek(file_, 0, SEEK_END) == 0) {
            long end = std::ftell(file_);
            if (end > 0) size_ = static_cast<std::uint64_t>(end);
        }
        if (std::fseek(file_, 0, SEEK_SET) != 0) {
            std::fclose(file_);
            file_ = nullptr;
            throw ArchiveError("cannot read '" + path + "'", 0);
        }
    }
}

FileStream::~FileStream() {
    if (file_) std::fclose(file_);
}

std::size_t FileStream::Read(void* data, std::size_t size) {
    std::size_t n = std::fread(data, 1, size, file_);
    position_ += n;
    return n;
}

void FileStream::Write(const void* data, std::size_t size) {
    if (std::fwrite(data, 1, size, file_) != size)
        throw ArchiveError(std::string("write failed: ") + std::strerror(errno), position_);
    position_ += size;
}

std::uint64_t FileStream::Remaining() const { return size_ > position_ ? size_ - position_ : 0; }

void FileStream::Sync() {
    if (std::fflush(file_) != 0 || ::fsync(::fileno(file_)) != 0)
        throw ArchiveError(std::string("cannot write to disk: ") + std::strerror(errno), position_);
}

// ---- Archive: buffering ----

CArchive::CArchive(ByteStream& stream, Mode mode)
    : stream_(stream), mode_(mode), buffer_(kBufferSize) {}

CArchive::~CArchive() = default;

void CArchive::Fail(const std::string& what) const { throw ArchiveError(what, position_); }

void CArchive::FillBuffer() {
    bufferPos_ = 0;
    bufferEnd_ = stream_.Read(buffer_.data(), kBufferSize);
}

void CArchive::FlushBuffer() {
    if (bufferPos_ > 0) stream_.Write(buffer_.data(), bufferPos_);
    bufferPos_ = 0;
}

void CArchive::Close() {
    if (IsStoring()) FlushBuffer();
}

std::uint64_t CArchive::Remaining() const {
    if (IsStoring()) return 0;
    return (bufferEnd_ - bufferPos_) + stream_.Remaining();
}

void CArchive::WriteRaw(const void* data, std::size_t size) {
    if (!IsStoring()) Fail("archive is not open for writing");
    const auto* p = static_cast<const std::uint8_t*>(data);
    while (size > 0) {
        if (bufferPos_ == kBufferSize) FlushBuffer();
        std::size_t n = std::min(size, kBufferSize - bufferPos_);
        std::memcpy(buffer_.data() + bufferPos_, p, n);
        bufferPos_ += n;
        position_ += n;
        p += n;
        size -= n;
    }
}

void CArchive::ReadRaw(void* data, std::size_t size) {
    if (!IsLoading()) Fail("archive is not open for reading");
    auto* p = static_cast<std::uint8_t*>(data);
    while (size > 0) {
        if (bufferPos_ == bufferEnd_) {
            FillBuffer();
            if (bufferEnd_ == 0) Fail("unexpected end of file");
        }
        std::size_t n = std::min(size, bufferEnd_ - bufferPos_);
        std::memcpy(p, buffer_.data() + bufferPos_, n);
        bufferPos_ += n;
        position_ += n;
        p += n;
        size -= n;
    }
}

// ---- Primitives ----

void CArchive::WriteByte(std::uint8_t v) { WriteRaw(&v, 1); }

void CArchive::WriteWord(std::uint16_t v) {
    std::uint8_t b[2];
    ToLittleEndian(v, b);
    WriteRaw(b, sizeof b);
}

void CArchive::WriteDword(std::uint32_t v) {
    std::uint8_t b[4];
    ToLittleEndian(v, b);
    WriteRaw(b, sizeof b);
}

void CArchive::WriteLong(std::int32_t v) { WriteDword(static_cast<std::uint32_t>(v)); }

void CArchive::WriteFloat(float v) { WriteDword(std::bit_cast<std::uint32_t>(v)); }

void CArchive::WriteDouble(double v) {
    std::uint8_t b[8];
    ToLittleEndian(std::bit_cast<std::uint64_t>(v), b);
    WriteRaw(b, sizeof b);
}

std::uint8_t CArchive::ReadByte() {
    std::uint8_t v;
    ReadRaw(&v, 1);
    return v;
}

std::uint16_t CArchive::ReadWord() {
    std::uint8_t b[2];
    ReadRaw(b, sizeof b);
    return FromLittleEndian<std::uint16_t>(b);
}

std::uint32_t CArchive::ReadDword() {
    std::uint8_t b[4];
    ReadRaw(b, sizeof b);
    return FromLittleEndian<std::uint32_t>(b);
}

std::int32_t CArchive::ReadLong() { return static_cast<std::int32_t>(ReadDword()); }

float CArchive::ReadFloat() { return std::bit_cast<float>(ReadDword()); }

double CArchive::ReadDouble() {
    std::uint8_t b[8];
    ReadRaw(b, sizeof b);
    return std::bit_cast<double>(FromLittleEndian<std::uint64_t>(b));
}

// ---- Strings and counts ----

void CArchive::WriteString(std::string_view s) {
    std::size_t n = s.size();
    if (n < 0xFF) {
        WriteByte(static_cast<std::uint8_t>(n));
    } else if (n < 0xFFFE) {
        WriteByte(0xFF);
        WriteWord(static_cast<std::uint16_t>(n));
    } else {
        if (n > 0xFFFFFFFFu) Fail("string too long to store");
        WriteByte(0xFF);
        WriteWord(0xFFFF);
        WriteDword(static_cast<std::uint32_t>(n));
    }
    WriteRaw(s.data(), n);
}

std::string CArchive::ReadString() {
    bool wide = false;
    std::uint32_t length = ReadByte();
    if (length == 0xFF) {
        std::uint16_t word = ReadWord();
        if (word == 0xFFFE) {
            // 16-bit characters: a second length prefix follows.
            wide = true;
            length = ReadByte();
            if (length == 0xFF) {
                word = ReadWord();
                if (word == 0xFFFE) Fail("malformed string length");
                length = word == 0xFFFF ? ReadDword() : word;
            }
        } else {
            length = word == 0xFFFF ? ReadDword() : word;
        }
    }
    std::uint64_t bytes = std::uint64_t{length} * (wide ? 2 : 1);
    if (bytes > Remaining())
        Fail("string length " + std::to_string(length) + " beyond end of file");

    std::string s;
    if (!wide) {
        s.resize(length);
        ReadRaw(s.data(), length);
        return s;
    }
    s.reserve(length);
    std::vector<std::uint8_t> raw(bytes);
    ReadRaw(raw.data(), raw.size());
    for (std::size_t i = 0; i < length; ++i) {
        auto unit = FromLittleEndian<char16_t>(&raw[2 * i]);
        // A surrogate pair is one character outside Windows-1252: one '?'.
        if (IsHighSurrogate(unit) && i + 1 < length &&
            IsLowSurrogate(FromLittleEndian<char16_t>(&raw[2 * i + 2])))
            ++i;
        s += Utf16UnitToCp1252(unit);
    }
    return s;
}

void CArchive::WriteCount(std::uint32_t n) {
    if (n < 0xFFFF) {
        WriteWord(static_cast<std::uint16_t>(n));
    } else {
        WriteWord(0xFFFF);
        WriteDword(n);
    }
}

std::uint32_t CArchive::ReadCount(std::size_t minElementSize) {
    std::uint32_t count = ReadWord();
    if (count == 0xFFFF) count = ReadDword();
    if (std::uint64_t{count} * std::max<std::size_t>(minElementSize, 1) > Remaining())
        Fail("count " + std::to_string(count) + " beyond end of file");
    return count;
}

// ---- Objects ----

void CArchive::WriteObject(const CSerializable* object) {
    if (!IsStoring()) Fail("archive is not open for writing");
    if (!object) {
        WriteWord(kNullTag);
        return;
    }
    if (auto seen = objectIndex_.find(object); seen != objectIndex_.end()) {
        std::uint32_t index = seen->second;
        if (index < kBigObjectTag) {
            WriteWord(static_cast<std::uint16_t>(index));
        } else {
            WriteWord(kBigObjectTag);
            WriteDword(index);
        }
        return;
    }

    std::string_view name = object->ClassName();
    if (auto known = classIndex_.find(name); known != classIndex_.end()) {
        std::uint32_t classIndex = known->second;
        if (classIndex < kBigObjectTag) {
            WriteWord(static_cast<std::uint16_t>(kClassTag | classIndex));
        } else {
            WriteWord(kBigObjectTag);
            WriteDword(kBigClassTag | classIndex);
        }
    } else {
        if (name.size() >= kMaxClassNameLength) Fail("class name too long: " + std::string(name));
        WriteWord(kNewClassTag);
        WriteWord(static_cast<std::uint16_t>(object->Schema()));
        WriteWord(static_cast<std::uint16_t>(name.size()));
        WriteRaw(name.data(), name.size());
        classIndex_.emplace(std::string(name), nextIndex_++);
    }
    objectIndex_.emplace(object, nextIndex_++);
    // Serialize is shared by both directions, hence non-const; storing leaves the object unchanged.
    const_cast<CSerializable*>(object)->Serialize(*this);
}

std::unique_ptr<CSerializable> CArchive::ReadObject(std::string_view expectedClass) {
    if (!IsLoading()) Fail("archive is not open for reading");
    std::uint16_t tag = ReadWord();
    if (tag == kNullTag) return nullptr;

    std::uint32_t classIndex = 0;
    if (tag == kNewClassTag) {
        std::uint16_t schema = ReadWord();
        std::uint16_t nameLength = ReadWord();
        if (nameLength >= kMaxClassNameLength)
            Fail("class name of " + std::to_string(nameLength) + " characters");
        std::string name(nameLength, '\0');
        ReadRaw(name.data(), nameLength);
        classIndex = nextIndex_++;
        classesByIndex_[classIndex] = ClassInfo{std::move(name), schema};
    } else if (tag & kClassTag) {
        classIndex = tag & 0x7FFFu;
    } else {
        std::uint32_t index = tag;
        if (tag == kBigObjectTag) {
            std::uint32_t big = ReadDword();
            if (big & kBigClassTag) {
                classIndex = big & ~kBigClassTag;
            } else {
                index = big;
            }
        }
        if (classIndex == 0) {
            // A reference: every record belongs to exactly one list, so a second
            // reference to it is as malformed as a reference to nothing.
            if (index > 0 && index < nextIndex_ && !classesByIndex_.count(index))
                Fail("second reference to object " + std::to_string(index));
            Fail("reference to unknown object " + std::to_string(index));
        }
    }

    auto cls = classesByIndex_.find(classIndex);
    if (cls == classesByIndex_.end()) Fail("unknown class index " + std::to_string(classIndex));
    const ClassInfo& info = cls->second;
    std::unique_ptr<CSerializable> object = ClassRegistry::Instance().Create(info.name);
    if (!object) Fail("unknown class " + info.name);
    if (!object->IsKindOf(expectedClass))
        Fail("class " + info.name + " where " + std::string(expectedClass) + " was expected");

    ++nextIndex_;  // the object's own index; references to it are refused anyway
    int outerSchema = currentSchema_;
    currentSchema_ = info.schema;
    object->Serialize(*this);
    currentSchema_ = outerSchema;
    return object;
}

void CArchive::SerializeRaw(CSerializable& object) {
    int outerSchema = currentSchema_;
    currentSchema_ = -1;
    object.Serialize(*this);
    currentSchema_ = outerSchema;
}

}  // namespace kadenzo
