// crates.cpp -- crate tiles with translucent markers over them.
#include "render/crates.h"

#include "render/gl_api.h"

namespace {

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

}  // namespace

void DrawCrate(const SHwalls& crate) {
    DrawTile(crate);
    glEnable(GL_BLEND);
    DrawMarker(crate);
    glDisable(GL_BLEND);
}
