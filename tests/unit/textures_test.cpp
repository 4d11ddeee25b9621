// textures_test.cpp -- bitmap decoding, hostile files, and the textures of a new context.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "fixture.h"
#include "world/texture_image.h"
#include "world/textures.h"

#ifdef _WIN32
#include <process.h>
#define MAZE_GETPID _getpid
#else
#include <unistd.h>
#define MAZE_GETPID getpid
#endif

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

struct Pixel {
    unsigned char r, g, b;
};

bool operator==(Pixel a, Pixel b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

// Colours of the test pictures; y counts from the bottom row.
Pixel TrueColour(int x, int y) {
    return {static_cast<unsigned char>(10 + x * 20 + y), static_cast<unsigned char>(100 + y * 30),
            static_cast<unsigned char>(200 - x * 7 - y)};
}

Pixel PaletteColour(int i) {
    return {static_cast<unsigned char>(i * 37 + 5), static_cast<unsigned char>(250 - i * 11),
            static_cast<unsigned char>(i * 3 + 60)};
}

int PaletteIndex(int x, int y, int bitCount) {
    return (x * 3 + y * 5) % (1 << bitCount);
}

Pixel Expected(int x, int y, int bitCount) {
    return bitCount <= 8 ? PaletteColour(PaletteIndex(x, y, bitCount)) : TrueColour(x, y);
}

void Put(Bytes& b, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        b.push_back(static_cast<unsigned char>(value >> (8 * i)));
    }
}

void Set32(Bytes& b, size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        b[at + i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

// A Windows bitmap with a 40-byte header, its row padding filled with junk.
Bytes Bitmap(int width, int height, int bitCount, bool topDown = false, int colours = -1) {
    if (colours < 0) {
        colours = bitCount <= 8 ? 1 << bitCount : 0;
    }
    const int rowBytes = (width * bitCount + 31) / 32 * 4;
    const std::uint32_t offset = 54 + 4 * colours;
    Bytes b = {'B', 'M'};
    Put(b, offset + rowBytes * height, 4);
    Put(b, 0, 4);
    Put(b, offset, 4);
    Put(b, 40, 4);
    Put(b, std::uint32_t(width), 4);
    Put(b, std::uint32_t(topDown ? -height : height), 4);
    Put(b, 1, 2);
    Put(b, std::uint32_t(bitCount), 2);
    Put(b, 0, 4);
    Put(b, std::uint32_t(rowBytes * height), 4);
    Put(b, 2835, 4);
    Put(b, 2835, 4);
    Put(b, std::uint32_t(colours), 4);
    Put(b, 0, 4);
    for (int i = 0; i < colours; ++i) {
        const Pixel p = PaletteColour(i);
        b.insert(b.end(), {p.b, p.g, p.r, 0});
    }
    for (int row = 0; row < height; ++row) {
        const int y = topDown ? height - 1 - row : row;
        Bytes data(rowBytes, 0xEE);
        for (int x = 0; x < width; ++x) {
            if (bitCount <= 8) {
                const int perByte = 8 / bitCount;
                const int shift = 8 - bitCount * (1 + x % perByte);
                unsigned char& byte = data[x / perByte];
                byte = static_cast<unsigned char>((byte & ~(((1 << bitCount) - 1) << shift)) |
                                                  PaletteIndex(x, y, bitCount) << shift);
            } else {
                const Pixel p = TrueColour(x, y);
                const int at = x * bitCount / 8;
                data[at] = p.b;
                data[at + 1] = p.g;
                data[at + 2] = p.r;
            }
        }
        b.insert(b.end(), data.begin(), data.end());
    }
    return b;
}

bool Decodes(const Bytes& b, size_t size) {
    AUX_RGBImageRec image(nullptr);
    const bool loaded = image.loadMemory(b.data(), size);
    EXPECT_EQ(loaded, image.loaded == 1);
    if (!loaded) {
        EXPECT_EQ(image.pixels, nullptr);
        EXPECT_EQ(image.width, 0);
        EXPECT_EQ(image.height, 0);
    }
    return loaded;
}

bool Decodes(const Bytes& b) {
    return Decodes(b, b.size());
}

void WriteFile(const fs::path& path, const Bytes& b) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), b.size());
}

// A fresh current folder with an empty Data/ inside, for the life of a test.
class WorkFolder {
public:
    WorkFolder() : previous_(fs::current_path()) {
        const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        path_ = fs::temp_directory_path() /
                ("maze-textures-" + std::to_string(MAZE_GETPID()) + "-" + test);
        fs::remove_all(path_);
        fs::create_directories(path_ / "Data");
        fs::current_path(path_);
    }
    ~WorkFolder() {
        std::error_code ignored;
        fs::current_path(previous_, ignored);
        fs::remove_all(path_, ignored);
    }
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

private:
    fs::path previous_;
    fs::path path_;
};

class TextureImageTest : public GameTest {};
class LoadTexturesTest : public GameTest {};

