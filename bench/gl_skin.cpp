// gl_skin.cpp -- the GL and GLU entry points of maze-bench, each going where the mode says.
#include "bench/gl_skin.h"

#include <cstdio>
#include <cstdlib>

#include "bench/real_gl.h"

namespace benchgl {
namespace {

Mode mode = Mode::Nothing;
Stream* recording = nullptr;

}  // namespace

void SetMode(Mode newMode, Stream* stream) {
    mode = newMode;
    recording = stream;
}

// Texture uploads belong to the set-up, which runs for real only.
static void NotInAFrame(const char* name) {
    if (mode == Mode::Record) {
        std::fprintf(stderr, "maze-bench: %s in a recorded frame\n", name);
        std::abort();
    }
}

}  // namespace benchgl

using benchgl::F;
using benchgl::I;
using benchgl::mode;
using benchgl::Mode;
using benchgl::Op;
using benchgl::real;
using benchgl::recording;
using benchgl::U;

extern "C" {

void APIENTRY glBegin(GLenum m) {
    if (mode == Mode::Real) {
        real.Begin(m);
    } else if (mode == Mode::Record) {
        recording->Put(Op::Begin, {U(m)});
    }
}

void APIENTRY glEnd() {
    if (mode == Mode::Real) {
        real.End();
    } else if (mode == Mode::Record) {
        recording->Put(Op::End, {});
    }
}

void APIENTRY glVertex3f(GLfloat x, GLfloat y, GLfloat z) {
    if (mode == Mode::Real) {
        real.Vertex3f(x, y, z);
    } else if (mode == Mode::Record) {
        recording->Put(Op::Vertex3f, {F(x), F(y), F(z)});
    }
}

void APIENTRY glColor3f(GLfloat r, GLfloat g, GLfloat b) {
    if (mode == Mode::Real) {
        real.Color3f(r, g, b);
    } else if (mode == Mode::Record) {
        recording->Put(Op::Color3f, {F(r), F(g), F(b)});
    }
}

void APIENTRY glColor4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a) {
    if (mode == Mode::Real) {
        real.Color4f(r, g, b, a);
    } else if (mode == Mode::Record) {
        recording->Put(Op::Color4f, {F(r), F(g), F(b), F(a)});
    }
}

void APIENTRY glTexCoord2f(GLfloat s, GLfloat t) {
    if (mode == Mode::Real) {
        real.TexCoord2f(s, t);
    } else if (mode == Mode::Record) {
        recording->Put(Op::TexCoord2f, {F(s), F(t)});
    }
}

void APIENTRY glBindTexture(GLenum target, GLuint name) {
    if (mode == Mode::Real) {
        real.BindTexture(target, name);
    } else if (mode == Mode::Record) {
        recording->Put(Op::BindTexture, {U(target), U(name)});
    }
}

void APIENTRY glGenTextures(GLsizei n, GLuint* names) {
    benchgl::NotInAFrame("glGenTextures");
    if (mode == Mode::Real) {
        real.GenTextures(n, names);
    } else {
        for (GLsizei i = 0; i < n; ++i) {
            names[i] = GLuint(i + 1);
        }
    }
}

void APIENTRY glTexParameteri(GLenum target, GLenum pname, GLint param) {
    if (mode == Mode::Real) {
        real.TexParameteri(target, pname, param);
    } else if (mode == Mode::Record) {
        recording->Put(Op::TexParameteri, {U(target), U(pname), I(param)});
    }
}

void APIENTRY glEnable(GLenum cap) {
    if (mode == Mode::Real) {
        real.Enable(cap);
    } else if (mode == Mode::Record) {
        recording->Put(Op::Enable, {U(cap)});
    }
}

void APIENTRY glDisable(GLenum cap) {
    if (mode == Mode::Real) {
        real.Disable(cap);
    } else if (mode == Mode::Record) {
        recording->Put(Op::Disable, {U(cap)});
    }
}

