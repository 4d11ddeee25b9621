// program_state.h -- every program-wide variable back to its start value.
#pragma once

// Puts back everything the game step reads or writes, as the program starts
// with it: the grid, the box lists, textures, keys, player, view (the client
// centre included, 0 until a window sets it), walking, stairs, doors and the
// last step's counts. The headless start of the tests and tools calls it.
void ResetProgramState();
