// fuzz_bmp.cpp -- libFuzzer target: arbitrary bytes through the bitmap decoder.
//
// Built and run by tools/fuzz/run.sh; seeds in tools/fuzz/corpus/.
#include <cstddef>
#include <cstdint>

#include "render/texture_image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    AUX_RGBImageRec image(nullptr);
    if (!image.loadMemory(data, size)) {
        if (image.pixels != nullptr || image.width != 0 || image.height != 0) {
            __builtin_trap();  // a refused file must leave nothing behind
        }
        return 0;
    }
    if (image.width < 1 || image.width > kMaxImageSide || image.height < 1 || image.height > kMaxImageSide ||
        image.pixels == nullptr) {
        __builtin_trap();
    }
    // Read every byte the game and OpenGL would read: a short buffer shows up
    // under AddressSanitizer, an unset byte would show as garbage in a texture.
    const std::size_t bytes = std::size_t(PaddedRowBytes(image.width)) * image.height;
    unsigned sum = 0;
    for (std::size_t i = 0; i < bytes; ++i) {
        sum += image.pixels[i];
    }
    volatile unsigned sink = sum;
    (void)sink;
    return 0;
}
