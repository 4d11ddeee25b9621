// pad_mapping.cpp -- gamepads and a finger's drag, as the key and mouse messages the game already knows.
#include "app/common/pad_mapping.h"

#include <algorithm>
#include <cmath>

#include "app/common/shell_input.h"
#include "app/common/step_clock.h"
#include "game/key_codes.h"
#include "game/view.h"

namespace {

// The keys in the order of PadMapping::held_.
constexpr int kPadKeys[] = {kVkW, kVkS, kVkShift, kVkE, kVkEscape, kVkF1};

// Half way: a stick read as a key. A quarter: where a worn stick rests.
constexpr float kStickAsKey = 0.5f;
constexpr double kStickRest = 0.25;

// A stall (the window dragged, the machine asleep) owes no burst of turns.
constexpr long long kLongestGap = StepClock::kSecond / 4;

// How far a stick is pushed beyond its rest, 0 to 1; nothing for no number.
double Push(float value) {
    const double magnitude = std::fabs(static_cast<double>(value));
    if (!(magnitude > kStickRest)) {
        return 0.0;
    }
    return std::min(1.0, (magnitude - kStickRest) / (1.0 - kStickRest));
}

double Pushed(float value) {
    return value < 0 ? -Push(value) : Push(value);
}

int Side(double along, double across) {
    if (!(std::fabs(along) * 2 >= std::fabs(across)) || along == 0) {
        return 0;
    }
    return along > 0 ? 1 : -1;
}

bool SendToward(double dx, double dy) {
    const int sideX = Side(dx, dy);
    const int sideY = Side(dy, dx);
    if (sideX == 0 && sideY == 0) {
        return false;
    }
    ShellMouse(static_cast<unsigned>(PointerHomeX() + sideX), static_cast<unsigned>(PointerHomeY() + sideY));
    return true;
}

}  // namespace

void MergePad(PadState& into, const PadState& pad) {
    if (!pad.connected) {
        return;
    }
    const auto further = [](float a, float b) {
        return Push(b) > Push(a) ? b : a;
    };
    into.connected = true;
    into.leftY = further(into.leftY, pad.leftY);
    into.rightX = further(into.rightX, pad.rightX);
    into.rightY = further(into.rightY, pad.rightY);
    into.forward = into.forward || pad.forward;
    into.back = into.back || pad.back;
    into.run = into.run || pad.run;
    into.open = into.open || pad.open;
    into.start = into.start || pad.start;
    into.select = into.select || pad.select;
}

void PadMapping::Update(const PadState& pad, long long now) {
    const bool on = pad.connected;
    const bool wanted[kKeys] = {on && (pad.forward || pad.leftY <= -kStickAsKey),
                                on && (pad.back || pad.leftY >= kStickAsKey),
                                on && pad.run,
                                on && pad.open,
                                on && pad.start,
                                on && pad.select};
    for (int i = 0; i < kKeys; ++i) {
        if (wanted[i] != held_[i]) {
            held_[i] = wanted[i];
            ShellKey(static_cast<unsigned>(kPadKeys[i]), wanted[i]);
        }
    }

    const long long gap = timed_ ? std::clamp(now - last_, 0LL, kLongestGap) : 0;
    last_ = now;
    timed_ = true;
    const double dx = on ? Pushed(pad.rightX) : 0.0;
    const double dy = on ? Pushed(pad.rightY) : 0.0;
    const double push = std::max(std::fabs(dx), std::fabs(dy));
    if (push == 0.0) {
        due_ = 0.0;
        return;
    }
    const int rate = MouseRate() > 0 ? MouseRate() : kPadUncappedRate;
    due_ += rate * push * static_cast<double>(gap) / StepClock::kSecond;
    for (; due_ >= 1.0; due_ -= 1.0) {
        SendToward(dx, dy);
    }
}

bool PadMapping::Holds(int vk) const {
    for (int i = 0; i < kKeys; ++i) {
        if (held_[i] && kPadKeys[i] == vk) {
            return true;
        }
    }
    return false;
}

void PadMapping::Reset() {
    *this = PadMapping();
}

void TouchLook::Move(double dx, double dy, long long now) {
    const int rate = MouseRate();
    if (rate > 0 && moved_ && now - last_ >= 0 && now - last_ < StepClock::kSecond / rate) {
        return;
    }
    if (SendToward(dx, dy)) {
        last_ = now;
        moved_ = true;
    }
}

void TouchLook::Reset() {
    *this = TouchLook();
}
