// gl_setup.h -- viewport, projection and the fixed GL state of every context.
#pragma once

// Called by CreateGLWindow and on every resize of the window: viewport and
// 45-degree perspective for a client area (height 0 counts as 1), leaving the
// model-view matrix selected for the frames.
void ReSizeGLScene(int width, int height);

// Called by CreateGLWindow once the new context is current: loads the
// textures, then sets the fixed state every frame relies on. 0 when no
// texture could be loaded; CreateGLWindow then fails.
int InitGL();
