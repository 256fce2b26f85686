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
constexpr std::size_t kReadBuffer = 256 * 1024;  // what FileStream asks the system for at once

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

std::unique_ptr<CSerializable> ClassRegistry::Create(std::string_view name) const {
    const Factory* factory = Find(name);
    return factory ? (*factory)() : nullptr;
}

const ClassRegistry::Factory* ClassRegistry::Find(std::string_view name) const {
    auto it = factories_.find(name);
    return it == factories_.end() ? nullptr : &it->second;
}

// ---- Streams ----

std::size_t MemoryStream::Read(void* data, std::size_t size) {
    std::size_t n = std::min<std::size_t>(size, bytes_.size() - position_);
    if (n > 0) std::memcpy(data, bytes_.data() + position_, n);
    position_ += n;
    return n;
}

std::span<const std::uint8_t> MemoryStream::TakeContiguous() {
    const std::span<const std::uint8_t> rest(bytes_.data() + position_, bytes_.size() - position_);
    position_ = bytes_.size();
    return rest;
}

void MemoryStream::Write(const void* data, std::size_t size) {
    const auto* p = static_cast<const std::uint8_t*>(data);
    bytes_.insert(bytes_.end(), p, p + size);
}

FileStream::FileStream(const std::string& path, Mode mode) {
    file_ = std::fopen(path.c_str(), mode == Mode::Read ? "rb" : "wb");
    if (!file_) throw ArchiveError("cannot open '" + path + "': " + std::strerror(errno), 0);
    if (mode == Mode::Read) {
        // Large reads from the system; the archive takes them 4 KB at a time.
        std::setvbuf(file_, nullptr, _IOFBF, kReadBuffer);
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

void FileStream::Rewind() {
    if (std::fseek(file_, 0, SEEK_SET) != 0)
        throw ArchiveError(std::string("cannot read: ") + std::strerror(errno), position_);
    position_ = 0;
}

void FileStream::Sync() {
    if (std::fflush(file_) != 0 || ::fsync(::fileno(file_)) != 0)
        throw ArchiveError(std::string("cannot write to disk: ") + std::strerror(errno), position_);
}

// ---- Archive: buffering ----

CArchive::CArchive(ByteStream& stream, Mode mode, const ClassRegistry& classes)
    : stream_(stream), mode_(mode), classes_(classes) {
    if (mode == Mode::Load) {
        // Input already in memory is read in place, without copying it through a buffer.
        const std::span<const std::uint8_t> whole = stream_.TakeContiguous();
        if (!whole.empty()) {
            readStart_ = readCur_ = whole.data();
            readEnd_ = whole.data() + whole.size();
            return;
        }
    }
    buffer_.resize(kBufferSize);
    if (mode == Mode::Store) {
        writeCur_ = buffer_.data();
        writeEnd_ = buffer_.data() + buffer_.size();
    } else {
        readStart_ = readCur_ = readEnd_ = buffer_.data();
    }
}

CArchive::~CArchive() = default;

void CArchive::Fail(const std::string& what) const { throw ArchiveError(what, Position()); }

bool CArchive::FillBuffer() {
    if (buffer_.empty()) return false;  // reading in place: there is no more
    position_ += static_cast<std::uint64_t>(readCur_ - readStart_);
    const std::size_t n = stream_.Read(buffer_.data(), buffer_.size());
    readStart_ = readCur_ = buffer_.data();
    readEnd_ = buffer_.data() + n;
    return n > 0;
}

void CArchive::FlushBuffer() {
    const auto n = static_cast<std::size_t>(writeCur_ - buffer_.data());
    if (n > 0) stream_.Write(buffer_.data(), n);
    position_ += n;
    writeCur_ = buffer_.data();
}

void CArchive::Close() {
    if (IsStoring()) FlushBuffer();
}

std::uint64_t CArchive::Remaining() const {
    if (IsStoring()) return 0;
    return static_cast<std::uint64_t>(readEnd_ - readCur_) + stream_.Remaining();
}

void CArchive::WriteRaw(const void* data, std::size_t size) {
    if (!IsStoring()) Fail("archive is not open for writing");
    const auto* p = static_cast<const std::uint8_t*>(data);
    while (size > 0) {
        if (writeCur_ == writeEnd_) FlushBuffer();
        const std::size_t n = std::min(size, static_cast<std::size_t>(writeEnd_ - writeCur_));
        std::memcpy(writeCur_, p, n);
        writeCur_ += n;
        p += n;
        size -= n;
    }
}

void CArchive::ReadRaw(void* data, std::size_t size) {
    if (!IsLoading()) Fail("archive is not open for reading");
    auto* p = static_cast<std::uint8_t*>(data);
    while (size > 0) {
        if (readCur_ == readEnd_ && !FillBuffer()) Fail("unexpected end of file");
        const std::size_t n = std::min(size, static_cast<std::size_t>(readEnd_ - readCur_));
        std::memcpy(p, readCur_, n);
        readCur_ += n;
        p += n;
        size -= n;
    }
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
    // Most strings lie in the buffer whole: they need no look at the rest of the input.
    if (!wide && static_cast<std::size_t>(readEnd_ - readCur_) >= length) {
        const char* text = reinterpret_cast<const char*>(readCur_);
        readCur_ += length;
        return std::string(text, length);
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
    if (const std::uint32_t index = objectIndex_.Find(object); index != 0) {
        // Written before: a reference to its index.
        if (index < kBigObjectTag) {
            WriteWord(static_cast<std::uint16_t>(index));
        } else {
            WriteWord(kBigObjectTag);
            WriteDword(index);
        }
        return;
    }
    const char* className = object->ClassName();
    std::string_view name = className;
    std::uint32_t classIndex = 0;
    if (className == lastClassName_) {
        classIndex = lastClassIndex_;
    } else if (auto known = classIndex_.find(name); known != classIndex_.end()) {
        classIndex = known->second;
    }
    if (classIndex != 0) {
        lastClassName_ = className;
        lastClassIndex_ = classIndex;
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
    objectIndex_.Add(object, nextIndex_++);
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
        classesByIndex_[classIndex] = ClassInfo{std::move(name), schema, nullptr, {}};
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
    ClassInfo& info = cls->second;
    if (!info.factory) info.factory = classes_.Find(info.name);
    if (!info.factory) Fail("unknown class " + info.name);
    std::unique_ptr<CSerializable> object = (*info.factory)();
    if (!object) Fail("unknown class " + info.name);
    // A class found to fit the expected one fits again (names compared, as
    // the callers pass the same literal for every record of a list).
    if (info.checkedKind != expectedClass) {
        if (!object->IsKindOf(expectedClass))
            Fail("class " + info.name + " where " + std::string(expectedClass) + " was expected");
        info.checkedKind = expectedClass;
    }

    ++nextIndex_;  // the object's own index; references to it are refused anyway
    int outerSchema = currentSchema_;
    currentSchema_ = info.schema;
    object->Serialize(*this);
    currentSchema_ = outerSchema;
    return object;
}

std::size_t CArchive::ObjectIndex::Slot(const void* object) const {
    // Objects are mostly written in the order they lie in memory (a diary's
    // workouts come from 2 MB slabs in list order), so within a 2 MB block
    // the slot follows the address and storing walks the table front to back
    // instead of missing the cache once per object. Each block starts at a
    // scattered slot, so that the blocks do not all fall on the same slots.
    const auto bits = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(object));
    const std::uint64_t blockStart = ((bits >> 21) * 0x9E3779B97F4A7C15ull) >> 40;
    std::size_t i = static_cast<std::size_t>((bits >> 3) + blockStart) & (slots_.size() - 1);
    while (slots_[i].first && slots_[i].first != object) i = (i + 1) & (slots_.size() - 1);
    return i;
}

std::uint32_t CArchive::ObjectIndex::Find(const void* object) const {
    if (slots_.empty()) return 0;
    return slots_[Slot(object)].second;
}

void CArchive::ObjectIndex::Rehash(std::size_t slots) {
    std::vector<std::pair<const void*, std::uint32_t>> old(slots);
    old.swap(slots_);
    used_ = 0;
    for (const auto& [key, value] : old)
        if (key) Add(key, value);
}

void CArchive::ObjectIndex::Reserve(std::size_t more) {
    // At most half full, as Add keeps it.
    std::size_t slots = std::max<std::size_t>(64, slots_.size());
    while (slots < 2 * (used_ + more + 1)) slots *= 2;
    if (slots > slots_.size()) Rehash(slots);
}

void CArchive::ObjectIndex::Add(const void* object, std::uint32_t index) {
    if (2 * (used_ + 1) > slots_.size()) Rehash(std::max<std::size_t>(64, 2 * slots_.size()));
    const std::size_t i = Slot(object);
    if (!slots_[i].first) ++used_;
    slots_[i] = {object, index};
}

void CArchive::SerializeRaw(CSerializable& object) {
    int outerSchema = currentSchema_;
    currentSchema_ = -1;
    object.Serialize(*this);
    currentSchema_ = outerSchema;
}

}  // namespace kadenzo
