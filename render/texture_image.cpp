// texture_image.cpp -- Windows bitmaps read into bottom-up rows of 8-bit R, G, B.
//
// The rows come out as the Windows loader (GetDIBits asked for 24 bits) lays
// them: bottom row first, blue-green-red, each row padded to 4 bytes. The swap
// to red-green-blue is then the separate step convertBGRtoRGB, as on Windows.
// Decoding is stb_image's; this file checks first what stb_image takes on
// trust, and turns its top-down RGB output into that layout.
#include "render/texture_image.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_BMP
#define STBI_NO_STDIO  // the file is read here, so paths mean the same on every system
#define STBI_NO_LINEAR
#define STBI_NO_FAILURE_STRINGS
#define STBI_MAX_DIMENSIONS kMaxImageSide
#include <stb_image.h>

namespace {

constexpr std::size_t kFileHeaderBytes = 14;

// The largest file worth reading: a 32-bit image of the largest size, its
// headers and a full palette, with room to spare. Anything bigger is refused.
constexpr std::size_t kMaxFileBytes = std::size_t(kMaxImageSide) * kMaxImageSide * 4 + 64 * 1024;

std::uint32_t Le16(const unsigned char* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8;
}

std::uint32_t Le32(const unsigned char* p) {
    return Le16(p) | Le16(p + 2) << 16;
}

// What the headers of a bitmap file say, widened so nothing overflows.
struct BitmapHeader {
    std::int64_t width = 0;
    std::int64_t height = 0;  // negative for a top-down file
    std::int64_t dataOffset = 0;
    std::int64_t infoSize = 0;
    std::uint32_t bitCount = 0;
    std::uint32_t compression = 0;
};

bool ReadHeader(const unsigned char* bytes, std::size_t size, BitmapHeader& h) {
    if (size < kFileHeaderBytes + 4 || bytes[0] != 'B' || bytes[1] != 'M') {
        return false;
    }
    h.dataOffset = Le32(bytes + 10);
    h.infoSize = Le32(bytes + 14);
    const unsigned char* info = bytes + kFileHeaderBytes;
    std::uint32_t planes = 0;
    if (h.infoSize == 12) {  // the old OS/2 core header: 16-bit sizes, no compression
        if (size < kFileHeaderBytes + 12) {
            return false;
        }
        h.width = Le16(info + 4);
        h.height = Le16(info + 6);
        planes = Le16(info + 8);
        h.bitCount = Le16(info + 10);
        h.compression = 0;
    } else if (h.infoSize == 40 || h.infoSize == 56 || h.infoSize == 108 || h.infoSize == 124) {
        if (size < kFileHeaderBytes + std::size_t(h.infoSize)) {
            return false;
        }
        h.width = std::int32_t(Le32(info + 4));
        h.height = std::int32_t(Le32(info + 8));
        planes = Le16(info + 12);
        h.bitCount = Le16(info + 14);
        h.compression = Le32(info + 16);
    } else {
        return false;
    }
    return planes == 1;
}

bool SizeAndFormatAreSane(const BitmapHeader& h) {
    const std::int64_t rows = h.height < 0 ? -h.height : h.height;
    if (h.width < 1 || h.width > kMaxImageSide || rows < 1 || rows > kMaxImageSide) {
        return false;
    }
    switch (h.bitCount) {
        case 1:
        case 4:
        case 8:
        case 24:
            return h.compression == 0;
        case 16:
        case 32:
            return h.compression == 0 || h.compression == 3;  // plain or bit fields
        default:
            return false;  // run-length, JPEG and PNG payloads are not taken
    }
}

// Bytes in one stored row of the file: rows are padded to 4 bytes.
std::int64_t StoredRowBytes(const BitmapHeader& h) {
    return (h.width * h.bitCount + 31) / 32 * 4;
}

// Colours in the palette as the decoder counts them, from the room between
// the headers and the pixels (the core header's count is the decoder's own).
std::int64_t PaletteEntries(const BitmapHeader& h) {
    if (h.infoSize == 12) {
        return (h.dataOffset - static_cast<std::int64_t>(kFileHeaderBytes) - 24) / 3;
    }
    return (h.dataOffset - static_cast<std::int64_t>(kFileHeaderBytes) - h.infoSize) / 4;
}

// Every palette index of the pixels names a colour the file holds. The decoder
// would take any other index from a palette slot that was never filled.
bool IndicesFitPalette(const unsigned char* bytes, const BitmapHeader& h, std::int64_t colours) {
    const std::int64_t rowBytes = StoredRowBytes(h);
    const std::int64_t rows = h.height < 0 ? -h.height : h.height;
    const unsigned perByte = 8 / h.bitCount;
    const unsigned mask = (1u << h.bitCount) - 1;
    for (std::int64_t r = 0; r < rows; ++r) {
        const unsigned char* row = bytes + h.dataOffset + r * rowBytes;
        for (std::int64_t x = 0; x < h.width; ++x) {
            const unsigned shift = 8 - h.bitCount * (1 + unsigned(x % perByte));
            if (((row[x / perByte] >> shift) & mask) >= colours) {
                return false;
            }
        }
    }
    return true;
}

// Checks what the decoder takes on trust. Past the end of its input it reads
// zeros, so without this a truncated file would pass for a picture.
bool LooksDecodable(const unsigned char* bytes, std::size_t size) {
    BitmapHeader h;
    if (!ReadHeader(bytes, size, h) || !SizeAndFormatAreSane(h)) {
        return false;
    }
    const std::int64_t rows = h.height < 0 ? -h.height : h.height;
    const std::int64_t end = h.dataOffset + StoredRowBytes(h) * rows;
    if (h.dataOffset < static_cast<std::int64_t>(kFileHeaderBytes) + h.infoSize ||
        end > static_cast<std::int64_t>(size)) {
        return false;
    }
    if (h.bitCount > 8) {
        return true;
    }
    const std::int64_t colours = PaletteEntries(h);
    return colours >= 1 && colours <= 256 && IndicesFitPalette(bytes, h, colours);
}

// The whole file, or nothing when it cannot be read or is too big to be ours.
bool ReadWholeFile(const char* fileName, std::vector<unsigned char>& bytes) {
    std::FILE* file = std::fopen(fileName, "rb");
    if (file == nullptr) {
        return false;
    }
    bool ok = true;
    unsigned char chunk[64 * 1024];
    while (ok) {
        const std::size_t got = std::fread(chunk, 1, sizeof chunk, file);
        if (got == 0) {
            ok = !std::ferror(file);
            break;
        }
        if (bytes.size() + got > kMaxFileBytes) {
            ok = false;
            break;
        }
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    std::fclose(file);
    return ok;
}

}  // namespace

AUX_RGBImageRec::AUX_RGBImageRec(const char* fileName) {
    loadFile(fileName);
}

AUX_RGBImageRec::~AUX_RGBImageRec() {
    delete[] pixels;
    pixels = nullptr;
}

bool AUX_RGBImageRec::loadFile(const char* fileName) {
    std::vector<unsigned char> bytes;
    if (fileName == nullptr || !ReadWholeFile(fileName, bytes)) {
        return loadMemory(nullptr, 0);
    }
    return loadMemory(bytes.data(), bytes.size());
}

bool AUX_RGBImageRec::loadMemory(const unsigned char* bytes, std::size_t size) {
    loaded = 0;
    delete[] pixels;
    pixels = nullptr;
    width = 0;
    height = 0;
    if (bytes == nullptr || size > kMaxFileBytes || !LooksDecodable(bytes, size)) {
        return loaded;
    }

    int w = 0;
    int h = 0;
    int channels = 0;
    using StbPixels = std::unique_ptr<stbi_uc, void (*)(void*)>;
    StbPixels rgb(stbi_load_from_memory(bytes, static_cast<int>(size), &w, &h, &channels, 3), stbi_image_free);
    if (!rgb || w < 1 || w > kMaxImageSide || h < 1 || h > kMaxImageSide) {
        return loaded;
    }

    // stb_image hands rows top-down; the game's images are bottom-up, in the
    // blue-green-red order of a Windows bitmap until convertBGRtoRGB runs.
    const int rowBytes = PaddedRowBytes(w);
    pixels = new (std::nothrow) unsigned char[std::size_t(rowBytes) * h]();
    if (pixels == nullptr) {
        return loaded;
    }
    for (int y = 0; y < h; ++y) {
        const stbi_uc* from = rgb.get() + std::size_t(h - 1 - y) * w * 3;
        unsigned char* to = pixels + std::size_t(y) * rowBytes;
        for (int x = 0; x < w; ++x) {
            to[3 * x + 0] = from[3 * x + 2];
            to[3 * x + 1] = from[3 * x + 1];
            to[3 * x + 2] = from[3 * x + 0];
        }
    }
    width = w;
    height = h;
    loaded = 1;
    convertBGRtoRGB();
    return loaded;
}

// Row by row, so the padding at the end of each row is never taken for a pixel.
void AUX_RGBImageRec::convertBGRtoRGB() {
    if (pixels == nullptr) {
        return;
    }
    const int rowBytes = PaddedRowBytes(width);
    for (int y = 0; y < height; ++y) {
        unsigned char* row = pixels + std::size_t(y) * rowBytes;
        for (int x = 0; x < width; ++x) {
            const unsigned char first = row[3 * x];
            row[3 * x] = row[3 * x + 2];
            row[3 * x + 2] = first;
        }
    }
}

int PaddedRowBytes(int width) {
    if (width < 0 || width > kMaxImageSide) {
        return 0;
    }
    return (width * 3 + 3) / 4 * 4;
}

AUX_RGBImageRec* auxDIBImageLoad(const char* fileName) {
    return new AUX_RGBImageRec(fileName);
}

AUX_RGBImageRec* LoadBMP(const char* fileName) {
    if (fileName == nullptr) {
        return nullptr;
    }
    std::FILE* file = std::fopen(fileName, "r");
    if (file == nullptr) {
        return nullptr;
    }
    std::fclose(file);
    return auxDIBImageLoad(fileName);
}
