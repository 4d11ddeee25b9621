// immediate_calls.cpp -- glBegin to glEnd: the game's quads and triangles handed to WebGL as triangles.
#include "app/web/gl/immediate_calls.h"

#include <cstddef>
#include <vector>

#include "app/web/gl/webgl_draw.h"
#include "render/gl_api.h"

namespace {

struct Current {
    float r = 1, g = 1, b = 1, a = 1;
    float s = 0, t = 0;
};

Current current;
GLenum batchMode = GL_TRIANGLES;
std::vector<webgl::Vertex> batch;
std::vector<webgl::Vertex> triangles;

// The two modes the game draws with; a quad becomes two triangles around its
// first corner, as GL 1.1 splits a convex polygon. Other modes draw nothing.
void ToTriangles() {
    triangles.clear();
    if (batchMode == GL_TRIANGLES) {
        triangles.assign(batch.begin(), batch.begin() + batch.size() / 3 * 3);
    } else if (batchMode == GL_QUADS) {
        for (std::size_t q = 0; q + 4 <= batch.size(); q += 4) {
            for (std::size_t corner : {0, 1, 2, 0, 2, 3}) {
                triangles.push_back(batch[q + corner]);
            }
        }
    }
}

}  // namespace

namespace webgl {

void ResetCurrentVertex() {
    current = Current{};
    batch.clear();
}

}  // namespace webgl

extern "C" {

void glBegin(GLenum mode) {
    batchMode = mode;
    batch.clear();
}

void glEnd() {
    ToTriangles();
    webgl::AddTriangles(triangles.data(), static_cast<int>(triangles.size()));
    batch.clear();
}

void glVertex3f(GLfloat x, GLfloat y, GLfloat z) {
    batch.push_back(webgl::Vertex{x, y, z, current.r, current.g, current.b, current.a, current.s, current.t});
}

void glColor3f(GLfloat r, GLfloat g, GLfloat b) {
    glColor4f(r, g, b, 1.0f);
}

void glColor4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a) {
    current.r = r;
    current.g = g;
    current.b = b;
    current.a = a;
}

void glTexCoord2f(GLfloat s, GLfloat t) {
    current.s = s;
    current.t = t;
}

}  // extern "C"
