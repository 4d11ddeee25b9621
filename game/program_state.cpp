// program_state.cpp -- one reset for every program-wide variable of the game.
#include "game/program_state.h"

#include "game/input.h"
#include "game/level_change.h"
#include "game/player.h"
#include "game/view.h"
#include "game/walking.h"
#include "render/doors.h"
#include "world/cell_boxes.h"
#include "world/level_grid.h"
#include "world/textures.h"

void ResetProgramState() {
    ResetLevelGrid();
    ResetCellBoxes();
    ResetTextures();
    ResetInput();
    ResetPlayer();
    ResetView();
    ResetWalking();
    ResetLevelChange();
    ResetDoors();
}
