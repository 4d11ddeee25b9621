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

// Called by the frame first of all: refills the five lists from `map`, in
// level, row, column order, and hands the counts to the frame's later steps.
// The door flags are left as they are: they stay with their list position.
BoxCounts RebuildBoxes();

// Zero-fills the five lists (every door closed), as at program start.
void ResetCellBoxes();

// The grid cell a box stands in, read back from its own bounds. Each quotient
// is truncated toward zero; the column is that of the square the box covers,
// which after an inert cell in its row is not the column of its code in `map`.
inline int BoxLevel(const SHwalls& box) {
    return static_cast<int>(box.ymin / 5);
}

inline int BoxRow(const SHwalls& box) {
    return static_cast<int>(box.xmin / 5) + 1;
}

inline int BoxColumn(const SHwalls& box) {
    return static_cast<int>(-(box.zmin / 5 + 1));
}
