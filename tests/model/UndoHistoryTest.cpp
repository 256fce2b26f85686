#include <gtest/gtest.h>

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
    // A limited history drops the oldest state; a new one after a step back
    // drops what could have been redone.
    UndoHistory limited(2);
    for (const Bytes& s : states) limited.Push(s);
    EXPECT_EQ(limited.UndoCount(), 3u);
    limited.StepBack(limited.Previous());
    limited.Push(Of("new"));
    EXPECT_EQ(limited.RedoCount(), 0u);
    EXPECT_EQ(limited.Previous(), states[6]);
}

// A state's mark comes back with it: a merge (marked) undone leaves the mark
// of the state before it, redone brings it again, and later steps keep it.
TEST(UndoHistory, MarksComeBackWithTheirStates) {
    UndoHistory history(3);
    history.Push(Of("opened"), 0, 0);
    history.Push(Of("merged"), 1, 77);
    history.Push(Of("edited"), 2, 77);
    EXPECT_EQ(history.Mark(), 77u);
    history.StepBack(history.Previous());
    history.StepBack(history.Previous());
    EXPECT_EQ(history.Mark(), 0u);
    history.StepForward(history.Next());
    EXPECT_EQ(history.Mark(), 77u);
    EXPECT_EQ(history.UndoName(), 1u);
    history.Push(Of("merged again"), 1, 88);
    history.Push(Of("a"), 2, 88);
    history.Push(Of("b"), 2, 88);
    // The oldest states fall off the end; the rest keep their marks.
    history.StepBack(history.Previous());
    history.StepBack(history.Previous());
    history.StepBack(history.Previous());
    EXPECT_EQ(history.Current(), Of("merged"));
    EXPECT_EQ(history.Mark(), 77u);
    EXPECT_EQ(UndoHistory(1).Mark(), 0u);
}

}  // namespace
}  // namespace kadenzo