void APIENTRY glBlendFunc(GLenum sfactor, GLenum dfactor) {
    if (mode == Mode::Real) {
        real.BlendFunc(sfactor, dfactor);
    } else if (mode == Mode::Record) {
        recording->Put(Op::BlendFunc, {U(sfactor), U(dfactor)});
    }
}

void APIENTRY glClear(GLbitfield mask) {
    if (mode == Mode::Real) {
        real.Clear(mask);
    } else if (mode == Mode::Record) {
        recording->Put(Op::Clear, {U(mask)});
    }
}

void APIENTRY glClearColor(GLclampf r, GLclampf g, GLclampf b, GLclampf a) {
    if (mode == Mode::Real) {
        real.ClearColor(r, g, b, a);
    } else if (mode == Mode::Record) {
        recording->Put(Op::ClearColor, {F(r), F(g), F(b), F(a)});
    }
}

void APIENTRY glClearDepth(GLclampd depth) {
    if (mode == Mode::Real) {
        real.ClearDepth(depth);
    } else if (mode == Mode::Record) {
        recording->PutDoubles(Op::ClearDepth, {depth});
    }
}

void APIENTRY glDepthFunc(GLenum func) {
    if (mode == Mode::Real) {
        real.DepthFunc(func);
    } else if (mode == Mode::Record) {
        recording->Put(Op::DepthFunc, {U(func)});
    }
}

void APIENTRY glShadeModel(GLenum m) {
    if (mode == Mode::Real) {
        real.ShadeModel(m);
    } else if (mode == Mode::Record) {
        recording->Put(Op::ShadeModel, {U(m)});
    }
}

void APIENTRY glHint(GLenum target, GLenum m) {
    if (mode == Mode::Real) {
        real.Hint(target, m);
    } else if (mode == Mode::Record) {
        recording->Put(Op::Hint, {U(target), U(m)});
    }
}

void APIENTRY glLoadIdentity() {
    if (mode == Mode::Real) {
        real.LoadIdentity();
    } else if (mode == Mode::Record) {
        recording->Put(Op::LoadIdentity, {});
    }
}

void APIENTRY glMatrixMode(GLenum m) {
    if (mode == Mode::Real) {
        real.MatrixMode(m);
    } else if (mode == Mode::Record) {
        recording->Put(Op::MatrixMode, {U(m)});
    }
}

void APIENTRY glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) {
    if (mode == Mode::Real) {
        real.Rotatef(angle, x, y, z);
    } else if (mode == Mode::Record) {
        recording->Put(Op::Rotatef, {F(angle), F(x), F(y), F(z)});
    }
}

void APIENTRY glViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    if (mode == Mode::Real) {
        real.Viewport(x, y, width, height);
    } else if (mode == Mode::Record) {
        recording->Put(Op::Viewport, {I(x), I(y), I(width), I(height)});
    }
}

void APIENTRY gluPerspective(GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar) {
    if (mode == Mode::Real) {
        real.Perspective(fovy, aspect, zNear, zFar);
    } else if (mode == Mode::Record) {
        recording->PutDoubles(Op::Perspective, {fovy, aspect, zNear, zFar});
    }
}

void APIENTRY gluLookAt(GLdouble eyeX, GLdouble eyeY, GLdouble eyeZ, GLdouble centerX, GLdouble centerY,
                        GLdouble centerZ, GLdouble upX, GLdouble upY, GLdouble upZ) {
    if (mode == Mode::Real) {
        real.LookAt(eyeX, eyeY, eyeZ, centerX, centerY, centerZ, upX, upY, upZ);
    } else if (mode == Mode::Record) {
        recording->PutDoubles(Op::LookAt, {eyeX, eyeY, eyeZ, centerX, centerY, centerZ, upX, upY, upZ});
    }
}

GLint APIENTRY gluBuild2DMipmaps(GLenum target, GLint components, GLint width, GLint height, GLenum format, GLenum type,
                                 const void* pixels) {
    benchgl::NotInAFrame("gluBuild2DMipmaps");
    if (mode == Mode::Real) {
        return real.Build2DMipmaps(target, components, width, height, format, type, pixels);
    }
    return 0;
}

}  // extern "C"
