// main_loop.h -- what one idle turn of the main loop decides, for every shell.
#pragma once

struct IdleTurn {
    bool done;              // leave the loop
    bool swap;              // present the frame
    bool toggleFullscreen;  // F1 was down: recreate the window in the other mode
};

// Called by ShellIdleTurn, for each shell's loop, whenever no message is
// pending and no demo plays: draws a frame while active, then reads Escape
// and F1 (clearing F1's entry). The shell swaps, ends or toggles as the
// result says.
IdleTurn RunIdleTurn();
