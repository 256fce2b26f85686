#include "ConflictRows.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "DateTime.h"
#include "Formats.h"
#include "Library.h"
#include "StringTable.h"
#include "SyncTexts.h"
#include "TextFormat.h"

namespace kadenzo {
namespace {

using sync::Choice;
using sync::ConflictKind;

// A numbered text, or the English one where the language module lacks it.
std::string TextOr(const StringTable& texts, std::uint32_t id, const char* english) {
    std::string text = texts.Text(id);
    return text.empty() ? english : text;
}

// A label's text as it reads, without its mnemonic ampersand.
std::string Plain(std::string text) {
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;
        plain += text[i];
    }
    return plain;
}

void AddLine(std::string& to, const std::string& line) {
    if (line.empty()) return;
    if (!to.empty()) to += '\n';
    to += line;
}

std::string DayText(int day) {
    const std::optional<DateParts> parts = PartsFromDateTime(NoonOfDayNumber(day));
    return parts ? FormatDate(*parts) : std::string();
}

class Describer {
public:
    Describer(const CLibrary& library, const UnitSettings& units, const StringTable& texts)
        : library_(library), units_(units), texts_(texts) {}

    std::string Text(std::uint32_t id, const char* english) const {
        return TextOr(texts_, id, english);
    }
    std::string None() const { return Text(synctext::kNone, "(none)"); }

    // "1:30:00, 12.5 km": the distance only for sports measured by it.
    std::string Figures(const CWorkOut& w, double duration, double distance) const {
        std::string figures = FormatDuration(duration, true);
        const CLibSport* sport = library_.FindSport(w.sportId);
        if ((!sport || sport->hasDistance != 0) && distance != 0)
            figures += ", " + FormatFixed(ToDisplay(distance, kUnitDistance, units_), 1) + " " +
                       UnitLabel(kUnitDistance, units_, texts_);
        return figures;
    }

    void Workout(const std::optional<CWorkOut>& w, std::string& line, std::string& details) const {
        if (!w) {
            line = details = None();
            return;
        }
        const std::string name = library_.GetWorkoutName(w->templateId);
        const std::string planned =
            FormatText(Text(synctext::kPlanned, "planned %s"),
                       {Figures(*w, w->plannedDuration, w->plannedDistance)});
        const std::string done = w->duration > 0 || w->distance > 0
                                     ? FormatText(Text(synctext::kDone, "done %s"),
                                                  {Figures(*w, w->duration, w->distance)})
                                     : std::string();
        line = name + ", " + (done.empty() ? planned : done);
        if (!w->notes.empty()) line += ", " + w->notes;

        details.clear();
        AddLine(details, name);
        if (const std::optional<DateParts> at = PartsFromDateTime(w->date)) {
            const std::string time = (at->hour < 10 ? "0" : "") + std::to_string(at->hour) + ":" +
                                     (at->minute < 10 ? "0" : "") + std::to_string(at->minute);
            AddLine(details, FormatText(Text(synctext::kTime, "Time: %s"), {time}));
        }
        if (w->sportId != 0)
            AddLine(details, FormatText(Text(synctext::kSport, "Sport: %s"),
                                        {library_.GetSportName(w->sportId)}));
        AddLine(details, planned);
        AddLine(details, done);
        if (w->averagePulse != 0 || w->maxPulse != 0)
            AddLine(details,
                    FormatText(Text(synctext::kHeartRate, "Heart rate: average %d, maximum %d"),
                               {static_cast<int>(w->averagePulse), static_cast<int>(w->maxPulse)}));
        if (!w->notes.empty())
            AddLine(details, FormatText(Text(synctext::kNotes, "Notes: %s"), {w->notes}));
        if (!w->planNote.empty())
            AddLine(details, FormatText(Text(synctext::kPlanNote, "Plan note: %s"), {w->planNote}));
    }

    std::string BodyInfo(const CBodyInfo& info) const {
        std::string text;
        auto add = [&](const std::string& part) {
            if (part.empty()) return;
            if (!text.empty()) text += ", ";
            text += part;
        };
        if (info.weight > 0)
            add(FormatText(Text(synctext::kWeight, "Weight: %.1f %s"),
                           {ToDisplay(info.weight, kUnitWeight, units_),
                            UnitLabel(kUnitWeight, units_, texts_)}));
        if (info.value3 > 0)
            add(FormatText(Text(synctext::kRestingHeartRate, "Resting heart rate: %d"),
                           {static_cast<int>(info.value3)}));
        if (info.value2 > 0)
            add(FormatText(Text(synctext::kBodyFat, "Body fat: %.1f %%"), {info.value2}));
        if (!info.note.empty()) add(FormatText(Text(synctext::kNote, "Note: %s"), {info.note}));
        return text;
    }

