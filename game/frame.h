// frame.h -- DrawGLScene, the whole game step, drawn or not.
#pragma once

#include "world/cell_boxes.h"

// Called through RunSteps for each step drawn; the shell swaps buffers after
// it. Nothing in the step can fail: it returns 1 always, and no caller tests
// it. The int stays because the original game's step has it.
int DrawGLScene();

// The same step with no GL call: called through RunSteps for every step not
// drawn (the games draw only the last one a turn has due). Leaves exactly the state
// DrawGLScene leaves.
void StepWithoutDrawing();

// The one loop of steps, for every program that runs the game: the games'
// turns, the simulator, the soak and the fuzz target differ only in what they
// answer around each step. `next()`, before it: whether a step is left (false
// ends the run). `drawn()`: whether that step is drawn; a caller readies its
// GL there for one that is. `after()`, once it has run. Returns the steps run.
template <class Next, class Drawn, class After>
long RunSteps(Next next, Drawn drawn, After after) {
    long ran = 0;
    while (next()) {
        if (drawn()) {
            DrawGLScene();
        } else {
            StepWithoutDrawing();
        }
        ++ran;
        after();
    }
    return ran;
}

// The box counts of the last step, kept for tools (the simulator's `counts`).
extern BoxCounts lastFrameCounts;

// Forgets the last step's counts, as at program start.
void ResetFrame();
