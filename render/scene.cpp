// scene.cpp -- clearing, the blend function and the camera, in GL terms.
#include "render/scene.h"

#include "render/gl_api.h"

void BeginScene() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
}

void SetBlendFunction() {
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void LookAt(float pitch, double eyeX, double eyeY, double eyeZ, double centreX, double centreY, double centreZ) {
    glRotatef(pitch, 1.0f, 0.0f, 0.0f);
    gluLookAt(eyeX, eyeY, eyeZ, centreX, centreY, centreZ, 0.0, 1.0, 0.0);
}
