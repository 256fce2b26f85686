#include "WorkOut.h"

#include "Library.h"
#include "SlabPool.h"

namespace kadenzo {

using WorkoutPool = SlabPool<sizeof(CWorkOut), alignof(CWorkOut)>;

void* CWorkOut::operator new(std::size_t size) {
    return size == sizeof(CWorkOut) ? WorkoutPool::Allocate() : ::operator new(size);
}

void CWorkOut::operator delete(void* object, std::size_t size) noexcept {
    if (size == sizeof(CWorkOut))
        WorkoutPool::Release(object);
    else
        ::operator delete(object);
}

CWorkOut::CWorkOut(const CLibWorkout& workoutTemplate)
    : templateId(workoutTemplate.id), sportId(workoutTemplate.sportId) {}

CWorkOut::CWorkOut(const CWorkOut& other, bool resetTargets) : CWorkOut(other) {
    if (resetTargets) {
        targetPulseLow = 0;
        targetPulseHigh = 0;
        targetFixed = 0;
    }
}

bool CWorkOut::IsEqual(const CWorkOut& o) const {
    return date == o.date && planFlag == o.planFlag && templateId == o.templateId &&
           plannedDistance == o.plannedDistance && plannedDuration == o.plannedDuration &&
           planNote == o.planNote && planFilePath == o.planFilePath && sportId == o.sportId &&
           maxPulseTest == o.maxPulseTest && intensityId == o.intensityId &&
           subSportId == o.subSportId && trackId == o.trackId && distance == o.distance &&
           maxPulse == o.maxPulse && averagePulse == o.averagePulse && duration == o.duration &&
           notes == o.notes && recordingPath == o.recordingPath && partDistance == o.partDistance &&
           partMaxPulse == o.partMaxPulse && partAveragePulse == o.partAveragePulse &&
           partDuration == o.partDuration && marker1 == o.marker1 && marker2 == o.marker2;
}

bool CWorkOut::Validate(const CLibrary* library) { return library && Validate(library->Ids()); }

bool CWorkOut::Validate(const LibraryIds& library) {
    if (!library.workoutTemplates.Has(templateId)) return false;
    if (sportId != 0 && !library.sports.Has(sportId)) sportId = 0;
    if (subSportId != 0 && !library.subSports.Has(subSportId)) subSportId = 0;
    if (intensityId != 0 && !library.intensities.Has(intensityId)) intensityId = 0;
    if (trackId != 0 && !library.tracks.Has(trackId)) trackId = 0;
    return true;
}

void CWorkOut::ComputeTargetPulse(const CLibrary& library, const MaxHeartRateOf& maxHeartRate,
                                  bool force) {
    if (!force && targetFixed) return;
    const CLibWorkout* workoutTemplate = library.FindWorkout(templateId);
    if (!workoutTemplate) return;
    if (workoutTemplate->pulseRelative) {
        const auto m = maxHeartRate ? static_cast<std::uint32_t>(maxHeartRate(*this)) : 0u;
        // 32-bit products, truncated toward zero, then the low 8 bits.
        auto percentOf = [m](std::uint32_t percent) {
            auto product = static_cast<std::int32_t>(percent * m);
            return static_cast<std::uint8_t>(static_cast<std::int32_t>(product * 0.01));
        };
        targetPulseHigh = percentOf(workoutTemplate->pulseHigh);
        targetPulseLow = percentOf(workoutTemplate->pulseLow);
    } else {
        targetPulseHigh = static_cast<std::uint8_t>(workoutTemplate->pulseHigh);
        targetPulseLow = static_cast<std::uint8_t>(workoutTemplate->pulseLow);
    }
}

bool CWorkOut::FixTargetsIfDue(double now, const CLibrary& library,
                               const MaxHeartRateOf& maxHeartRate) {
    if (targetFixed || !(date <= now)) return false;
    ComputeTargetPulse(library, maxHeartRate, false);
    targetFixed = 1;
    return true;
}

void CWorkOut::Serialize(CArchive& ar) {
    if (ar.IsStoring())
        Store(ar);
    else
        Load(ar);
}

void CWorkOut::Store(CArchive& ar) {
    ar.WriteDouble(date);
    ar.WriteDouble(plannedDistance);
    ar.WriteDouble(plannedDuration);
    ar.WriteDword(templateId);
    ar.WriteString(planFilePath);
    ar.WriteString(planNote);
    ar.WriteDword(planFlag);
    ar.WriteDword(sportId);
    ar.WriteDword(targetFixed);
    if (targetFixed) {
        ar.WriteByte(targetPulseHigh);
        ar.WriteByte(targetPulseLow);
    }
    ar.WriteDouble(distance);
    ar.WriteDouble(duration);
    ar.WriteDouble(partDistance);
    ar.WriteDouble(partDuration);
    ar.WriteString(recordingPath);
    ar.WriteString(notes);
    ar.WriteByte(averagePulse);
    ar.WriteByte(partAveragePulse);
    ar.WriteDword(subSportId);
    ar.WriteDword(intensityId);
    ar.WriteDword(trackId);
    ar.WriteByte(maxPulse);
    ar.WriteByte(partMaxPulse);
    ar.WriteDword(maxPulseTest);
    ar.WriteLong(marker1);
    ar.WriteLong(marker2);
}

void CWorkOut::Load(CArchive& ar) {
    const int schema = ar.GetObjectSchema();
    // Schemas 0 and 1 (and raw records) hold the real values as 4-byte floats.
    auto readReal = [&ar, schema]() -> double {
        return schema < 2 ? static_cast<double>(ar.ReadFloat()) : ar.ReadDouble();
    };
    date = ar.ReadDouble();
    if (schema < 0) {
        // Raw records hold one planned value and a selector saying which it is.
        auto value = static_cast<double>(ar.ReadFloat());
        if (ar.ReadDword() != 0)
            plannedDuration = value;
        else
            plannedDistance = value;
    } else {
        plannedDistance = readReal();
        plannedDuration = readReal();
    }
    templateId = ar.ReadDword();
    ar.ReadString(planFilePath);
    ar.ReadString(planNote);
    planFlag = ar.ReadDword();
    sportId = ar.ReadDword();
    targetFixed = ar.ReadDword();
    if (targetFixed) {
        targetPulseHigh = ar.ReadByte();
        targetPulseLow = ar.ReadByte();
    }
    distance = readReal();
    duration = readReal();
    if (schema >= 0) {
        partDistance = readReal();
        partDuration = readReal();
    }
    ar.ReadString(recordingPath);
    ar.ReadString(notes);
    averagePulse = ar.ReadByte();
    if (schema >= 0) partAveragePulse = ar.ReadByte();
    subSportId = ar.ReadDword();
    intensityId = ar.ReadDword();
    trackId = ar.ReadDword();
    maxPulse = ar.ReadByte();
    if (schema >= 0) partMaxPulse = ar.ReadByte();
    maxPulseTest = ar.ReadDword();
    if (schema >= 1) {
        marker1 = ar.ReadLong();
        marker2 = ar.ReadLong();
    }
}

}  // namespace kadenzo
