#include "UndoHistory.h"

#include <algorithm>
#include <cstring>

namespace kadenzo {
namespace {

// Length of the common beginning of a and b, found block by block with memcmp.
std::size_t CommonPrefix(const std::uint8_t* a, const std::uint8_t* b, std::size_t n) {
    constexpr std::size_t kBlock = 4096;
    std::size_t i = 0;
    while (i + kBlock <= n && std::memcmp(a + i, b + i, kBlock) == 0) i += kBlock;
    while (i < n && a[i] == b[i]) ++i;
    return i;
}

// Length of the common end of a[0, na) and b[0, nb), at most limit.
std::size_t CommonSuffix(const std::uint8_t* a, std::size_t na, const std::uint8_t* b,
                         std::size_t nb, std::size_t limit) {
    constexpr std::size_t kBlock = 4096;
    std::size_t i = 0;
    while (i + kBlock <= limit &&
           std::memcmp(a + na - i - kBlock, b + nb - i - kBlock, kBlock) == 0)
        i += kBlock;
    while (i < limit && a[na - i - 1] == b[nb - i - 1]) ++i;
    return i;
}

}  // namespace

UndoHistory::Delta UndoHistory::Difference(const Bytes& state, const Bytes& base,
                                           const Delta& names) {
    Delta delta;
    delta.step = names.step;
    delta.mark = names.mark;
    const std::size_t shorter = std::min(state.size(), base.size());
    delta.prefix = CommonPrefix(state.data(), base.data(), shorter);
    delta.suffix =
        CommonSuffix(state.data(), state.size(), base.data(), base.size(), shorter - delta.prefix);
    delta.middle.assign(state.begin() + static_cast<std::ptrdiff_t>(delta.prefix),
                        state.end() - static_cast<std::ptrdiff_t>(delta.suffix));
    return delta;
}

UndoHistory::Bytes UndoHistory::Apply(const Bytes& base, const Delta& delta) {
    Bytes state;
    state.reserve(delta.prefix + delta.middle.size() + delta.suffix);
    state.insert(state.end(), base.begin(),
                 base.begin() + static_cast<std::ptrdiff_t>(delta.prefix));
    state.insert(state.end(), delta.middle.begin(), delta.middle.end());
    state.insert(state.end(), base.end() - static_cast<std::ptrdiff_t>(delta.suffix), base.end());
    return state;
}

void UndoHistory::Clear() {
    current_.clear();
    undo_.clear();
    redo_.clear();
}

// A difference keeps the name of the step that reached its state, and its mark.
void UndoHistory::Push(Bytes snapshot, std::uint32_t stepName, std::uint64_t mark) {
    if (!undo_.empty()) undo_.front() = Difference(current_, snapshot, undo_.front());
    undo_.push_front(Delta{0, 0, {}, stepName, mark});
    current_ = std::move(snapshot);
    redo_.clear();
    while (undo_.size() > maxUndo_ + 1) undo_.pop_back();
}

UndoHistory::Bytes UndoHistory::Previous() const { return Apply(current_, undo_[1]); }

UndoHistory::Bytes UndoHistory::Next() const { return Apply(current_, redo_.front()); }

void UndoHistory::StepBack(Bytes previous) {
    redo_.push_front(Difference(current_, previous, undo_.front()));
    undo_.pop_front();
    undo_.front() = Delta{0, 0, {}, undo_.front().step, undo_.front().mark};
    current_ = std::move(previous);
}

void UndoHistory::StepForward(Bytes next) {
    undo_.front() = Difference(current_, next, undo_.front());
    undo_.push_front(Delta{0, 0, {}, redo_.front().step, redo_.front().mark});
    redo_.pop_front();
    current_ = std::move(next);
    while (undo_.size() > maxUndo_ + 1) undo_.pop_back();
}

std::size_t UndoHistory::HeldBytes() const {
    std::size_t total = current_.capacity();
    for (const Delta& d : undo_) total += d.middle.capacity();
    for (const Delta& d : redo_) total += d.middle.capacity();
    return total;
}

}  // namespace kadenzo
