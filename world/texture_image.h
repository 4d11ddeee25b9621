// texture_image.h -- a 24-bit bitmap read from disk into bottom-up RGB rows.
#pragma once

class AUX_RGBImageRec {
public:
    explicit AUX_RGBImageRec(const char* fileName);
    ~AUX_RGBImageRec();
    AUX_RGBImageRec(const AUX_RGBImageRec&) = delete;
    AUX_RGBImageRec& operator=(const AUX_RGBImageRec&) = delete;

    // Reads the file; returns `loaded`. Rows come out bottom row first, three
    // bytes a pixel, each row padded to a multiple of 4 bytes.
    bool loadFile(const char* fileName);
    // Swaps the first and third byte of every pixel in place.
    void convertBGRtoRGB();

    unsigned char* pixels = nullptr;
    int width = 0;
    int height = 0;
    unsigned char loaded = 0;
};

// Bytes in one padded row of a 24-bit image `width` pixels wide.
int PaddedRowBytes(int width);

// A new image for the file, returned even when it could not be read.
AUX_RGBImageRec* auxDIBImageLoad(const char* fileName);

// Null for a null name or a file that cannot be opened; otherwise auxDIBImageLoad.
AUX_RGBImageRec* LoadBMP(const char* fileName);
