// context.cpp -- one WebGL context's worth of web GL state, opened and closed together.
#include "app/web/gl/context.h"

#include "app/web/gl/frame_target.h"
#include "app/web/gl/immediate_calls.h"
#include "app/web/gl/matrix_calls.h"
#include "app/web/gl/texture_calls.h"
#include "app/web/gl/webgl_draw.h"

namespace webgl {

bool OpenGlState(int width, int height) {
    if (!OpenFrameTarget(width, height) || !StartDrawing()) {
        return false;
    }
    ResetMatrices();
    ResetCurrentVertex();
    ResetTextures();
    return true;
}

void CloseGlState() {
    ResetTextures();
    StopDrawing();
    CloseFrameTarget();
}

void PresentFrame() {
    Flush();
    ShowFrame();
}

}  // namespace webgl
