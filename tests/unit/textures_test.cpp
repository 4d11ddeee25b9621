// textures_test.cpp -- bitmap decoding, hostile files, and the textures of a new context.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "fixture.h"
#include "render/texture_image.h"
#include "render/textures.h"
#include "scratch_folder.h"

namespace {

using namespace testbmp;

Pixel At(const AUX_RGBImageRec& image, int x, int y) {
    const unsigned char* p = image.pixels + y * PaddedRowBytes(image.width) + 3 * x;
    return {p[0], p[1], p[2]};
}

// A refused file must leave an empty record behind.
bool Decodes(const Bytes& b) {
    AUX_RGBImageRec image(nullptr);
    const bool loaded = image.loadMemory(b.data(), b.size());
    EXPECT_EQ(loaded, image.loaded == 1);
    if (!loaded) {
        EXPECT_TRUE(image.pixels == nullptr && image.width == 0 && image.height == 0);
    }
    return loaded;
}

std::vector<GLuint> Names() {
    return {texture[0], texture[1], texture[2]};
}

// convertBGRtoRGB runs inside: a swap that ran on over the padding would show.
TEST(TextureImageTest, EveryDepthAndWidthComesOutBottomUpRgbInPaddedRows) {
    for (int bitCount : {1, 4, 8, 24, 32}) {
        for (int width : {1, 2, 3, 4, 5, 7, 9}) {
            for (bool topDown : {false, true}) {
                SCOPED_TRACE(testing::Message() << bitCount << " bits, " << width << " wide, " << topDown);
                const Bytes file = Bitmap(width, 3, bitCount, topDown);
                AUX_RGBImageRec image(nullptr);
                ASSERT_TRUE(image.loadMemory(file.data(), file.size()));
                ASSERT_EQ(image.width, width);
                ASSERT_EQ(image.height, 3);
                const int rowBytes = PaddedRowBytes(width);
                EXPECT_EQ(rowBytes % 4, 0);
                for (int y = 0; y < 3; ++y) {
                    for (int x = 0; x < width; ++x) {
                        const Pixel expected =
                            bitCount <= 8 ? PaletteColour(PaletteIndex(x, y, bitCount)) : TrueColour(x, y);
                        EXPECT_EQ(At(image, x, y), expected) << x << "," << y;
                    }
                    for (int pad = 3 * width; pad < rowBytes; ++pad) {
                        EXPECT_EQ(image.pixels[y * rowBytes + pad], 0);
                    }
                }
            }
        }
    }
}

TEST(TextureImageTest, EveryTruncationIsRefused) {
    for (int bitCount : {4, 24}) {
        const Bytes file = Bitmap(5, 3, bitCount);
        ASSERT_TRUE(Decodes(file));
        for (size_t size = 0; size < file.size(); ++size) {
            EXPECT_FALSE(Decodes(Bytes(file.begin(), file.begin() + size))) << bitCount << " bits cut to " << size;
        }
    }
}

// A few hostile headers, each of a different check; tools/fuzz covers breadth.
TEST(TextureImageTest, LyingOrImpossibleHeadersAreRefused) {
    const struct {
        const char* what;
        size_t at;
        std::uint32_t value;
    } lies[] = {
        {"pixels past the end", 10, 54 + 64},
        {"pixels inside the header", 10, 20},
        {"no magic", 0, 0x4141},
        {"unknown header size", 14, 41},
        {"zero width", 18, 0},
        {"negative width", 18, std::uint32_t(-5)},
        {"zero height", 22, 0},
        {"most negative height", 22, 0x80000000u},
        {"huge width", 18, 0x7FFFFFFF},
        {"huge height", 22, 0x7FFFFFFF},
        {"two planes", 26, 0x00180002},
        {"odd bit count", 28, 7},
        {"run-length", 30, 1},
    };
    for (const auto& lie : lies) {
        Bytes file = Bitmap(5, 3);
        for (int i = 0; i < 4; ++i) {
            file[lie.at + i] = static_cast<unsigned char>(lie.value >> (8 * i));
        }
        EXPECT_FALSE(Decodes(file)) << lie.what;
    }
    // A palette of two colours with indices that reach past it.
    EXPECT_FALSE(Decodes(Bitmap(5, 3, 8, false, 2)));
    EXPECT_TRUE(Decodes(Bitmap(5, 3, 1, false, 2)));
    EXPECT_TRUE(Decodes(Bitmap(kMaxImageSide, 1)));
    EXPECT_FALSE(Decodes(Bitmap(kMaxImageSide + 1, 1)));
    EXPECT_TRUE(Decodes(Bitmap(1, kMaxImageSide)));
    EXPECT_FALSE(Decodes(Bitmap(1, kMaxImageSide + 1)));
    EXPECT_EQ(PaddedRowBytes(kMaxImageSide + 1), 0);
}

// LoadBMP gives nothing for a file it cannot open; auxDIBImageLoad gives a
// record for any name, read or not.
TEST(TextureImageTest, NamedLoadersTellMissingFromUnreadable) {
    EXPECT_EQ(LoadBMP(nullptr), nullptr);
    EXPECT_EQ(LoadBMP("Data/missing.bmp"), nullptr);
    const std::unique_ptr<AUX_RGBImageRec> image(auxDIBImageLoad("Data/missing.bmp"));
    ASSERT_NE(image, nullptr);
    EXPECT_TRUE(image->loaded == 0 && image->pixels == nullptr);
}

class LoadTexturesTest : public GameTest {};

// Each new context loads afresh: names come from the new context, a file gone
// since the last one leaves no stale name, and one that is there but cannot
// be read counts as missing.
TEST_F(LoadTexturesTest, EachContextGetsWhatIsReadableNow) {
    ScratchFolder folder(true);
    EXPECT_EQ(LoadGLTextures(), 1);
    EXPECT_EQ(Names(), (std::vector<GLuint>{1, 2, 3}));

    std::filesystem::remove("Data/Crate.bmp");
    std::filesystem::remove("Data/Land.bmp");
    WriteFile("Data/Door.bmp", Bitmap(6, 4));
    glrec::Reset(glrec::Detail::Full);
    EXPECT_EQ(LoadGLTextures(), 1) << "the door alone will do";
    EXPECT_EQ(Names(), (std::vector<GLuint>{0, 0, 1}));
    CallList calls = Calls();
    calls.back().second.pop_back();  // the recorder's checksum of the pixels
    EXPECT_EQ(calls, (CallList{{"glGenTextures", {1}},
                               {"glBindTexture", {GL_TEXTURE_2D, 1}},
                               {"glTexParameteri", {GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR}},
                               {"glTexParameteri", {GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST}},
                               {"gluBuild2DMipmaps", {GL_TEXTURE_2D, 3, 6, 4, GL_RGB, GL_UNSIGNED_BYTE}}}));

    WriteFile("Data/Crate.bmp", Bytes{'B', 'M', 'x'});
    Bytes cut = Bitmap(8, 8);
    cut.pop_back();
    WriteFile("Data/Land.bmp", cut);
    std::filesystem::remove("Data/Door.bmp");
    glrec::Reset(glrec::Detail::Full);
    EXPECT_EQ(LoadGLTextures(), 0);
    EXPECT_EQ(Names(), (std::vector<GLuint>{0, 0, 0}));
    EXPECT_TRUE(glrec::CallNames().empty());
}

// The pictures shipped in Data/ (tests run beside a copy) all load. Wall tops,
// staircases and crates are painted at a corner of the wall and floor
// pictures, where filtering blends all four corners: they must be near white.
TEST_F(LoadTexturesTest, ShippedPicturesLoadWithLightCorners) {
    EXPECT_EQ(LoadGLTextures(), 1);
    EXPECT_EQ(Names(), (std::vector<GLuint>{1, 2, 3}));
    for (const char* name : {"Data/Crate.bmp", "Data/Land.bmp"}) {
        AUX_RGBImageRec image(name);
        const int x = image.width - 1, y = image.height - 1;
        ASSERT_EQ(image.loaded, 1) << name;
        for (const Pixel& p : {At(image, 0, 0), At(image, x, 0), At(image, 0, y), At(image, x, y)}) {
            EXPECT_GE(*std::min_element(p.begin(), p.end()), 230) << name;
        }
    }
}

}  // namespace
