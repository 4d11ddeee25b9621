// game_window.cpp -- the window every shell opens, and the F1 toggle.
#include "app/common/game_window.h"

#include "app/common/shell_state.h"
#include "app/common/texts.h"

int CreateGameWindow() {
    return CreateGLWindow(text::kWindowTitle, kWindowWidth, kWindowHeight, kWindowBits, fullscreen);
}

int ToggleFullscreen() {
    KillGLWindow();
    fullscreen = !fullscreen;
    return CreateGameWindow();
}
