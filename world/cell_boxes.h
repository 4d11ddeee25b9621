// cell_boxes.h -- the per-frame lists of axis-aligned cell boxes built from `map`.
#pragma once

struct SHwalls {
    float xmax, xmin, zmax, zmin, ymin, ymax;
    bool open;  // doors only: open or moving; the rebuild never writes it
};

constexpr int kWallCapacity = 600;
constexpr int kOpenCapacity = 600;
constexpr int kStairCapacity = 10;
constexpr int kCrateCapacity = 10;
constexpr int kDoorCapacity = 10;

extern SHwalls W[kWallCapacity];   // walls
extern SHwalls A[kOpenCapacity];   // open floor
extern SHwalls S[kStairCapacity];  // staircases
extern SHwalls C[kCrateCapacity];  // crates
extern SHwalls D[kDoorCapacity];   // doors

// How many entries of each list this frame's rebuild filled.
struct BoxCounts {
    int wallCount, openCount, stairCount, crateCount, doorCount;
};

// Refills the five lists from `map`, in level, row, column order.
BoxCounts RebuildBoxes();

// Zero-fills the five lists (every door closed), as at program start.
void ResetCellBoxes();
