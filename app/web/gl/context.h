// context.h -- the web shell's way into its GL: the state of one WebGL context, made with it, released before it goes.
#pragma once

namespace webgl {

// Called by CreateGLWindow once the WebGL context is current: everything the
// GL 1.1 calls keep (matrices, current colour and texture coordinate, the
// texture images, enables) as a new GL 1.1 context has it, and the shader
// ready, drawing into a frame of `width` x `height`. False when WebGL refused
// the shader or the frame.
bool OpenGlState(int width, int height);

// Called by KillGLWindow while the context is still current: the textures
// and the shader released, as GL frees them with a context.
void CloseGlState();

// The shell's buffer swap, at the end of each frame: what is still waiting
// drawn, and the frame shown on the canvas when the browser task returns.
void PresentFrame();

}  // namespace webgl
