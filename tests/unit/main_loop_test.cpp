// main_loop_test.cpp -- what one idle turn decides: draw, swap, end, toggle.
#include <string>
#include <vector>

#include "app/common/main_loop.h"
#include "app/common/shell_input.h"
#include "app/common/shell_state.h"
#include "fixture.h"
#include "game/input.h"
#include "game/platform.h"
#include "game/view.h"

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
    SetFrameRate(0);
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

// The messages between two steps, each at its moment, as a 1,000-a-second
// game with a frame every 9 ms sees them.
class TimedInputTest : public IdleTurnTest {
protected:
    static constexpr long long kStart = 1000 * kMs;

    void SetUp() override {
        IdleTurnTest::SetUp();
        SetPace(kDefaultPace);
        SetFrameRate(0);
        glrec::Reset(glrec::Detail::Counts);
        RunDueSteps(kStart, {nullptr, nullptr});  // step 0; step k falls due k ms later
    }

    // 'W' as each step of the turn up to `ms` read it.
    static std::string WalkingSteps(long long ms) {
        static std::string seen;
        seen.clear();
        RunDueSteps(kStart + ms * kMs, {[] {
                                            seen += keys[kVkW] ? 'W' : '.';
                                            return true;
                                        },
                                        nullptr});
        return seen;
    }
};

// Nothing reaches the game before its moment, and a tap shorter than the
// frame is seen by the two steps it spans, in order with the mouse between.
TEST_F(TimedInputTest, EachMessageReachesTheStepOfItsMoment) {
    ShellKeyAt(kVkW, true, kStart + 2 * kMs + kMs / 5);
    ShellMouseAt(600, 210, kStart + 2 * kMs + kMs / 2);
    ShellKeyAt(kVkW, false, kStart + 4 * kMs + kMs / 2);
    EXPECT_EQ(keys[kVkW], 0);
    EXPECT_EQ(WalkingSteps(9), "..WW.....");
    EXPECT_EQ(yrot, 3.0f);

    // Down, a move and up between two steps reach a recording in that order.
    struct Heard final : PassingRoute {
        std::vector<std::string> said;
        bool PassKey(unsigned code, bool down) override {
            said.push_back(std::to_string(code) + (down ? " down" : " up"));
            return true;
        }
        bool PassMouse(unsigned x, unsigned) override {
            said.push_back("mouse " + std::to_string(x));
            return true;
        }
    } heard;
    UseInputRoute(&heard);
    ShellKeyAt(kVkE, true, kStart + 20 * kMs + 1);
    ShellMouseAt(0, 210, kStart + 20 * kMs + 2);
    ShellKeyAt(kVkE, false, kStart + 20 * kMs + 3);
    EXPECT_EQ(WalkingSteps(20), std::string(11, '.'));
    EXPECT_TRUE(heard.said.empty());
    EXPECT_EQ(WalkingSteps(21), ".");
    EXPECT_EQ(heard.said, (std::vector<std::string>{"69 down", "mouse 0", "69 up"}));
    UseInputRoute(nullptr);

    // Read late, a message stamped earlier than one waiting is not held back by it.
    ShellMouseAt(600, 210, kStart + 35 * kMs);
    ShellKeyAt(kVkW, true, kStart + 30 * kMs);
    EXPECT_EQ(WalkingSteps(32), "........WWW");
}

// A report every millisecond for 96 ms, the steps running meanwhile, is one
// mouse message each 8 ms at the default rate, the last position of each
// share counting; at rate 0, one message each.
TEST_F(TimedInputTest, TheMouseRateCapsTheMessagesAndTheLastPositionCounts) {
    for (const int rate : {kDefaultMouseRate, 0}) {
        SetMouseRate(rate);
        yrot = 0;
        const long long base = rate == 0 ? 400 : 100;
        for (int ms = 0; ms < 96; ++ms) {
            // The last report turns back: the last share turns left.
            ShellMouseAt(ms == 95 ? 0 : 600, 210, kStart + (base + ms) * kMs);
            WalkingSteps(base + ms);
        }
        WalkingSteps(base + 200);
        EXPECT_EQ(yrot, rate == 0 ? 3.0f * 94 : 3.0f * 11) << rate;
    }
    SetMouseRate(kDefaultMouseRate);
}

// An Escape let go before the steps of its turn still ends the game.
TEST_F(TimedInputTest, AnEscapeTapEndsTheGame) {
    RunIdleTurn();
    const long long now = LoopNow();
    ShellKeyAt(kVkEscape, true, now);
    ShellKeyAt(kVkEscape, false, now + 1);
    while (LoopNow() < now + 3 * kMs) {
    }
    EXPECT_TRUE(RunIdleTurn().done);
}

// At 30 frames a second, a turn each millisecond draws 31 frames in a
// second, one at each end, each sending the pointer home once; at 0, every
// turn draws.
TEST_F(TimedInputTest, FramesKeepToTheFrameRate) {
    for (const int fps : {30, 0}) {
        SetFrameRate(fps);
        const long frames = FramesDrawn();
        const long homes = sysnull::PointerHomes();
        const long long from = fps == 0 ? 2000 : 0;
        for (long long ms = 1; ms <= (fps == 0 ? 100 : 1000); ++ms) {
            RunDueSteps(kStart + (from + ms) * kMs, {nullptr, nullptr});
        }
        EXPECT_EQ(FramesDrawn() - frames, fps == 0 ? 100 : 31);
        EXPECT_EQ(sysnull::PointerHomes() - homes, FramesDrawn() - frames);
    }
}

}  // namespace
