// doors.cpp -- a door as a textured slab across the middle of its cell.
#include "render/doors.h"

#include "render/gl_api.h"
#include "render/textures.h"
#include "world/level_grid.h"

namespace {

// The slab is seen only from the open cell one column lower (its zmax side).
// That cell is looked up with range checks: a door in column 0 has none.
bool FacesOpenCell(const SHwalls& door) {
    return CellAt(BoxLevel(door), BoxRow(door), BoxColumn(door) - 1) == kOpen;
}

void Panel(const SHwalls& door, float bottom, float top, float z) {
    glTexCoord2f(0, 0);
    glVertex3f(door.xmax, bottom, z);
    glTexCoord2f(1, 0);
    glVertex3f(door.xmin, bottom, z);
    glTexCoord2f(1, 1);
    glVertex3f(door.xmin, top, z);
    glTexCoord2f(0, 1);
    glVertex3f(door.xmax, top, z);
}

}  // namespace

void BindDoorTexture() {
    glBindTexture(GL_TEXTURE_2D, texture[kDoorTexture]);
}

// Front and back panels one unit apart, and the lower edge between them. The
// edge gives no texture coordinate, so it is painted with the texel at (0, 1)
// that the back panel leaves.
void DrawDoor(const SHwalls& door, float lift) {
    if (!FacesOpenCell(door)) {
        return;
    }
    const float bottom = door.ymin + lift;
    const float top = door.ymax + lift;
    const float front = door.zmax - 2;
    const float back = door.zmax - 3;
    glBegin(GL_QUADS);
    glColor3f(1, 1, 1);
    Panel(door, bottom, top, front);
    Panel(door, bottom, top, back);
    glVertex3f(door.xmax, bottom, front);
    glVertex3f(door.xmin, bottom, front);
    glVertex3f(door.xmin, bottom, back);
    glVertex3f(door.xmax, bottom, back);
    glEnd();
}
