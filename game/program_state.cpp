// program_state.cpp -- one reset for every program-wide variable of the game.
#include "game/program_state.h"

#include "game/doors.h"
#include "game/frame.h"
#include "game/input.h"
#include "game/level_change.h"
#include "game/player.h"
#include "game/view.h"
#include "game/walking.h"
#include "render/textures.h"
#include "world/cell_boxes.h"
#include "world/level_grid.h"

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
    ResetFrame();
}
