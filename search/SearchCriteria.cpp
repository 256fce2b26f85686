#include "SearchCriteria.h"

#include <algorithm>

#include "DateTime.h"
#include "Formats.h"

namespace kadenzo {
namespace {

using P = SearchProperty;
using T = SearchValueType;
using L = SearchItemList;

constexpr std::array<SearchPropertyInfo, 13> kProperties = {{
    {P::Date, 33098, T::Date, L::None},
    {P::Template, 33101, T::LibraryItem, L::Templates},
    {P::Category, 33094, T::LibraryItem, L::Categories},
    {P::Sport, 33011, T::LibraryItem, L::Sports},
    {P::SubSport, 33097, T::LibraryItem, L::SubSports},
    {P::Note, 33086, T::Text, L::None},
    {P::Comment, 33082, T::Text, L::None},
    {P::Duration, 33015, T::Number, L::None},
    {P::Distance, 33012, T::Number, L::None},
    {P::AveragePulse, 33013, T::Number, L::None},
    {P::MaxPulse, 33072, T::Number, L::None},
    {P::Track, 33100, T::LibraryItem, L::Tracks},
    {P::Intensity, 33099, T::LibraryItem, L::Intensities},
}};

std::optional<SearchCriterion> Start(SearchProperty property, SearchOperator op,
                                     SearchValueType expected) {
    const SearchPropertyInfo& info = InfoOf(property);
    if (info.type != expected || !IsOffered(op, info.type)) return std::nullopt;
    SearchCriterion criterion;
    criterion.property = property;
    criterion.op = op;
    return criterion;
}

}  // namespace

const std::array<SearchPropertyInfo, 13>& SearchProperties() { return kProperties; }

const SearchPropertyInfo& InfoOf(SearchProperty property) {
    for (const SearchPropertyInfo& info : kProperties)
        if (info.property == property) return info;
    return kProperties.front();
}

std::vector<SearchOperator> OperatorsFor(SearchValueType type) {
    using O = SearchOperator;
    switch (type) {
        case T::Date:
        case T::Number:
            return {O::AtLeast, O::AtMost, O::Equal};
        case T::Text:
            return {O::Contains, O::Equal};
        case T::LibraryItem:
            return {O::Equal};
    }
    return {};
}

bool IsOffered(SearchOperator op, SearchValueType type) {
    const std::vector<SearchOperator> offered = OperatorsFor(type);
    return std::find(offered.begin(), offered.end(), op) != offered.end();
}

std::uint32_t OperatorTextId(SearchOperator op) { return 33078 + static_cast<std::uint32_t>(op); }

std::optional<SearchCriterion> DateCriterion(SearchProperty property, SearchOperator op,
                                             int dayNumber) {
    std::optional<SearchCriterion> criterion = Start(property, op, T::Date);
    const double noon = NoonOfDayNumber(dayNumber);
    const std::optional<DateParts> parts = PartsFromDateTime(noon);
    if (!criterion || !parts) return std::nullopt;
    criterion->display = FormatDate(*parts);
    criterion->number = noon;
    return criterion;
}

std::optional<SearchCriterion> TypedCriterion(SearchProperty property, SearchOperator op,
                                              const std::string& typed) {
    const SearchValueType type = InfoOf(property).type;
    if (type != T::Text && type != T::Number) return std::nullopt;
    std::optional<SearchCriterion> criterion = Start(property, op, type);
    if (!criterion) return std::nullopt;
    criterion->display = typed;
    if (type == T::Number) {
        const std::string number = NormaliseDecimalComma(typed);
        criterion->number =
            property == P::Duration ? ParseDuration(number) : ParseLeadingNumber(number);
    }
    return criterion;
}

std::optional<SearchCriterion> ItemCriterion(SearchProperty property, SearchOperator op,
                                             std::uint32_t itemId, const std::string& name) {
    std::optional<SearchCriterion> criterion = Start(property, op, T::LibraryItem);
    if (!criterion) return std::nullopt;
    criterion->display = name;
    criterion->itemId = itemId;
    return criterion;
}

std::size_t SearchCriteriaList::Add(const SearchCriterion& criterion) {
    criteria_.push_back(criterion);
    current_ = criteria_.size() - 1;
    return *current_;
}

void SearchCriteriaList::Remove(std::size_t index) {
    if (index < criteria_.size())
        criteria_.erase(criteria_.begin() + static_cast<std::ptrdiff_t>(index));
    current_.reset();
}

bool SearchCriteriaList::UpdateCurrent(const SearchCriterion& criterion) {
    if (!current_) return false;
    criteria_[*current_] = criterion;
    return true;
}

void SearchCriteriaList::SetCurrent(std::size_t index) {
    if (index < criteria_.size()) current_ = index;
}

std::optional<std::vector<SearchCriterion>> SearchCriteriaList::ForSearch(
    const std::optional<SearchCriterion>& controls) const {
    if (!criteria_.empty()) return criteria_;
    if (!controls) return std::nullopt;
    return std::vector<SearchCriterion>{*controls};
}

}  // namespace kadenzo
