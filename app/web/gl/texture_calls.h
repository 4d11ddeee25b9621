// texture_calls.h -- the texture part of the web GL: its switch, and its textures released with the context.
#pragma once

namespace webgl {

// glEnable / glDisable of GL_TEXTURE_2D, which WebGL has no switch for.
void SetTexture2d(bool enabled);

// Called by OpenGlState and CloseGlState: every texture the game made
// deleted, none bound, 2D texturing off; GL frees its textures with the
// context, and a new one starts without any.
void ResetTextures();

}  // namespace webgl
