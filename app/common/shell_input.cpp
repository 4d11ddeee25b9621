// shell_input.cpp -- the shells' input on its way to the game, past a recording or a demo, each message at its step.
#include "app/common/shell_input.h"

#include <algorithm>
#include <limits>

#include "app/common/main_loop.h"
#include "game/input.h"
#include "game/key_codes.h"
#include "game/view.h"

namespace {

enum class Kind { Key, Mouse, Release };

struct Message {
    Kind kind;
    unsigned a, b;   // code and down, or x and y
    long long at;    // when it happened
    long long slot;  // a mouse message: when its share of the mouse rate began
};

// The share of a message that nothing joins.
constexpr long long kNoShare = std::numeric_limits<long long>::min() / 2;

// A full second of reports at any rate a mouse has; beyond it (a loop that
// stalls with the pointer flying) the oldest go to the game at once.
constexpr int kWaitingMax = 1024;

InputRoute* route = nullptr;
long pauses = 0;
bool escapePressed = false;
int mouseRate = kDefaultMouseRate;
long long lastMouseSlot = 0;
bool mouseSlotTaken = false;

Message waiting[kWaitingMax];
int first = 0;
int count = 0;

Message& At(int i) {
    return waiting[(first + i) % kWaitingMax];
}

void Apply(const Message& m) {
    switch (m.kind) {
        case Kind::Key:
            if (route != nullptr && !route->PassKey(m.a, m.b != 0)) {
                return;
            }
            escapePressed = escapePressed || (m.b != 0 && m.a == kVkEscape);
            m.b != 0 ? KeyDown(m.a) : KeyUp(m.a);
            break;
        case Kind::Mouse:
            if (route == nullptr || route->PassMouse(m.a, m.b)) {
                MouseLook(m.a, m.b);
            }
            break;
        case Kind::Release:
            if (route == nullptr || route->ReleaseKeys()) {
                ResetInput();
            }
            break;
    }
}

void ApplyFirst() {
    const Message m = At(0);
    first = (first + 1) % kWaitingMax;
    --count;
    Apply(m);
}

// In the order of their moments, and of their arrival where those are the
// same: a platform may stamp some messages when they happened and others
// when it read them, and one read late must not hold back the others.
void Send(const Message& m) {
    if (!StepsKeepPace()) {
        Apply(m);
        return;
    }
    if (count == kWaitingMax) {
        ApplyFirst();
    }
    int i = count++;
    for (; i > 0 && At(i - 1).at > m.at; --i) {
        At(i) = At(i - 1);
    }
    At(i) = m;
}

long long MouseInterval() {
    return mouseRate > 0 ? StepClock::kSecond / mouseRate : 0;
}

}  // namespace

void ShellKey(unsigned code, bool down) {
    ShellKeyAt(code, down, LoopNow());
}

void ShellKeyAt(unsigned code, bool down, long long at) {
    Send({Kind::Key, code, down ? 1u : 0u, at, 0});
}

void ShellMouse(unsigned x, unsigned y) {
    ShellMouseAt(x, y, LoopNow());
}

// Over the rate, a report joins the message still waiting at the end of the
// queue, whose share it falls in; with none to join it starts the next share.
// The message of the pointer sent home is neither: it turns nothing, and
// must not take the place of a report that does.
void ShellMouseAt(unsigned x, unsigned y, long long at) {
    const long long interval = MouseInterval();
    const bool home = static_cast<int>(x) == PointerHomeX() && static_cast<int>(y) == PointerHomeY();
    if (!StepsKeepPace() || interval == 0 || home) {
        Send({Kind::Mouse, x, y, at, home ? kNoShare : at});
        return;
    }
    if (count > 0 && At(count - 1).kind == Kind::Mouse && at < At(count - 1).slot + interval) {
        Message& last = At(count - 1);
        last.a = x;
        last.b = y;
        last.at = std::max(last.at, at);
        return;
    }
    const long long slot = mouseSlotTaken ? std::max(at, lastMouseSlot + interval) : at;
    lastMouseSlot = slot;
    mouseSlotTaken = true;
    Send({Kind::Mouse, x, y, slot, slot});
}

void ApplyMessagesDue(long long due) {
    while (count > 0 && At(0).at <= due) {
        ApplyFirst();
    }
}

int MouseRate() {
    return mouseRate;
}

void SetMouseRate(int perSecond) {
    mouseRate = std::max(perSecond, 0);
}

bool TakeEscapePressed() {
    const bool pressed = escapePressed;
    escapePressed = false;
    return pressed;
}

bool ShellKeyState(int vk, bool physical) {
    return route != nullptr ? route->KeyState(vk, physical) : physical;
}

bool ShellPause(int milliseconds) {
    ++pauses;
    if (route != nullptr && !route->WaitPauses()) {
        return false;
    }
    LoopClock().Paused(LoopNow(), static_cast<long long>(milliseconds) * 1000000);
    return true;
}

// What came before the keyboard left goes to the game first, in order, so
// that no key-down waiting for its step comes after the release; the window
// may be on its way out, with no step to come.
void ShellReleaseKeys() {
    while (count > 0) {
        ApplyFirst();
    }
    Apply({Kind::Release, 0, 0, 0, 0});
}

bool ShellPointerHomeDue() {
    return DrawingStep() && (route == nullptr || route->HoldPointer());
}

long PausesCounted() {
    return pauses;
}

void UseInputRoute(InputRoute* r) {
    route = r;
}

void ResetShellInput() {
    route = nullptr;
    pauses = 0;
    escapePressed = false;
    mouseRate = kDefaultMouseRate;
    mouseSlotTaken = false;
    first = count = 0;
}
