// frame_target.h -- the game's frame drawn off screen with a 16-bit depth buffer, then shown.
#pragma once

namespace webgl {

// Called with a new context current, before the shader: a colour texture of
// the canvas's size with a 16-bit depth buffer, bound for all drawing. The
// game asks for 16 depth bits, and where two walls meet at a corner that
// precision decides which one the pixels on the seam show; WebGL's own
// buffer would be deeper. False when WebGL refuses.
bool OpenFrameTarget(int width, int height);
void CloseFrameTarget();

// Called at the end of each frame, after the last triangles are drawn: the
// picture copied texel for texel to the canvas, and every state the copy
// touched put back as the game left it.
void ShowFrame();

}  // namespace webgl
