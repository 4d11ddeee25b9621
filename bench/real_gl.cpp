// real_gl.cpp -- the off-screen context and its entry points, fetched once.
#include "bench/real_gl.h"

#include <GL/osmesa.h>
#include <dlfcn.h>

#include <cstdio>
#include <vector>

namespace benchgl {

RealGl real;

namespace {

std::vector<unsigned char> pixels;

// The executable defines every GL and GLU name the game calls (the skin), so
// these are asked of the libraries themselves. GLU is opened here, after
// OSMesa is loaded, so that its own GL calls find Mesa's.
template <typename F>
bool FetchGl(F& slot, const char* name) {
    slot = reinterpret_cast<F>(OSMesaGetProcAddress(name));
    if (slot == nullptr) {
        std::fprintf(stderr, "maze-bench: OSMesa has no %s\n", name);
    }
    return slot != nullptr;
}

template <typename F>
bool FetchGlu(F& slot, const char* name) {
    static void* const glu = dlopen("libGLU.so.1", RTLD_NOW);
    slot = glu != nullptr ? reinterpret_cast<F>(dlsym(glu, name)) : nullptr;
    if (slot == nullptr) {
        std::fprintf(stderr, "maze-bench: no %s in libGLU.so.1 (libglu1-mesa)\n", name);
    }
    return slot != nullptr;
}

bool FetchAll() {
    RealGl& r = real;
    return FetchGl(r.Begin, "glBegin") && FetchGl(r.End, "glEnd") && FetchGl(r.Vertex3f, "glVertex3f") &&
           FetchGl(r.Color3f, "glColor3f") && FetchGl(r.Color4f, "glColor4f") &&
           FetchGl(r.TexCoord2f, "glTexCoord2f") && FetchGl(r.BindTexture, "glBindTexture") &&
           FetchGl(r.GenTextures, "glGenTextures") && FetchGl(r.TexParameteri, "glTexParameteri") &&
           FetchGl(r.Enable, "glEnable") && FetchGl(r.Disable, "glDisable") && FetchGl(r.BlendFunc, "glBlendFunc") &&
           FetchGl(r.Clear, "glClear") && FetchGl(r.ClearColor, "glClearColor") &&
           FetchGl(r.ClearDepth, "glClearDepth") && FetchGl(r.DepthFunc, "glDepthFunc") &&
           FetchGl(r.ShadeModel, "glShadeModel") && FetchGl(r.Hint, "glHint") &&
           FetchGl(r.LoadIdentity, "glLoadIdentity") && FetchGl(r.MatrixMode, "glMatrixMode") &&
           FetchGl(r.Rotatef, "glRotatef") && FetchGl(r.Viewport, "glViewport") && FetchGl(r.Finish, "glFinish") &&
           FetchGl(r.GetString, "glGetString") && FetchGlu(r.Perspective, "gluPerspective") &&
           FetchGlu(r.LookAt, "gluLookAt") && FetchGlu(r.Build2DMipmaps, "gluBuild2DMipmaps");
}

}  // namespace

bool MakeOffscreenContext(int width, int height) {
    OSMesaContext context = OSMesaCreateContextExt(OSMESA_RGBA, 16, 0, 0, nullptr);
    if (context == nullptr) {
        std::fprintf(stderr, "maze-bench: no OSMesa context\n");
        return false;
    }
    pixels.assign(std::size_t(width) * height * 4, 0);
    if (!OSMesaMakeCurrent(context, pixels.data(), GL_UNSIGNED_BYTE, width, height)) {
        std::fprintf(stderr, "maze-bench: the OSMesa context could not be made current\n");
        return false;
    }
    return FetchAll();
}

unsigned char* OffscreenPixels() {
    return pixels.data();
}

}  // namespace benchgl
