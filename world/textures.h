// textures.h -- the game's three textures, loaded into each new GL context.
#pragma once

#include "render/gl_api.h"

constexpr int kWallTexture = 0;   // "Data/Crate.bmp": walls and staircases
constexpr int kFloorTexture = 1;  // "Data/Land.bmp": floors, then the crates
constexpr int kDoorTexture = 2;   // "Data/Door.bmp": doors

extern GLuint texture[3];

// Loads the three bitmaps into mipmapped textures of the current context.
// Returns 1 when at least one could be loaded, 0 when none could.
int LoadGLTextures();

void ResetTextures();
