// demo_player.cpp -- a demo's commands between its steps, and its turns and timing in the player's place.
#include "app/demo/demo_player.h"

#include <utility>

#include "app/common/main_loop.h"
#include "app/common/shell_input.h"
#include "app/common/shell_state.h"
#include "game/input.h"

namespace {

// The demo now playing, in the place of the player's input: only Escape
// gets through, and only to stop it.
class DemoRoute final : public InputRoute {
public:
    DemoPlayer* player = nullptr;
    bool timed = false;
    bool stopRequested = false;
    bool started = false;
    long long startedAt = 0;
    long long endedAt = 0;  // 0 until the turn that ends the demo: the window's end is not timed

    bool PassKey(unsigned code, bool down) override {
        stopRequested = stopRequested || (down && code == kVkEscape);
        return false;
    }
    bool PassMouse(unsigned, unsigned) override { return false; }
    bool KeyState(int vk, bool) override { return player->KeyDown(vk); }
    bool WaitPauses() override { return !timed; }
    bool ReleaseKeys() override { return false; }
    bool HoldPointer() override { return false; }
};

DemoRoute playing;

// The turn that finds no scripted step left ends the game, and the timing.
bool NextDemoStep() {
    if (playing.player->NextFrame()) {
        return true;
    }
    playing.endedAt = LoopNow();
    return false;
}

// The loop's own turn with the demo for input, timed from the first frame the
// window draws: not from a turn before the window is active, which under
// Wine comes seconds earlier.
IdleTurn DemoTurn() {
    if (playing.stopRequested) {
        playing.endedAt = LoopNow();
        return EndingTurn();
    }
    if (active && !playing.started) {
        playing.started = true;
        playing.startedAt = LoopNow();
    }
    return RunIdleTurn({NextDemoStep, nullptr, true});
}

}  // namespace

DemoPlayer::DemoPlayer(DemoText text, std::function<std::string()> stateLine)
    : text_(std::move(text)), stateLine_(std::move(stateLine)) {}

bool DemoPlayer::NextFrame() {
    DemoCommand command;
    while (framesLeft_ == 0 && text_.Next(command)) {
        const std::string failed = ApplyCommand(command, *this);
        if (failure_.empty()) {
            failure_ = failed;
        }
    }
    if (framesLeft_ == 0) {
        finished_ = true;
        return false;
    }
    --framesLeft_;
    return true;
}

bool DemoPlayer::KeyDown(int vk) const {
    return vk >= 0 && vk < kKeyCodes && physical_[vk];
}

void PlayDemo(DemoPlayer& player, bool timed) {
    playing = DemoRoute();
    playing.player = &player;
    playing.timed = timed;
    UseInputRoute(&playing);
    UseTurn(DemoTurn);
    if (timed) {
        SetPace(0);  // as fast as it can draw, whatever the pace
    }
}

double DemoSeconds() {
    const long long end = playing.endedAt != 0 ? playing.endedAt : LoopNow();
    return playing.started ? static_cast<double>(end - playing.startedAt) / StepClock::kSecond : 0.0;
}

void StopDemo() {
    playing = DemoRoute();
    UseInputRoute(nullptr);
    UseTurn(nullptr);
}
