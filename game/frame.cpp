// frame.cpp -- DrawGLScene: one game step, every part in its fixed order.
//
// The order is the game's behaviour: what one step leaves (a lifted door, a
// collected crate, a stair offset, the view vector) is what the next one
// reads, so no step may move without changing how the game plays.
#include "game/frame.h"

#include "game/crates.h"
#include "game/diagnostics.h"
#include "game/doors.h"
#include "game/level_change.h"
#include "game/player.h"
#include "game/view.h"
#include "game/walking.h"
#include "render/floors.h"
#include "render/scene.h"
#include "render/stairs.h"
#include "render/walls.h"

BoxCounts lastFrameCounts{};

namespace {

// The one sequence of both kinds of step. An undrawn step skips every GL call
// and nothing else: the drawing only reads what the rules leave, so the state
// after it is the state a drawn step leaves.
void RunStep(bool drawn) {
    // 1. The box lists from the grid: a crate collected last step is gone now.
    const BoxCounts counts = RebuildBoxes();
    lastFrameCounts = counts;
    // 2. A clear screen and the identity.
    if (drawn) {
        BeginScene();
    }
    // 3. While space is down: a pause and two lines in "lista.txt".
    WriteDiagnostics();
    // 4. The player's cell, taken before walking; steps 5, 9, 11 and 12 use it
    //    even after the player has moved.
    const PlayerCell cell = ComputePlayerCell();
    // 5. Walking, running and sliding.
    Walk(counts, cell);
    if (drawn) {
        // 6. The camera, from where walking left the player.
        SetCamera();
        // 7. The blend function for the crates' markers; blending itself stays off.
        SetBlendFunction();
        // 8. Walls, then the stairs with the wall texture still bound.
        DrawWalls(counts.wallCount);
        DrawStairs(counts.stairCount);
    }
    // 9. Doors: drawn, lifted, opened with 'E'.
    DoorPass(counts.doorCount, cell, drawn);
    // 10. Floors.
    if (drawn) {
        DrawFloors(counts.openCount);
    }
    // 11. Crates, drawn with the floor texture, and collected.
    CratePass(counts.crateCount, cell, drawn);
    // 12. Up and down the stairs, and sinking to the floor.
    ChangeLevel(counts, cell);
    // 13 and 14. The speed factor back to 1, the next view vector, the pointer
    //     home: asked every step, sent by the shells once per drawn frame at most.
    EndFrameView();
}

}  // namespace

int DrawGLScene() {
    RunStep(true);
    // 15.
    return 1;
}

void StepWithoutDrawing() {
    RunStep(false);
}

void ResetFrame() {
    lastFrameCounts = BoxCounts{};
}
