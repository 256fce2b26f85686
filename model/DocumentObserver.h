#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace kadenzo {

// What one change of the document touched. Days are day numbers (DayNumber);
// an empty day range means no day in particular.
struct DocumentChange {
    enum What : std::uint32_t {
        kWorkouts = 1u << 0,  // workouts of the days firstDay ... lastDay
        kBodyData = 1u << 1,  // body data of the days firstDay ... lastDay
        kEvents = 1u << 2,
        kLibrary = 1u << 3,
        kProfile = 1u << 4,
        kTitle = 1u << 5,
        kModified = 1u << 6,  // the modified flag
    };

    std::uint32_t what = 0;
    int firstDay = std::numeric_limits<int>::max();
    int lastDay = std::numeric_limits<int>::min();

    static DocumentChange Of(std::uint32_t what) { return DocumentChange{what}; }
    // All data, every day (after the document was replaced as a whole).
    static DocumentChange Everything() {
        return {~0u, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()};
    }
    static DocumentChange Days(std::uint32_t what, int first, int last) {
        DocumentChange change{what};
        change.AddDays(first, last);
        return change;
    }

    bool Has(std::uint32_t flags) const { return (what & flags) != 0; }
    bool HasDays() const { return firstDay <= lastDay; }
    // True when the change touches workouts or body data of a day in first ... last.
    bool TouchesDays(int first, int last) const {
        return Has(kWorkouts | kBodyData) && firstDay <= last && first <= lastDay;
    }
    void AddDays(int first, int last) {
        firstDay = std::min({firstDay, first, last});
        lastDay = std::max({lastDay, first, last});
    }
    DocumentChange& operator|=(const DocumentChange& other) {
        what |= other.what;
        if (other.HasDays()) AddDays(other.firstDay, other.lastDay);
        return *this;
    }
};

// Views learn of changes through this interface. Around a load, undo or redo,
// which replace the training log (and perhaps the library) as a whole,
// observers are told twice: before, to let go of every list position and
// record pointer, and after, to show everything anew. Messages that reading a
// file raises are shown only after the second notice.
class DocumentObserver {
public:
    virtual ~DocumentObserver() = default;
    virtual void OnDocumentChanged(const DocumentChange& change) = 0;
    virtual void OnDocumentReplacing() {}
    virtual void OnDocumentReplaced() {}
};

}  // namespace kadenzo
