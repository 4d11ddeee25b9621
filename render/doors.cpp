// doors.cpp -- door slabs, the one lift they share, and opening them with 'E'.
#include "render/doors.h"

#include <cmath>

#include "game/input.h"
#include "render/box_cell.h"
#include "render/gl_api.h"
#include "world/cell_boxes.h"
#include "world/level_grid.h"
#include "world/textures.h"

float DoorUp = 0.0f;
bool DoorUpMax = false;
float Oldy2 = 0.0f;
int Oldi = 0;

namespace {

constexpr double kLiftStep = 0.002;
constexpr double kNear = 3.0;

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

// Front and back panels one unit apart, and the lower edge between them. The
// edge gives no texture coordinate, so it is painted with the texel at (0, 1)
// that the back panel leaves.
void DrawDoor(const SHwalls& door) {
    const float bottom = door.ymin + DoorUp;
    const float top = door.ymax + DoorUp;
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

// From the player's eye to the middle of the door's cell.
double DistanceToCentre(const SHwalls& door) {
    return std::sqrt(std::pow(door.xmax - 2.5 - centerx, 2) + std::pow(door.zmax - 2.5 - centerz, 2) +
                     std::pow(door.ymin + 2.5 - centery, 2));
}

// One frame of the shared lift for a door whose flag is set: up until the lower
// edge is 0.3 under the top of the cell, held there while the player is near,
// then down until it has passed 0, when the door counts as closed again.
void LiftStep(const SHwalls& door) {
    const double limit = static_cast<double>(D[Oldi].ymin) + DoorUp;
    if (Oldy2 - 0.3 >= limit && !DoorUpMax) {
        DoorUp = static_cast<float>(DoorUp + kLiftStep);
    } else {
        DoorUpMax = true;
    }
    if (!DoorUpMax) {
        return;
    }
    if (DistanceToCentre(door) <= kNear) {
        DoorUpMax = false;
    } else if (DoorUp >= 0) {
        DoorUp = static_cast<float>(DoorUp - kLiftStep);
    } else {
        // The lift stays just below 0; the next opening starts from there.
        DoorUpMax = false;
        D[Oldi].open = false;
    }
}

// Only from inside a door cell. Held 'E' repeats this harmlessly every frame;
// the lift first moves next frame, its steps for this one having run.
void OpenTest(int doorCount, PlayerCell cell) {
    const bool inDoorCell = CellAt(lvl, cell.row, cell.column) == kDoor;
    for (int i = 0; i < doorCount; ++i) {
        if (DistanceToCentre(D[i]) <= kNear && inDoorCell) {
            D[i].open = true;
            Oldy2 = D[i].ymax;
            Oldi = i;
        }
    }
}

}  // namespace

void DoorPass(int doorCount, PlayerCell cell) {
    glBindTexture(GL_TEXTURE_2D, texture[kDoorTexture]);
    for (int i = 0; i < doorCount; ++i) {
        if (FacesOpenCell(D[i])) {
            DrawDoor(D[i]);
        }
        if (D[i].open) {
            LiftStep(D[i]);
        }
    }
    if (keys[kVkE]) {
        OpenTest(doorCount, cell);
    }
}

void ResetDoors() {
    DoorUp = 0.0f;
    DoorUpMax = false;
    Oldy2 = 0.0f;
    Oldi = 0;
}
