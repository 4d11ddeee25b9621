// doors.cpp -- the shared lift of the doors, and opening them with 'E'.
#include "game/doors.h"

#include "game/input.h"
#include "render/doors.h"
#include "world/cell_boxes.h"
#include "world/level_grid.h"

float DoorUp = 0.0f;
bool DoorUpMax = false;
float Oldy2 = 0.0f;
int Oldi = 0;

namespace {

constexpr double kLiftStep = 0.002;
constexpr double kNear = 3.0;

// From the player's eye to the middle of the door's cell.
double DistanceToCentre(const SHwalls& door) {
    return DistanceFromPlayer(door.xmax - 2.5, door.ymin + 2.5, door.zmax - 2.5);
}

// One step of the shared lift for a door whose flag is set: up until the lower
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

// Only from inside a door cell. Held 'E' repeats this harmlessly every step;
// the lift first moves in the next step, this step's lift having run.
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

void DoorPass(int doorCount, PlayerCell cell, bool drawn) {
    if (drawn) {
        BindDoorTexture();
    }
    for (int i = 0; i < doorCount; ++i) {
        // Each slab shows the lift as the doors before it in the list left it.
        if (drawn) {
            DrawDoor(D[i], DoorUp);
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
