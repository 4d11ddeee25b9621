// fixture.h -- every test starts from the program's start values.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "app/common/shell_input.h"
#include "app/null/gl_record.h"
#include "app/null/headless.h"
#include "app/null/sys_null.h"
#include "game/input.h"
#include "game/view.h"

// A millisecond of the loop's clock, which counts nanoseconds.
constexpr long long kMs = 1000000;

class GameTest : public ::testing::Test {
protected:
    void SetUp() override { StartHeadless(glrec::Detail::Full); }
};

// Everything passed on, as the plain game has it: a test's route overrides
// only what it listens to.
class PassingRoute : public InputRoute {
public:
    bool PassKey(unsigned, bool) override { return true; }
    bool PassMouse(unsigned, unsigned) override { return true; }
    bool KeyState(int, bool physical) override { return physical; }
    bool WaitPauses() override { return true; }
    bool ReleaseKeys() override { return true; }
    bool HoldPointer() override { return true; }
};

// The recorded calls with their arguments, to compare a whole sequence in one go.
using CallList = std::vector<std::pair<std::string, std::vector<double>>>;

inline CallList Calls() {
    CallList calls;
    for (const glrec::Call& c : glrec::Get().calls) {
        calls.emplace_back(c.name, c.args);
    }
    return calls;
}

// How many entries of the key table are down.
inline long KeysDown() {
    return 256 - static_cast<long>(std::count(keys, keys + 256, 0));
}

// Pitch and yaw after one mouse message at (x, y) from a level view: what a
// shell's own pointer event must give. The view is left as it was.
inline std::vector<float> TurnOf(unsigned x, unsigned y) {
    const float pitch = xrot, yaw = yrot;
    xrot = yrot = 0;
    MouseLook(x, y);
    const std::vector<float> turn{xrot, yrot};
    xrot = pitch;
    yrot = yaw;
    return turn;
}
