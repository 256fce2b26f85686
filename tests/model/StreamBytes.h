#pragma once
// Builds archive streams byte by byte, for the stored layouts the program no
// longer writes (older schemas, raw records, old document files).

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Archive.h"

namespace kadenzo::test {

struct StreamBytes {
    std::vector<std::uint8_t> bytes;

    StreamBytes& Byte(std::uint8_t v) {
        bytes.push_back(v);
        return *this;
    }
    StreamBytes& Word(std::uint16_t v) { return Byte(v & 0xFF).Byte(v >> 8); }
    StreamBytes& Dword(std::uint32_t v) { return Word(v & 0xFFFF).Word(v >> 16); }
    StreamBytes& Long(std::int32_t v) { return Dword(static_cast<std::uint32_t>(v)); }
    StreamBytes& Float(float v) {
        std::uint32_t u;
        std::memcpy(&u, &v, 4);
        return Dword(u);
    }
    StreamBytes& Double(double v) {
        std::uint64_t u;
        std::memcpy(&u, &v, 8);
        return Dword(static_cast<std::uint32_t>(u)).Dword(static_cast<std::uint32_t>(u >> 32));
    }
    StreamBytes& Raw(std::string_view s) {
        bytes.insert(bytes.end(), s.begin(), s.end());
        return *this;
    }
    // A short 8-bit string (one-byte length prefix).
    StreamBytes& String(std::string_view s) {
        return Byte(static_cast<std::uint8_t>(s.size())).Raw(s);
    }
    // The descriptor tag of a class seen for the first time.
    StreamBytes& ClassTag(std::uint16_t schema, std::string_view name) {
        return Word(0xFFFF).Word(schema).Word(static_cast<std::uint16_t>(name.size())).Raw(name);
    }
};

// Everything `write` stores, as bytes.
template <class F>
std::vector<std::uint8_t> Stored(F write) {
    MemoryStream stream;
    CArchive ar(stream, CArchive::Mode::Store);
    write(ar);
    ar.Close();
    return stream.TakeBytes();
}

// Reads one tagged object of class T from the bytes; throws ArchiveError.
template <class T>
std::unique_ptr<T> ReadTagged(const std::vector<std::uint8_t>& bytes, std::string_view className) {
    MemoryStream stream(bytes);
    CArchive ar(stream, CArchive::Mode::Load);
    return ar.ReadObjectAs<T>(className);
}

// Writes the record as an object and reads it back; writing what was read
// must give the same bytes, so no field is swapped, lost or shifted.
template <class T>
std::unique_ptr<T> ExpectRereadAsWritten(T& record) {
    const auto bytes = Stored([&](CArchive& ar) { ar.WriteObject(&record); });
    auto back = ReadTagged<T>(bytes, record.ClassName());
    EXPECT_EQ(Stored([&](CArchive& ar) { ar.WriteObject(back.get()); }), bytes);
    return back;
}

// Reads a raw (untagged) record of class T: its schema reads as -1.
template <class T>
std::unique_ptr<T> ReadRaw(const std::vector<std::uint8_t>& bytes) {
    MemoryStream stream(bytes);
    CArchive ar(stream, CArchive::Mode::Load);
    auto record = std::make_unique<T>();
    ar.SerializeRaw(*record);
    return record;
}

}  // namespace kadenzo::test
