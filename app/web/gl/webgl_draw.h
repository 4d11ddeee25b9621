// webgl_draw.h -- the WebGL 1 end of the web GL: one shader, one stream of triangles.
#pragma once

#include <initializer_list>

namespace webgl {

struct Vertex {
    float x, y, z;
    float r, g, b, a;
    float s, t;
};

// Called with a new context current: compiles the shader and makes the
// vertex buffer. False when WebGL refuses either.
bool StartDrawing();
// Called before the context goes: releases what StartDrawing made.
void StopDrawing();

// After other drawing (the copy of the frame): the game's shader and vertex stream in use again.
void ResumeDrawing();

// A shader program with the named attributes at locations 0, 1, ...; 0 when
// WebGL refuses it (the reason goes to standard error).
unsigned MakeProgram(const char* vertexSource, const char* fragmentSource,
                     std::initializer_list<const char*> attributes);

// Triangles wait here, to be drawn together: the game gives over two thousand
// small batches a frame, far too many draw calls for a browser. Anything that
// would change how waiting triangles look (every GL state call, the end of
// the frame) calls Flush first.
void AddTriangles(const Vertex* vertices, int count);
void Flush();

// Projection times model-view, column-major.
void SetTransform(const float matrix[16]);
// Whether fragments are modulated by the bound texture: texturing enabled and
// the texture complete. GL 1.1 draws with texturing off otherwise; WebGL
// would sample black.
void SetTexturing(bool textured);

}  // namespace webgl
