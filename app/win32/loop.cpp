// loop.cpp -- the message pump, with the game's due steps on every idle turn.
#include "app/win32/loop.h"

#include "app/common/game_window.h"
#include "app/common/main_loop.h"
#include "app/common/shell_state.h"
#include "app/win32/pads.h"
#include "app/win32/window.h"

namespace {

// Windows wakes a waiting program every 15.6 ms unless asked for less: the
// loop's waits of a millisecond, until a step or a frame is due, need 1 ms.
struct TimerResolution {
    TimerResolution() { timeBeginPeriod(1); }
    ~TimerResolution() { timeEndPeriod(1); }
};

}  // namespace

int RunGame() {
    fullscreen = 0;
    const TimerResolution resolution;
    if (!CreateGameWindow()) {
        return 0;
    }
    // Only the quit message carries an exit code; Escape ends the game normally.
    int exitCode = 0;
    bool done = false;
    MSG msg;
    while (!done) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                exitCode = static_cast<int>(msg.wParam);
                done = true;
            } else {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            continue;
        }
        ReadPads();
        const IdleTurn turn = ShellIdleTurn();
        done = turn.done;
        if (turn.swap) {
            SwapBuffers(hDC);
        }
        if (turn.toggleFullscreen && !ToggleFullscreen()) {
            return 0;
        }
        if (!done && turn.waitMs > 0) {
            // No step is due yet: sleep until one is, or until a message comes.
            MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(turn.waitMs), QS_ALLINPUT);
        }
    }
    KillGLWindow();
    return exitCode;
}
