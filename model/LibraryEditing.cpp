#include "LibraryEditing.h"

#include <charconv>
#include <cmath>
#include <functional>
#include <limits>

#include "Database.h"
#include "Formats.h"
#include "Library.h"
#include "Units.h"

namespace kadenzo {
namespace {

// Column headings and messages of the language modules.
constexpr std::uint32_t kTitleName = 34100;
constexpr std::uint32_t kTitleColour = 34101;
constexpr std::uint32_t kTitleLevel = 34102;
constexpr std::uint32_t kTitleActive = 34103;
constexpr std::uint32_t kTitleSport = 34104;
constexpr std::uint32_t kTitleDistance = 34105;
constexpr std::uint32_t kTitleClimb = 34106;
constexpr std::uint32_t kTitleCategory = 34107;
constexpr std::uint32_t kTitlePulseRelative = 34108;
constexpr std::uint32_t kTitlePulseLow = 34109;
constexpr std::uint32_t kTitlePulseHigh = 34110;
constexpr std::uint32_t kTitleComment = 34111;

constexpr std::uint32_t kMessageInUse = 33043;
constexpr std::uint32_t kMessageNameMissing = 33044;
constexpr std::uint32_t kMessageCategoryMissing = 33045;
constexpr std::uint32_t kMessageSportMissing = 33046;

// Typed numbers go into unsigned and signed 32-bit fields clamped to their range.
std::uint32_t ToUnsigned(double v) {
    if (!(v > 0)) return 0;
    if (v >= 4294967295.0) return std::numeric_limits<std::uint32_t>::max();
    return static_cast<std::uint32_t>(v);
}

std::int32_t ToSigned(double v) {
    if (std::isnan(v)) return 0;
    if (v <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
    if (v >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(v);
}

// A stored float as the decimal it holds (10.12f is 10.1199998... as a
// double), so that rounding it down does not cost a hundredth each time a
// track's row is stored again.
double AsDecimal(float value) {
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value);
    double decimal = value;
    std::from_chars(text, written.ptr, decimal);
    return decimal;
}

CellValue Text(const std::string& s) { return CellValue{s, 0, 0}; }
CellValue Number(double n) { return CellValue{"", n, 0}; }
CellValue Value(std::uint32_t v) { return CellValue{"", 0, v}; }

template <class T>
std::vector<Choice> ChoicesOf(const CLibItemList<T>& list) {
    std::vector<Choice> choices;
    for (const auto& item : list) choices.push_back({item->id, item->name});
    return choices;
}

bool AnyWorkout(const CDatabase* log, const std::function<bool(const CWorkOut&)>& uses) {
    if (!log) return false;
    for (const auto& workout : log->Workouts())
        if (uses(*workout)) return true;
    return false;
}

// One column: its heading and kind, and how a cell moves between item and grid.
template <class T>
struct Column {
    ColumnInfo info;
    std::function<CellValue(const T&)> get;
    std::function<void(T&, const CellValue&)> set;
    std::function<std::vector<Choice>()> choices;
};

// A list described by its columns and rules.
template <class T>
class ListModel : public LibraryListModel {
public:
    struct Rules {
        std::uint32_t titleId;
        bool editableRows;
        std::vector<Column<T>> columns;
        std::function<bool(const T&)> inUse;
        std::function<std::uint32_t(const std::vector<CellValue>&)> validate;
        bool labelIsName = false;
    };

    ListModel(CLibItemList<T>& list, Rules rules) : list_(list), rules_(std::move(rules)) {
        for (const Column<T>& c : rules_.columns) infos_.push_back(c.info);
    }

    std::uint32_t TitleId() const override { return rules_.titleId; }
    bool CanAddRows() const override { return rules_.editableRows; }
    bool CanDeleteRows() const override { return rules_.editableRows; }
    const std::vector<ColumnInfo>& Columns() const override { return infos_; }
    std::size_t RowCount() const override { return list_.size(); }
    std::string RowLabel(std::size_t row) const override {
        return rules_.labelIsName ? list_[row].name : std::string();
    }
    std::vector<Choice> Choices(std::size_t column) const override {
        const auto& choices = rules_.columns.at(column).choices;
        return choices ? choices() : std::vector<Choice>{};
    }

    std::size_t AddRow() override {
        list_.AddNew();
        return list_.size() - 1;
    }

    DeleteResult DeleteRow(std::size_t row) override {
        if (!rules_.editableRows || row >= list_.size()) return {false, 0};
        if (rules_.inUse && rules_.inUse(list_[row])) return {false, kMessageInUse};
        list_.RemoveAt(row);
        return {true, 0};
    }

    CellValue GetCell(std::size_t row, std::size_t column) const override {
        return rules_.columns.at(column).get(list_[row]);
    }
    void SetCell(std::size_t row, std::size_t column, const CellValue& value) override {
        rules_.columns.at(column).set(list_[row], value);
    }
    std::uint32_t Validate(const std::vector<CellValue>& cells) const override {
        if (!rules_.validate || cells.size() < rules_.columns.size()) return 0;
        return rules_.validate(cells);
    }

private:
    CLibItemList<T>& list_;
    Rules rules_;
    std::vector<ColumnInfo> infos_;
};

template <class T>
Column<T> NameColumn() {
    return {{kTitleName, CellKind::Text},
            [](const T& item) { return Text(item.name); },
            [](T& item, const CellValue& v) { item.name = v.text; },
            nullptr};
}

template <class T>
Column<T> ColourColumn() {
    return {{kTitleColour, CellKind::Colour},
            [](const T& item) { return Value(item.colour); },
            [](T& item, const CellValue& v) { item.colour = v.value; },
            nullptr};
}

template <class T>
Column<T> SportColumn(const CLibrary& library) {
    return {{kTitleSport, CellKind::Choice},
            [](const T& item) { return Value(item.sportId); },
            [](T& item, const CellValue& v) { item.sportId = v.value; },
            [&library] { return ChoicesOf(library.sports); }};
}

// An empty name is refused: every list says that the name is missing.
auto NameRequired() {
    return [](const std::vector<CellValue>& cells) -> std::uint32_t {
        return cells[0].text.empty() ? kMessageNameMissing : 0;
    };
}

std::unique_ptr<LibraryListModel> Categories(CLibrary& library) {
    ListModel<CLibCategory>::Rules rules{33090,
                                         true,
                                         {NameColumn<CLibCategory>(), ColourColumn<CLibCategory>()},
                                         [&library](const CLibCategory& c) {
                                             for (const auto& t : library.workoutTemplates)
                                                 if (t->categoryId == c.id) return true;
                                             return false;
                                         },
                                         NameRequired()};
    return std::make_unique<ListModel<CLibCategory>>(library.categories, std::move(rules));
}

std::unique_ptr<LibraryListModel> Intensities(CLibrary& library, const CDatabase* log) {
    Column<CLibIntensity> level{
        {kTitleLevel, CellKind::Number},
        [](const CLibIntensity& i) { return Number(i.level); },
        [](CLibIntensity& i, const CellValue& v) { i.level = ToSigned(v.number); },
        nullptr};
    ListModel<CLibIntensity>::Rules rules{
        33091,
        true,
        {NameColumn<CLibIntensity>(), level},
        [log](const CLibIntensity& i) {
            return AnyWorkout(log, [&](const CWorkOut& w) { return w.intensityId == i.id; });
        },
        NameRequired()};
    return std::make_unique<ListModel<CLibIntensity>>(library.intensities, std::move(rules));
}

std::unique_ptr<LibraryListModel> Sports(CLibrary& library) {
    Column<CLibSport> active{{kTitleActive, CellKind::CheckBox},
                             [](const CLibSport& s) { return Value(s.active); },
                             [](CLibSport& s, const CellValue& v) { s.active = v.value; },
                             nullptr};
    ListModel<CLibSport>::Rules rules{33087, false, {active}, nullptr, nullptr, true};
    return std::make_unique<ListModel<CLibSport>>(library.sports, std::move(rules));
}

std::unique_ptr<LibraryListModel> SubSports(CLibrary& library, const CDatabase* log) {
    ListModel<CLibSubSport>::Rules rules{
        33092,
        true,
        {NameColumn<CLibSubSport>(), SportColumn<CLibSubSport>(library)},
        [log](const CLibSubSport& s) {
            return AnyWorkout(log, [&](const CWorkOut& w) { return w.subSportId == s.id; });
        },
        [](const std::vector<CellValue>& cells) -> std::uint32_t {
            if (cells[0].text.empty()) return kMessageNameMissing;
            if (cells[1].value == kNoId) return kMessageSportMissing;
            return 0;
        }};
    return std::make_unique<ListModel<CLibSubSport>>(library.subSports, std::move(rules));
}

std::unique_ptr<LibraryListModel> Tracks(CLibrary& library, const CDatabase* log,
                                         const UnitSettings& units) {
    // The distance is shown in the user's unit and kept in kilometres, both
    // rounded down to 2 decimals.
    Column<CLibTrack> distance{
        {kTitleDistance, CellKind::Number},
        [&units](const CLibTrack& t) {
            return Number(RoundDown(ToDisplay(AsDecimal(t.distance), kUnitDistance, units), 2));
        },
        [&units](CLibTrack& t, const CellValue& v) {
            t.distance =
                static_cast<float>(RoundDown(FromDisplay(v.number, kUnitDistance, units), 2));
        },
        nullptr};
    Column<CLibTrack> climb{
        {kTitleClimb, CellKind::Number},
        [](const CLibTrack& t) { return Number(t.climb); },
        [](CLibTrack& t, const CellValue& v) { t.climb = static_cast<float>(v.number); },
        nullptr};
    ListModel<CLibTrack>::Rules rules{
        33088,
        true,
        {NameColumn<CLibTrack>(), SportColumn<CLibTrack>(library), distance, climb},
        [log](const CLibTrack& t) {
            return AnyWorkout(log, [&](const CWorkOut& w) { return w.trackId == t.id; });
        },
        NameRequired()};
    return std::make_unique<ListModel<CLibTrack>>(library.tracks, std::move(rules));
}

std::unique_ptr<LibraryListModel> Templates(CLibrary& library, const CDatabase* log) {
    using W = CLibWorkout;
    Column<W> category{{kTitleCategory, CellKind::Choice},
                       [](const W& w) { return Value(w.categoryId); },
                       [](W& w, const CellValue& v) { w.categoryId = v.value; },
                       [&library] { return ChoicesOf(library.categories); }};
    Column<W> relative{{kTitlePulseRelative, CellKind::CheckBox},
                       [](const W& w) { return Value(w.pulseRelative); },
                       [](W& w, const CellValue& v) { w.pulseRelative = v.value; },
                       nullptr};
    Column<W> low{{kTitlePulseLow, CellKind::Number},
                  [](const W& w) { return Number(w.pulseLow); },
                  [](W& w, const CellValue& v) { w.pulseLow = ToUnsigned(v.number); },
                  nullptr};
    Column<W> high{{kTitlePulseHigh, CellKind::Number},
                   [](const W& w) { return Number(w.pulseHigh); },
                   [](W& w, const CellValue& v) { w.pulseHigh = ToUnsigned(v.number); },
                   nullptr};
    Column<W> comment{{kTitleComment, CellKind::Text},
                      [](const W& w) { return Text(w.comment); },
                      [](W& w, const CellValue& v) { w.comment = v.text; },
                      nullptr};
    ListModel<W>::Rules rules{
        33093,
        true,
        {NameColumn<W>(), category, SportColumn<W>(library), relative, low, high, comment},
        [log](const W& t) {
            return AnyWorkout(log, [&](const CWorkOut& w) { return w.templateId == t.id; });
        },
        [](const std::vector<CellValue>& cells) -> std::uint32_t {
            if (cells[0].text.empty()) return kMessageNameMissing;
            if (cells[1].value == kNoId) return kMessageCategoryMissing;
            return 0;
        }};
    return std::make_unique<ListModel<W>>(library.workoutTemplates, std::move(rules));
}

std::unique_ptr<LibraryListModel> EventKinds(CLibrary& library, const CDatabase* log) {
    ListModel<CLibEvent>::Rules rules{
        33089,
        true,
        {NameColumn<CLibEvent>(), ColourColumn<CLibEvent>()},
        [log](const CLibEvent& kind) {
            if (!log) return false;
            for (const auto& event : log->Events())
                if (static_cast<std::uint32_t>(event->kind) == kind.id) return true;
            return false;
        },
        NameRequired()};
    return std::make_unique<ListModel<CLibEvent>>(library.eventKinds, std::move(rules));
}

}  // namespace

bool LibraryListModel::IsEmpty(std::size_t column, const CellValue& value) const {
    switch (Columns().at(column).kind) {
        case CellKind::Text:
            return value.text.empty();
        case CellKind::Number:
            return value.number == 0;
        case CellKind::CheckBox:
            return true;
        case CellKind::Choice:
            return value.value == kNoId;
        case CellKind::Colour:
            return value.value == kNoColour;
    }
    return true;
}

bool LibraryListModel::RowIsEmpty(const std::vector<CellValue>& cells) const {
    for (std::size_t c = 0; c < cells.size() && c < Columns().size(); ++c)
        if (!IsEmpty(c, cells[c])) return false;
    return true;
}

std::unique_ptr<LibraryListModel> MakeListModel(LibraryList list, CLibrary& library,
                                                const CDatabase* log, const UnitSettings& units) {
    switch (list) {
        case LibraryList::Categories:
            return Categories(library);
        case LibraryList::Intensities:
            return Intensities(library, log);
        case LibraryList::Sports:
            return Sports(library);
        case LibraryList::SubSports:
            return SubSports(library, log);
        case LibraryList::Tracks:
            return Tracks(library, log, units);
        case LibraryList::Templates:
            return Templates(library, log);
        case LibraryList::EventKinds:
            return EventKinds(library, log);
    }
    return nullptr;
}

}  // namespace kadenzo
