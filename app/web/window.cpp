// window.cpp -- the game's "window" on the page: the canvas with its WebGL context, made and torn down.
#include "app/web/window.h"

#include <emscripten.h>
#include <emscripten/html5.h>

#include "app/common/game_window.h"
#include "app/common/shell_state.h"
#include "app/common/texts.h"
#include "app/web/events.h"
#include "app/web/gl/context.h"
#include "app/web/message_box.h"
#include "app/web/page.h"
#include "game/view.h"

namespace {

EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context = 0;

// 1 when the game may go on: fullscreen, or windowed if the player agrees.
int EnterFullscreen() {
    if (EnterPageFullscreen()) {
        return 1;
    }
    if (AskYesNo(text::kUseWindowedMode, text::kVexaGl)) {
        fullscreen = 0;
        return 1;
    }
    ShowBox(text::kWillClose, text::kError, BoxKind::kError);
    return 0;
}

// What the game's pixel format asks: double buffered (the browser presents
// each frame whole), no alpha, stencil or multisampling. The depth buffer is
// the frame target's own.
EMSCRIPTEN_WEBGL_CONTEXT_HANDLE MakeContext() {
    EmscriptenWebGLContextAttributes attributes;
    emscripten_webgl_init_context_attributes(&attributes);
    attributes.alpha = EM_FALSE;
    attributes.depth = EM_FALSE;
    attributes.stencil = EM_FALSE;
    attributes.antialias = EM_FALSE;
    attributes.majorVersion = 1;
    return emscripten_webgl_create_context(kCanvas, &attributes);
}

// Whatever got built is released before the player is told.
int Fail(const char* what) {
    KillGLWindow();
    ShowBox(what, text::kError, BoxKind::kWarning);
    return 0;
}

}  // namespace

// The colour depth is the page's; the title is the page's too.
int CreateGLWindow(const char* title, int width, int height, int, unsigned char fullscreenflag) {
    SetClientCentre(width, height);
    fullscreen = fullscreenflag;
    if (fullscreen && !EnterFullscreen()) {
        return 0;
    }
    emscripten_set_window_title(title);
    emscripten_set_canvas_element_size(kCanvas, width, height);
    if ((context = MakeContext()) <= 0) {
        context = 0;
        return Fail(text::kNoRenderingContext);
    }
    ListenToCanvas();
    if (emscripten_webgl_make_context_current(context) != EMSCRIPTEN_RESULT_SUCCESS) {
        return Fail(text::kCantActivateContext);
    }
    if (!webgl::OpenGlState(width, height)) {
        return Fail(text::kNoRenderingContext);
    }
    return FinishGLWindow(width, height, Fail);
}

void KillGLWindow() {
    if (fullscreen) {
        LeavePageFullscreen();
    }
    if (context) {
        if (emscripten_webgl_get_current_context() == context) {
            webgl::CloseGlState();
        }
        emscripten_webgl_make_context_current(0);
        emscripten_webgl_destroy_context(context);
        context = 0;
    }
}
