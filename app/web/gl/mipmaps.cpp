// mipmaps.cpp -- resampling to powers of two and the box-filtered mipmap chain.
#include "app/web/gl/mipmaps.h"

#include <cstddef>

namespace webgl {
namespace {

RgbImage Unpack(int width, int height, const unsigned char* pixels) {
    RgbImage image;
    image.width = width;
    image.height = height;
    const long rowBytes = (long(width) * 3 + 3) / 4 * 4;
    image.pixels.reserve(static_cast<std::size_t>(width) * height * 3);
    for (long y = 0; y < height; ++y) {
        const unsigned char* row = pixels + y * rowBytes;
        image.pixels.insert(image.pixels.end(), row, row + long(width) * 3);
    }
    return image;
}

// Each new texel is the mean of the old texels its area covers: at least one
// in each direction, so that an enlarged image repeats texels.
RgbImage Resample(const RgbImage& from, int width, int height) {
    RgbImage to;
    to.width = width;
    to.height = height;
    to.pixels.resize(static_cast<std::size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        const int y0 = static_cast<int>(long(y) * from.height / height);
        const int y1 = static_cast<int>(long(y + 1) * from.height / height);
        for (int x = 0; x < width; ++x) {
            const int x0 = static_cast<int>(long(x) * from.width / width);
            const int x1 = static_cast<int>(long(x + 1) * from.width / width);
            const int yEnd = y1 > y0 ? y1 : y0 + 1;
            const int xEnd = x1 > x0 ? x1 : x0 + 1;
            for (int c = 0; c < 3; ++c) {
                long sum = 0;
                for (int sy = y0; sy < yEnd; ++sy) {
                    for (int sx = x0; sx < xEnd; ++sx) {
                        sum += from.pixels[(static_cast<std::size_t>(sy) * from.width + sx) * 3 + c];
                    }
                }
                const long count = long(yEnd - y0) * (xEnd - x0);
                to.pixels[(static_cast<std::size_t>(y) * width + x) * 3 + c] =
                    static_cast<unsigned char>((sum + count / 2) / count);
            }
        }
    }
    return to;
}

}  // namespace

int NearestPowerOfTwo(int n) {
    int lower = 1;
    while (lower <= n / 2) {
        lower *= 2;
    }
    return n - lower > 2 * lower - n ? 2 * lower : lower;
}

std::vector<RgbImage> BuildMipmaps(int width, int height, const unsigned char* pixels) {
    std::vector<RgbImage> levels;
    if (width <= 0 || height <= 0 || pixels == nullptr) {
        return levels;
    }
    RgbImage level = Unpack(width, height, pixels);
    const int w = NearestPowerOfTwo(width);
    const int h = NearestPowerOfTwo(height);
    if (w != width || h != height) {
        level = Resample(level, w, h);
    }
    levels.push_back(level);
    while (level.width > 1 || level.height > 1) {
        level = Resample(level, level.width > 1 ? level.width / 2 : 1, level.height > 1 ? level.height / 2 : 1);
        levels.push_back(level);
    }
    return levels;
}

}  // namespace webgl
