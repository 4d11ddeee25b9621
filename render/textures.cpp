// textures.cpp -- the three bitmaps turned into mipmapped textures of the current context.
#include "render/textures.h"

#include <memory>

#include "render/texture_image.h"

GLuint texture[3];

namespace {

// In the order of the entries of `texture`.
constexpr const char* kTextureFiles[3] = {"Data/Crate.bmp", "Data/Land.bmp", "Data/Door.bmp"};

}  // namespace

int LoadGLTextures() {
    int status = 0;
    std::unique_ptr<AUX_RGBImageRec> images[3];
    for (int i = 0; i < 3; ++i) {
        // Runs again for every new context: the names of the last one died
        // with it, and a file gone since then must not leave a stale name.
        texture[i] = 0;
        images[i].reset(LoadBMP(kTextureFiles[i]));
        // A file that is there but is no readable bitmap counts as missing.
        if (!images[i] || !images[i]->loaded) {
            continue;
        }
        status = 1;
        const AUX_RGBImageRec& image = *images[i];
        glGenTextures(1, &texture[i]);
        glBindTexture(GL_TEXTURE_2D, texture[i]);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
        // Rows padded to 4 bytes match OpenGL's default unpack alignment.
        gluBuild2DMipmaps(GL_TEXTURE_2D, 3, image.width, image.height, GL_RGB, GL_UNSIGNED_BYTE, image.pixels);
    }
    return status;
}

void ResetTextures() {
    texture[0] = 0;
    texture[1] = 0;
    texture[2] = 0;
}
