// texture_calls.h -- what the web GL's state calls tell its texture part.
#pragma once

namespace webgl {

// glEnable / glDisable of GL_TEXTURE_2D, which WebGL has no switch for.
void SetTexture2d(bool enabled);

}  // namespace webgl