// --- decoding -------------------------------------------------------------------

TEST_F(TextureImageTest, EveryDepthAndWidthComesOutBottomUpRgbInPaddedRows) {
    for (int bitCount : {1, 4, 8, 24, 32}) {
        for (int width : {1, 2, 3, 4, 5, 7, 9}) {
            for (bool topDown : {false, true}) {
                const int height = 3;
                const Bytes file = Bitmap(width, height, bitCount, topDown);
                AUX_RGBImageRec image(nullptr);
                SCOPED_TRACE(testing::Message() << bitCount << " bits, " << width << " wide"
                                                << (topDown ? ", top-down" : ""));
                ASSERT_TRUE(image.loadMemory(file.data(), file.size()));
                ASSERT_EQ(image.width, width);
                ASSERT_EQ(image.height, height);
                const int rowBytes = PaddedRowBytes(width);
                EXPECT_EQ(rowBytes % 4, 0);
                for (int y = 0; y < height; ++y) {
                    const unsigned char* row = image.pixels + y * rowBytes;
                    for (int x = 0; x < width; ++x) {
                        EXPECT_TRUE((Pixel{row[3 * x], row[3 * x + 1], row[3 * x + 2]}) ==
                                    Expected(x, y, bitCount)) << x << "," << y;
                    }
                    for (int pad = 3 * width; pad < rowBytes; ++pad) {
                        EXPECT_EQ(row[pad], 0);
                    }
                }
            }
        }
    }
}

TEST_F(TextureImageTest, ConvertBGRtoRGBSwapsPixelsAndLeavesPadding) {
    const Bytes file = Bitmap(5, 2, 24);
    AUX_RGBImageRec image(nullptr);
    ASSERT_TRUE(image.loadMemory(file.data(), file.size()));
    image.pixels[15] = 0xAB;  // padding of the bottom row
    image.convertBGRtoRGB();
    const Pixel p = TrueColour(4, 1);
    const unsigned char* top = image.pixels + PaddedRowBytes(5);
    EXPECT_TRUE((Pixel{top[14], top[13], top[12]}) == p);
    EXPECT_EQ(image.pixels[15], 0xAB);
}

TEST_F(TextureImageTest, EveryTruncationIsRefused) {
    for (int bitCount : {4, 24}) {
        const Bytes file = Bitmap(5, 3, bitCount);
        ASSERT_TRUE(Decodes(file));
        for (size_t size = 0; size < file.size(); ++size) {
            EXPECT_FALSE(Decodes(file, size)) << bitCount << " bits cut to " << size;
        }
    }
}

TEST_F(TextureImageTest, LyingOrImpossibleHeadersAreRefused) {
    const struct {
        const char* what;
        size_t at;
        std::uint32_t value;
    } lies[] = {
        {"pixels past the end", 10, 54 + 64},
        {"pixels inside the header", 10, 20},
        {"no magic", 0, 0x4141},
        {"unknown header size", 14, 41},
        {"huge header size", 14, 0xFFFFFFFF},
        {"zero width", 18, 0},
        {"negative width", 18, std::uint32_t(-5)},
        {"zero height", 22, 0},
        {"most negative height", 22, 0x80000000u},
        {"huge width", 18, 0x7FFFFFFF},
        {"huge height", 22, 0x7FFFFFFF},
        {"two planes", 26, 0x00180002},
        {"no bit count", 28, 0},
        {"odd bit count", 28, 7},
        {"run-length", 30, 1},
        {"jpeg payload", 30, 4},
    };
    for (const auto& lie : lies) {
        Bytes file = Bitmap(5, 3, 24);
        if (lie.at == 0) {
            file[0] = 'A';
            file[1] = 'A';
        } else {
            Set32(file, lie.at, lie.value);
        }
        EXPECT_FALSE(Decodes(file)) << lie.what;
    }
    // A palette of two colours with indices that reach past it.
    EXPECT_FALSE(Decodes(Bitmap(5, 3, 8, false, 2)));
    EXPECT_TRUE(Decodes(Bitmap(5, 3, 1, false, 2)));
}

TEST_F(TextureImageTest, SidesAboveTheLimitAreRefused) {
    EXPECT_TRUE(Decodes(Bitmap(kMaxImageSide, 1, 24)));
    EXPECT_FALSE(Decodes(Bitmap(kMaxImageSide + 1, 1, 24)));
    EXPECT_TRUE(Decodes(Bitmap(1, kMaxImageSide, 24)));
    EXPECT_FALSE(Decodes(Bitmap(1, kMaxImageSide + 1, 24)));
    EXPECT_EQ(PaddedRowBytes(kMaxImageSide + 1), 0);
}