    std::string BodyInfos(const std::vector<CBodyInfo>& infos) const {
        std::string text;
        for (const CBodyInfo& info : infos) AddLine(text, BodyInfo(info));
        return text.empty() ? None() : text;
    }

    std::string Event(const std::optional<sync::EventOnDay>& event) const {
        if (!event) return Text(synctext::kNoEvent, "no event");
        const CLibEvent* kind = event->kind >= 0
                                    ? library_.FindEvent(static_cast<std::uint32_t>(event->kind))
                                    : nullptr;
        const std::string name = kind && !kind->name.empty()
                                     ? kind->name
                                     : FormatText(Text(synctext::kEventKind, "Event (%d)"),
                                                  {static_cast<int>(event->kind)});
        return event->blocksDay
                   ? FormatText(Text(synctext::kEventBlocked, "%s, no training"), {name})
                   : name;
    }

    std::string Athlete(sync::AthleteField field, std::int32_t value) const {
        switch (field) {
            case sync::AthleteField::BirthDate: {
                const std::optional<DateParts> date = LocalFromTimeStamp(value);
                return date ? FormatDate(*date) : std::to_string(value);
            }
            case sync::AthleteField::MaxHeartRate:
                return std::to_string(value);
            case sync::AthleteField::Formula:
                break;
        }
        if (value == 0) return Plain(Text(synctext::kFormula220, "220 minus age"));
        if (value == 1) return Plain(Text(synctext::kFormula210, "210 minus age"));
        return Text(synctext::kNoFormula, "none");
    }

private:
    const CLibrary& library_;
    const UnitSettings& units_;
    const StringTable& texts_;
};

// Why the two sides clash, from the merge's English text, which ends in one
// of a few phrases.
std::string Reason(const Describer& d, const std::string& what) {
    struct Known {
        const char* phrase;
        std::uint32_t text;
        const char* english;
    };
    static constexpr Known kKnown[] = {
        {"edited on both sides", synctext::kEditedOnBoth, "edited on both sides"},
        {"edited and removed", synctext::kEditedAndRemoved,
         "edited on one side, removed on the other"},
        {"added on both sides", synctext::kAddedOnBoth, "added on both sides"},
        {"different on the two sides", synctext::kDifferent, "different in the two versions"},
        {"renamed on both sides", synctext::kRenamedOnBoth, "renamed on both sides"},
    };
    for (const Known& known : kKnown)
        if (what.ends_with(known.phrase)) return d.Text(known.text, known.english);
    return what;
}

const char* const kListNames[] = {"Category", "Intensity",        "Sport",     "Sub-sport",
                                  "Track",    "Workout template", "Event kind"};
const char* const kAthleteFields[] = {"Date of birth", "Maximum heart rate", "Heart-rate formula"};

std::string KindText(const Describer& d, const sync::Conflict& conflict) {
    switch (conflict.kind) {
        case ConflictKind::Workout:
            return d.Text(synctext::kKindWorkout, "Workout");
        case ConflictKind::BodyInfo:
            return d.Text(synctext::kKindBodyData, "Body data");
        case ConflictKind::Event:
            return d.Text(synctext::kKindEvent, "Event");
        case ConflictKind::Library: {
            const auto list =
                static_cast<std::size_t>(std::get<sync::LibraryVersions>(conflict.versions).list);
            return FormatText(d.Text(synctext::kKindLibrary, "%s (library)"),
                              {d.Text(synctext::kFirstListName + static_cast<std::uint32_t>(list),
                                      kListNames[list])});
        }
        case ConflictKind::Name:
            return d.Text(synctext::kKindName, "Diary name");
        case ConflictKind::Athlete: {
            const auto field =
                static_cast<std::size_t>(std::get<sync::AthleteVersions>(conflict.versions).field);
            return d.Text(synctext::kKindAthlete, "Athlete profile") + ": " +
                   d.Text(synctext::kBirthDate + static_cast<std::uint32_t>(field),
                          kAthleteFields[field]);
        }
    }
    return {};
}

ConflictRow MakeRow(const Describer& d, const sync::Conflict& conflict) {
    ConflictRow row;
    if (conflict.day) row.day = DayText(*conflict.day);
    row.conflict = KindText(d, conflict) + ": " + Reason(d, conflict.what);
    row.offered = {Choice::Mine, Choice::Theirs};
    switch (conflict.kind) {
        case ConflictKind::Workout: {
            const auto& v = std::get<sync::WorkoutVersions>(conflict.versions);
            d.Workout(v.mine, row.mine, row.mineDetails);
            d.Workout(v.theirs, row.theirs, row.theirsDetails);
            if (v.mine && v.theirs) row.offered.push_back(Choice::Both);
            return row;
        }
        case ConflictKind::BodyInfo: {
            const auto& v = std::get<sync::BodyInfoVersions>(conflict.versions);
            row.mine = d.BodyInfos(v.mine);
            row.theirs = d.BodyInfos(v.theirs);
            break;
        }
        case ConflictKind::Event: {
            const auto& v = std::get<sync::EventVersions>(conflict.versions);
            if (conflict.day && v.lastDay > *conflict.day) row.day += " - " + DayText(v.lastDay);
            row.mine = d.Event(v.mine);
            row.theirs = d.Event(v.theirs);
            break;
        }
        case ConflictKind::Library: {
            const auto& v = std::get<sync::LibraryVersions>(conflict.versions);
            row.mine = v.mine ? v.mine->name : d.None();
            row.theirs = v.theirs ? v.theirs->name : d.None();
            break;
        }
        case ConflictKind::Name: {
            const auto& v = std::get<sync::NameVersions>(conflict.versions);
            row.mine = v.mine.empty() ? d.None() : v.mine;
            row.theirs = v.theirs.empty() ? d.None() : v.theirs;
            break;
        }
        case ConflictKind::Athlete: {
            const auto& v = std::get<sync::AthleteVersions>(conflict.versions);
            row.mine = d.Athlete(v.field, v.mine);
            row.theirs = d.Athlete(v.field, v.theirs);
            break;
        }
    }
    row.mineDetails = row.mine;
    row.theirsDetails = row.theirs;
    return row;
}

}  // namespace

