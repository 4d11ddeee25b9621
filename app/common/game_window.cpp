// game_window.cpp -- the window every shell opens, the last steps of making it, and the F1 toggle.
#include "app/common/game_window.h"

#include "app/common/gl_setup.h"
#include "app/common/shell_state.h"
#include "app/common/texts.h"

int FinishGLWindow(int width, int height, int (*fail)(const char* what)) {
    ReSizeGLScene(width, height);
    if (!InitGL()) {
        return fail(text::kInitializationFailed);
    }
    return 1;
}

int CreateGameWindow() {
    return CreateGLWindow(text::kWindowTitle, kWindowWidth, kWindowHeight, kWindowBits, fullscreen);
}

int ToggleFullscreen() {
    KillGLWindow();
    fullscreen = !fullscreen;
    return CreateGameWindow();
}
