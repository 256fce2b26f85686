#pragma once

#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <typeinfo>
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

// Class name -> factory: the classes an archive can read objects of. Fixed
// once made; an archive reads the record classes (RecordClasses) unless it
// is given others.
class ClassRegistry {
public:
    using Factory = std::function<std::unique_ptr<CSerializable>()>;
    ClassRegistry(std::initializer_list<std::pair<const std::string, Factory>> factories)
        : factories_(factories) {}
    // Null when the name is unknown.
    std::unique_ptr<CSerializable> Create(std::string_view name) const;
    // The factory of a class, or null; valid as long as the registry.
    const Factory* Find(std::string_view name) const;

private:
    const std::map<std::string, Factory, std::less<>> factories_;
};

// The library's and the log's record classes, which the files hold.
const ClassRegistry& RecordClasses();

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
    // The rest of the input when it lies in memory already: an archive then
    // reads it in place (and the stream counts it as read). Empty otherwise.
    virtual std::span<const std::uint8_t> TakeContiguous() { return {}; }
};

class MemoryStream : public ByteStream {
public:
    MemoryStream() = default;
    explicit MemoryStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
    std::size_t Read(void* data, std::size_t size) override;
    void Write(const void* data, std::size_t size) override;
    std::uint64_t Remaining() const override { return bytes_.size() - position_; }
    std::span<const std::uint8_t> TakeContiguous() override;
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
    // Back to the start of a file opened for reading; throws on failure.
    void Rewind();

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

    CArchive(ByteStream& stream, Mode mode, const ClassRegistry& classes = RecordClasses());
    ~CArchive();  // does not flush: call Close() after a successful write
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsStoring() const { return mode_ == Mode::Store; }
    bool IsLoading() const { return mode_ == Mode::Load; }

    // The primitives are little-endian whatever the host; they take the fast
    // way when the buffer has room or bytes enough, else the general one.
    void WriteByte(std::uint8_t v) { Put(v); }
    void WriteWord(std::uint16_t v) { Put(v); }
    void WriteDword(std::uint32_t v) { Put(v); }
    void WriteLong(std::int32_t v) { Put(static_cast<std::uint32_t>(v)); }
    void WriteFloat(float v) { Put(std::bit_cast<std::uint32_t>(v)); }
    void WriteDouble(double v) { Put(std::bit_cast<std::uint64_t>(v)); }
    void WriteRaw(const void* data, std::size_t size);
    void WriteString(std::string_view s);
    void WriteCount(std::uint32_t n);

    std::uint8_t ReadByte() { return Take<std::uint8_t>(); }
    std::uint16_t ReadWord() { return Take<std::uint16_t>(); }
    std::uint32_t ReadDword() { return Take<std::uint32_t>(); }
    std::int32_t ReadLong() { return static_cast<std::int32_t>(Take<std::uint32_t>()); }
    float ReadFloat() { return std::bit_cast<float>(Take<std::uint32_t>()); }
    double ReadDouble() { return std::bit_cast<double>(Take<std::uint64_t>()); }
    void ReadRaw(void* data, std::size_t size);
    std::string ReadString();
    // The same into a string that is there already, without a temporary: a
    // short narrow string wholly in the buffer is copied straight across.
    void ReadString(std::string& into) {
        if (readCur_ != readEnd_ && *readCur_ != 0xFF &&
            static_cast<std::size_t>(readEnd_ - readCur_) > *readCur_) {
            const std::size_t length = *readCur_;
            if (length == 0)
                into.clear();  // most of a diary's strings, and much cheaper than assign
            else
                into.assign(reinterpret_cast<const char*>(readCur_ + 1), length);
            readCur_ += 1 + length;
            return;
        }
        into = ReadString();
    }
    // A count, refused when the remaining input cannot hold `count` elements of
    // at least minElementSize bytes each.
    std::uint32_t ReadCount(std::size_t minElementSize = 1);