ConflictRows::ConflictRows(const sync::MergeResult& merge, const UnitSettings& units,
                           const StringTable& texts) {
    if (!merge.Library()) throw std::invalid_argument("the merge was resolved already");
    const Describer d(*merge.Library(), units, texts);
    headers_ = {d.Text(synctext::kColumnDay, "Day"), d.Text(synctext::kColumnConflict, "Conflict"),
                d.Text(synctext::kColumnMine, "This diary"),
                d.Text(synctext::kColumnTheirs, "Other version"),
                d.Text(synctext::kColumnKeep, "Keep")};
    choiceNames_ = {headers_[2], headers_[3], d.Text(synctext::kShortBoth, "Both")};
    for (const sync::Conflict& conflict : merge.Conflicts()) {
        rows_.push_back(MakeRow(d, conflict));
        const std::vector<Choice>& offered = rows_.back().offered;
        // A default the row cannot show (Both for one version) reads as the version kept.
        Choice choice = conflict.defaultChoice;
        if (std::find(offered.begin(), offered.end(), choice) == offered.end())
            choice = std::get<sync::WorkoutVersions>(conflict.versions).mine ? Choice::Mine
                                                                             : Choice::Theirs;
        choices_.push_back(choice);
    }
}

std::string ConflictRows::Text(std::size_t row, ConflictColumn column) const {
    const ConflictRow& r = rows_.at(row);
    switch (column) {
        case ConflictColumn::Day:
            return r.day;
        case ConflictColumn::Conflict:
            return r.conflict;
        case ConflictColumn::Mine:
            return r.mine;
        case ConflictColumn::Theirs:
            return r.theirs;
        case ConflictColumn::Keep:
            break;
    }
    return choiceNames_[static_cast<std::size_t>(choices_.at(row))];
}

bool ConflictRows::Offers(std::size_t row, Choice choice) const {
    const std::vector<Choice>& offered = rows_.at(row).offered;
    return std::find(offered.begin(), offered.end(), choice) != offered.end();
}

bool ConflictRows::Choose(std::size_t row, Choice choice) {
    if (!Offers(row, choice)) return false;
    choices_[row] = choice;
    return true;
}

void ConflictRows::ChooseNext(std::size_t row, int step) {
    const std::vector<Choice>& offered = rows_.at(row).offered;
    const auto at = std::find(offered.begin(), offered.end(), choices_[row]) - offered.begin();
    const auto count = static_cast<std::ptrdiff_t>(offered.size());
    choices_[row] = offered[static_cast<std::size_t>(((at + step) % count + count) % count)];
}

}  // namespace kadenzo
