// level_grid.h -- the built-in three-level grid of one-letter cell codes.
#pragma once

constexpr int kLevels = 3;
constexpr int kRows = 10;
constexpr int kColumns = 20;
constexpr int kCellsPerLevel = kRows * kColumns;
constexpr int kCells = kLevels * kCellsPerLevel;

// Cell codes. Only these five have behaviour; any other code is inert.
constexpr int kWall = 'w';
constexpr int kOpen = ' ';
constexpr int kStair = 's';
constexpr int kCrate = 'c';
constexpr int kDoor = 'd';

// Index level * 200 + row * 20 + column. Starts as the built-in grid; the only
// change during a run is a collected crate turning into an open cell.
extern int map[kCells];

// Index of a cell from its level, row and column (no range check).
constexpr int CellIndex(int level, int row, int column) {
    return level * kCellsPerLevel + row * kColumns + column;
}

// Code at a linear index, or -1 for an index outside the grid: lookups from
// neighbour offsets and stray positions never read outside `map`.
int CellAtIndex(int index);

// Code of a cell, or -1 when level, row or column lies outside the grid.
int CellAt(int level, int row, int column);

// Puts `map` back to the built-in grid.
void ResetLevelGrid();
