#pragma once

#include <cstdint>
#include <string>

#include "Archive.h"

namespace kadenzo {

// "None chosen" in a library reference field or colour.
constexpr std::uint32_t kNoId = 0xFFFFFFFFu;
constexpr std::uint32_t kNoColour = 0xFFFFFFFFu;
// Sports and sub-sports have a colour the analysis chart reads but nothing ever
// stores or edits: every one starts with this steel blue (0x00BBGGRR).
constexpr std::uint32_t kDefaultSportColour = 0x00C08040u;

// Identifier and name shared by every library item. The field defaults are the
// values a new row of the library editor starts with.
class CLibraryBaseItem : public CSerializable {
public:
    static constexpr const char* kClassName = "CLibraryBaseItem";
    const char* ClassName() const override { return kClassName; }
    int Schema() const override { return 0; }
    void Serialize(CArchive& ar) override;
    bool IsKindOf(std::string_view className) const override {
        return className == ClassName() || className == kClassName;
    }

    std::uint32_t id = 0;
    std::string name;
};

class CLibCategory : public CLibraryBaseItem {
public:
    static constexpr const char* kClassName = "CLibCategory";
    const char* ClassName() const override { return kClassName; }
    void Serialize(CArchive& ar) override;

    std::uint32_t colour = kNoColour;
};

class CLibIntensity : public CLibraryBaseItem {
public:
    static constexpr const char* kClassName = "CLibIntensity";
    const char* ClassName() const override { return kClassName; }
    void Serialize(CArchive& ar) override;

    std::int32_t level = 0;  // the intensity's rank
};

class CLibSport : public CLibraryBaseItem {
public:
    static constexpr const char* kClassName = "CLibSport";
    const char* ClassName() const override { return kClassName; }
    int Schema() const override { return 1; }
    void Serialize(CArchive& ar) override;

    std::uint32_t iconId = 0;                    // picture in the diary's icon strip, 0 for none
    std::uint32_t hasDistance = 0;               // 32-bit boolean
    std::uint32_t colour = kDefaultSportColour;  // not stored
    std::uint32_t active = 0;                    // 32-bit boolean, stored from schema 1 on
    double usageTotal = 0;                       // minutes of workouts, not stored
};

class CLibSubSport : public CLibraryBaseItem {
public:
    static constexpr const char* kClassName = "CLibSubSport";
    const char* ClassName() const override { return kClassName; }
    void Serialize(CArchive& ar) override;

    std::uint32_t sportId = kNoId;
    std::uint32_t colour = kDefaultSportColour;  // not stored
};

class CLibTrack : public CLibraryBaseItem {
public:
    static constexpr const char* kClassName = "CLibTrack";
    const char* ClassName() const override { return kClassName; }
    void Serialize(CArchive& ar) override;

    float distance = 0;  // kilometres
    float climb = 0;     // shown as typed, no unit conversion
    std::uint32_t sportId = kNoId;
};

// A workout template: a named plan with category, sport and target pulse range.
class CLibWorkout : public CLibraryBaseItem {
public:
    static constexpr const char* kClassName = "CLibWorkout";
    const char* ClassName() const override { return kClassName; }
    void Serialize(CArchive& ar) override;

    std::uint32_t categoryId = kNoId;
    std::uint32_t sportId = kNoId;
    std::string comment;
    std::uint32_t pulseLow = 0;
    std::uint32_t pulseHigh = 0;
    std::uint32_t pulseRelative = 1;  // 32-bit boolean: limits in % of the maximum heart rate
};

// An event kind: names and colours calendar events.
class CLibEvent : public CLibraryBaseItem {
public:
    static constexpr const char* kClassName = "CLibEvent";
    const char* ClassName() const override { return kClassName; }
    void Serialize(CArchive& ar) override;

    std::uint32_t colour = kNoColour;
};

// Adds the item classes and CLibrary to the class registry; safe to call again.

}  // namespace kadenzo
