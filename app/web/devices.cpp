// devices.cpp -- the page's touch controls and gamepads, through the pad mapping into the game's messages.
#include "app/web/devices.h"

#include <emscripten.h>
#include <emscripten/html5.h>

#include "app/common/main_loop.h"
#include "app/common/pad_mapping.h"
#include "app/common/shell_input.h"
#include "game/key_codes.h"

namespace {

PadMapping gamepads;
TouchLook touchLook;
bool touchRun = false;

// The keys the touch controls stand for; the page's script may ask for no other.
bool TouchKey(int vk) {
    return vk == kVkW || vk == kVkS || vk == kVkShift || vk == kVkE || vk == kVkEscape || vk == kVkF1;
}

// The browser's "standard" layout: A, the shoulders, the triggers, Back,
// Start, then the d-pad; a pad laid out otherwise is read the same way.
bool Pressed(const EmscriptenGamepadEvent& pad, int button) {
    return button < pad.numButtons && (pad.digitalButton[button] || pad.analogButton[button] >= 0.5);
}

float Axis(const EmscriptenGamepadEvent& pad, int axis) {
    return axis < pad.numAxes ? static_cast<float>(pad.axis[axis]) : 0.0f;
}

PadState StateOf(const EmscriptenGamepadEvent& pad) {
    PadState state;
    state.connected = pad.connected != 0;
    state.leftY = Axis(pad, 1);
    state.rightX = Axis(pad, 2);
    state.rightY = Axis(pad, 3);
    state.open = Pressed(pad, 0);
    state.run = Pressed(pad, 4) || Pressed(pad, 5) || Pressed(pad, 6) || Pressed(pad, 7);
    state.select = Pressed(pad, 8);
    state.start = Pressed(pad, 9);
    state.forward = Pressed(pad, 12);
    state.back = Pressed(pad, 13);
    return state;
}

}  // namespace

void ReadGamepads() {
    PadState pads;
    if (emscripten_sample_gamepad_data() == EMSCRIPTEN_RESULT_SUCCESS) {
        const int count = emscripten_get_num_gamepads();
        for (int i = 0; i < count; ++i) {
            EmscriptenGamepadEvent pad;
            if (emscripten_get_gamepad_status(i, &pad) == EMSCRIPTEN_RESULT_SUCCESS) {
                MergePad(pads, StateOf(pad));
            }
        }
    }
    gamepads.Update(pads, LoopNow());
}

bool DeviceKeyDown(int vk) {
    return (vk == kVkShift && touchRun) || gamepads.Holds(vk);
}

void ResetDevices() {
    gamepads.Reset();
    touchLook.Reset();
    touchRun = false;
}

// Called by the page's touch controls (touch.js): a control pressed or let
// go, as its key's message; run is a Shift key held as well.
extern "C" EMSCRIPTEN_KEEPALIVE void maze_touch_key(int vk, int down) {
    if (!TouchKey(vk)) {
        return;
    }
    if (vk == kVkShift) {
        touchRun = down != 0;
    }
    ShellKey(static_cast<unsigned>(vk), down != 0);
}

// Called by the page for each move of a finger dragged on the picture.
extern "C" EMSCRIPTEN_KEEPALIVE void maze_touch_look(double dx, double dy) {
    touchLook.Move(dx, dy, LoopNow());
}
