// state_calls.cpp -- the GL 1.1 switches, clears and viewport the game sets, in WebGL terms.
#include <webgl/webgl1.h>

#include "app/web/gl/texture_calls.h"
#include "app/web/gl/webgl_draw.h"
#include "render/gl_api.h"

namespace {

// Blending and the depth test are WebGL's too; 2D texturing is the shader's.
// The game switches nothing else.
void Switch(GLenum cap, bool on) {
    webgl::Flush();
    if (cap == GL_TEXTURE_2D) {
        webgl::SetTexture2d(on);
    } else if (cap == GL_BLEND || cap == GL_DEPTH_TEST) {
        on ? emscripten_glEnable(cap) : emscripten_glDisable(cap);
    }
}

}  // namespace

extern "C" {

void glEnable(GLenum cap) {
    Switch(cap, true);
}

void glDisable(GLenum cap) {
    Switch(cap, false);
}

void glBlendFunc(GLenum sfactor, GLenum dfactor) {
    webgl::Flush();
    emscripten_glBlendFunc(sfactor, dfactor);
}

void glClear(GLbitfield mask) {
    webgl::Flush();
    emscripten_glClear(mask);
}

void glClearColor(GLclampf r, GLclampf g, GLclampf b, GLclampf a) {
    emscripten_glClearColor(r, g, b, a);
}

void glClearDepth(GLclampd depth) {
    emscripten_glClearDepthf(static_cast<GLclampf>(depth));
}

void glDepthFunc(GLenum func) {
    webgl::Flush();
    emscripten_glDepthFunc(func);
}

// Smooth shading, all the game asks for, is the shader's only way.
void glShadeModel(GLenum) {}

// WebGL always interpolates in perspective, as GL_NICEST asks.
void glHint(GLenum, GLenum) {}

void glViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    webgl::Flush();
    emscripten_glViewport(x, y, width, height);
}

}  // extern "C"
