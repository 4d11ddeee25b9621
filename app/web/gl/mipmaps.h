// mipmaps.h -- the levels gluBuild2DMipmaps makes from one RGB image, for the web GL.
#pragma once

#include <vector>

namespace webgl {

// Tightly packed RGB rows, bottom row first, as OpenGL reads them.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels;
};

// The image as the game hands it over (rows padded to 4 bytes, OpenGL's
// default unpack alignment), resampled to powers of two (the nearest, as GLU
// does: WebGL 1 cannot mipmap other sizes), then halved level by level down
// to 1 x 1, each texel the mean of the 2 x 2 (or 2 x 1) texels above it.
// Empty for an empty image.
std::vector<RgbImage> BuildMipmaps(int width, int height, const unsigned char* pixels);

// The power of two nearest to n (the smaller one on a tie), at least 1.
int NearestPowerOfTwo(int n);

}  // namespace webgl
