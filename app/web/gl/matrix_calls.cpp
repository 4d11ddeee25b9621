// matrix_calls.cpp -- the projection and model-view matrices, and the GLU calls that build them.
#include "app/web/gl/matrix_calls.h"

#include "app/web/gl/matrix_math.h"
#include "app/web/gl/webgl_draw.h"
#include "render/gl_api.h"

namespace {

webgl::Matrix projection = webgl::Identity();
webgl::Matrix modelView = webgl::Identity();
GLenum matrixMode = GL_MODELVIEW;

webgl::Matrix& Selected() {
    return matrixMode == GL_PROJECTION ? projection : modelView;
}

// The shader takes the product, rounded to float as GL 1.1 keeps its matrices.
void Changed() {
    const webgl::Matrix both = webgl::Multiply(projection, modelView);
    float m[16];
    for (int i = 0; i < 16; ++i) {
        m[i] = static_cast<float>(both.m[i]);
    }
    webgl::SetTransform(m);
}

void MultiplySelected(const webgl::Matrix& by) {
    Selected() = webgl::Multiply(Selected(), by);
    Changed();
}

}  // namespace

namespace webgl {

void ResetMatrices() {
    projection = Identity();
    modelView = Identity();
    matrixMode = GL_MODELVIEW;
    Changed();
}

}  // namespace webgl

extern "C" {

// The texture matrix, which the game never selects, counts as the model-view.
void glMatrixMode(GLenum mode) {
    matrixMode = mode;
}

void glLoadIdentity() {
    Selected() = webgl::Identity();
    Changed();
}

void glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) {
    MultiplySelected(webgl::Rotation(angle, x, y, z));
}

void gluPerspective(GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar) {
    MultiplySelected(webgl::Perspective(fovy, aspect, zNear, zFar));
}

void gluLookAt(GLdouble eyeX, GLdouble eyeY, GLdouble eyeZ, GLdouble centerX, GLdouble centerY, GLdouble centerZ,
               GLdouble upX, GLdouble upY, GLdouble upZ) {
    const double eye[3] = {eyeX, eyeY, eyeZ};
    const double centre[3] = {centerX, centerY, centerZ};
    const double up[3] = {upX, upY, upZ};
    MultiplySelected(webgl::LookAt(eye, centre, up));
}

}  // extern "C"
