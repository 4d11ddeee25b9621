// demo_recorder.cpp -- lines of a recording, and when they reach the file.
#include "app/demo/demo_recorder.h"

#include <string>
#include <utility>

#include "app/common/main_loop.h"
#include "app/common/shell_input.h"
#include "app/common/texts.h"
#include "game/input.h"

namespace {

DemoCommand Command(DemoOp op) {
    DemoCommand command;
    command.op = op;
    return command;
}

std::string KeyLine(DemoOp op, int code, bool down) {
    DemoCommand key = Command(op);
    key.code = code;
    key.down = down;
    return ScriptLine(key);
}

// The game as played, every message and physical key heard on the way.
class RecordingRoute final : public InputRoute {
public:
    DemoRecorder* recorder = nullptr;

    bool PassKey(unsigned code, bool down) override {
        recorder->Key(code, down);
        return true;
    }
    bool PassMouse(unsigned x, unsigned y) override {
        recorder->Mouse(x, y);
        return true;
    }
    bool KeyState(int vk, bool physical) override {
        recorder->Async(vk, physical);
        return physical;
    }
    bool WaitPauses() override { return true; }
    bool ReleaseKeys() override { return true; }
    bool HoldPointer() override { return true; }
};

RecordingRoute recording;

// Every step is counted in the recording's `frames` lines: the key table it
// reads goes first.
bool BeforeRecordedStep() {
    recording.recorder->BeforeFrame(keys);
    return true;
}

void AfterRecordedStep() {
    recording.recorder->Frame();
}

// Where the loop fell too far behind, the recording says how many steps were
// dropped: the game went slower than its pace there.
IdleTurn RecordedTurn() {
    const long long droppedBefore = StepsDropped();
    const IdleTurn turn = RunIdleTurn({BeforeRecordedStep, AfterRecordedStep});
    if (StepsDropped() > droppedBefore) {
        recording.recorder->Note(std::to_string(StepsDropped() - droppedBefore) + text::kStepsDropped);
    }
    recording.recorder->Tick();
    return turn;
}

}  // namespace

DemoRecorder::DemoRecorder(std::function<void(const std::string&)> write, std::function<long long()> now)
    : write_(std::move(write)), now_(std::move(now)), lastHandOut_(now_()) {}

void DemoRecorder::Key(unsigned code, bool down) {
    if (code < kKeyCodes) {
        table_[code] = down;
        Line(KeyLine(DemoOp::Key, static_cast<int>(code), down));
    }
}

void DemoRecorder::Mouse(unsigned x, unsigned y) {
    DemoCommand mouse = Command(DemoOp::Mouse);
    mouse.x = x;
    mouse.y = y;
    Line(ScriptLine(mouse));
}

void DemoRecorder::Async(int vk, bool down) {
    if (vk >= 0 && vk < kKeyCodes && async_[vk] != down) {
        async_[vk] = down;
        Line(KeyLine(DemoOp::Async, vk, down));
    }
}

void DemoRecorder::BeforeFrame(const unsigned char* keys) {
    for (unsigned code = 0; code < kKeyCodes; ++code) {
        if ((keys[code] != 0) != (table_[code] != 0)) {
            Key(code, keys[code] != 0);
        }
    }
}

void DemoRecorder::Frame() {
    ++frames_;
    Tick();
}

void DemoRecorder::Tick() {
    const long long now = now_();
    if (now - lastHandOut_ >= StepClock::kSecond) {
        WriteFrames();
        HandOut();
        lastHandOut_ = now;
    }
}

void DemoRecorder::Note(const std::string& text) {
    Line(CommentLine(text));
}

void DemoRecorder::Finish(const std::string& stateLine) {
    DemoCommand expect = Command(DemoOp::Expect);
    expect.value = stateLine;
    Line(ScriptLine(expect));
    HandOut();
}

void DemoRecorder::Line(const std::string& line) {
    WriteFrames();
    waiting_ += line;
    waiting_ += '\n';
    Tick();
}

void DemoRecorder::WriteFrames() {
    if (frames_ > 0) {
        DemoCommand frames = Command(DemoOp::Frames);
        frames.count = frames_;
        waiting_ += ScriptLine(frames) + '\n';
        frames_ = 0;
    }
}

void DemoRecorder::HandOut() {
    if (!waiting_.empty()) {
        write_(waiting_);
        waiting_.clear();
    }
}

void RecordGame(DemoRecorder& recorder) {
    recording.recorder = &recorder;
    UseInputRoute(&recording);
    UseTurn(RecordedTurn);
}
