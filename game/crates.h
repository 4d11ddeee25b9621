// crates.h -- crates collected by walking into them.
#pragma once

#include "game/player.h"

// Called by the step after the floors, before the level change. Draws every
// crate and, for each one within reach, turns the player's own cell into open
// floor. This step's lists keep the crate; the next rebuild drops it. An
// undrawn step (`drawn` false) collects alike, drawing nothing.
void CratePass(int crateCount, PlayerCell cell, bool drawn);
