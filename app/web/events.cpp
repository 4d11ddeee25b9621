// events.cpp -- one small handler for each kind of page event the game cares about.
#include "app/web/events.h"

#include <emscripten/html5.h>

#include "app/common/shell_state.h"
#include "app/web/web_input.h"
#include "app/web/window.h"

namespace {

EM_BOOL OnKeyDownEvent(int, const EmscriptenKeyboardEvent* event, void*) {
    return OnKeyDown(event->key, event->code, event->altKey, event->ctrlKey) ? EM_TRUE : EM_FALSE;
}

EM_BOOL OnKeyUpEvent(int, const EmscriptenKeyboardEvent* event, void*) {
    OnKeyUp(event->key, event->code);
    return EM_FALSE;
}

EM_BOOL OnMouseMoveEvent(int, const EmscriptenMouseEvent* event, void*) {
    OnPointerMove(event->movementX, event->movementY);
    return EM_FALSE;
}

// A page cannot move the pointer back as the game wants; a locked pointer
// gives movements without end instead.
EM_BOOL OnClickEvent(int, const EmscriptenMouseEvent*, void*) {
    emscripten_request_pointerlock(kCanvas, EM_FALSE);
    return EM_FALSE;
}

EM_BOOL OnBlurEvent(int, const EmscriptenFocusEvent*, void*) {
    ReleasePhysicalKeys();
    return EM_FALSE;
}

// A hidden page is a minimised window: no frames.
EM_BOOL OnVisibilityEvent(int, const EmscriptenVisibilityChangeEvent* event, void*) {
    active = event->hidden ? 0 : 1;
    return EM_FALSE;
}

// The browser's own way out of fullscreen (Escape, a gesture) leaves the game
// windowed, so that the next F1 goes fullscreen again.
EM_BOOL OnFullscreenEvent(int, const EmscriptenFullscreenChangeEvent* event, void*) {
    if (!event->isFullscreen) {
        fullscreen = 0;
    }
    return EM_FALSE;
}

}  // namespace

void ListenToPage() {
    static bool listening = false;
    if (listening) {
        return;
    }
    listening = true;
    const char* document = EMSCRIPTEN_EVENT_TARGET_DOCUMENT;
    emscripten_set_keydown_callback(document, nullptr, EM_TRUE, OnKeyDownEvent);
    emscripten_set_keyup_callback(document, nullptr, EM_TRUE, OnKeyUpEvent);
    emscripten_set_blur_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_TRUE, OnBlurEvent);
    emscripten_set_visibilitychange_callback(nullptr, EM_TRUE, OnVisibilityEvent);
    emscripten_set_fullscreenchange_callback(document, nullptr, EM_TRUE, OnFullscreenEvent);
}

void ListenToCanvas() {
    emscripten_set_mousemove_callback(kCanvas, nullptr, EM_TRUE, OnMouseMoveEvent);
    emscripten_set_click_callback(kCanvas, nullptr, EM_TRUE, OnClickEvent);
}
