#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "Recording.h"
#include "StringTable.h"

// Writers of the binary recording formats and a time-zone guard, so that each
// test builds exactly the file it needs and runs alike on every machine.
namespace kadenzo::testing {

class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone) {
        if (const char* old = std::getenv("TZ")) old_ = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ScopedTimeZone() {
        old_ ? setenv("TZ", old_->c_str(), 1) : unsetenv("TZ");
        tzset();
    }

private:
    std::optional<std::string> old_;
};

// Metric units, "now" fixed at 777, times in UTC.
class ReaderTest : public ::testing::Test {
protected:
    RecordingReadContext context_{{}, 777};
    ScopedTimeZone utc_{"UTC"};
};

// The import dialog's and the markers' texts as the English module words them.
class RecordingStrings : public StringTable {
public:
    std::string Text(std::uint32_t id) const override {
        const auto it = texts.find(id);
        return it == texts.end() ? std::string() : it->second;
    }
    std::map<std::uint32_t, std::string> texts = {
        {33036, "Duration: %s"},
        {33040, "Marker %i: %.2f %s"},
        {33041, "Marker %i: %s"},
        {33042,
         "Recordings of %s (%s)|%s|Heart-rate recordings (*.hrm;*.tur;*.tour)|"
         "*.hrm;*.tur;*.tour|All files (*.*)|*.*||"},
        {33102, "km"}};
};

// Little-endian values; N is the byte count.
template <int N = 4>
void Put(std::string& out, std::uint32_t v) {
    for (int i = 0; i < N; ++i) out.push_back(static_cast<char>(v >> (8 * i)));
}
inline void PutFloat(std::string& out, float v) {
    std::uint32_t bits;
    std::memcpy(&bits, &v, 4);
    Put(out, bits);
}
inline void PutCounted(std::string& out, const std::string& s) {
    Put<2>(out, static_cast<std::uint32_t>(s.size()));
    out += s;
}

struct TurSample {
    std::int32_t time = 0;
    std::uint32_t distance = 0;  // tens of metres
    std::int16_t altitude = 0;
    std::uint8_t heartRate = 0, cadence = 0;
    std::int8_t temperature = 0;
};

// Lines 1-4 and the 43 lines after the note are filler; count "" means the
// number of samples.
inline std::string TurBytes(const std::vector<TurSample>& samples, std::string noteLines = "0\n",
                            std::string count = "", std::string date = "15.03.2004\n") {
    std::string out = "HACtronic - Tour\n3\n1\n1\nTitle\nFirst\nSecond\n" + date + "10:05\n";
    out += noteLines;
    for (int i = 0; i < 43; ++i) out += "Reserve\n";
    out += (count.empty() ? std::to_string(samples.size()) : count) + "\n";
    Put(out, 0xDDCCBBAA);
    for (const TurSample& s : samples) {
        Put(out, static_cast<std::uint32_t>(s.time));
        Put(out, s.distance);
        Put<2>(out, static_cast<std::uint16_t>(s.altitude));
        Put<1>(out, s.heartRate);
        Put<1>(out, s.cadence);
        Put<1>(out, static_cast<std::uint8_t>(s.temperature));
        out.append(7, '\xEE');
    }
    return out;
}

struct TourSample {
    std::int32_t time = 0;
    std::uint32_t distance = 0;  // metres
    float altitude = 0, temperature = 0, cadence = 0, heartRate = 0;
    std::optional<std::string> text;
    std::uint8_t flag = 0;
};

// count -1 means the number of samples.
inline std::string TourBytes(const std::vector<TourSample>& samples, std::int32_t count = -1,
                             const std::string& signature = "TOUR1") {
    std::string out;
    for (const char* s : {"Title", "Text one", "Text two", "Note", "skipped", ""}) {
        if (out.empty()) PutCounted(out, signature);
        PutCounted(out, s);
    }
    Put(out, 1079345130);
    Put(out, static_cast<std::uint32_t>(count == -1 ? static_cast<int>(samples.size()) : count));
    Put<1>(out, 0x5A);
    out.append(16, '\x11');
    for (const TourSample& s : samples) {
        Put(out, static_cast<std::uint32_t>(s.time));
        Put(out, s.distance);
        for (float f : {s.altitude, s.temperature, s.cadence, s.heartRate}) PutFloat(out, f);
        Put<1>(out, s.text ? 1 : 0);
        if (s.text) PutCounted(out, *s.text);
        Put<1>(out, s.flag);
    }
    return out;
}

}  // namespace kadenzo::testing
