// crates.h -- crate tiles with translucent markers, collected on contact.
#pragma once

#include "game/player.h"

// Frame step 11: draw each crate, then test whether the player picks it up.
void CratePass(int crateCount, PlayerCell cell);
