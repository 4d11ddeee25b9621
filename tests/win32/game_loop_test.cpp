// game_loop_test.cpp -- the message pump on a real window: how the game ends and what it returns.
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

    ScratchFolder folder{true};
};

TEST_F(GameLoopTest, QuitMessageEndsTheGameWithItsExitCode) {
    PostQuitMessage(7);
    EXPECT_EQ(RunGame(), 7);
    EXPECT_EQ(hWnd, nullptr) << "KillGLWindow ran";
    EXPECT_TRUE(boxes.empty());
}

// The last message before Escape carries a code of its own; the game does not
// hand it on as if it were an exit code.
TEST_F(GameLoopTest, EscapeEndsTheGameWithExitCodeZero) {
    PostMessageA(nullptr, WM_USER, 42, 0);
    keys[kVkEscape] = 1;
    EXPECT_EQ(RunGame(), 0);
    EXPECT_EQ(Frames(), 1u);
    EXPECT_EQ(hWnd, nullptr);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(GameLoopTest, F1RecreatesTheWindowInTheOtherMode) {
    modeResult = DISP_CHANGE_SUCCESSFUL;
    keys[kVkF1] = 1;
    keys[kVkEscape] = 1;  // the turn that toggles is also the last
    EXPECT_EQ(RunGame(), 0);
    EXPECT_EQ(keys[kVkF1], 0);
    EXPECT_EQ(fullscreen, 1);
    ASSERT_EQ(modeRequests.size(), 2u);
    EXPECT_FALSE(modeRequests[0].restore);
    EXPECT_TRUE(modeRequests[1].restore) << "the final KillGLWindow gives the desktop back";
    EXPECT_TRUE(boxes.empty());
}

TEST_F(GameLoopTest, F1WithTheModeRefusedAndConsentStaysWindowed) {
    keys[kVkF1] = 1;
    keys[kVkEscape] = 1;
    EXPECT_EQ(RunGame(), 0);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Vexa GL");
    EXPECT_EQ(fullscreen, 0);
    EXPECT_EQ(hWnd, nullptr);
}

TEST_F(GameLoopTest, FailedRecreationEndsTheGameAtOnceWithZero) {
    answers = {IDNO};
    keys[kVkF1] = 1;  // no Escape: only the failure can end this loop
    EXPECT_EQ(RunGame(), 0);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].text, "Program Will Now Close.");
    EXPECT_EQ(Frames(), 1u);
}

TEST_F(GameLoopTest, FailedFirstWindowReturnsZeroWithoutALoop) {
    ScratchFolder empty(false);
    keys[kVkEscape] = 1;
    EXPECT_EQ(RunGame(), 0);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Initialization Failed.");
    EXPECT_EQ(Frames(), 0u);
}

// Posts `pendingMessage` to the game window as soon as it exists, as the
// player's keyboard or the close button would.
UINT pendingMessage;
WPARAM pendingWParam;

LRESULT CALLBACK PostOnCreate(int code, WPARAM wParam, LPARAM lParam) {
    char name[16] = {};
    if (code == HCBT_CREATEWND && GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name) &&
        lstrcmpA(name, "OpenGL") == 0) {
        PostMessageA(reinterpret_cast<HWND>(wParam), pendingMessage, pendingWParam, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

int RunGameWithMessage(UINT message, WPARAM wParam) {
    pendingMessage = message;
    pendingWParam = wParam;
    HHOOK hook = SetWindowsHookExA(WH_CBT, PostOnCreate, nullptr, GetCurrentThreadId());
    const int result = RunGame();
    UnhookWindowsHookEx(hook);
    return result;
}

TEST_F(GameLoopTest, EscapeKeyMessageReachesTheTableAndEndsTheGame) {
    EXPECT_EQ(RunGameWithMessage(WM_KEYDOWN, VK_ESCAPE), 0);
    EXPECT_EQ(keys[kVkEscape], 1);
    EXPECT_EQ(hWnd, nullptr);
    EXPECT_TRUE(boxes.empty());
}

// A second KillGLWindow would show "Could Not Unregister Class.".
TEST_F(GameLoopTest, ClosingTheWindowEndsTheGameAndReleasesOnce) {
    EXPECT_EQ(RunGameWithMessage(WM_CLOSE, 0), 0);
    EXPECT_EQ(hWnd, nullptr);
    EXPECT_TRUE(boxes.empty());
}

}  // namespace
