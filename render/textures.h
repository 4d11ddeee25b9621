// textures.h -- the game's three textures, loaded into each new GL context.
#pragma once

#include "render/gl_api.h"

constexpr int kWallTexture = 0;   // "Data/Crate.bmp": walls and staircases
constexpr int kFloorTexture = 1;  // "Data/Land.bmp": floors, then the crates
constexpr int kDoorTexture = 2;   // "Data/Door.bmp": doors

extern GLuint texture[3];

// Called by InitGL for every new context, with that context current: loads
// the three bitmaps from Data/ in the working folder into mipmapped textures.
// A missing or unreadable file leaves its name 0 (the default texture).
// Returns 1 when at least one could be loaded, 0 when none could.
int LoadGLTextures();

void ResetTextures();
