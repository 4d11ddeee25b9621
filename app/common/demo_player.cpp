// demo_player.cpp -- running a demo's commands in the game between its frames.
#include "app/common/demo_player.h"

#include <utility>

#include "app/common/state_compare.h"
#include "app/common/state_line.h"
#include "game/input.h"
#include "game/view.h"

DemoPlayer::DemoPlayer(std::vector<DemoCommand> commands, std::function<std::string()> stateLine)
    : commands_(std::move(commands)), stateLine_(std::move(stateLine)) {}

bool DemoPlayer::NextFrame() {
    while (framesLeft_ == 0 && next_ < commands_.size()) {
        Run(commands_[next_++]);
    }
    if (framesLeft_ == 0) {
        finished_ = true;
        return false;
    }
    --framesLeft_;
    return true;
}

bool DemoPlayer::KeyDown(int vk) const {
    return vk >= 0 && vk < 256 && physical_[vk];
}

void DemoPlayer::Run(const DemoCommand& c) {
    switch (c.op) {
        case DemoOp::Key:
            c.down ? ::KeyDown(static_cast<unsigned>(c.a)) : KeyUp(static_cast<unsigned>(c.a));
            break;
        case DemoOp::Async:
            physical_[c.a] = c.down;  // the reader keeps codes within 0..255
            break;
        case DemoOp::Mouse:
            MouseLook(static_cast<unsigned>(c.a), static_cast<unsigned>(c.b));
            break;
        case DemoOp::Frames:
            framesLeft_ = c.a;
            break;
        case DemoOp::Set:
            SetStateVariable(c.name, c.value);
            break;
        case DemoOp::Expect:
            Expect(c);
            break;
        default:
            break;  // the simulator's printing
    }
}

void DemoPlayer::Expect(const DemoCommand& c) {
    const std::string difference = CompareStateLines(c.value, stateLine_());
    if (failure_.empty() && !difference.empty()) {
        failure_ = "line " + std::to_string(c.line) + ": expect: " + difference;
    }
}
