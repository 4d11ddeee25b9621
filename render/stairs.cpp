// stairs.cpp -- each stair cell as ten steps rising toward -z, with a shaded back panel.
#include "render/stairs.h"

#include "render/gl_api.h"
#include "world/cell_boxes.h"

namespace {

constexpr int kSteps = 10;

struct Rgb {
    float r, g, b;
};

constexpr Rgb kPale{0.8f, 0.7f, 0.9f};
constexpr Rgb kDark{0.2f, 0.2f, 0.2f};

// The back panel stands at zmin; smooth shading blends its corner colours.
struct PanelCorner {
    Rgb colour;
    float SHwalls::*x;
    float SHwalls::*y;
};

constexpr PanelCorner kBackPanel[4] = {
    {{0.5f, 0.0f, 0.2f}, &SHwalls::xmax, &SHwalls::ymin},
    {{1.0f, 1.0f, 0.5f}, &SHwalls::xmin, &SHwalls::ymin},
    {{1.0f, 1.0f, 0.5f}, &SHwalls::xmin, &SHwalls::ymax},
    {{1.0f, 1.0f, 0.0f}, &SHwalls::xmax, &SHwalls::ymax},
};

void Colour(const Rgb& c) {
    glColor3f(c.r, c.g, c.b);
}

// Riser, tread and back panel of step s in one pair. No texture coordinate is
// given: the steps take whatever the wall pass left current.
void DrawStep(const SHwalls& box, int s) {
    const float ys = static_cast<float>(0.5 * s + box.ymin);
    const float yTop = static_cast<float>((0.5 * s + 0.5) + box.ymin);
    const float zs = static_cast<float>(box.zmax - 0.5 * s);
    const bool even = s % 2 == 0;

    glBegin(GL_QUADS);
    Colour(even ? kPale : kDark);
    glVertex3f(box.xmax, ys, zs);
    glVertex3f(box.xmin, ys, zs);
    glVertex3f(box.xmin, yTop, zs);
    glVertex3f(box.xmax, yTop, zs);
    Colour(even ? kDark : kPale);
    glVertex3f(box.xmax, yTop, zs);
    glVertex3f(box.xmin, yTop, zs);
    glVertex3f(box.xmin, yTop, box.zmin);
    glVertex3f(box.xmax, yTop, box.zmin);
    for (const PanelCorner& c : kBackPanel) {
        Colour(c.colour);
        glVertex3f(box.*c.x, box.*c.y, box.zmin);
    }
    glEnd();
}

}  // namespace

void DrawStairs(int stairCount) {
    for (int i = 0; i < stairCount; ++i) {
        for (int s = 0; s < kSteps; ++s) {
            DrawStep(S[i], s);
        }
    }
}
