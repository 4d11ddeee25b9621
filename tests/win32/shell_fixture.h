// shell_fixture.h -- Windows shell tests: boxes answered and recorded, display modes faked.
#pragma once

#include <deque>
#include <ostream>
#include <string>
#include <vector>

#include "app/win32/win32_shell.h"
#include "tests/unit/fixture.h"
#include "tests/unit/scratch_folder.h"

struct ShownBox {
    std::string text;
    std::string caption;
    UINT type;
    bool operator==(const ShownBox& o) const { return text == o.text && caption == o.caption && type == o.type; }
};

inline void PrintTo(const ShownBox& b, std::ostream* os) {
    *os << '"' << b.text << "\" \"" << b.caption << "\" " << b.type;
}

struct ModeRequest {
    bool restore;  // the call that puts the registry mode back
    DWORD size, fields, width, height, bits;
    DWORD flags;
    bool operator==(const ModeRequest& o) const {
        return restore == o.restore && size == o.size && fields == o.fields && width == o.width &&
               height == o.height && bits == o.bits && flags == o.flags;
    }
};

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
        ShellMessageBox = MessageBoxA;
        ShellChangeDisplay = ChangeDisplaySettingsA;
    }

    // A pending quit message would end the next test's loop at once.
    static void DropQuitMessage() {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    static int WINAPI AnswerBox(HWND, LPCSTR text, LPCSTR caption, UINT type) {
        boxes.push_back(ShownBox{text, caption, type});
        if (answers.empty()) {
            return (type & MB_TYPEMASK) == MB_YESNO ? IDYES : IDOK;
        }
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }

    static LONG WINAPI FakeChangeDisplay(DEVMODEA* mode, DWORD flags) {
        if (!mode) {
            modeRequests.push_back(ModeRequest{true, 0, 0, 0, 0, 0, flags});
            return DISP_CHANGE_SUCCESSFUL;
        }
        modeRequests.push_back(ModeRequest{false, mode->dmSize, mode->dmFields, mode->dmPelsWidth,
                                           mode->dmPelsHeight, mode->dmBitsPerPel, flags});
        return modeResult;
    }

    static inline std::vector<ShownBox> boxes;
    static inline std::deque<int> answers;
    static inline std::vector<ModeRequest> modeRequests;
    static inline LONG modeResult = DISP_CHANGE_BADMODE;
};

inline std::vector<long> ClientSize(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}
