#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ChoiceLists.h"
#include "FieldRange.h"
#include "StringTable.h"
#include "Units.h"
#include "WorkOut.h"

namespace kadenzo {

class CLibrary;
class CLibWorkout;

// What the set-up page of the workout editor shows and how it changes the
// workout being edited: its template (name, comment, target heart-rate range,
// perhaps a fixed sport), the sport, the planned duration and distance as one
// text, a flag, a note and a link. The page shows the public fields and
// writes what the user typed back into them before calling the operations.
class SetupPageValues {
public:
    struct Context {
        const CLibrary& library;
        const UnitSettings& units;
        const StringTable& texts;
        // The athlete's maximum heart rate on the workout's date, for
        // templates whose range is a percentage of it.
        CWorkOut::MaxHeartRateOf maxHeartRate;
    };

    // Fills the fields from the workout (a copy the sheet owns) and applies
    // its template's heart-rate range unless the workout keeps its own.
    SetupPageValues(CWorkOut& workout, Context context);

    // The sports offered: "none", the active sports and, when the workout has
    // another sport, that one too (so that it can be shown).
    const std::vector<ChoiceEntry>& Sports() const { return sports_; }
    int SportIndex() const { return sportIndex_; }
    // Off while the template fixes the sport.
    bool SportEnabled() const { return sportEnabled_; }
    // The user picked a sport (-1: none); the workout takes it at once.
    void SelectSport(int index);

    std::uint32_t TemplateId() const { return workout_.templateId; }
    // Puts another template in place: its range is applied even over the
    // workout's own, its name, comment and sport are shown. False (nothing
    // changed) for the workout's own template and for an id naming none.
    bool ChooseTemplate(std::uint32_t templateId);

    // The range of the planned duration or distance that the workout cannot
    // take as typed (a negative or too large one); nothing when it can, or
    // when the planned text is left as it was shown.
    std::optional<FieldRange> Check() const;
    // OK: the flag, planned values, note and link go into the workout; false,
    // with nothing changed, when Check refuses the planned text. A planned
    // text left as it was shown keeps the stored values, which it shows
    // rounded.
    bool Apply();

    std::string templateName;     // the library's missing-item text for a lost template
    std::string templateComment;  // shown only
    std::string heartRateText;    // shown only
    bool flag = false;
    std::string note;
    std::string plannedText;
    std::string link;

private:
    const CLibWorkout* Template() const;
    void ShowTemplate();
    void RefreshSports();

    CWorkOut& workout_;
    Context context_;
    std::vector<ChoiceEntry> sports_;
    int sportIndex_ = 0;
    bool sportEnabled_ = true;
    std::string shownPlannedText_;
};

}  // namespace kadenzo
