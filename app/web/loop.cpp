// loop.cpp -- the idle turns of the web shell, each a browser task of its own.
#include "app/web/loop.h"

#include <emscripten.h>

#include "app/common/game_window.h"
#include "app/common/main_loop.h"
#include "app/common/shell_state.h"
#include "app/web/page.h"
#include "app/web/webgl_draw.h"

namespace {

int pauseMs = 0;
unsigned frameCount = 0;

// Frames as fast as the page allows, as the game's speeds assume: not tied to
// the display's refresh, as an animation frame would be. Hidden, the page
// idles in steps of 10 ms, and the pause the last frame asked for comes first.
void ScheduleNextTurn() {
    if (pauseMs > 0) {
        emscripten_set_main_loop_timing(EM_TIMING_SETTIMEOUT, pauseMs);
    } else if (!active) {
        emscripten_set_main_loop_timing(EM_TIMING_SETTIMEOUT, 10);
    } else {
        emscripten_set_main_loop_timing(EM_TIMING_SETIMMEDIATE, 0);
    }
    pauseMs = 0;
}

void EndGame(bool release) {
    emscripten_cancel_main_loop();
    if (release) {
        KillGLWindow();
    }
    TellGameEnded();
}

// The browser shows the canvas when the task returns: drawing what is still
// waiting is this shell's buffer swap.
void Turn() {
    ++frameCount;
    const IdleTurn turn = RunIdleTurn();
    if (turn.swap) {
        webgl::Flush();
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