TEST_F(TextureImageTest, FilesGoThroughTheNamedLoaders) {
    WorkFolder folder;
    WriteFile("Data/good.bmp", Bitmap(3, 2, 24));
    WriteFile("Data/text.bmp", Bytes{'n', 'o', 't', ' ', 'a', ' ', 'b', 'm', 'p'});
    EXPECT_EQ(LoadBMP(nullptr), nullptr);
    EXPECT_EQ(LoadBMP("Data/missing.bmp"), nullptr);
    const std::unique_ptr<AUX_RGBImageRec> good(LoadBMP("Data/good.bmp"));
    ASSERT_NE(good, nullptr);
    EXPECT_TRUE((Pixel{good->pixels[3], good->pixels[4], good->pixels[5]}) == TrueColour(1, 0));
    // A file that opens gives a record, read or not; so does one that does not.
    for (const char* name : {"Data/text.bmp", "Data/missing.bmp"}) {
        const std::unique_ptr<AUX_RGBImageRec> image(auxDIBImageLoad(name));
        ASSERT_NE(image, nullptr) << name;
        EXPECT_EQ(image->loaded, 0) << name;
        EXPECT_EQ(image->pixels, nullptr) << name;
    }
}

// --- textures of a context -------------------------------------------------------

TEST_F(LoadTexturesTest, OnlyTheDoorPresentStillSucceeds) {
    WorkFolder folder;
    WriteFile("Data/Door.bmp", Bitmap(6, 4, 24));
    EXPECT_EQ(LoadGLTextures(), 1);
    EXPECT_EQ(texture[kWallTexture], 0u);
    EXPECT_EQ(texture[kFloorTexture], 0u);
    EXPECT_EQ(texture[kDoorTexture], 1u);
    EXPECT_EQ(glrec::CallNames(), (std::vector<std::string>{"glGenTextures", "glBindTexture",
                                                            "glTexParameteri", "glTexParameteri",
                                                            "gluBuild2DMipmaps"}));
    const auto params = glrec::CallsNamed("glTexParameteri");
    EXPECT_EQ(params[0].args, (std::vector<double>{GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR}));
    EXPECT_EQ(params[1].args, (std::vector<double>{GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                                                   GL_LINEAR_MIPMAP_NEAREST}));
    EXPECT_EQ(glrec::CallsNamed("gluBuild2DMipmaps")[0].args,
              (std::vector<double>{GL_TEXTURE_2D, 3, 6, 4, GL_RGB, GL_UNSIGNED_BYTE}));
    EXPECT_EQ(glrec::Get().mipmaps[0].name, 1u);
}

TEST_F(LoadTexturesTest, NothingReadableFails) {
    WorkFolder folder;
    WriteFile("Data/Crate.bmp", Bytes{'B', 'M', 'x'});
    Bytes cut = Bitmap(8, 8, 24);
    cut.resize(cut.size() - 1);
    WriteFile("Data/Land.bmp", cut);
    EXPECT_EQ(LoadGLTextures(), 0);
    EXPECT_EQ(texture[0] + texture[1] + texture[2], 0u);
    EXPECT_TRUE(glrec::CallNames().empty());
}

// Each new context loads afresh: names come from the new context, and a file
// gone since the last one leaves no stale name behind.
TEST_F(LoadTexturesTest, NewContextLoadsAgain) {
    WorkFolder folder;
    for (const char* name : {"Data/Crate.bmp", "Data/Land.bmp", "Data/Door.bmp"}) {
        WriteFile(name, Bitmap(4, 4, 24));
    }
    EXPECT_EQ(LoadGLTextures(), 1);
    EXPECT_EQ((std::vector<GLuint>{texture[0], texture[1], texture[2]}), (std::vector<GLuint>{1, 2, 3}));
    fs::remove("Data/Crate.bmp");
    glrec::Reset(glrec::Detail::Full);
    EXPECT_EQ(LoadGLTextures(), 1);
    EXPECT_EQ((std::vector<GLuint>{texture[0], texture[1], texture[2]}), (std::vector<GLuint>{0, 1, 2}));
}

// The pictures shipped in Data/ (tests run beside a copy): the corners of the
// wall and floor pictures are what wall tops, staircases and crates are
// painted with, so they must be near white.
TEST_F(LoadTexturesTest, ShippedPicturesLoadWithLightCorners) {
    EXPECT_EQ(LoadGLTextures(), 1);
    EXPECT_EQ((std::vector<GLuint>{texture[0], texture[1], texture[2]}), (std::vector<GLuint>{1, 2, 3}));
    for (const char* name : {"Data/Crate.bmp", "Data/Land.bmp"}) {
        AUX_RGBImageRec image(name);
        ASSERT_EQ(image.loaded, 1) << name;
        EXPECT_EQ(image.width, 256);
        EXPECT_EQ(image.height, 256);
        const int row = PaddedRowBytes(image.width);
        for (int y : {0, image.height - 1}) {
            for (int x : {0, image.width - 1}) {
                for (int c = 0; c < 3; ++c) {
                    EXPECT_GE(image.pixels[y * row + 3 * x + c], 230) << name << " " << x << "," << y;
                }
            }
        }
    }
}

}  // namespace
