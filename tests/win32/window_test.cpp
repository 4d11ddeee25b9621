// window_test.cpp -- the real window and context: made, refused, torn down.
#include "shell_fixture.h"

namespace {

using Boxes = std::vector<ShownBox>;

class GlWindowTest : public ShellTest {
protected:
    int Create(int bits = 16, unsigned char full = 0) {
        return CreateGLWindow("Tamblin 1.OpenGL_game", 640, 480, bits, full);
    }

    static void ExpectAllReleased() {
        WNDCLASSA wc;
        EXPECT_TRUE(hWnd == nullptr && hDC == nullptr && hRC == nullptr && hInstance == nullptr);
        EXPECT_EQ(wglGetCurrentContext(), nullptr);
        EXPECT_FALSE(GetClassInfoA(GetModuleHandleA(nullptr), "OpenGL", &wc)) << "class still registered";
    }
};

TEST_F(GlWindowTest, WindowedGameWindowHasTitleClientSizeAndCurrentContext) {
    ASSERT_EQ(Create(), 1);
    EXPECT_TRUE(boxes.empty());
    char title[64] = {};
    GetWindowTextA(hWnd, title, sizeof title);
    EXPECT_STREQ(title, "Tamblin 1.OpenGL_game");
    EXPECT_EQ(ClientSize(hWnd), (std::vector<long>{640, 480}));
    EXPECT_TRUE(IsWindowVisible(hWnd));
    const LONG style = WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    EXPECT_EQ(GetWindowLongA(hWnd, GWL_STYLE) & style, style);
    EXPECT_EQ(GetClassLongA(hWnd, GCL_STYLE), CS_HREDRAW | CS_VREDRAW | CS_OWNDC);
    EXPECT_TRUE(wglGetCurrentContext() == hRC && wglGetCurrentDC() == hDC);
    EXPECT_EQ((std::vector<int>{CxPos, CyPos}), (std::vector<int>{320, 240}));
    // The projection is set for the requested size before the fixed state.
    EXPECT_EQ(glrec::CallsNamed("glViewport").back().args, (std::vector<double>{0, 0, 640, 480}));
    EXPECT_TRUE(glrec::IsEnabled(GL_DEPTH_TEST));
}

// The pixel format keeps the first call's colour depth. A second KillGLWindow
// after a complete one only fails to unregister the class.
TEST_F(GlWindowTest, TornDownAndMadeAgain) {
    ASSERT_EQ(Create(16), 1);
    KillGLWindow();
    EXPECT_TRUE(boxes.empty());
    ExpectAllReleased();
    ASSERT_EQ(Create(32), 1);
    EXPECT_EQ(pfd.cColorBits, 16);
    PIXELFORMATDESCRIPTOR chosen{};
    ASSERT_NE(DescribePixelFormat(hDC, GetPixelFormat(hDC), sizeof chosen, &chosen), 0);
    EXPECT_TRUE(chosen.dwFlags & PFD_DOUBLEBUFFER);
    EXPECT_GE(chosen.cDepthBits, 16);
    KillGLWindow();
    KillGLWindow();
    EXPECT_EQ(boxes, (Boxes{{"Could Not Unregister Class.", "SHUTDOWN ERROR", MB_OK | MB_ICONINFORMATION}}));
}

TEST_F(GlWindowTest, ClassAlreadyTakenIsReportedAndNothingBuilt) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "OpenGL";
    ASSERT_NE(RegisterClassA(&wc), 0);
    EXPECT_EQ(Create(), 0);
    EXPECT_EQ(boxes, (Boxes{{"Failed To Register The Window Class.", "ERROR", MB_OK | MB_ICONEXCLAMATION}}));
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
    EXPECT_EQ(boxes, (Boxes{{"Window Creation Error.", "ERROR", MB_OK | MB_ICONEXCLAMATION}}));
    ExpectAllReleased();
}

TEST_F(GlWindowTest, FailedInitialisationReleasesEverythingThenSaysSo) {
    {
        ScratchFolder empty(false);
        EXPECT_EQ(Create(), 0);
        EXPECT_EQ(boxes, (Boxes{{"Initialization Failed.", "ERROR", MB_OK | MB_ICONEXCLAMATION}}));
        ExpectAllReleased();
    }
    ASSERT_EQ(Create(), 1) << "a later attempt starts afresh";
}

TEST_F(GlWindowTest, FullscreenAsksForTheModeAndRestoresItOnKill) {
    modeResult = DISP_CHANGE_SUCCESSFUL;
    ASSERT_EQ(Create(16, 1), 1);
    EXPECT_EQ(fullscreen, 1);
    EXPECT_EQ(modeRequests, std::vector<ModeRequest>{kFullscreenAsked});
    const LONG style = GetWindowLongA(hWnd, GWL_STYLE);
    EXPECT_TRUE((style & WS_POPUP) && !(style & WS_CAPTION));
    EXPECT_EQ(ClientSize(hWnd), (std::vector<long>{640, 480}));
    KillGLWindow();
    EXPECT_EQ(modeRequests, (std::vector<ModeRequest>{kFullscreenAsked, {0, 0, 0, 0, 0, 0}}));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(GlWindowTest, RefusedModeGoesWindowedOnlyWithThePlayersConsent) {
    const ShownBox ask{
        "The Requested Fullscreen Mode Is Not Supported By\n"
        "Your Video Card. Use Windowed Mode Instead?",
        "Vexa GL", MB_YESNO | MB_ICONEXCLAMATION};
    answers = {IDYES};
    ASSERT_EQ(Create(16, 1), 1);
    EXPECT_EQ(boxes, Boxes{ask});
    EXPECT_EQ(fullscreen, 0);
    EXPECT_TRUE(GetWindowLongA(hWnd, GWL_STYLE) & WS_CAPTION);
    KillGLWindow();
    EXPECT_EQ(modeRequests.size(), 1u) << "nothing to restore";

    boxes.clear();
    answers = {IDNO};
    EXPECT_EQ(Create(16, 1), 0);
    EXPECT_EQ(boxes, (Boxes{ask, {"Program Will Now Close.", "ERROR", MB_OK | MB_ICONSTOP}}));
    EXPECT_EQ(hWnd, nullptr);
}

}  // namespace
