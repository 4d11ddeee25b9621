// pads.cpp -- XInput's pads, its DLL loaded at run time, read on every turn into the pad mapping.
#include "app/win32/pads.h"

#include "app/common/main_loop.h"
#include "app/common/pad_mapping.h"
#include "app/win32/win32_api.h"
// Only the types and button bits: the functions come from the DLL, if any.
#include <xinput.h>

namespace {

using GetStateCall = DWORD(WINAPI*)(DWORD, XINPUT_STATE*);

constexpr DWORD kSlots = 4;  // XUSER_MAX_COUNT
// An empty slot is slow to ask about: once a second is soon enough to find a pad plugged in.
constexpr long long kEmptySlotWait = 1000000000;

PadMapping mapping;
GetStateCall getState = nullptr;
bool loaded = false;
bool plugged[kSlots] = {};
long long askedAt[kSlots] = {};

// The DLL every Windows since Vista has; a copy of Windows (or Wine) without
// it leaves the game without pads, never without a start.
GetStateCall LoadGetState() {
    HMODULE dll = LoadLibraryA("xinput9_1_0.dll");
    if (dll == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<GetStateCall>(reinterpret_cast<void*>(GetProcAddress(dll, "XInputGetState")));
}

// XInput's y is up; the mapping's, as SDL's and the browser's, is down.
float Axis(SHORT value, bool up) {
    const float axis = static_cast<float>(value) / 32768.0f;
    return up ? -axis : axis;
}

PadState StateOf(const XINPUT_GAMEPAD& pad) {
    const auto held = [&pad](WORD button) {
        return (pad.wButtons & button) != 0;
    };
    PadState state;
    state.connected = true;
    state.leftY = Axis(pad.sThumbLY, true);
    state.rightX = Axis(pad.sThumbRX, false);
    state.rightY = Axis(pad.sThumbRY, true);
    state.forward = held(XINPUT_GAMEPAD_DPAD_UP);
    state.back = held(XINPUT_GAMEPAD_DPAD_DOWN);
    state.run = held(XINPUT_GAMEPAD_LEFT_SHOULDER) || held(XINPUT_GAMEPAD_RIGHT_SHOULDER) || pad.bLeftTrigger >= 128 ||
                pad.bRightTrigger >= 128;
    state.open = held(XINPUT_GAMEPAD_A);
    state.start = held(XINPUT_GAMEPAD_START);
    state.select = held(XINPUT_GAMEPAD_BACK);
    return state;
}

}  // namespace

void ReadPads() {
    if (!loaded) {
        loaded = true;
        getState = LoadGetState();
    }
    const long long now = LoopNow();
    PadState pads;
    for (DWORD slot = 0; getState != nullptr && slot < kSlots; ++slot) {
        if (!plugged[slot] && now - askedAt[slot] < kEmptySlotWait && askedAt[slot] != 0) {
            continue;
        }
        askedAt[slot] = now;
        XINPUT_STATE state{};
        plugged[slot] = getState(slot, &state) == ERROR_SUCCESS;
        if (plugged[slot]) {
            MergePad(pads, StateOf(state.Gamepad));
        }
    }
    mapping.Update(pads, now);
}

bool PadHolds(int vk) {
    return mapping.Holds(vk);
}
