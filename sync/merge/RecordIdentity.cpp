#include "RecordIdentity.h"

#include <bit>
#include <cstdint>
#include <functional>
#include <limits>
#include <string_view>

namespace kadenzo::sync {
namespace {

class Hasher {
public:
    void Add(std::uint64_t value) {
        state_ = (state_ ^ value) * 0x9E3779B97F4A7C15ull;
        state_ ^= state_ >> 29;
    }
    // Equal doubles (0 and -0, any two NaNs) add the same bits.
    void Add(double value) {
        if (value == 0) value = 0;
        if (std::isnan(value)) value = std::numeric_limits<double>::quiet_NaN();
        Add(std::bit_cast<std::uint64_t>(value));
    }
    void Add(const std::string& text) {
        Add(static_cast<std::uint64_t>(text.size()));
        if (!text.empty()) Add(static_cast<std::uint64_t>(std::hash<std::string_view>{}(text)));
    }
    std::size_t Value() const { return static_cast<std::size_t>(state_); }

private:
    std::uint64_t state_ = 0x243F6A8885A308D3ull;
};

}  // namespace

bool SameWorkout(const CWorkOut& a, const CWorkOut& b) {
    return SameDouble(a.date, b.date) && a.planFlag == b.planFlag && a.templateId == b.templateId &&
           SameDouble(a.plannedDistance, b.plannedDistance) &&
           SameDouble(a.plannedDuration, b.plannedDuration) && a.planNote == b.planNote &&
           a.planFilePath == b.planFilePath && a.sportId == b.sportId &&
           a.maxPulseTest == b.maxPulseTest && a.intensityId == b.intensityId &&
           a.subSportId == b.subSportId && a.trackId == b.trackId &&
           SameDouble(a.distance, b.distance) && a.maxPulse == b.maxPulse &&
           a.averagePulse == b.averagePulse && SameDouble(a.duration, b.duration) &&
           a.notes == b.notes && a.recordingPath == b.recordingPath &&
           SameDouble(a.partDistance, b.partDistance) && a.partMaxPulse == b.partMaxPulse &&
           a.partAveragePulse == b.partAveragePulse && SameDouble(a.partDuration, b.partDuration) &&
           a.marker1 == b.marker1 && a.marker2 == b.marker2;
}

std::size_t WorkoutHash(const CWorkOut& w) {
    Hasher h;
    h.Add(w.date);
    h.Add(w.plannedDistance);
    h.Add(w.plannedDuration);
    h.Add(w.distance);
    h.Add(w.duration);
    h.Add(w.partDistance);
    h.Add(w.partDuration);
    h.Add((std::uint64_t{w.templateId} << 32) | w.sportId);
    h.Add((std::uint64_t{w.subSportId} << 32) | w.intensityId);
    h.Add((std::uint64_t{w.trackId} << 32) | w.planFlag);
    h.Add((std::uint64_t{w.maxPulseTest} << 32) |
          (std::uint64_t{w.averagePulse} << 24 | std::uint64_t{w.maxPulse} << 16 |
           std::uint64_t{w.partAveragePulse} << 8 | w.partMaxPulse));
    h.Add((std::uint64_t{static_cast<std::uint32_t>(w.marker1)} << 32) |
          static_cast<std::uint32_t>(w.marker2));
    h.Add(w.planNote);
    h.Add(w.planFilePath);
    h.Add(w.notes);
    h.Add(w.recordingPath);
    return h.Value();
}

bool SameBodyInfo(const CBodyInfo& a, const CBodyInfo& b) {
    return a.date.status == b.date.status && SameDouble(a.date.value, b.date.value) &&
           a.note == b.note && SameDouble(a.weight, b.weight) && SameDouble(a.value2, b.value2) &&
           a.value3 == b.value3;
}

std::string StoredBytes(const CSerializable& record) {
    MemoryStream stream;
    {
        CArchive ar(stream, CArchive::Mode::Store);
        // Storing only reads the record.
        const_cast<CSerializable&>(record).Serialize(ar);
        ar.Close();
    }
    const std::vector<std::uint8_t>& bytes = stream.Bytes();
    return {bytes.begin(), bytes.end()};
}

}  // namespace kadenzo::sync
