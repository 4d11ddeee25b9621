// crates.cpp -- crate tiles with translucent markers; walking into one collects it.
#include "render/crates.h"

#include <cmath>

#include "render/gl_api.h"
#include "world/cell_boxes.h"
#include "world/level_grid.h"

namespace {

// Drawn with the floor texture and the (0, 0) coordinate the floor pass leaves,
// so each colour is tinted by that one texel of the floor image.
void DrawTile(const SHwalls& crate) {
    glBegin(GL_QUADS);
    glColor3f(0.0f, 0.2f, 0.8f);
    glVertex3f(crate.xmax, crate.ymin, crate.zmax);
    glVertex3f(crate.xmin, crate.ymin, crate.zmax);
    glVertex3f(crate.xmin, crate.ymin, crate.zmin);
    glVertex3f(crate.xmax, crate.ymin, crate.zmin);
    glEnd();
}

struct Point {
    float x, y, z;
};

void Vertex(const Point& p) {
    glVertex3f(p.x, p.y, p.z);
}

// A double pyramid over the middle of the cell: a unit square 0.8 above the
// floor, its apex 1 above that and its lower tip 0.5 below.
void DrawMarker(const SHwalls& crate) {
    const float middleY = static_cast<float>(crate.ymin + 0.8);
    const float nearZ = crate.zmax - 2;
    const float farZ = crate.zmax - 3;
    const Point ring[4] = {{crate.xmax - 2, middleY, nearZ},
                           {crate.xmax - 3, middleY, nearZ},
                           {crate.xmax - 3, middleY, farZ},
                           {crate.xmax - 2, middleY, farZ}};
    const float centreX = static_cast<float>(crate.xmax - 2.5);
    const float centreZ = static_cast<float>(crate.zmax - 2.5);
    const Point tips[2] = {{centreX, static_cast<float>(crate.ymin + 1.8), centreZ},
                           {centreX, static_cast<float>(crate.ymin + 0.3), centreZ}};
    glBegin(GL_TRIANGLES);
    glColor4f(1.0f, 1.0f, 1.0f, 0.5f);
    for (const Point& tip : tips) {
        for (int k = 0; k < 4; ++k) {
            Vertex(ring[k]);
            Vertex(tip);
            Vertex(ring[(k + 1) % 4]);
        }
    }
    glEnd();
}

// Strictly within 2 of the point 1 above the middle of the crate's floor.
bool WithinReach(const SHwalls& crate) {
    const double d = std::sqrt(std::pow(crate.xmax - 2.5 - centerx, 2) +
                               std::pow(crate.zmax - 2.5 - centerz, 2) +
                               std::pow(crate.ymin + 1.0 - centery, 2));
    return d < 2;
}

// The player stands in the crate's cell when in reach, so his own cell is the
// one cleared. The lists of this frame keep the crate; the next rebuild drops it.
void Collect(PlayerCell cell) {
    if (CellAt(lvl, cell.row, cell.column) != -1) {
        map[CellIndex(lvl, cell.row, cell.column)] = kOpen;
    }
}

}  // namespace

void CratePass(int crateCount, PlayerCell cell) {
    for (int i = 0; i < crateCount; ++i) {
        DrawTile(C[i]);
        glEnable(GL_BLEND);
        DrawMarker(C[i]);
        glDisable(GL_BLEND);
        if (WithinReach(C[i])) {
            Collect(cell);
        }
    }
}
