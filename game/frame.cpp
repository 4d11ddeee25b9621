// frame.cpp -- DrawGLScene: one game step, every part in its fixed order.
#include "game/frame.h"

#include "game/diagnostics.h"
#include "game/level_change.h"
#include "game/player.h"
#include "game/view.h"
#include "game/walking.h"
#include "render/crates.h"
#include "render/doors.h"
#include "render/floors.h"
#include "render/gl_api.h"
#include "render/stairs.h"
#include "render/walls.h"

BoxCounts lastFrameCounts{};

int DrawGLScene() {
    // Changes made to the grid last frame (a collected crate) show from here.
    const BoxCounts counts = RebuildBoxes();
    lastFrameCounts = counts;

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();

    WriteDiagnostics();

    // Taken before walking; the later steps use it even after the player moved.
    const PlayerCell cell = ComputePlayerCell();

    Walk(counts, cell);
    SetCamera();

    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    DrawWalls(counts.wallCount);
    DrawStairs(counts.stairCount);
    DoorPass(counts.doorCount, cell);
    DrawFloors(counts.openCount);
    CratePass(counts.crateCount, cell);

    ChangeLevel(counts, cell);
    EndFrameView();
    return 1;
}
