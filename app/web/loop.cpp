// loop.cpp -- the idle turns of the web shell, each a browser task of its own.
#include "app/web/loop.h"

#include <emscripten.h>

#include <string>

#include "app/common/demo_session.h"
#include "app/common/game_window.h"
#include "app/common/shell_input.h"
#include "app/common/shell_state.h"
#include "app/common/texts.h"
#include "app/web/gl/context.h"
#include "app/web/page.h"

namespace {

int pauseMs = 0;
unsigned frameCount = 0;

// One frame per display refresh, when the browser is about to show one: the
// most a page can present, as a driver that waits for the display allows,
// and what keeps the browser's own drawing from starving behind the game's.
// A pause the last frame asked for comes first. Hidden, the page gets no
// refreshes and the game waits, as when minimised.
void ScheduleNextTurn() {
    if (pauseMs > 0) {
        emscripten_set_main_loop_timing(EM_TIMING_SETTIMEOUT, pauseMs);
    } else {
        emscripten_set_main_loop_timing(EM_TIMING_RAF, 1);
    }
    pauseMs = 0;
}

// A demo's results are written as the games write them, into the page's
// files, where the page reads them to show.
void EndGame(bool release) {
    emscripten_cancel_main_loop();
    if (release) {
        KillGLWindow();
    }
    std::string message;
    EndDemoSession(0, message);
    if (!message.empty()) {
        ShowBox(message.c_str(), text::kError);
    }
    TellGameEnded();
}

void Turn() {
    ++frameCount;
    const IdleTurn turn = ShellIdleTurn();
    if (turn.swap) {
        webgl::PresentFrame();
    }
    if (turn.toggleFullscreen && !ToggleFullscreen()) {
        EndGame(false);
        return;
    }
    if (turn.done) {
        EndGame(true);
        return;
    }
    ScheduleNextTurn();
}

}  // namespace

void StartGame() {
    fullscreen = 0;
    pauseMs = 0;
    if (!CreateGameWindow()) {
        TellGameEnded();
        return;
    }
    emscripten_set_main_loop(Turn, 0, EM_FALSE);
    ScheduleNextTurn();
}

void AddPause(int milliseconds) {
    pauseMs += milliseconds;
}

// Read by the page's test to time the frames.
extern "C" EMSCRIPTEN_KEEPALIVE unsigned maze_frame_count() {
    return frameCount;
}
