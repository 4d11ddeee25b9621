// program_reset.h -- the whole program back to its start values, in one call.
#pragma once

// Called by every new game in the same process: the headless start of the
// tests, maze-sim, maze-soak and maze-bench, and the page's "Play again".
// The game (grid, player, view, doors, counts), the shells' common flags, the
// input's way to the game, the loop's counters and pace, and the demo session
// (options, recording, demo) all as at program start. What a skin keeps of
// its own (the recording GL, the scripted keys, the page's input) it resets
// beside this.
void ResetProgram();
