// loop.cpp -- the idle turns of the web shell, each a browser task of its own.
#include "app/web/loop.h"

#include <emscripten.h>

#include "app/common/game_window.h"
#include "app/common/main_loop.h"
#include "app/common/shell_state.h"
#include "app/demo/demo_session.h"
#include "app/web/devices.h"
#include "app/web/gl/context.h"
#include "app/web/message_box.h"
#include "app/web/page.h"
#include "game/view.h"

namespace {

unsigned frameCount = 0;
bool running = false;

// One turn per display refresh, when the browser is about to show one: the
// most a page can present, as a driver that waits for the display allows,
// and what keeps the browser's own drawing from starving behind the game's.
// Each turn runs the steps the clock has due since the last (several at the
// default pace), so the game keeps its pace whatever the refresh rate; a
// pause just leaves the turns with nothing due until it is over. Hidden, the
// page gets no refreshes and the game waits, as when minimised.
void ScheduleTurns() {
    emscripten_set_main_loop_timing(EM_TIMING_RAF, 1);
}

// A demo's results are written as the games write them, into the page's
// files, where the page reads them to show.
void CloseGame(bool release) {
    running = false;
    emscripten_cancel_main_loop();
    if (release) {
        KillGLWindow();
    }
    TellGameEnded(EndSession(0, ShowError));
}

void Turn() {
    ReadGamepads();
    const IdleTurn turn = ShellIdleTurn();
    if (turn.swap) {
        ++frameCount;
        webgl::PresentFrame();
    }
    if (turn.toggleFullscreen && !ToggleFullscreen()) {
        CloseGame(false);
        return;
    }
    if (turn.done) {
        CloseGame(true);
    }
}

}  // namespace

void RunGame() {
    fullscreen = 0;
    // The browser's refreshes are the display's already: no bound of the
    // game's own unless the page asks for one.
    if (FrameRate() == kDisplayFrameRate) {
        SetFrameRate(0);
    }
    if (!CreateGameWindow()) {
        TellGameEnded(0);
        return;
    }
    running = true;
    emscripten_set_main_loop(Turn, 0, EM_FALSE);
    ScheduleTurns();
}

void EndGame() {
    if (running) {
        CloseGame(true);
    }
}

// Read by the page's test: frames shown since the page loaded, and the
// steps of the game now running.
extern "C" EMSCRIPTEN_KEEPALIVE unsigned maze_frame_count() {
    return frameCount;
}

extern "C" EMSCRIPTEN_KEEPALIVE long maze_step_count() {
    return StepsRun();
}

// The yaw, for the test's count of the mouse messages that reached the game.
extern "C" EMSCRIPTEN_KEEPALIVE double maze_yaw() {
    return yrot;
}

extern "C" EMSCRIPTEN_KEEPALIVE double maze_dropped_count() {
    return static_cast<double>(StepsDropped());
}
