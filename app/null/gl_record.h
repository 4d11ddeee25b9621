// gl_record.h -- a stand-in for OpenGL 1.1 and GLU that records instead of drawing.
//
// Linked in place of the real libraries by the tests and the simulator, so the
// game step runs with no window or context. It keeps the GL state the game relies
// on (current colour and texture coordinate, bound texture, enables) and stamps
// every vertex with it.
#pragma once

#include <string>
#include <vector>

#include "render/gl_api.h"

namespace glrec {

struct Vertex {
    float x, y, z;
    float r, g, b, a;
    float s, t;
    GLuint texture;  // 2D texture bound when the vertex was given
    bool blend;      // blending enabled then
};

// One glBegin/glEnd pair.
struct Batch {
    GLenum mode;
    std::vector<Vertex> vertices;
};

// Any call, by name, with its arguments widened to double.
struct Call {
    std::string name;
    std::vector<double> args;
};

struct TextureImage {
    GLuint name;
    int width, height;
    GLenum format;
};

enum class Detail {
    Counts,  // only count pairs and vertices: for the simulator's long runs and benchmarks
    Calls,   // also keep every call with its arguments: for the simulator's dumps
    Full,    // also gather batches of stamped vertices: for the tests
};

// gluBuild2DMipmaps is recorded with one more argument than it takes: a
// 24-bit checksum of the pixels, so an image given to the wrong texture shows.
struct Recording {
    std::vector<Call> calls;
    std::vector<Batch> batches;
    std::vector<TextureImage> mipmaps;  // each gluBuild2DMipmaps
    long pairs = 0;
    long vertices = 0;
};

// Forgets every recording and puts the GL state back to a new context's.
void Reset(Detail detail = Detail::Full);

// Forgets what was recorded but keeps the GL state (start of a new frame).
void Clear();

// Changes how much is kept from the next call on.
void SetDetail(Detail detail);

const Recording& Get();

// Names of the calls recorded so far, in order, optionally only those named.
std::vector<std::string> CallNames();
// Calls with this name, in order.
std::vector<Call> CallsNamed(const std::string& name);

bool IsEnabled(GLenum cap);
GLuint BoundTexture();
GLuint TexturesGenerated();

}  // namespace glrec
