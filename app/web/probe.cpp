// probe.cpp -- what the page's test reads of the game while it plays: the state line and a cell.
#include <emscripten.h>

#include <string>

#include "app/common/main_loop.h"
#include "app/common/shell_input.h"
#include "app/demo/state_line.h"
#include "world/level_grid.h"

// The state line of the game now running, as a recording's last line has it.
extern "C" EMSCRIPTEN_KEEPALIVE const char* maze_state_line() {
    static std::string line;
    line = StateLine(StepsRun(), PausesCounted());
    return line.c_str();
}

// The code of a cell of the grid: a crate collected is open floor.
extern "C" EMSCRIPTEN_KEEPALIVE int maze_cell(int level, int row, int column) {
    return CellAt(level, row, column);
}
