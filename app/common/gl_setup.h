// gl_setup.h -- viewport, projection and the fixed GL state of every context.
#pragma once

// Viewport and 45-degree perspective for a client area; height 0 counts as 1.
void ReSizeGLScene(int width, int height);

// Loads the textures, then sets the fixed state. 0 when no texture loaded.
int InitGL();
