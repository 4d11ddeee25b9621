// demo_test.cpp -- the recorder's lines and when they are written; the player's frames.
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "app/common/main_loop.h"
#include "app/common/shell_input.h"
#include "app/demo/demo_player.h"
#include "app/demo/demo_recorder.h"
#include "app/demo/demo_script.h"
#include "app/demo/demo_session.h"
#include "fixture.h"
#include "game/input.h"
#include "game/player.h"
#include "game/view.h"

namespace {

class DemoRecorderTest : public ::testing::Test {
protected:
    std::string out;  // what the recorder has handed out to be written
    long long now = 0;
    DemoRecorder recorder{[this](const std::string& text) { out += text; },
                          [this] {
                              return now;
                          }};
};

// A message splits a run of frames; the end writes what is still counted.
TEST_F(DemoRecorderTest, FramesWithNothingBetweenThemAreOneLine) {
    recorder.Key(87, true);
    recorder.Frame();
    recorder.Frame();
    recorder.Frame();
    recorder.Mouse(600, 210);
    recorder.Frame();
    recorder.Key(87, false);
    recorder.Frame();
    recorder.Frame();
    recorder.Note("6 steps");
    recorder.Finish("frame=6");
    EXPECT_EQ(out, "key 87 down\nframes 3\nmouse 600 210\nframes 1\nkey 87 up\nframes 2\n# 6 steps\nexpect frame=6\n");
}

// Only a change of what the frames read, and before the frame that read it.
TEST_F(DemoRecorderTest, AsyncLinesOnlyWhereTheReadingChanges) {
    const bool shift[] = {false, true, true, false};
    for (bool down : shift) {
        recorder.Async(16, down);
        recorder.Async(32, false);
        recorder.Frame();
    }
    recorder.Finish("frame=4");
    EXPECT_EQ(out, "frames 1\nasync 16 down\nframes 2\nasync 16 up\nframes 1\nexpect frame=4\n");
}

// F1's entry, cleared by the loop after the frame, reaches the script too.
TEST_F(DemoRecorderTest, TableChangesWithoutAMessageBecomeKeyLines) {
    unsigned char table[256] = {};
    recorder.Key(112, true);
    table[112] = 1;
    recorder.BeforeFrame(table);
    recorder.Frame();
    table[112] = 0;
    recorder.BeforeFrame(table);
    recorder.Frame();
    recorder.Finish("frame=2");
    EXPECT_EQ(out, "key 112 down\nframes 1\nkey 112 up\nframes 1\nexpect frame=2\n");
}

// A game that dies loses at most its last second: the run so far goes out.
TEST_F(DemoRecorderTest, ARunOfFramesIsWrittenOnceASecond) {
    for (now = 0; now < 1000 * kMs; now += 250 * kMs) {
        recorder.Frame();
    }
    EXPECT_EQ(out, "");
    recorder.Frame();
    EXPECT_EQ(out, "frames 5\n");
    recorder.Frame();
    recorder.Finish("frame=6");
    EXPECT_EQ(out, "frames 5\nframes 1\nexpect frame=6\n");
}

class DemoPlayerTest : public GameTest {
protected:
    void TearDown() override { ResetToPlainGame(); }

    DemoText Read(const char* text) {
        DemoText demo;
        std::string error;
        EXPECT_TRUE(demo.Check(text, error)) << error;
        return demo;
    }
};

// Frames one by one, physical keys and a `set` from the frame after their
// line on (checking the script beforehand sets nothing), and what follows the
// last frame run before the demo ends.
TEST_F(DemoPlayerTest, OneScriptedFrameATimeAndTheLinesAfterTheLast) {
    long frames = 0;
    DemoPlayer player(Read("key 87 down\nframes 2\nframes 0\nasync 16 down\nset lvl 2\nframes 1\nexpect "
                           "frame=3\nexpect frame=9\nkey 87 up\n"),
                      [&frames] { return "frame=" + std::to_string(frames); });
    std::vector<bool> shift;
    std::vector<int> level;
    while (player.NextFrame()) {
        ++frames;
        shift.push_back(player.KeyDown(16));
        level.push_back(lvl);
    }
    EXPECT_EQ(shift, (std::vector<bool>{false, false, true}));
    EXPECT_EQ(level, (std::vector<int>{0, 0, 2}));
    EXPECT_EQ(keys[kVkW], 0);
    EXPECT_FALSE(player.NextFrame());
    EXPECT_TRUE(player.Finished());
    EXPECT_EQ(player.Failure(), "line 8: expect: frame is 3, expected 9\n  expected: frame=9\n  actual:   frame=3\n");
}

// The player's own keys and mouse must not steer a demo, nor the window's
// loss of the keyboard let go of the demo's keys; Escape stops it.
// Timed, a demo counts its pauses without waiting for them, and its time
// stops with the turn that ends it, not when the window has gone.
TEST_F(DemoPlayerTest, WhilePlayingOnlyEscapeGetsThrough) {
    DemoPlayer player(Read("key 65 down\nframes 5\n"), [] { return std::string(); });
    PlayDemo(player, true);
    ShellKey(kVkW, true);
    ShellMouse(600, 210);
    EXPECT_FALSE(ShellIdleTurn().done);
    ShellReleaseKeys();
    EXPECT_EQ(keys[65], 1);
    EXPECT_EQ(keys[kVkW], 0);
    EXPECT_EQ(yrot, 0.0f);
    EXPECT_FALSE(ShellPause(100));
    ShellKey(kVkEscape, true);
    EXPECT_TRUE(ShellIdleTurn().done);
    const double timed = DemoSeconds();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(DemoSeconds(), timed);
    EXPECT_EQ(StepsRun(), 1);
    EXPECT_EQ(PausesCounted(), 1);
    EXPECT_FALSE(player.Finished());
}

// Escape and F1 in a demo's own key table are the demo's: they neither end
// the game nor toggle the display. The turn that finds no step left ends it.
TEST_F(DemoPlayerTest, ItsOwnEscapeAndF1AreItsAndItsLastStepEndsTheGame) {
    DemoPlayer player(Read("key 27 down\nkey 112 down\nframes 2\n"), [] { return std::string(); });
    PlayDemo(player, true);
    for (int turn = 0; turn < 2; ++turn) {
        const IdleTurn idle = ShellIdleTurn();
        EXPECT_FALSE(idle.done || idle.toggleFullscreen) << turn;
    }
    EXPECT_TRUE(ShellIdleTurn().done);
    EXPECT_TRUE(player.Finished());
    EXPECT_EQ(StepsRun(), 2);
}

}  // namespace
