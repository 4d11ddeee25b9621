// pads_test.cpp -- a virtual controller plays the SDL shell's loop: walking, turning, the end, pulled out.
#include <SDL.h>

#include "app/common/main_loop.h"
#include "app/common/shell_input.h"
#include "app/sdl/events.h"
#include "app/sdl/pads.h"
#include "game/input.h"
#include "game/player.h"
#include "game/view.h"
#include "unit/fixture.h"

namespace {

// Notes the step at which 'W' went down and up.
class WalkSteps : public PassingRoute {
public:
    bool PassKey(unsigned code, bool down) override {
        if (code == kVkW) {
            (down ? downAt : upAt) = StepsRun();
        }
        return true;
    }

    long downAt = -1;
    long upAt = -1;
};

class Pads : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        glrec::SetDetail(glrec::Detail::Counts);  // a second of frames, none of them read
        OpenPads();
        device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                           SDL_CONTROLLER_BUTTON_MAX, 0);
        ASSERT_GE(device, 0) << SDL_GetError();
        stick = SDL_JoystickOpen(device);
        ASSERT_NE(stick, nullptr) << SDL_GetError();
        UseInputRoute(&route);
        Run(0.05);
    }
    void TearDown() override {
        ResetShellInput();
        Unplug();
        ClosePads();
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    }

    void Unplug() {
        if (stick != nullptr) {
            SDL_JoystickClose(stick);
            SDL_JoystickDetachVirtual(device);
            stick = nullptr;
        }
    }

    // The SDL game's loop without its window, for `seconds`: true if a turn ended the game.
    bool Run(double seconds) {
        const long long end = LoopNow() + static_cast<long long>(seconds * StepClock::kSecond);
        while (LoopNow() < end) {
            PumpEvents();
            ReadPads();
            const IdleTurn turn = ShellIdleTurn();
            if (turn.done) {
                return true;
            }
            if (turn.waitMs > 0) {
                SDL_WaitEventTimeout(nullptr, turn.waitMs);
            }
        }
        return false;
    }

    int device = -1;
    SDL_Joystick* stick = nullptr;
    WalkSteps route;
};

TEST_F(Pads, LeftStickForwardForASecondWalksAThousandSteps) {
    SDL_JoystickSetVirtualAxis(stick, SDL_CONTROLLER_AXIS_LEFTY, -32768);
    const long long dropped = StepsDropped();
    Run(1.0);
    SDL_JoystickSetVirtualAxis(stick, SDL_CONTROLLER_AXIS_LEFTY, 0);
    Run(0.05);
    const long walked = route.upAt - route.downAt;
    RecordProperty("steps", static_cast<int>(walked));
    EXPECT_GE(route.downAt, 0);
    EXPECT_NEAR(walked, 1000, 30) << "steps with 'W' down, " << StepsDropped() - dropped << " dropped";
    EXPECT_LT(centerz, -7.5f - 5.0f);  // a cell and more toward -z
}

// The stick let go may be read one turn late: one message more at most.
TEST_F(Pads, RightStickRightTurnsRight) {
    SDL_JoystickSetVirtualAxis(stick, SDL_CONTROLLER_AXIS_RIGHTX, 32767);
    Run(0.2);
    SDL_JoystickSetVirtualAxis(stick, SDL_CONTROLLER_AXIS_RIGHTX, 0);
    const float turned = yrot;
    Run(0.05);
    const float stopped = yrot;
    Run(0.1);
    EXPECT_GT(turned, 0.0f);
    EXPECT_LE(turned, 3.0f * (125 * 0.2 + 2));
    EXPECT_LE(stopped - turned, 3.0f);
    EXPECT_EQ(yrot, stopped);
    EXPECT_EQ(xrot, 0.0f);
}

TEST_F(Pads, StartEndsTheGame) {
    EXPECT_FALSE(Run(0.05));
    SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_START, 1);
    EXPECT_TRUE(Run(0.5));
}

TEST_F(Pads, PulledOutWhileWalkingStopsTheWalk) {
    SDL_JoystickSetVirtualAxis(stick, SDL_CONTROLLER_AXIS_LEFTY, -32768);
    Run(0.3);
    EXPECT_EQ(keys[kVkW], 1);
    Unplug();
    Run(0.05);
    EXPECT_EQ(keys[kVkW], 0);
    const float stopped = centerz;
    Run(0.2);
    EXPECT_EQ(centerz, stopped);
    EXPECT_LT(stopped, -7.5f - 1.0f);
}

}  // namespace
