// texture_image.cpp -- STUB
#include "world/texture_image.h"
#include <cstdio>
AUX_RGBImageRec::AUX_RGBImageRec(const char* fileName) { loadFile(fileName); }
AUX_RGBImageRec::~AUX_RGBImageRec() { delete[] pixels; pixels = nullptr; }
bool AUX_RGBImageRec::loadFile(const char*) { return loaded; }
void AUX_RGBImageRec::convertBGRtoRGB() {}
int PaddedRowBytes(int width) { return (width * 3 + 3) / 4 * 4; }
AUX_RGBImageRec* auxDIBImageLoad(const char* fileName) { return new AUX_RGBImageRec(fileName); }
AUX_RGBImageRec* LoadBMP(const char* fileName) {
    if (!fileName) return nullptr;
    FILE* f = std::fopen(fileName, "r");
    if (!f) return nullptr;
    std::fclose(f);
    return auxDIBImageLoad(fileName);
}
