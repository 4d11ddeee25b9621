// main_loop.cpp -- the idle-turn rules shared by the Win32 and SDL shells.
#include "app/common/main_loop.h"

#include "app/common/shell_state.h"
#include "game/frame.h"
#include "game/input.h"

IdleTurn RunIdleTurn() {
    IdleTurn turn{false, false, false};
    bool failedFrame = active && DrawGLScene() == 0;
    if (failedFrame || keys[kVkEscape]) {
        turn.done = true;
    } else {
        turn.swap = true;
    }
    // Checked whether or not the loop is ending, as the original loop does.
    if (keys[kVkF1]) {
        keys[kVkF1] = 0;
        turn.toggleFullscreen = true;
    }
    return turn;
}
