// x11_visual.cpp -- choosing the GLX visual by the closest depth buffer.
#include "app/sdl/x11_visual.h"

#include <GL/glx.h>
#include <SDL.h>

#include <cstdio>
#include <cstring>

namespace {

int Attribute(Display* display, GLXFBConfig config, int name) {
    int value = 0;
    glXGetFBConfigAttrib(display, config, name, &value);
    return value;
}

// 0 when there is none. Among configs of equal depth GLX's own order decides.
int ClosestDepthVisual(Display* display, int depthBits) {
    // clang-format off
    const int wanted[] = {
        GLX_X_RENDERABLE, True,    GLX_DRAWABLE_TYPE, GLX_WINDOW_BIT,   GLX_RENDER_TYPE, GLX_RGBA_BIT,
        GLX_DOUBLEBUFFER, True,    GLX_DEPTH_SIZE,    depthBits,        None,
    };
    // clang-format on
    int count = 0;
    GLXFBConfig* configs = glXChooseFBConfig(display, DefaultScreen(display), wanted, &count);
    int visual = 0;
    int bestDepth = 0;
    for (int i = 0; i < count; ++i) {
        const int depth = Attribute(display, configs[i], GLX_DEPTH_SIZE);
        const int id = Attribute(display, configs[i], GLX_VISUAL_ID);
        if (id != 0 && depth >= depthBits && (visual == 0 || depth < bestDepth)) {
            visual = id;
            bestDepth = depth;
        }
    }
    if (configs != nullptr) {
        XFree(configs);
    }
    return visual;
}

}  // namespace

void PreferClosestDepthBuffer(int depthBits) {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr || std::strcmp(driver, "x11") != 0) {
        return;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return;
    }
    // Visual ids belong to one screen; with several, SDL may use another.
    const int visual = ScreenCount(display) == 1 ? ClosestDepthVisual(display, depthBits) : 0;
    XCloseDisplay(display);
    if (visual != 0) {
        char id[32];
        std::snprintf(id, sizeof id, "0x%x", static_cast<unsigned>(visual));
        SDL_SetHint(SDL_HINT_VIDEO_X11_WINDOW_VISUALID, id);
    }
}
