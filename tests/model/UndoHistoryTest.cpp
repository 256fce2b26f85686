#include <gtest/gtest.h>

#include <random>
#include <string>

#include "UndoHistory.h"

namespace kadenzo {
namespace {

using Bytes = UndoHistory::Bytes;

Bytes Of(const std::string& text) { return Bytes(text.begin(), text.end()); }

// States that differ at the start, in the middle, at the end, in length, not
// at all and everywhere: every step back and forth gives them back exactly.
TEST(UndoHistory, EveryStateComesBackByteForByte) {
    const std::vector<Bytes> states = {
        Of("abcdefgh"), Of("Xbcdefgh"), Of("Xbcdefgh"),          Of("Xbc--efgh"),
        Of("Xbc--efg"), Of(""),         Of("totally different"), Of("totally different!")};
    UndoHistory history(20);
    for (const Bytes& s : states) history.Push(s);
    ASSERT_EQ(history.UndoCount(), states.size());
    for (std::size_t i = states.size() - 1; i > 0; --i) {
        EXPECT_EQ(history.Current(), states[i]);
        history.StepBack(history.Previous());
    }
    EXPECT_EQ(history.Current(), states[0]);
    EXPECT_EQ(history.RedoCount(), states.size() - 1);
    for (std::size_t i = 1; i < states.size(); ++i) {
        history.StepForward(history.Next());
        EXPECT_EQ(history.Current(), states[i]);
    }
}

TEST(UndoHistory, ALimitedHistoryOfSmallChangesHoldsAboutOneState) {
    std::mt19937 random(3);
    Bytes state(1 << 20);
    for (auto& b : state) b = static_cast<std::uint8_t>(random());
    UndoHistory history(10);
    std::vector<Bytes> pushed;
    for (int change = 0; change < 12; ++change) {
        // One edit somewhere: a byte changed, or one inserted.
        const auto at = static_cast<std::ptrdiff_t>(random() % state.size());
        if (change % 3 == 0)
            state.insert(state.begin() + at, 7);
        else
            state[static_cast<std::size_t>(at)] ^= 0x5A;
        history.Push(state);
        pushed.push_back(state);
    }
    EXPECT_EQ(history.UndoCount(), 11u);
    EXPECT_LT(history.HeldBytes(), state.size() + 4096);
    // Back to the oldest state kept, then a new change drops the redo list.
    for (int i = 0; i < 10; ++i) history.StepBack(history.Previous());
    EXPECT_EQ(history.Current(), pushed[1]);
    history.Push(Of("new"));
    EXPECT_EQ(history.RedoCount(), 0u);
    EXPECT_EQ(history.Previous(), pushed[1]);
}

}  // namespace
}  // namespace kadenzo
