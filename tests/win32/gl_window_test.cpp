// gl_window_test.cpp -- the real window and context: made, refused, torn down.
#include "shell_fixture.h"

namespace {

class GlWindowTest : public ShellTest {
protected:
    int Create(int bits = 16, unsigned char full = 0) {
        return CreateGLWindow("Tamblin 1.OpenGL_game", 640, 480, bits, full);
    }

    static bool ClassRegistered() {
        WNDCLASSA wc;
        return GetClassInfoA(GetModuleHandleA(nullptr), "OpenGL", &wc) != 0;
    }

    static void ExpectAllReleased() {
        EXPECT_EQ(hWnd, nullptr);
        EXPECT_EQ(hDC, nullptr);
        EXPECT_EQ(hRC, nullptr);
        EXPECT_EQ(hInstance, nullptr);
        EXPECT_EQ(wglGetCurrentContext(), nullptr);
        EXPECT_FALSE(ClassRegistered());
    }

    void ExpectOneBox(const char* text, const char* caption, UINT type) {
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, text);
        EXPECT_EQ(boxes[0].caption, caption);
        EXPECT_EQ(boxes[0].type, type);
    }

    ScratchFolder folder{true};
};

TEST_F(GlWindowTest, WindowedGameWindowHasTitleClientSizeAndCurrentContext) {
    ASSERT_EQ(Create(), 1);
    EXPECT_TRUE(boxes.empty());
    ASSERT_TRUE(IsWindow(hWnd));
    char title[64] = {};
    GetWindowTextA(hWnd, title, sizeof title);
    EXPECT_STREQ(title, "Tamblin 1.OpenGL_game");
    const SIZE client = ClientSize(hWnd);
    EXPECT_EQ(client.cx, 640);
    EXPECT_EQ(client.cy, 480);
    EXPECT_TRUE(IsWindowVisible(hWnd));
    const LONG style = GetWindowLongA(hWnd, GWL_STYLE);
    EXPECT_EQ(style & (WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN),
              WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    EXPECT_EQ(GetClassLongA(hWnd, GCL_STYLE), CS_HREDRAW | CS_VREDRAW | CS_OWNDC);
    EXPECT_EQ(wglGetCurrentContext(), hRC);
    EXPECT_EQ(wglGetCurrentDC(), hDC);
    EXPECT_EQ(CxPos, 320);
    EXPECT_EQ(CyPos, 240);
    // The projection is set for the requested size before the fixed state.
    EXPECT_EQ(glrec::CallsNamed("glViewport").back().args, (std::vector<double>{0, 0, 640, 480}));
    EXPECT_TRUE(glrec::IsEnabled(GL_DEPTH_TEST));
}

TEST_F(GlWindowTest, PixelFormatKeepsTheFirstCallsColourDepth) {
    ASSERT_EQ(Create(16), 1);
    KillGLWindow();
    ASSERT_EQ(Create(32), 1);
    EXPECT_EQ(pfd.cColorBits, 16);
    EXPECT_EQ(pfd.dwFlags, 0x25u);
    EXPECT_EQ(pfd.cDepthBits, 16);
    PIXELFORMATDESCRIPTOR chosen{};
    ASSERT_NE(DescribePixelFormat(hDC, GetPixelFormat(hDC), sizeof chosen, &chosen), 0);
    EXPECT_TRUE(chosen.dwFlags & PFD_DOUBLEBUFFER);
    EXPECT_GE(chosen.cDepthBits, 16);
}

TEST_F(GlWindowTest, SecondKillAfterACompleteOneOnlyReportsTheClass) {
    ASSERT_EQ(Create(), 1);
    KillGLWindow();
    EXPECT_TRUE(boxes.empty());
    ExpectAllReleased();
    KillGLWindow();
    ExpectOneBox("Could Not Unregister Class.", "SHUTDOWN ERROR", MB_OK | MB_ICONINFORMATION);
}

TEST_F(GlWindowTest, ClassAlreadyTakenIsReportedAndNothingBuilt) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "OpenGL";
    ASSERT_NE(RegisterClassA(&wc), 0);
    EXPECT_EQ(Create(), 0);
    ExpectOneBox("Failed To Register The Window Class.", "ERROR", MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(hWnd, nullptr);
    UnregisterClassA("OpenGL", GetModuleHandleA(nullptr));
}

LRESULT CALLBACK RefuseWindows(int code, WPARAM wParam, LPARAM lParam) {
    return code == HCBT_CREATEWND ? 1 : CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(GlWindowTest, RefusedWindowIsReportedAfterTheClassIsGone) {
    HHOOK hook = SetWindowsHookExA(WH_CBT, RefuseWindows, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    const int result = Create();
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(result, 0);
    ExpectOneBox("Window Creation Error.", "ERROR", MB_OK | MB_ICONEXCLAMATION);
    ExpectAllReleased();
}

TEST_F(GlWindowTest, FailedInitialisationReleasesEverythingThenSaysSo) {
    {
        ScratchFolder empty(false);
        EXPECT_EQ(Create(), 0);
        ExpectOneBox("Initialization Failed.", "ERROR", MB_OK | MB_ICONEXCLAMATION);
        ExpectAllReleased();
    }
    ASSERT_EQ(Create(), 1) << "a later attempt starts afresh";
}

TEST_F(GlWindowTest, FullscreenAsksForTheModeAndRestoresItOnKill) {
    modeResult = DISP_CHANGE_SUCCESSFUL;
    ASSERT_EQ(Create(16, 1), 1);
    EXPECT_EQ(fullscreen, 1);
    ASSERT_EQ(modeRequests.size(), 1u);
    const ModeRequest& asked = modeRequests[0];
    EXPECT_FALSE(asked.restore);
    EXPECT_EQ(asked.size, sizeof(DEVMODEA));
    EXPECT_EQ(asked.fields, DWORD(DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL));
    EXPECT_EQ(asked.width, 640u);
    EXPECT_EQ(asked.height, 480u);
    EXPECT_EQ(asked.bits, 16u);
    EXPECT_EQ(asked.flags, DWORD(CDS_FULLSCREEN));
    const LONG style = GetWindowLongA(hWnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & WS_CAPTION);
    EXPECT_EQ(ClientSize(hWnd).cx, 640);
    EXPECT_EQ(ClientSize(hWnd).cy, 480);

    KillGLWindow();
    ASSERT_EQ(modeRequests.size(), 2u);
    EXPECT_TRUE(modeRequests[1].restore);
    EXPECT_EQ(modeRequests[1].flags, 0u);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(GlWindowTest, RefusedModeGoesWindowedWithThePlayersConsent) {
    answers = {IDYES};
    ASSERT_EQ(Create(16, 1), 1);
    ExpectOneBox("The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. Use Windowed Mode Instead?",
                 "Vexa GL", MB_YESNO | MB_ICONEXCLAMATION);
    EXPECT_EQ(fullscreen, 0);
    EXPECT_TRUE(GetWindowLongA(hWnd, GWL_STYLE) & WS_CAPTION);
    KillGLWindow();
    EXPECT_EQ(modeRequests.size(), 1u) << "nothing to restore";
}

TEST_F(GlWindowTest, RefusedModeWithoutConsentCloses) {
    answers = {IDNO};
    EXPECT_EQ(Create(16, 1), 0);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, "Vexa GL");
    EXPECT_EQ(boxes[1].text, "Program Will Now Close.");
    EXPECT_EQ(boxes[1].caption, "ERROR");
    EXPECT_EQ(boxes[1].type, UINT(MB_OK | MB_ICONSTOP));
    EXPECT_EQ(hWnd, nullptr);
}

}  // namespace
