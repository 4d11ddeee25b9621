// walls.cpp -- wall boxes: a textured side toward every non-wall, tinted top and bottom.
#include "render/walls.h"

#include "render/gl_api.h"
#include "render/textures.h"
#include "world/cell_boxes.h"
#include "world/level_grid.h"

namespace {

using Bound = float SHwalls::*;

struct Corner {
    Bound x, y, z;
};

struct TexturedCorner {
    float s, t;
    Corner at;
};

// A side face and the neighbour, by linear cell index, that hides it when it
// holds a wall. The offsets run across row and level ends on purpose.
struct SideFace {
    int neighbourOffset;
    TexturedCorner corners[4];
};

constexpr Bound kXmin = &SHwalls::xmin;
constexpr Bound kXmax = &SHwalls::xmax;
constexpr Bound kYmin = &SHwalls::ymin;
constexpr Bound kYmax = &SHwalls::ymax;
constexpr Bound kZmin = &SHwalls::zmin;
constexpr Bound kZmax = &SHwalls::zmax;

// clang-format off
constexpr SideFace kSideFaces[4] = {
    {-kColumns, {{0, 0, {kXmin, kYmin, kZmax}}, {1, 0, {kXmin, kYmin, kZmin}},
                 {1, 1, {kXmin, kYmax, kZmin}}, {0, 1, {kXmin, kYmax, kZmax}}}},
    {+1,        {{0, 0, {kXmin, kYmin, kZmin}}, {1, 0, {kXmax, kYmin, kZmin}},
                 {1, 1, {kXmax, kYmax, kZmin}}, {0, 1, {kXmin, kYmax, kZmin}}}},
    {+kColumns, {{0, 0, {kXmax, kYmin, kZmax}}, {1, 0, {kXmax, kYmin, kZmin}},
                 {1, 1, {kXmax, kYmax, kZmin}}, {0, 1, {kXmax, kYmax, kZmax}}}},
    {-1,        {{0, 0, {kXmin, kYmin, kZmax}}, {1, 0, {kXmax, kYmin, kZmax}},
                 {1, 1, {kXmax, kYmax, kZmax}}, {0, 1, {kXmin, kYmax, kZmax}}}},
};

constexpr Corner kTop[4] = {
    {kXmax, kYmax, kZmax}, {kXmin, kYmax, kZmax}, {kXmin, kYmax, kZmin}, {kXmax, kYmax, kZmin}};
constexpr Corner kBottom[4] = {
    {kXmax, kYmin, kZmax}, {kXmin, kYmin, kZmax}, {kXmin, kYmin, kZmin}, {kXmax, kYmin, kZmin}};
// clang-format on

void Vertex(const SHwalls& box, const Corner& c) {
    glVertex3f(box.*c.x, box.*c.y, box.*c.z);
}

void DrawSideFace(const SHwalls& box, const SideFace& face) {
    glBegin(GL_QUADS);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    for (const TexturedCorner& c : face.corners) {
        glTexCoord2f(c.s, c.t);
        Vertex(box, c.at);
    }
    glEnd();
}

// No texture coordinate of their own: they take the (0, 1) that the last side
// face left, one texel colour tinted yellow.
void DrawTopAndBottom(const SHwalls& box) {
    glBegin(GL_QUADS);
    glColor3f(1.0f, 1.0f, 0.0f);
    for (const Corner& c : kTop) {
        Vertex(box, c);
    }
    glColor3f(1.0f, 1.0f, 0.0f);
    for (const Corner& c : kBottom) {
        Vertex(box, c);
    }
    glEnd();
}

// The neighbours are looked up in grid level `level`, whichever level the box
// stands on; outside the grid counts as no wall.
void DrawWallBox(const SHwalls& box, int level) {
    const int cell = CellIndex(level, BoxRow(box), BoxColumn(box));
    for (const SideFace& face : kSideFaces) {
        if (CellAtIndex(cell + face.neighbourOffset) != kWall) {
            DrawSideFace(box, face);
        }
    }
    DrawTopAndBottom(box);
}

}  // namespace

void DrawWalls(int wallCount) {
    glBindTexture(GL_TEXTURE_2D, texture[kWallTexture]);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    for (int level = 0; level < kLevels; ++level) {
        for (int i = 0; i < wallCount; ++i) {
            DrawWallBox(W[i], level);
        }
    }
}
