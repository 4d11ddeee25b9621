// main_loop_test.cpp -- what one idle turn decides: draw, swap, end, toggle.
#include <vector>

#include "app/common/main_loop.h"
#include "app/common/shell_state.h"
#include "fixture.h"
#include "game/input.h"
#include "game/platform.h"

namespace {

// One step a turn, as the game first ran: a turn's rules without the clock.
class IdleTurnTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        SetPace(0);
    }
};

// Frames are counted by their one glClear. The frame of a turn that ends is
// drawn, just never shown; Escape's entry is left to its key-up message, and
// F1 toggles even on the last turn.
TEST_F(IdleTurnTest, OneTurnFollowsActiveEscapeAndF1) {
    const struct {
        unsigned char active, escape, f1;
        size_t frames;
        bool done, swap, toggle;
    } cases[] = {
        {1, 0, 0, 1, false, true, false}, {0, 0, 0, 0, false, true, false}, {1, 1, 0, 1, true, false, false},
        {0, 1, 0, 0, true, false, false}, {1, 0, 1, 1, false, true, true},  {1, 1, 1, 1, true, false, true},
    };
    for (const auto& c : cases) {
        IdleTurnTest::SetUp();
        active = c.active;
        keys[kVkEscape] = c.escape;
        keys[kVkF1] = c.f1;
        const IdleTurn turn = RunIdleTurn();
        SCOPED_TRACE(testing::Message() << "active " << +c.active << " Escape " << +c.escape << " F1 " << +c.f1);
        EXPECT_EQ(glrec::CallsNamed("glClear").size(), c.frames);
        EXPECT_EQ((std::vector<bool>{turn.done, turn.swap, turn.toggleFullscreen}),
                  (std::vector<bool>{c.done, c.swap, c.toggle}));
        EXPECT_EQ(keys[kVkEscape], c.escape);
        EXPECT_EQ(keys[kVkF1], 0);
    }
}

// Once per key-down message, not once per turn the key is held.
TEST_F(IdleTurnTest, F1TogglesOncePerPress) {
    KeyDown(kVkF1);
    EXPECT_TRUE(RunIdleTurn().toggleFullscreen);
    EXPECT_FALSE(RunIdleTurn().toggleFullscreen);
    KeyDown(kVkF1);  // pressed again: back to the first mode
    EXPECT_TRUE(RunIdleTurn().toggleFullscreen);
}

// At the default pace, a turn runs every step due since the last and shows
// only the last; a step that pauses is shown and ends the turn's steps.
TEST_F(IdleTurnTest, ATurnRunsTheDueStepsAndDrawsOnlyTheLast) {
    SetPace(kDefaultPace);
    constexpr long long kMs = 1000000;
    const long long start = 1000 * kMs;
    EXPECT_EQ(RunDueSteps(start, {nullptr, nullptr}).ran, 1);
    glrec::Reset(glrec::Detail::Full);
    const TurnSteps steps = RunDueSteps(start + 9 * kMs, {nullptr, nullptr});
    EXPECT_EQ(steps.ran, 9);
    EXPECT_TRUE(steps.drawn);
    EXPECT_EQ(glrec::CallsNamed("glClear").size(), 1u);
    EXPECT_EQ(RunDueSteps(start + 9 * kMs, {nullptr, nullptr}).ran, 0);

    sysnull::SetKeyDown(kVkSpace, true);
    const TurnSteps paused = RunDueSteps(start + 30 * kMs, {nullptr, nullptr});
    EXPECT_EQ(paused.ran, 1);
    EXPECT_TRUE(paused.drawn);
    EXPECT_EQ(glrec::CallsNamed("glClear").size(), 2u);
}

}  // namespace
