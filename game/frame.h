// frame.h -- DrawGLScene, the whole game step, drawn or not.
#pragma once

#include "world/cell_boxes.h"

// Called by the idle turn while the window is active; the shell swaps buffers
// after it. Nothing in the step can fail: it returns 1 always, and the loop's
// test for 0 stays only because that is how the loop is written.
int DrawGLScene();

// The same step with no GL call: called by the idle turn for every step the
// clock has due but the last, which alone is shown. Leaves exactly the state
// DrawGLScene leaves.
void StepWithoutDrawing();

// The box counts of the last frame, kept for tools (the simulator's `counts`).
extern BoxCounts lastFrameCounts;

// Forgets the last frame's counts, as at program start.
void ResetFrame();
