// floors.cpp -- a floor tile for every open cell, with an opening above each staircase.
#include "render/floors.h"

#include "render/gl_api.h"
#include "render/textures.h"
#include "world/cell_boxes.h"
#include "world/level_grid.h"

namespace {

struct TileCorner {
    float s, t;
    float SHwalls::*x;
    float SHwalls::*z;
};

// s runs along z, t along x; the last corner leaves (0, 0) current for the crates.
constexpr TileCorner kTile[4] = {
    {1, 0, &SHwalls::xmax, &SHwalls::zmax},
    {1, 1, &SHwalls::xmin, &SHwalls::zmax},
    {0, 1, &SHwalls::xmin, &SHwalls::zmin},
    {0, 0, &SHwalls::xmax, &SHwalls::zmin},
};

// The flight from the level below rises through this cell.
bool AboveStair(const SHwalls& box) {
    const int level = BoxLevel(box);
    return level >= 1 && CellAtIndex(CellIndex(level - 1, BoxRow(box), BoxColumn(box))) == kStair;
}

void DrawTile(const SHwalls& box) {
    glBegin(GL_QUADS);
    glColor3f(1.0f, 1.0f, 1.0f);
    for (const TileCorner& c : kTile) {
        glTexCoord2f(c.s, c.t);
        glVertex3f(box.*c.x, box.ymin, box.*c.z);
    }
    glEnd();
}

}  // namespace

void DrawFloors(int openCount) {
    glBindTexture(GL_TEXTURE_2D, texture[kFloorTexture]);
    for (int i = 0; i < openCount; ++i) {
        if (!AboveStair(A[i])) {
            DrawTile(A[i]);
        }
    }
}
