// events_test.cpp -- each window message's effect on the game and the result it returns.
#include "app/win32/events.h"
#include "game/input.h"
#include "shell_fixture.h"

namespace {

// The game's own window: its class procedure is WndProc, so messages the
// default procedure sends back come through the table too.
class WndProcTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_EQ(CreateGLWindow("probe", 640, 480, 16, 0), 1);
        glrec::Clear();
        active = 1;
    }

    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) { return WndProc(hWnd, message, wParam, lParam); }

    // The exit code of the pending quit message, or -1 when there is none.
    static int PendingQuitCode() {
        MSG msg;
        return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) ? int(msg.wParam) : -1;
    }
};

TEST_F(WndProcTest, KeyMessagesSetAndClearTheirEntry) {
    EXPECT_EQ(Send(WM_KEYDOWN, 'W', 0x00110001), 0);
    EXPECT_EQ(keys['W'], 1);
    EXPECT_EQ(Send(WM_KEYUP, 'W', 0xC0110001), 0);
    EXPECT_EQ(keys['W'], 0);
    EXPECT_EQ(Send(WM_KEYDOWN, 0x1FF, 0), 0);  // no such key: nothing written
    EXPECT_EQ(KeysDown(), 0);
}

// Alt combinations never set an entry, but a key released while Alt is down
// must not stay pressed.
TEST_F(WndProcTest, SystemKeysSetNothingButTheirReleaseClears) {
    Send(WM_SYSKEYDOWN, 'F', 0x20210001);
    EXPECT_EQ(keys['F'], 0);
    Send(WM_KEYDOWN, 'W', 0x00110001);
    Send(WM_SYSKEYUP, 'W', 0xE0110001);
    EXPECT_EQ(keys['W'], 0);
}

// Minimised counts as inactive; another window taking the focus does not.
// Alt-tab away with 'W' held: its key-up goes to the other window, so the
// table forgets every key when ours loses activation, minimised or not.
TEST_F(WndProcTest, ActiveFollowsTheMinimisedWordAndLosingActivationLetsGoOfEveryKey) {
    const struct {
        WPARAM wParam;
        unsigned char active, held;
    } cases[] = {{MAKEWPARAM(WA_ACTIVE, 1), 0, 1},
                 {MAKEWPARAM(WA_ACTIVE, 0), 1, 1},
                 {MAKEWPARAM(WA_INACTIVE, 1), 0, 0},
                 {MAKEWPARAM(WA_INACTIVE, 0), 1, 0}};
    for (const auto& c : cases) {
        Send(WM_KEYDOWN, 'W', 0x00110001);
        EXPECT_EQ(Send(WM_ACTIVATE, c.wParam, 0), 0);
        EXPECT_EQ(active, c.active) << std::hex << c.wParam;
        EXPECT_EQ(KeysDown(), c.held) << std::hex << c.wParam;
    }
}

// Both read the two words of lParam unsigned, x low; a minimised window is resized too.
TEST_F(WndProcTest, SizeAndMouseMoveReadTheWordsOfTheirPoint) {
    EXPECT_EQ(Send(WM_SIZE, SIZE_MINIMIZED, MAKELPARAM(0xFFFF, 0x8000)), 0);
    EXPECT_EQ(glrec::CallsNamed("glViewport").back().args, (std::vector<double>{0, 0, 65535, 32768}));
    EXPECT_EQ(Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(400, 100)), 0);
    EXPECT_EQ((std::vector<float>{xrot, yrot}), TurnOf(400, 100));
}

// The window is left for KillGLWindow. The default procedure turns SC_CLOSE
// into WM_CLOSE, which comes back here.
TEST_F(WndProcTest, CloseAsksTheLoopToEndWithExitCodeZero) {
    EXPECT_EQ(Send(WM_CLOSE, 0, 0), 0);
    EXPECT_EQ(PendingQuitCode(), 0);
    EXPECT_TRUE(IsWindow(hWnd));
    Send(WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(PendingQuitCode(), 0);
}

TEST_F(WndProcTest, ScreenSaverAndMonitorPowerDownAreSwallowedTheRestPassedOn) {
    EXPECT_EQ(Send(WM_SYSCOMMAND, SC_SCREENSAVE, 0), 0);
    EXPECT_EQ(Send(WM_SYSCOMMAND, SC_MONITORPOWER, 2), 0);
    EXPECT_EQ(Send(WM_SYSCOMMAND, SC_SCREENSAVE | 0x3, 0), 0);  // low bits are the system's
    EXPECT_EQ(PendingQuitCode(), -1);
    EXPECT_EQ(Send(WM_GETTEXTLENGTH, 0, 0), 5) << "other messages go to the default procedure";
}

}  // namespace
