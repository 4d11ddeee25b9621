// program_reset.cpp -- one reset for the game, the shells' common state and the demo session.
#include "app/demo/program_reset.h"

#include "app/common/shell_state.h"
#include "app/demo/demo_session.h"
#include "game/program_state.h"

void ResetProgram() {
    ResetProgramState();
    ResetShellState();
    ResetDemoSession();
}
