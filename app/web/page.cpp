// page.cpp -- the web shell's calls into the page's script.
#include "app/web/page.h"

#include <emscripten.h>

#include <cstdio>

namespace {

// clang-format off
EM_JS(void, PageShowBox, (const char* caption, const char* text), {
    if (Module.showBox) Module.showBox(UTF8ToString(caption), UTF8ToString(text));
});

EM_JS(int, PageConfirm, (const char* caption, const char* text), {
    return window.confirm(UTF8ToString(caption) + "\n\n" + UTF8ToString(text)) ? 1 : 0;
});

// The browser allows fullscreen only shortly after a key or a click; F1 was
// pressed a frame ago. A refusal that comes later leaves the page windowed.
EM_JS(int, PageEnterFullscreen, (), {
    var canvas = Module.canvas;
    if (!document.fullscreenEnabled || !canvas.requestFullscreen) return 0;
    if (navigator.userActivation && !navigator.userActivation.isActive) return 0;
    canvas.requestFullscreen({navigationUI: "hide"}).catch(function() { Module._maze_fullscreen_refused(); });
    return 1;
});

EM_JS(void, PageLeaveFullscreen, (), {
    if (document.fullscreenElement) document.exitFullscreen().catch(function() {});
});

EM_JS(void, PageGameEnded, (), {
    if (Module.gameEnded) Module.gameEnded();
});
// clang-format on

}  // namespace

void ShowBox(const char* text, const char* caption) {
    std::fprintf(stderr, "%s: %s\n", caption, text);
    PageShowBox(caption, text);
}

bool AskYesNo(const char* text, const char* caption) {
    std::fprintf(stderr, "%s: %s\n", caption, text);
    return PageConfirm(caption, text) != 0;
}

bool EnterPageFullscreen() {
    return PageEnterFullscreen() != 0;
}

void LeavePageFullscreen() {
    PageLeaveFullscreen();
}

void TellGameEnded() {
    PageGameEnded();
}
