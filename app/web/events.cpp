// events.cpp -- one small handler for each kind of page event the game cares about.
#include "app/web/events.h"

#include <emscripten.h>
#include <emscripten/html5.h>

#include "app/common/main_loop.h"
#include "app/common/message_clock.h"
#include "app/common/shell_state.h"
#include "app/web/web_input.h"
#include "app/web/window.h"

namespace {

// The page stamps its events in milliseconds since it loaded.
MessageClock pageClock;

long long Moment(double timeStamp) {
    return pageClock.At(static_cast<uint32_t>(static_cast<long long>(timeStamp)), LoopNow());
}

EM_BOOL OnKeyDownEvent(int, const EmscriptenKeyboardEvent* event, void*) {
    return OnKeyDown(event->key, event->code, event->altKey, event->ctrlKey, Moment(event->timestamp)) ? EM_TRUE
                                                                                                       : EM_FALSE;
}

EM_BOOL OnKeyUpEvent(int, const EmscriptenKeyboardEvent* event, void*) {
    OnKeyUp(event->key, event->code, Moment(event->timestamp));
    return EM_FALSE;
}

// Each pointer report, those the browser merged into one event (to one a
// frame) too, in order, with its own movement and moment. A finger's moves
// are the touch controls' to turn into messages, not the mouse's.
EM_JS(void, ListenToPointerReports, (), {
    Module.canvas.addEventListener(
        "pointermove", function(event) {
            if (event.pointerType == "touch") return;
            var reports = event.getCoalescedEvents ? event.getCoalescedEvents() : [];
            if (reports.length == 0) reports = [event];
            for (var i = 0; i < reports.length; ++i) {
                _maze_pointer_report(reports[i].movementX, reports[i].movementY, reports[i].timeStamp);
            }
        });
});

// A page cannot move the pointer back as the game wants; a locked pointer
// gives movements without end instead.
EM_BOOL OnClickEvent(int, const EmscriptenMouseEvent*, void*) {
    emscripten_request_pointerlock(kCanvas, EM_FALSE);
    return EM_FALSE;
}

EM_BOOL OnBlurEvent(int, const EmscriptenFocusEvent*, void*) {
    OnFocusLost();
    return EM_FALSE;
}

// A hidden page is a minimised window: no steps, no frames.
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

extern "C" EMSCRIPTEN_KEEPALIVE void maze_pointer_report(double dx, double dy, double timeStamp) {
    OnPointerMove(static_cast<long>(dx), static_cast<long>(dy), Moment(timeStamp));
}

// The pointer's reports outlive the contexts: the page listens to them once.
void ListenToCanvas() {
    static bool listening = false;
    if (!listening) {
        listening = true;
        ListenToPointerReports();
    }
    emscripten_set_click_callback(kCanvas, nullptr, EM_TRUE, OnClickEvent);
}
