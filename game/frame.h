// frame.h -- DrawGLScene, the whole game step, drawn or not.
#pragma once

#include "world/cell_boxes.h"

// Called by the idle turn for each step it draws; the shell swaps buffers
// after it. Nothing in the step can fail: it returns 1 always, so the loop's
// test for 0 (RunDueSteps, which would end the game as Escape does) is never
// met; it stays because the original loop tests it.
int DrawGLScene();

// The same step with no GL call: called by the idle turn for every step the
// clock has due but the last, which alone is shown. Leaves exactly the state
// DrawGLScene leaves.
void StepWithoutDrawing();

// The box counts of the last step, kept for tools (the simulator's `counts`).
extern BoxCounts lastFrameCounts;

// Forgets the last step's counts, as at program start.
void ResetFrame();
