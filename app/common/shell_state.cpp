// shell_state.cpp -- storage and start values of the shell's flags.
#include "app/common/shell_state.h"

unsigned char fullscreen = 1;
unsigned char active = 1;

void ResetShellState() {
    fullscreen = 1;
    active = 1;
}