    // Writes the tag (and class descriptor on first use), then the object.
    void WriteObject(const CSerializable* object);
    // Makes room to remember this many more objects, so that storing a long
    // list does not grow the table step by step.
    void ExpectObjects(std::size_t count) { objectIndex_.Reserve(count); }
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
        // The exact type is the common case and needs no search of the hierarchy.
        const CSerializable& read = *object;
        T* typed = typeid(read) == typeid(T) ? static_cast<T*>(object.get())
                                             : dynamic_cast<T*>(object.get());
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
    std::uint64_t Position() const {
        return IsLoading() ? position_ + static_cast<std::uint64_t>(readCur_ - readStart_)
                           : position_ + static_cast<std::uint64_t>(writeCur_ - buffer_.data());
    }
    // Bytes of input left, buffered or not.
    std::uint64_t Remaining() const;

    [[noreturn]] void Fail(const std::string& what) const;

private:
    template <class T>
    static T SwapBytes(T value) {
        T swapped = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i)
            swapped = static_cast<T>((swapped << 8) | ((value >> (8 * i)) & 0xFF));
        return swapped;
    }
    template <class T>
    static T LoadLittleEndian(const std::uint8_t* in) {
        T value;
        std::memcpy(&value, in, sizeof value);
        if constexpr (std::endian::native == std::endian::big) value = SwapBytes(value);
        return value;
    }
    template <class T>
    T Take() {
        if (static_cast<std::size_t>(readEnd_ - readCur_) >= sizeof(T)) {
            const T value = LoadLittleEndian<T>(readCur_);
            readCur_ += sizeof(T);
            return value;
        }
        std::uint8_t bytes[sizeof(T)];
        ReadRaw(bytes, sizeof bytes);
        return LoadLittleEndian<T>(bytes);
    }
    template <class T>
    void Put(T value) {
        if constexpr (std::endian::native == std::endian::big) value = SwapBytes(value);
        if (static_cast<std::size_t>(writeEnd_ - writeCur_) >= sizeof(T)) {
            std::memcpy(writeCur_, &value, sizeof value);
            writeCur_ += sizeof(T);
            return;
        }
        WriteRaw(&value, sizeof value);
    }
    // Makes the next bytes of input available; false at the end.
    bool FillBuffer();
    void FlushBuffer();

    ByteStream& stream_;
    Mode mode_;
    const ClassRegistry& classes_;
    std::vector<std::uint8_t> buffer_;
    // Loading: the bytes at hand, in the buffer or in the stream's own memory;
    // position_ counts the bytes before readStart_.
    const std::uint8_t* readStart_ = nullptr;
    const std::uint8_t* readCur_ = nullptr;
    const std::uint8_t* readEnd_ = nullptr;
    // Storing: the free part of the buffer; position_ counts the bytes flushed.
    std::uint8_t* writeCur_ = nullptr;
    std::uint8_t* writeEnd_ = nullptr;
    std::uint64_t position_ = 0;
    int currentSchema_ = -1;

    // Running index shared by classes and objects; 0 means no object.
    std::uint32_t nextIndex_ = 1;
    struct ClassInfo {
        std::string name;
        int schema;
        const ClassRegistry::Factory* factory = nullptr;  // looked up at first use
        std::string checkedKind;                          // the expected class last found to fit
    };
    std::map<std::uint32_t, ClassInfo> classesByIndex_;  // loading
    // Storing: classes written so far by name. Class names are string
    // literals, so the last one found is remembered by its address.
    std::map<std::string, std::uint32_t, std::less<>> classIndex_;
    const char* lastClassName_ = nullptr;
    std::uint32_t lastClassIndex_ = 0;

    // Storing: the index of every object written, so that writing one again
    // gives a reference. Open addressing keyed by address: one probe per
    // object, no allocation per object.
    class ObjectIndex {
    public:
        // The index remembered for object, or 0.
        std::uint32_t Find(const void* object) const;
        void Add(const void* object, std::uint32_t index);
        void Reserve(std::size_t more);

    private:
        std::size_t Slot(const void* object) const;
        void Rehash(std::size_t slots);

        std::vector<std::pair<const void*, std::uint32_t>> slots_;
        std::size_t used_ = 0;
    };
    ObjectIndex objectIndex_;
};

}  // namespace kadenzo
