// loop_test.cpp -- the message pump on a real window: how the game ends and what it returns.
#include "app/win32/loop.h"
#include "game/input.h"
#include "shell_fixture.h"

namespace {

class GameLoopTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        fullscreen = 0;
    }

    static size_t Frames() { return glrec::CallsNamed("glClear").size(); }
};

TEST_F(GameLoopTest, QuitMessageEndsTheGameWithItsExitCode) {
    PostQuitMessage(7);
    EXPECT_EQ(RunGame(), 7);
    EXPECT_EQ(hWnd, nullptr) << "KillGLWindow ran";
    EXPECT_TRUE(boxes.empty());
}

TEST_F(GameLoopTest, F1RecreatesTheWindowInTheOtherMode) {
    modeResult = DISP_CHANGE_SUCCESSFUL;
    keys[kVkF1] = 1;
    keys[kVkEscape] = 1;  // the turn that toggles is also the last
    EXPECT_EQ(RunGame(), 0);
    EXPECT_EQ(keys[kVkF1], 0);
    EXPECT_EQ(fullscreen, 1);
    EXPECT_EQ(modeRequests, (std::vector<ModeRequest>{kFullscreenAsked, {0, 0, 0, 0, 0, 0}}))
        << "the last KillGLWindow restores";
    EXPECT_TRUE(boxes.empty());
}

TEST_F(GameLoopTest, FailedRecreationEndsTheGameAtOnceWithZero) {
    answers = {IDNO};
    keys[kVkF1] = 1;  // no Escape: only the failure can end this loop
    EXPECT_EQ(RunGame(), 0);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1], (ShownBox{"Program Will Now Close.", "ERROR", MB_OK | MB_ICONSTOP}));
    EXPECT_EQ(Frames(), 1u);
}

TEST_F(GameLoopTest, FailedFirstWindowReturnsZeroWithoutALoop) {
    ScratchFolder empty(false);
    keys[kVkEscape] = 1;
    EXPECT_EQ(RunGame(), 0);
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_EQ(Frames(), 0u);
}

// Once the loop runs, the timer posts `pending` to the game window, as the
// player's keyboard or the close button would.
MSG pending;

void CALLBACK PostPending(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    PostMessageA(hWnd, pending.message, pending.wParam, 0x00010001);
}

int RunGameWithMessage(UINT message, WPARAM wParam) {
    pending.message = message;
    pending.wParam = wParam;
    SetTimer(nullptr, 0, 100, PostPending);
    return RunGame();
}

// A second KillGLWindow after closing would show "Could Not Unregister
// Class.". The last message retrieved for Escape is the key's own (wParam 27);
// the game does not hand that on as if it were an exit code.
TEST_F(GameLoopTest, CloseOrEscapeKeyEndsTheGameWithZeroAndReleasesOnce) {
    EXPECT_EQ(RunGameWithMessage(WM_CLOSE, 0), 0);
    EXPECT_EQ(hWnd, nullptr);
    // Only the table's Escape entry ends this loop; the window, once gone,
    // has let go of every key.
    EXPECT_EQ(RunGameWithMessage(WM_KEYDOWN, VK_ESCAPE), 0);
    EXPECT_EQ(keys[kVkEscape], 0);
    EXPECT_EQ(hWnd, nullptr);
    EXPECT_TRUE(boxes.empty());
}

}  // namespace
