// main_loop_test.cpp -- what one idle turn decides: draw, swap, end, toggle.
#include "app/common/main_loop.h"
#include "fixture.h"
#include "game/input.h"

namespace {

class IdleTurnTest : public GameTest {
protected:
    // Frames drawn so far: each one clears once.
    static size_t Frames() { return glrec::CallsNamed("glClear").size(); }
};

TEST_F(IdleTurnTest, ActiveTurnDrawsAndSwaps) {
    const IdleTurn turn = RunIdleTurn();
    EXPECT_EQ(Frames(), 1u);
    EXPECT_FALSE(turn.done);
    EXPECT_TRUE(turn.swap);
    EXPECT_FALSE(turn.toggleFullscreen);
}

TEST_F(IdleTurnTest, InactiveTurnDrawsNothingButStillSwaps) {
    active = 0;
    const IdleTurn turn = RunIdleTurn();
    EXPECT_EQ(Frames(), 0u);
    EXPECT_TRUE(turn.swap);
    EXPECT_FALSE(turn.done);
}

TEST_F(IdleTurnTest, EscapeEndsTheLoopWithoutSwapActiveOrNot) {
    keys[kVkEscape] = 1;
    IdleTurn turn = RunIdleTurn();
    EXPECT_TRUE(turn.done);
    EXPECT_FALSE(turn.swap);
    EXPECT_EQ(Frames(), 1u);  // the frame is drawn, just never shown

    active = 0;
    turn = RunIdleTurn();
    EXPECT_TRUE(turn.done);
    EXPECT_FALSE(turn.swap);
    EXPECT_EQ(Frames(), 1u);
    EXPECT_EQ(keys[kVkEscape], 1) << "Escape's entry is left to its key-up message";
}

// The toggle happens once per key-down message, not once per turn it is held.
TEST_F(IdleTurnTest, F1TogglesOncePerPressAndClearsItsEntry) {
    keys[kVkF1] = 1;
    IdleTurn turn = RunIdleTurn();
    EXPECT_TRUE(turn.toggleFullscreen);
    EXPECT_EQ(keys[kVkF1], 0);
    EXPECT_TRUE(turn.swap);

    turn = RunIdleTurn();
    EXPECT_FALSE(turn.toggleFullscreen);

    KeyDown(kVkF1);  // pressed again: back to the first mode
    turn = RunIdleTurn();
    EXPECT_TRUE(turn.toggleFullscreen);
    EXPECT_EQ(Frames(), 3u);
}

TEST_F(IdleTurnTest, F1WithEscapeStillTogglesAsTheLoopEnds) {
    keys[kVkF1] = 1;
    keys[kVkEscape] = 1;
    const IdleTurn turn = RunIdleTurn();
    EXPECT_TRUE(turn.done);
    EXPECT_FALSE(turn.swap);
    EXPECT_TRUE(turn.toggleFullscreen);
    EXPECT_EQ(keys[kVkF1], 0);
}

}  // namespace
