#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kadenzo {

// Every failure while reading or writing an archive stream: what went wrong and
// the byte offset in the stream where it was noticed.
class ArchiveError : public std::runtime_error {
public:
    ArchiveError(const std::string& what, std::uint64_t offset);
    std::uint64_t Offset() const { return offset_; }

private:
    std::uint64_t offset_;
};

class CArchive;

// A record that writes and reads itself through an archive, with a class name
// and a current schema number for the class tag.
class CSerializable {
public:
    virtual ~CSerializable() = default;
    virtual const char* ClassName() const = 0;
    virtual int Schema() const = 0;
    // Writes or reads the fields in their fixed order; reading asks the archive
    // for the schema found in the stream (GetObjectSchema).
    virtual void Serialize(CArchive& ar) = 0;
    // True for this class and the classes it derives from (by class name).
    virtual bool IsKindOf(std::string_view className) const { return className == ClassName(); }
};

// Class name -> factory. The record classes register themselves here.
class ClassRegistry {
public:
    using Factory = std::function<std::unique_ptr<CSerializable>()>;
    static ClassRegistry& Instance();
    void Register(const std::string& name, Factory factory);
    // Null when the name is unknown.
    std::unique_ptr<CSerializable> Create(std::string_view name) const;

private:
    std::map<std::string, Factory, std::less<>> factories_;
};

// The byte stream under an archive: a file or a growable memory block.
class ByteStream {
public:
    virtual ~ByteStream() = default;
    // Reads up to size bytes, returns how many were read (0 at the end).
    virtual std::size_t Read(void* data, std::size_t size) = 0;
    // Writes all bytes or throws ArchiveError.
    virtual void Write(const void* data, std::size_t size) = 0;
    // Bytes left to read, used to refuse counts larger than the input can hold.
    virtual std::uint64_t Remaining() const = 0;
};

class MemoryStream : public ByteStream {
public:
    MemoryStream() = default;
    explicit MemoryStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
    std::size_t Read(void* data, std::size_t size) override;
    void Write(const void* data, std::size_t size) override;
    std::uint64_t Remaining() const override { return bytes_.size() - position_; }
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    std::vector<std::uint8_t> TakeBytes() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

// A disk file opened for reading or for writing; the owner keeps it open while
// the archive uses it.
class FileStream : public ByteStream {
public:
    enum class Mode { Read, Write };
    // Throws ArchiveError when the file cannot be opened.
    FileStream(const std::string& path, Mode mode);
    ~FileStream() override;
    FileStream(const FileStream&) = delete;
    FileStream& operator=(const FileStream&) = delete;
    std::size_t Read(void* data, std::size_t size) override;
    void Write(const void* data, std::size_t size) override;
    std::uint64_t Remaining() const override;
    // Flushes the C library buffer and the file to disk; throws on failure.
    void Sync();

private:
    std::FILE* file_ = nullptr;
    std::uint64_t size_ = 0;
    std::uint64_t position_ = 0;
};

// Reads or writes one archive stream: little-endian primitives, length-prefixed
// strings, counts and class-tagged object references, buffered in 4096-byte
// blocks. Errors throw ArchiveError.
class CArchive {
public:
    enum class Mode { Store, Load };
    static constexpr std::size_t kBufferSize = 4096;

    CArchive(ByteStream& stream, Mode mode);
    ~CArchive();  // does not flush: call Close() after a successful write
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsStoring() const { return mode_ == Mode::Store; }
    bool IsLoading() const { return mode_ == Mode::Load; }

    void WriteByte(std::uint8_t v);
    void WriteWord(std::uint16_t v);
    void WriteDword(std::uint32_t v);
    void WriteLong(std::int32_t v);
    void WriteFloat(float v);
    void WriteDouble(double v);
    void WriteRaw(const void* data, std::size_t size);
    void WriteString(std::string_view s);
    void WriteCount(std::uint32_t n);

    std::uint8_t ReadByte();
    std::uint16_t ReadWord();
    std::uint32_t ReadDword();
    std::int32_t ReadLong();
    float ReadFloat();
    double ReadDouble();
    void ReadRaw(void* data, std::size_t size);
    std::string ReadString();
    // A count, refused when the remaining input cannot hold `count` elements of
    // at least minElementSize bytes each.
    std::uint32_t ReadCount(std::size_t minElementSize = 1);

    // Writes the tag (and class descriptor on first use), then the object.
    void WriteObject(const CSerializable* object);
    // Reads a tag and a new object whose class is `expectedClass` or derived
    // from it (IsKindOf). Returns null for the null tag. Every record is owned
    // by exactly one list, so a reference to an object read before is refused
    // with an ArchiveError rather than handed out twice.
    std::unique_ptr<CSerializable> ReadObject(std::string_view expectedClass);
    // Typed form: throws when the created object is not a T.
    template <class T>
    std::unique_ptr<T> ReadObjectAs(std::string_view expectedClass) {
        std::unique_ptr<CSerializable> object = ReadObject(expectedClass);
        if (!object) return nullptr;
        T* typed = dynamic_cast<T*>(object.get());
        if (!typed)
            Fail("object of class " + std::string(object->ClassName()) + " is not a " +
                 std::string(expectedClass));
        object.release();
        return std::unique_ptr<T>(typed);
    }
    // Serialises an object without a tag (the "raw" records of old files): its
    // schema reads as -1.
    void SerializeRaw(CSerializable& object);

    // The schema found in the stream for the object being read; -1 for raw objects.
    int GetObjectSchema() const { return currentSchema_; }

    // Writes out buffered bytes; the stream stays open for its owner.
    void Close();
    // Bytes consumed (loading) or produced (storing) so far.
    std::uint64_t Position() const { return position_; }
    // Bytes of input left, buffered or not.
    std::uint64_t Remaining() const;

    [[noreturn]] void Fail(const std::string& what) const;

private:
    void FillBuffer();
    void FlushBuffer();

    ByteStream& stream_;
    Mode mode_;
    std::vector<std::uint8_t> buffer_;
    std::size_t bufferPos_ = 0;
    std::size_t bufferEnd_ = 0;
    std::uint64_t position_ = 0;
    int currentSchema_ = -1;

    // Running index shared by classes and objects; 0 means no object.
    std::uint32_t nextIndex_ = 1;
    struct ClassInfo {
        std::string name;
        int schema;
    };
    std::map<std::uint32_t, ClassInfo> classesByIndex_;                    // loading
    std::map<std::string, std::uint32_t, std::less<>> classIndex_;         // storing
    std::unordered_map<const CSerializable*, std::uint32_t> objectIndex_;  // storing
};

}  // namespace kadenzo
