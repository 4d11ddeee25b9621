// texture_calls.cpp -- texture names, their filters and their mipmapped images, in WebGL.
#include "app/web/gl/texture_calls.h"

#include <webgl/webgl1.h>

#include <cstddef>
#include <set>

#include "app/web/gl/mipmaps.h"
#include "app/web/gl/webgl_draw.h"
#include "render/gl_api.h"

namespace {

std::set<GLuint> generated;
std::set<GLuint> withImage;
GLuint bound = 0;
bool texture2d = false;

// GL 1.1 draws untextured with an incomplete texture (name 0, or a name with
// no image yet); the shader must be told, or WebGL would sample black.
void Update() {
    webgl::SetTexturing(texture2d && withImage.count(bound) != 0);
}

}  // namespace

namespace webgl {

void SetTexture2d(bool enabled) {
    texture2d = enabled;
    Update();
}

void ResetTextures() {
    for (GLuint name : generated) {
        emscripten_glDeleteTextures(1, &name);
    }
    generated.clear();
    withImage.clear();
    bound = 0;
    texture2d = false;
    Update();
}

}  // namespace webgl

extern "C" {

void glGenTextures(GLsizei n, GLuint* names) {
    emscripten_glGenTextures(n, names);
    generated.insert(names, names + n);
}

void glBindTexture(GLenum target, GLuint name) {
    webgl::Flush();
    emscripten_glBindTexture(target, name);
    if (target == GL_TEXTURE_2D) {
        bound = name;
        Update();
    }
}

void glTexParameteri(GLenum target, GLenum pname, GLint param) {
    webgl::Flush();
    emscripten_glTexParameteri(target, pname, param);
}

// Only what the game hands over: 8-bit RGB. Anything else is refused as GLU
// refuses what it does not know.
GLint gluBuild2DMipmaps(GLenum target, GLint components, GLint width, GLint height, GLenum format, GLenum type,
                        const void* pixels) {
    if (target != GL_TEXTURE_2D || components != 3 || format != GL_RGB || type != GL_UNSIGNED_BYTE) {
        return GLU_INVALID_ENUM;
    }
    if (width < 1 || height < 1) {
        return GLU_INVALID_VALUE;
    }
    webgl::Flush();
    const std::vector<webgl::RgbImage> levels =
        webgl::BuildMipmaps(width, height, static_cast<const unsigned char*>(pixels));
    emscripten_glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    for (std::size_t level = 0; level < levels.size(); ++level) {
        const webgl::RgbImage& image = levels[level];
        emscripten_glTexImage2D(GL_TEXTURE_2D, static_cast<GLint>(level), GL_RGB, image.width, image.height, 0, GL_RGB,
                                GL_UNSIGNED_BYTE, image.pixels.data());
    }
    emscripten_glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    withImage.insert(bound);
    Update();
    return 0;
}

}  // extern "C"
