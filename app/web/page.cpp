// page.cpp -- the web shell's calls into the page's script: fullscreen, and the game's end.
#include "app/web/page.h"

#include <emscripten.h>

namespace {

// clang-format off
// The browser allows fullscreen only shortly after a key or a click; F1 was
// pressed a frame ago. A refusal that comes later leaves the page windowed.
// Played by touch, the controls go fullscreen with the picture.
EM_JS(int, PageEnterFullscreen, (), {
    var shown = Module.fullscreenTarget || Module.canvas;
    if (!document.fullscreenEnabled || !shown.requestFullscreen) return 0;
    if (navigator.userActivation && !navigator.userActivation.isActive) return 0;
    shown.requestFullscreen({navigationUI: "hide"}).catch(function() { Module._maze_fullscreen_refused(); });
    return 1;
});

EM_JS(void, PageLeaveFullscreen, (), {
    if (document.fullscreenElement) document.exitFullscreen().catch(function() {});
});

EM_JS(void, PageGameEnded, (int exitCode), {
    if (Module.gameEnded) Module.gameEnded(exitCode);
});
// clang-format on

}  // namespace

bool EnterPageFullscreen() {
    return PageEnterFullscreen() != 0;
}

void LeavePageFullscreen() {
    PageLeaveFullscreen();
}

void TellGameEnded(int exitCode) {
    PageGameEnded(exitCode);
}
