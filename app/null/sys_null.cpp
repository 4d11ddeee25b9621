// sys_null.cpp -- the scripted platform services behind game/platform.h.
#include "app/null/sys_null.h"

#include "app/common/shell_input.h"
#include "game/platform.h"

namespace sysnull {
namespace {

bool physical[256];
long pauses;
long pausedMs;
long homes;
int homeX;
int homeY;

}  // namespace

void SetKeyDown(int vk, bool down) {
    if (vk >= 0 && vk < 256) {
        physical[vk] = down;
    }
}

long Pauses() {
    return pauses;
}
long PausedMilliseconds() {
    return pausedMs;
}
long PointerHomes() {
    return homes;
}
int LastPointerX() {
    return homeX;
}
int LastPointerY() {
    return homeY;
}

void Reset() {
    for (bool& key : physical) {
        key = false;
    }
    pauses = pausedMs = homes = 0;
    homeX = homeY = 0;
}

}  // namespace sysnull

bool SysKeyDown(int vk) {
    return vk >= 0 && vk < 256 && sysnull::physical[vk];
}

// Never waits; the loop's clock is still held back, as in the real shells.
void SysPause(int milliseconds) {
    ++sysnull::pauses;
    sysnull::pausedMs += milliseconds;
    ShellPause(milliseconds);
}

// Counted only when a real shell would send it.
void SysPointerHome(int x, int y) {
    sysnull::homes += ShellPointerHomeDue() ? 1 : 0;
    sysnull::homeX = x;
    sysnull::homeY = y;
}
