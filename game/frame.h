// frame.h -- DrawGLScene, the whole game step, called once per idle turn.
#pragma once

#include "world/cell_boxes.h"

// Runs one frame; always returns 1.
int DrawGLScene();

// The box counts of the last frame, kept for tools (the simulator's `counts`).
extern BoxCounts lastFrameCounts;
