// shell_fixture.h -- Windows shell tests: boxes answered and recorded, display modes faked.
#pragma once

#include <deque>
#include <string>
#include <tuple>
#include <vector>

#include "app/common/game_window.h"
#include "app/common/shell_state.h"
#include "app/win32/message_box.h"
#include "app/win32/window.h"
#include "game/view.h"
#include "tests/unit/fixture.h"
#include "tests/unit/scratch_folder.h"

// Text, caption and type of a message box shown.
using ShownBox = std::tuple<std::string, std::string, UINT>;

// Size, fields, width, height and bits of the mode asked for, then the flags;
// the call that puts the registry mode back has no mode and reads as zeros.
using ModeRequest = std::vector<DWORD>;

class ShellTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        boxes.clear();
        answers.clear();
        modeRequests.clear();
        modeResult = DISP_CHANGE_BADMODE;  // as on a plain virtual X server
        ShellMessageBox = AnswerBox;
        ShellChangeDisplay = FakeChangeDisplay;
        DropQuitMessage();
    }

    // Whatever a test left behind is gone before the next one starts.
    void TearDown() override {
        fullscreen = 0;
        KillGLWindow();
        DropQuitMessage();
        ShellMessageBox = Utf8MessageBox;
        ShellChangeDisplay = ChangeDisplaySettingsA;
    }

    // A pending quit message would end the next test's loop at once.
    static void DropQuitMessage() {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    static int WINAPI AnswerBox(HWND, LPCSTR text, LPCSTR caption, UINT type) {
        boxes.emplace_back(text, caption, type);
        if (answers.empty()) {
            return (type & MB_TYPEMASK) == MB_YESNO ? IDYES : IDOK;
        }
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }

    static LONG WINAPI FakeChangeDisplay(DEVMODEA* mode, DWORD flags) {
        if (!mode) {
            modeRequests.push_back({0, 0, 0, 0, 0, flags});
            return DISP_CHANGE_SUCCESSFUL;
        }
        modeRequests.push_back(
            {mode->dmSize, mode->dmFields, mode->dmPelsWidth, mode->dmPelsHeight, mode->dmBitsPerPel, flags});
        return modeResult;
    }

    static inline std::vector<ShownBox> boxes;
    static inline std::deque<int> answers;
    static inline std::vector<ModeRequest> modeRequests;
    static inline LONG modeResult = DISP_CHANGE_BADMODE;

    // Each test runs in a folder of its own, with stand-ins for the textures.
    ScratchFolder folder{true};
};

// The 640 x 480 fullscreen mode the game asks for at 16 bits.
const ModeRequest kFullscreenAsked{sizeof(DEVMODEA), DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL, 640, 480, 16,
                                   CDS_FULLSCREEN};

inline std::vector<long> ClientSize(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}
