// gl_context.cpp -- one WebGL context's worth of web GL state, opened and closed together.
#include "app/web/gl_context.h"

#include "app/web/webgl_draw.h"

namespace webgl {

bool OpenGlState() {
    ResetMatrices();
    ResetCurrentVertex();
    ResetTextures();
    return StartDrawing();
}

void CloseGlState() {
    ResetTextures();
    StopDrawing();
}

}  // namespace webgl
