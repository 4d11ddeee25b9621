// real_gl.h -- an off-screen Mesa context and its entry points, fetched once.
#pragma once

#include "render/gl_api.h"

namespace benchgl {

// OSMesa's own functions for GL, GLU's for the three GLU calls: what the
// benchmark's real frames and the bare replay both call.
struct RealGl {
    void(APIENTRY* Begin)(GLenum);
    void(APIENTRY* End)();
    void(APIENTRY* Vertex3f)(GLfloat, GLfloat, GLfloat);
    void(APIENTRY* Color3f)(GLfloat, GLfloat, GLfloat);
    void(APIENTRY* Color4f)(GLfloat, GLfloat, GLfloat, GLfloat);
    void(APIENTRY* TexCoord2f)(GLfloat, GLfloat);
    void(APIENTRY* BindTexture)(GLenum, GLuint);
    void(APIENTRY* GenTextures)(GLsizei, GLuint*);
    void(APIENTRY* TexParameteri)(GLenum, GLenum, GLint);
    void(APIENTRY* Enable)(GLenum);
    void(APIENTRY* Disable)(GLenum);
    void(APIENTRY* BlendFunc)(GLenum, GLenum);
    void(APIENTRY* Clear)(GLbitfield);
    void(APIENTRY* ClearColor)(GLclampf, GLclampf, GLclampf, GLclampf);
    void(APIENTRY* ClearDepth)(GLclampd);
    void(APIENTRY* DepthFunc)(GLenum);
    void(APIENTRY* ShadeModel)(GLenum);
    void(APIENTRY* Hint)(GLenum, GLenum);
    void(APIENTRY* LoadIdentity)();
    void(APIENTRY* MatrixMode)(GLenum);
    void(APIENTRY* Rotatef)(GLfloat, GLfloat, GLfloat, GLfloat);
    void(APIENTRY* Viewport)(GLint, GLint, GLsizei, GLsizei);
    void(APIENTRY* Finish)();
    const GLubyte*(APIENTRY* GetString)(GLenum);
    void(APIENTRY* Perspective)(GLdouble, GLdouble, GLdouble, GLdouble);
    void(APIENTRY* LookAt)(GLdouble, GLdouble, GLdouble, GLdouble, GLdouble, GLdouble, GLdouble, GLdouble, GLdouble);
    GLint(APIENTRY* Build2DMipmaps)(GLenum, GLint, GLint, GLint, GLenum, GLenum, const void*);
};

extern RealGl real;

// Makes a width x height RGBA context with a 16-bit depth buffer current and
// fills `real`. False, with the reason on stderr, when Mesa or GLU is missing.
bool MakeOffscreenContext(int width, int height);

// The colour buffer of that context, 4 bytes a pixel, as the last glFinish left it.
unsigned char* OffscreenPixels();

}  // namespace benchgl
