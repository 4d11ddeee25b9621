// main.cpp -- the web entry point: the game on the page, and the page's "play again".
#include <emscripten.h>

#include "app/common/main_loop.h"
#include "app/common/shell_state.h"
#include "app/demo/demo_session.h"
#include "app/demo/entry_point.h"
#include "app/demo/program_reset.h"
#include "app/web/events.h"
#include "app/web/loop.h"
#include "app/web/message_box.h"
#include "app/web/page.h"
#include "app/web/web_input.h"

// Called by the page after the game has ended: a new game, as if the program
// were started again without a demo, at the pace the page asked for;
// "lista.txt" stays, as it would on disk.
extern "C" EMSCRIPTEN_KEEPALIVE void maze_play_again() {
    const int pace = SessionPace();
    ResetProgram();
    ResetWebInput();
    SetPace(pace);
    StartGame();
}

// Called by the page when a fullscreen request it had accepted fails after all.
extern "C" EMSCRIPTEN_KEEPALIVE void maze_fullscreen_refused() {
    fullscreen = 0;
}

// Returns at once; the frames run as browser tasks after it. The page hands
// over ?playdemo=FILE or ?timedemo=FILE as the games' options, the demo
// fetched beside Data/; one that cannot be played is told, and nothing starts.
int main(int argc, char** argv) {
    if (!BeginSession(argc, argv, ShowBox)) {
        TellGameEnded();
        return kRefusedExitCode;
    }
    ListenToPage();
    StartGame();
    return 0;
}
