// gl_math_test.cpp -- the web GL's matrices and mipmaps, against what GL 1.1 and GLU make.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "app/web/gl/matrix_math.h"
#include "app/web/gl/mipmaps.h"

namespace {

using webgl::Matrix;

struct Point {
    double x, y, z, w;
};

Point Apply(const Matrix& a, Point p) {
    const double in[4] = {p.x, p.y, p.z, p.w};
    double out[4] = {0, 0, 0, 0};
    for (int row = 0; row < 4; ++row) {
        for (int k = 0; k < 4; ++k) {
            out[row] += a.m[k * 4 + row] * in[k];
        }
    }
    return {out[0], out[1], out[2], out[3]};
}

void ExpectNear(Point got, Point want) {
    EXPECT_NEAR(got.x, want.x, 1e-12);
    EXPECT_NEAR(got.y, want.y, 1e-12);
    EXPECT_NEAR(got.z, want.z, 1e-12);
    EXPECT_NEAR(got.w, want.w, 1e-12);
}

// The game's camera at its start, looking down -z: ahead stays ahead, +x is
// to the right; the near and far planes land on the depth range's ends; the
// pitch turns about x after the look-at; the order of a product matters.
TEST(WebGlMatrix, CameraProjectionAndRotationPlacePointsAsGlDoes) {
    const double eye[3] = {1.5, 1.5, -7.5}, centre[3] = {1.5, 1.5, -7.8}, up[3] = {0, 1, 0};
    const Matrix look = webgl::LookAt(eye, centre, up);
    ExpectNear(Apply(look, {1.5, 1.5, -9.5, 1}), {0, 0, -2, 1});
    ExpectNear(Apply(look, {2.5, 1.5, -7.5, 1}), {1, 0, 0, 1});
    const Matrix projection = webgl::Perspective(45.0, 640.0 / 480.0, 0.1, 100.0);
    const Point nearest = Apply(projection, {0, 0, -0.1, 1});
    const Point farthest = Apply(projection, {0, 0, -100, 1});
    EXPECT_NEAR(nearest.z / nearest.w, -1, 1e-9);
    EXPECT_NEAR(farthest.z / farthest.w, 1, 1e-9);
    const Point edge = Apply(projection, {0, std::tan(22.5 * 3.14159265358979323846 / 180), -1, 1});
    EXPECT_NEAR(edge.y / edge.w, 1, 1e-12);
    ExpectNear(Apply(webgl::Rotation(90, 2, 0, 0), {0, 1, 0, 1}), {0, 0, 1, 1});
    const Matrix turnThenMove = webgl::Multiply(look, webgl::Rotation(90, 0, 1, 0));
    ExpectNear(Apply(turnThenMove, {0, 0, -1, 1}), Apply(look, {-1, 0, 0, 1}));
    // The first frame looks from the eye at the eye: no NaN reaches the shader.
    for (double v : webgl::LookAt(eye, eye, up).m) {
        EXPECT_FALSE(std::isnan(v));
    }
}

// Rows padded to 4 bytes come in; the padding never reaches a texel; each
// level halves, down to 1 x 1, each texel the rounded mean of those above.
TEST(WebGlMipmaps, PaddedRowsHalveDownToOneTexel) {
    const std::vector<unsigned char> rows = {10, 20, 30, 50, 60, 70, 0xEE, 0xEE,  // bottom row and its padding
                                             11, 21, 31, 51, 61, 71, 0xEE, 0xEE};
    const std::vector<webgl::RgbImage> levels = webgl::BuildMipmaps(2, 2, rows.data());
    ASSERT_EQ(levels.size(), 2u);
    EXPECT_EQ(levels[0].pixels, (std::vector<unsigned char>{10, 20, 30, 50, 60, 70, 11, 21, 31, 51, 61, 71}));
    EXPECT_EQ(levels[1].pixels, (std::vector<unsigned char>{31, 41, 51}));
    EXPECT_EQ(webgl::BuildMipmaps(4, 2, std::vector<unsigned char>(24).data()).size(), 3u);  // 4x2, 2x1, 1x1
    EXPECT_TRUE(webgl::BuildMipmaps(0, 2, rows.data()).empty());
}

// WebGL 1 mipmaps only powers of two: other sizes go to the nearest one first.
TEST(WebGlMipmaps, OtherSizesGoToTheNearestPowerOfTwo) {
    const int cases[][2] = {{1, 1}, {3, 2}, {5, 4}, {6, 4}, {7, 8}, {256, 256}, {300, 256}, {400, 512}};
    for (const auto& c : cases) {
        EXPECT_EQ(webgl::NearestPowerOfTwo(c[0]), c[1]) << c[0];
    }
    const std::vector<unsigned char> grey(12 * 3, 90);  // 3 x 3: rows of 9 bytes padded to 12
    const std::vector<webgl::RgbImage> levels = webgl::BuildMipmaps(3, 3, grey.data());
    ASSERT_EQ(levels.size(), 2u);
    EXPECT_EQ(levels[0].width, 2);
    EXPECT_EQ(levels[0].pixels, std::vector<unsigned char>(12, 90));
}

}  // namespace
