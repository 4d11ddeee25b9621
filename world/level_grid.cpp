// level_grid.cpp -- the built-in maze and safe cell lookups.
#include "world/level_grid.h"

#include <cstring>

namespace {

// One string a row, columns 0 to 19; '_' stands for the open cell ' '.
// clang-format off
constexpr const char* kBuiltInRows[kLevels * kRows] = {
    "wwwwwwwwwwwwwwwwwwww",  // level 0
    "w___wwww___________w",
    "w___wwww_wwww__www_w",
    "w___wwww_wwww__www_w",
    "w___wwww_wwww__www_w",
    "w_c_d__c_______www_w",
    "w___wwwwwww_wwwwww_w",
    "w___wwwwwww_wwwwww_w",
    "w___s_wwwww________w",
    "wwwwwwwwwwwwwwwwwwww",
    "wwwwwwwwwwwwwwwwwwww",  // level 1
    "w__________________w",
    "w__________________w",
    "w__________________w",
    "w_____________w____w",
    "w___w_____________fw",
    "w__________________w",
    "w_____www_____w____w",
    "w_____s_w_____w____w",
    "wwwwwwwwwwwwwwwwwwww",
    "wwwwwwwwwwwwwwwwwwww",  // level 2
    "w__________________w",
    "w__________________w",
    "w__________________w",
    "w_____________w____w",
    "w___w_____________fw",
    "w__________________w",
    "w_____________w____w",
    "w_____________w____w",
    "wwwwwwwwwwwwwwwwwwww",
};
// clang-format on

constexpr int CountCode(char code) {
    int n = 0;
    for (const char* row : kBuiltInRows) {
        for (int c = 0; c < kColumns; ++c) {
            n += row[c] == code ? 1 : 0;
        }
    }
    return n;
}

constexpr bool RowsAreFullWidth() {
    for (const char* row : kBuiltInRows) {
        int n = 0;
        while (row[n] != '\0') {
            ++n;
        }
        if (n != kColumns) {
            return false;
        }
    }
    return true;
}

// The stair, crate and door lists hold ten entries each; a grid that would
// overfill one does not build.
static_assert(RowsAreFullWidth(), "every grid row has 20 columns");
static_assert(CountCode('s') <= 10, "at most 10 staircases");
static_assert(CountCode('c') <= 10, "at most 10 crates");
static_assert(CountCode('d') <= 10, "at most 10 doors");

}  // namespace

int map[kCells];

int CellAtIndex(int index) {
    if (index < 0 || index >= kCells) {
        return -1;
    }
    return map[index];
}

int CellAt(int level, int row, int column) {
    if (level < 0 || level >= kLevels || row < 0 || row >= kRows || column < 0 || column >= kColumns) {
        return -1;
    }
    return map[CellIndex(level, row, column)];
}

void ResetLevelGrid() {
    for (int r = 0; r < kLevels * kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            const char code = kBuiltInRows[r][c];
            map[r * kColumns + c] = code == '_' ? kOpen : code;
        }
    }
}

// The grid holds the built-in maze before main() runs, as a static table would.
namespace {
struct GridInit {
    GridInit() { ResetLevelGrid(); }
} gridInit;
}  // namespace
