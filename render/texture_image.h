// texture_image.h -- a 24-bit bitmap read from disk into bottom-up RGB rows.
#pragma once

#include <cstddef>

// Larger images are refused as corrupt: no texture of the game comes near it.
constexpr int kMaxImageSide = 4096;

class AUX_RGBImageRec {
public:
    explicit AUX_RGBImageRec(const char* fileName);
    ~AUX_RGBImageRec();
    AUX_RGBImageRec(const AUX_RGBImageRec&) = delete;
    AUX_RGBImageRec& operator=(const AUX_RGBImageRec&) = delete;

    // Reads the file; returns `loaded`. Rows come out bottom row first, three
    // bytes a pixel, each row padded to a multiple of 4 bytes.
    bool loadFile(const char* fileName);
    // What loadFile does once the file is in memory: decodes a whole bitmap
    // file image; returns `loaded`. Nothing outside `bytes` is read.
    bool loadMemory(const unsigned char* bytes, std::size_t size);
    // Swaps the first and third byte of every pixel in place.
    void convertBGRtoRGB();

    unsigned char* pixels = nullptr;
    int width = 0;
    int height = 0;
    unsigned char loaded = 0;
};

// Bytes in one padded row of a 24-bit image `width` pixels wide; 0 for a
// width outside 0 to kMaxImageSide.
int PaddedRowBytes(int width);

// A new image for the file, returned even when it could not be read.
AUX_RGBImageRec* auxDIBImageLoad(const char* fileName);

// Null for a null name or a file that cannot be opened; otherwise auxDIBImageLoad.
AUX_RGBImageRec* LoadBMP(const char* fileName);
