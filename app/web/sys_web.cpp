// sys_web.cpp -- the platform services of game/platform.h, in a web page.
#include "app/common/shell_input.h"
#include "app/web/devices.h"
#include "app/web/web_input.h"
#include "game/platform.h"

bool SysKeyDown(int vk) {
    return ShellKeyState(vk, PhysicalKeyDown(vk) || DeviceKeyDown(vk));
}

// A page cannot sleep without freezing: the step clock holds the next step
// back instead, and the browser draws on meanwhile.
void SysPause(int milliseconds) {
    ShellPause(milliseconds);
}

// A page cannot move the pointer; each movement is read from home instead
// (OnPointerMove), which comes to the same messages.
void SysPointerHome(int, int) {}
