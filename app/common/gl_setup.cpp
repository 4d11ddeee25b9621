// gl_setup.cpp -- projection and fixed GL state, the same on every platform.
#include "app/common/gl_setup.h"

#include "render/gl_api.h"
#include "render/textures.h"

void ReSizeGLScene(int width, int height) {
    if (height == 0) {
        height = 1;
    }
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const float nearPlane = 0.1f;  // single precision on purpose: passed widened
    gluPerspective(45.0, static_cast<double>(width) / static_cast<double>(height), nearPlane, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

int InitGL() {
    if (!LoadGLTextures()) {
        return 0;
    }
    glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    return 1;
}
