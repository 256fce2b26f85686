#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace kadenzo {

// The undo and redo history of whole-document snapshots. Only the current
// state is kept whole; every other snapshot is kept as its difference from
// its neighbour towards the current state (the bytes between the longest
// common beginning and end), since one change touches one place of a diary.
// Going back or forth rebuilds the neighbour and turns the state left behind
// into a difference, so memory stays near one snapshot however long the
// history.
class UndoHistory {
public:
    using Bytes = std::vector<std::uint8_t>;

    // At most maxUndo + 1 states are kept, the current one included.
    explicit UndoHistory(std::size_t maxUndo) : maxUndo_(maxUndo) {}

    void Clear();
    void SetMaxUndo(std::size_t maxUndo) { maxUndo_ = maxUndo; }
    // A new current state, reached by the step named `stepName` (a text
    // number); the redo list goes and the oldest state beyond the limit is
    // dropped. The mark is the caller's note on the state (0: none), which
    // comes back with it on undo and redo.
    void Push(Bytes snapshot, std::uint32_t stepName = 0, std::uint64_t mark = 0);

    // States kept behind (the current one included) and ahead.
    std::size_t UndoCount() const { return undo_.size(); }
    std::size_t RedoCount() const { return redo_.size(); }
    const Bytes& Current() const { return current_; }
    // The name of the step that reached the current state / the next one;
    // call only when UndoCount() >= 1 / RedoCount() >= 1.
    std::uint32_t UndoName() const { return undo_.front().step; }
    std::uint32_t RedoName() const { return redo_.front().step; }
    // The mark of the current state; 0 when the history is empty.
    std::uint64_t Mark() const { return undo_.empty() ? 0 : undo_.front().mark; }

    // The state before / after the current one, rebuilt; call only when
    // UndoCount() >= 2 / RedoCount() >= 1.
    Bytes Previous() const;
    Bytes Next() const;
    // Makes the state Previous() / Next() gave the current one.
    void StepBack(Bytes previous);
    void StepForward(Bytes next);

    // Bytes held, the current snapshot's capacity included.
    std::size_t HeldBytes() const;

private:
    // A state as its difference from a base: base[0, prefix) + middle +
    // the last `suffix` bytes of the base; step names the change that led
    // from the state before it to this one, mark is the state's mark.
    struct Delta {
        std::size_t prefix = 0;
        std::size_t suffix = 0;
        Bytes middle;
        std::uint32_t step = 0;
        std::uint64_t mark = 0;
    };
    static Delta Difference(const Bytes& state, const Bytes& base, const Delta& names);
    static Bytes Apply(const Bytes& base, const Delta& delta);

    std::size_t maxUndo_;
    Bytes current_;
    // undo_[0] stands for the current state (empty delta); undo_[k] is the
    // state k steps back as a difference from the state k - 1 steps back.
    std::deque<Delta> undo_;
    // redo_[0] is the next state as a difference from the current one;
    // redo_[k] as a difference from redo_[k - 1].
    std::deque<Delta> redo_;
};

}  // namespace kadenzo
