// gl_api.h -- the one way the game reaches OpenGL 1.1 and GLU.
//
// On Windows the system headers would otherwise drag in <windows.h>; declaring
// the two calling-convention macros first keeps the game free of it, and the
// empty WINGDIAPI makes every call link either to opengl32/glu32 or to the
// recording stand-in used by the tests and the simulator.
#pragma once

#ifdef _WIN32
#ifndef APIENTRY
#define APIENTRY __stdcall
#endif
#ifndef WINGDIAPI
#define WINGDIAPI
#endif
#ifndef CALLBACK
#define CALLBACK __stdcall
#endif
#include <stddef.h>  // wchar_t for glu.h in C
#endif

#include <GL/gl.h>
#include <GL/glu.h>
