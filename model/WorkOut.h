#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "Archive.h"

namespace kadenzo {

class CLibrary;
struct LibraryIds;
class CLibWorkout;

// One workout of the training log: a planned part (from a workout template) and
// a performed part for the whole workout and for a marked section of it.
// Library items are referenced by id only. Distances in kilometres, durations
// in minutes, heart rates in beats per minute.
class CWorkOut : public CSerializable {
public:
    static constexpr int kSchema = 2;

    CWorkOut() = default;
    // A new workout planned from a template: its id and sport.
    explicit CWorkOut(const CLibWorkout& workoutTemplate);
    // A copy; resetTargets clears the three target fields so that they follow
    // the template again.
    CWorkOut(const CWorkOut& other, bool resetTargets);
    CWorkOut(const CWorkOut&) = default;
    CWorkOut& operator=(const CWorkOut&) = default;

    // Workouts are made and dropped by the hundred thousand with every load,
    // undo and redo of a large diary: they come from a pool (SlabPool.h).
    static void* operator new(std::size_t size);
    static void operator delete(void* object, std::size_t size) noexcept;

    // The athlete's maximum heart rate on this workout's date, asked only for
    // templates whose targets are percentages of it.
    using MaxHeartRateOf = std::function<std::int32_t(const CWorkOut&)>;

    const char* ClassName() const override { return "CWorkOut"; }
    int Schema() const override { return kSchema; }
    // Stores the record as it is (see FixTargetsIfDue); loading accepts
    // schemas -1 (raw) to 2.
    void Serialize(CArchive& ar) override;

    // Every field except the three target fields; doubles compared exactly.
    bool IsEqual(const CWorkOut& other) const;
    bool IsDifferent(const CWorkOut& other) const { return !IsEqual(other); }

    // False when the library has no template templateId (the reader drops the
    // record); otherwise resets missing sport, sub-sport, intensity and track
    // references to 0.
    bool Validate(const CLibrary* library);
    bool Validate(const LibraryIds& library);

    // Derives the target heart-rate range from the template (percentages of the
    // athlete's maximum for this workout when pulseRelative), unless the targets
    // are fixed and force is false.
    void ComputeTargetPulse(const CLibrary& library, const MaxHeartRateOf& maxHeartRate,
                            bool force);
    // From the day of the workout on, its targets stay as they were then: a
    // workout dated at or before `now` whose targets are not fixed yet gets
    // them computed and fixed. True when it changed. The document runs this
    // before every save and checkpoint.
    bool FixTargetsIfDue(double now, const CLibrary& library, const MaxHeartRateOf& maxHeartRate);

    double plannedDistance = 0;
    double plannedDuration = 0;
    std::string planFilePath;
    std::string planNote;
    std::uint32_t planFlag = 0;
    std::uint32_t templateId = 0;
    std::uint32_t sportId = 0;
    std::uint8_t targetPulseLow = 0;
    std::uint8_t targetPulseHigh = 0;
    std::uint32_t targetFixed = 0;
    double distance = 0;
    double duration = 0;
    std::string recordingPath;
    std::string notes;
    std::uint8_t averagePulse = 0;
    std::uint8_t maxPulse = 0;
    std::uint32_t subSportId = 0;
    std::uint32_t intensityId = 0;
    std::uint32_t trackId = 0;
    double partDistance = 0;
    double partDuration = 0;
    std::uint8_t partAveragePulse = 0;
    std::uint8_t partMaxPulse = 0;
    std::uint32_t maxPulseTest = 0;
    std::int32_t marker1 = -1;
    std::int32_t marker2 = -1;
    double date = 0;  // days since 1899-12-30, fraction = time of day

private:
    void Store(CArchive& ar);
    void Load(CArchive& ar);
};

}  // namespace kadenzo
