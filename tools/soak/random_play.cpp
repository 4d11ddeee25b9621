// random_play.cpp -- the random player's choices.
#include "tools/soak/random_play.h"

#include <vector>

#include "app/null/sys_null.h"
#include "game/input.h"
#include "game/level_change.h"
#include "game/platform.h"
#include "game/player.h"
#include "game/view.h"
#include "world/level_grid.h"

namespace {

// Keys of the key table, 'W' the likeliest; Shift is read at step time.
constexpr int kTableKeys[] = {kVkW, kVkS, kVkE, kVkW, kVkW};

}  // namespace

void RandomPlay::PressOrRelease() {
    const int which = Between(0, 5);
    const bool down = OneIn(2);
    if (which < 5) {
        down ? KeyDown(kTableKeys[which]) : KeyUp(kTableKeys[which]);
    } else {
        sysnull::SetKeyDown(kVkShift, down);
    }
}

namespace {

// A staircase of this level or the one below (to climb or descend), or a
// crate or door of this level, in one of the four cells around.
bool BesideSomething(int level, int row, int column) {
    const int around[][2] = {{row + 1, column}, {row - 1, column}, {row, column + 1}, {row, column - 1}};
    for (const auto& cell : around) {
        const int here = CellAt(level, cell[0], cell[1]);
        if (here == kStair || here == kCrate || here == kDoor || CellAt(level - 1, cell[0], cell[1]) == kStair) {
            return true;
        }
    }
    return false;
}

}  // namespace

// Random walking alone never finds the stairs: the player is set down as a
// script's `set` lines would, half the time beside a staircase, a crate or
// the door, where a few random steps reach it.
void RandomPlay::PlaceInOpenCell() {
    std::vector<int> open;
    const int level = Between(0, kLevels - 1);
    const bool besideSomething = OneIn(2);
    for (int row = 1; row < kRows - 1; ++row) {
        for (int column = 1; column < kColumns - 1; ++column) {
            if (CellAt(level, row, column) == kOpen && (!besideSomething || BesideSomething(level, row, column))) {
                open.push_back(row * kColumns + column);
            }
        }
    }
    if (open.empty()) {
        return;
    }
    const int cell = open[Between(0, int(open.size()) - 1)];
    lvl = level;
    centerx = (cell / kColumns - 1) * 5 + 2.5f;
    centery = level * 5 + 1.5f;
    centerz = -(cell % kColumns * 5 + 2.5f);
    Bcentery = centery;
    // Facing along a row or a column: one time in four, toward what is beside.
    yrot = 90.0f * Between(0, 3);
}

void RandomPlay::BeforeFrame(PlayTally& tally) {
    if (OneIn(8)) {
        PressOrRelease();
    }
    // Space appends to "lista.txt" in the working folder: one step in a while.
    sysnull::SetKeyDown(kVkSpace, OneIn(5000));
    // Small moves about the pointer's home, so the view turns both ways; seldom,
    // so that walks run straight long enough to reach something.
    if (OneIn(20)) {
        MouseLook(unsigned(PointerHomeX() + Between(-2, 2)), unsigned(PointerHomeY() + Between(-2, 2)));
    }
    if (OneIn(800)) {
        PlaceInOpenCell();
        ++tally.placements;
    }
}
