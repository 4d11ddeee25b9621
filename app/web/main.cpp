// main.cpp -- the web entry point: the game on the page, and the page's "play again".
#include <emscripten.h>

#include "app/common/shell_state.h"
#include "app/web/events.h"
#include "app/web/loop.h"
#include "app/web/web_input.h"
#include "game/program_state.h"

// Called by the page after the game has ended: a new game, as if the program
// were started again; "lista.txt" stays, as it would on disk.
extern "C" EMSCRIPTEN_KEEPALIVE void maze_play_again() {
    ResetProgramState();
    ResetShellState();
    ResetWebInput();
    StartGame();
}

// Called by the page when a fullscreen request it had accepted fails after all.
extern "C" EMSCRIPTEN_KEEPALIVE void maze_fullscreen_refused() {
    fullscreen = 0;
}

// Returns at once; the frames run as browser tasks after it.
int main() {
    ListenToPage();
    StartGame();
    return 0;
}
