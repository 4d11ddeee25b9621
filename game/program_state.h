// program_state.h -- every program-wide variable back to its start value.
#pragma once

// Used by the tests and the simulator so that each run starts as the game does.
void ResetProgramState();
