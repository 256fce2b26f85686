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

}  // namespace
}  // namespace kadenzo
