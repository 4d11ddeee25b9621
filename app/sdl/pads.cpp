// pads.cpp -- SDL's game controllers, read on every turn of the loop into the pad mapping.
#include "app/sdl/pads.h"

#include <algorithm>
#include <vector>

#include "app/common/main_loop.h"
#include "app/common/pad_mapping.h"

namespace {

std::vector<SDL_GameController*> opened;
PadMapping mapping;

float Axis(SDL_GameController* pad, SDL_GameControllerAxis axis) {
    return static_cast<float>(SDL_GameControllerGetAxis(pad, axis)) / 32768.0f;
}

bool Button(SDL_GameController* pad, SDL_GameControllerButton button) {
    return SDL_GameControllerGetButton(pad, button) != 0;
}

// A trigger counts once pressed half way.
bool Trigger(SDL_GameController* pad, SDL_GameControllerAxis axis) {
    return Axis(pad, axis) >= 0.5f;
}

PadState StateOf(SDL_GameController* pad) {
    PadState state;
    state.connected = SDL_GameControllerGetAttached(pad) == SDL_TRUE;
    state.leftY = Axis(pad, SDL_CONTROLLER_AXIS_LEFTY);
    state.rightX = Axis(pad, SDL_CONTROLLER_AXIS_RIGHTX);
    state.rightY = Axis(pad, SDL_CONTROLLER_AXIS_RIGHTY);
    state.forward = Button(pad, SDL_CONTROLLER_BUTTON_DPAD_UP);
    state.back = Button(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    state.run = Button(pad, SDL_CONTROLLER_BUTTON_LEFTSHOULDER) || Button(pad, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER) ||
                Trigger(pad, SDL_CONTROLLER_AXIS_TRIGGERLEFT) || Trigger(pad, SDL_CONTROLLER_AXIS_TRIGGERRIGHT);
    state.open = Button(pad, SDL_CONTROLLER_BUTTON_A);
    state.start = Button(pad, SDL_CONTROLLER_BUTTON_START);
    state.select = Button(pad, SDL_CONTROLLER_BUTTON_BACK);
    return state;
}

}  // namespace

void OpenPads() {
    SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void OnPadAdded(int deviceIndex) {
    if (!SDL_IsGameController(deviceIndex)) {
        return;
    }
    SDL_GameController* pad = SDL_GameControllerOpen(deviceIndex);
    if (pad == nullptr) {
        return;
    }
    // Opened twice, SDL counts two opens: one is enough to read it by.
    if (std::find(opened.begin(), opened.end(), pad) != opened.end()) {
        SDL_GameControllerClose(pad);
        return;
    }
    opened.push_back(pad);
}

void OnPadRemoved(SDL_JoystickID instance) {
    const auto gone = std::find_if(opened.begin(), opened.end(), [instance](SDL_GameController* pad) {
        return SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad)) == instance;
    });
    if (gone != opened.end()) {
        SDL_GameControllerClose(*gone);
        opened.erase(gone);
    }
}

void ReadPads() {
    PadState pads;
    for (SDL_GameController* pad : opened) {
        MergePad(pads, StateOf(pad));
    }
    mapping.Update(pads, LoopNow());
}

bool PadHolds(int vk) {
    return mapping.Holds(vk);
}

void ClosePads() {
    for (SDL_GameController* pad : opened) {
        SDL_GameControllerClose(pad);
    }
    opened.clear();
    mapping.Reset();
}
