// window.cpp -- the game window with its GL context: made, and torn down again.
#include "app/win32/window.h"

#include <cstring>

#include "app/common/game_window.h"
#include "app/common/main_loop.h"
#include "app/common/shell_state.h"
#include "app/common/texts.h"
#include "app/win32/events.h"
#include "app/win32/message_box.h"
#include "game/view.h"

HDC hDC = nullptr;
HGLRC hRC = nullptr;
HWND hWnd = nullptr;
HINSTANCE hInstance = nullptr;

// clang-format off
PIXELFORMATDESCRIPTOR pfd = {
    sizeof(PIXELFORMATDESCRIPTOR),
    1,
    PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER,
    PFD_TYPE_RGBA,
    0,                 // colour depth: set by the first CreateGLWindow
    0, 0, 0, 0, 0, 0,  // colour bits and shifts
    0, 0,              // alpha
    0, 0, 0, 0, 0,     // accumulation
    16,                // depth buffer
    0,                 // stencil
    0,                 // auxiliary buffers
    PFD_MAIN_PLANE,
    0, 0, 0, 0,
};
// clang-format on

DisplayChangeFunction ShellChangeDisplay = ChangeDisplaySettingsA;

namespace {

constexpr const char* kClassName = "OpenGL";

bool depthChosen = false;

int RegisterGameClass() {
    WNDCLASSA wc;
    std::memset(&wc, 0, sizeof wc);
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
    wc.lpfnWndProc = WndProc;
    wc.hInstance = hInstance;
    wc.hIcon = LoadIcon(nullptr, IDI_WINLOGO);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    return RegisterClassA(&wc) != 0;
}

// 1 when the game may go on: in the new mode, or windowed if the player agrees.
int EnterFullscreen(int width, int height, int bits) {
    DEVMODEA mode;
    std::memset(&mode, 0, sizeof mode);
    mode.dmSize = sizeof mode;
    mode.dmPelsWidth = width;
    mode.dmPelsHeight = height;
    mode.dmBitsPerPel = bits;
    mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
    if (ShellChangeDisplay(&mode, CDS_FULLSCREEN) == DISP_CHANGE_SUCCESSFUL) {
        return 1;
    }
    if (AskYesNo(text::kUseWindowedMode, text::kVexaGl)) {
        fullscreen = 0;
        return 1;
    }
    ShowBox(text::kWillClose, text::kError, BoxKind::kError);
    return 0;
}

// Sized so that the client area, not the frame, is width x height.
HWND OpenWindow(const char* title, int width, int height) {
    DWORD exStyle = WS_EX_APPWINDOW | WS_EX_WINDOWEDGE;
    DWORD style = WS_OVERLAPPEDWINDOW;
    if (fullscreen) {
        exStyle = WS_EX_APPWINDOW;
        style = WS_POPUP;
        ShowCursor(FALSE);
    }
    RECT rect = {0, 0, width, height};
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    return CreateWindowExA(exStyle, kClassName, title, style | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0,
                           rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr, hInstance, nullptr);
}

// No more frames than the display shows, where the driver offers to wait for
// it (the extension is only there once a context is current); the loop's
// frame rate, the display's too, is the bound elsewhere.
void WaitForDisplay() {
    DEVMODEA mode = {};
    mode.dmSize = sizeof(mode);
    // 0 and 1 stand for the hardware's default rate, which is not told.
    const bool told = EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode) && mode.dmDisplayFrequency > 1;
    SetDisplayRate(told ? static_cast<int>(mode.dmDisplayFrequency) : 0);
    using SwapInterval = BOOL(WINAPI*)(int);
    const PROC found = wglGetProcAddress("wglSwapIntervalEXT");
    if (found != nullptr) {
        reinterpret_cast<SwapInterval>(reinterpret_cast<void*>(found))(SwapsWaitForDisplay() ? 1 : 0);
    }
}

// Device context, pixel format and a current rendering context for hWnd.
// Returns what failed, in the player's words, or null.
const char* AttachContext() {
    if (!(hDC = GetDC(hWnd))) {
        return text::kNoDeviceContext;
    }
    const int format = ChoosePixelFormat(hDC, &pfd);
    if (format == 0) {
        return text::kNoPixelFormat;
    }
    if (!SetPixelFormat(hDC, format, &pfd)) {
        return text::kCantSetPixelFormat;
    }
    if (!(hRC = wglCreateContext(hDC))) {
        return text::kNoRenderingContext;
    }
    if (!wglMakeCurrent(hDC, hRC)) {
        return text::kCantActivateContext;
    }
    WaitForDisplay();
    return nullptr;
}

// Whatever got built is released before the player is told.
int Fail(const char* what) {
    KillGLWindow();
    ShowBox(what, text::kError, BoxKind::kWarning);
    return 0;
}

void ReportShutdown(const char* what) {
    ShowBox(what, text::kShutdownError, BoxKind::kInformation);
}

}  // namespace

int CreateGLWindow(const char* title, int width, int height, int bits, unsigned char fullscreenflag) {
    SetClientCentre(width, height);
    fullscreen = fullscreenflag;
    hInstance = GetModuleHandleA(nullptr);
    if (!RegisterGameClass()) {
        ShowBox(text::kRegisterClassFailed, text::kError, BoxKind::kWarning);
        return 0;
    }
    if (fullscreen && !EnterFullscreen(width, height, bits)) {
        return 0;
    }
    if (!(hWnd = OpenWindow(title, width, height))) {
        return Fail(text::kWindowCreationError);
    }
    if (!depthChosen) {
        pfd.cColorBits = static_cast<BYTE>(bits);
        depthChosen = true;
    }
    if (const char* failure = AttachContext()) {
        return Fail(failure);
    }
    ShowWindow(hWnd, SW_SHOW);
    SetForegroundWindow(hWnd);
    SetFocus(hWnd);
    return FinishGLWindow(width, height, Fail);
}

void KillGLWindow() {
    if (fullscreen) {
        ShellChangeDisplay(nullptr, 0);
        ShowCursor(TRUE);
    }
    if (hRC) {
        if (!wglMakeCurrent(nullptr, nullptr)) {
            ReportShutdown(text::kReleaseDcAndRcFailed);
        }
        if (!wglDeleteContext(hRC)) {
            ReportShutdown(text::kReleaseContextFailed);
        }
        hRC = nullptr;
    }
    if (hDC && !ReleaseDC(hWnd, hDC)) {
        ReportShutdown(text::kReleaseDcFailed);
    }
    hDC = nullptr;
    if (hWnd && !DestroyWindow(hWnd)) {
        ReportShutdown(text::kReleaseWindowFailed);
    }
    hWnd = nullptr;
    if (!UnregisterClassA(kClassName, hInstance)) {
        ReportShutdown(text::kUnregisterClassFailed);
    }
    hInstance = nullptr;
}
