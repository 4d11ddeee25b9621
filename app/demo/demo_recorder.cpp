// demo_recorder.cpp -- lines of a recording, when they reach the file, and the file renamed into place once whole.
#include "app/demo/demo_recorder.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <utility>

#include "app/common/main_loop.h"
#include "app/common/open_file.h"
#include "app/common/printed.h"
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
std::unique_ptr<DemoRecorder> gameRecorder;  // the game's, writing to its file

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

std::string target;         // the name the recording ends under
std::FILE* part = nullptr;  // "target.part", locked, until the end
bool partMade = false;      // made by this game, not left by another
bool written = false;       // emptied and written to at least once
bool exitHandlerSet = false;

std::string RecordingPartName(const std::string& path) {
    return path + ".part";
}

// Lets the file go unfinished, and removes "PATH.part" if this game made it
// and wrote nothing to it; at exit too.
void DropRecordingFile() {
    if (part == nullptr) {
        return;
    }
    std::fclose(part);
    part = nullptr;
    if (partMade && !written) {
        RemoveFile(RecordingPartName(target));
    }
    partMade = false;
    written = false;
}

std::string OpenRecordingFile(const std::string& path) {
    DropRecordingFile();
    written = false;
    std::string refused = CanWrite(path) ? "" : Printed(text::kCannotCreate, path.c_str(), OpenError(errno));
    const std::string partName = RecordingPartName(path);
    if (refused.empty()) {
        // Opened to append, so that another game's recording is not emptied
        // before the lock says whose it is.
        std::FILE* probe = OpenFile(partName, "rb");
        partMade = probe == nullptr && errno == ENOENT;
        if (probe != nullptr) {
            std::fclose(probe);
        }
        part = OpenFile(partName, "ab");
        refused = part == nullptr ? Printed(text::kCannotCreate, partName.c_str(), OpenError(errno)) : "";
    }
    if (refused.empty() && !LockOpenFile(part)) {
        std::fclose(part);
        part = nullptr;
        refused = Printed(text::kRecordedElsewhere, path.c_str());
    }
    if (!refused.empty()) {
        partMade = false;
        return refused;
    }
    target = path;
    if (!exitHandlerSet) {
        exitHandlerSet = true;
        std::atexit(DropRecordingFile);
    }
    return "";
}

void WriteRecordingFile(const std::string& lines) {
    if (part == nullptr) {
        return;
    }
    if (!written) {
        written = true;
        EmptyOpenFile(part);
    }
    std::fwrite(lines.data(), 1, lines.size(), part);
    std::fflush(part);
}

bool FinishRecordingFile() {
    std::FILE* f = part;
    part = nullptr;
    partMade = false;
    if (f == nullptr) {
        return false;
    }
    if (!written || std::fflush(f) != 0 || std::ferror(f)) {
        std::fclose(f);
        return false;
    }
    return CloseAndReplace(f, RecordingPartName(target), target);
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

std::string StartRecording(const std::string& path) {
    const std::string refused = OpenRecordingFile(path);
    if (!refused.empty()) {
        return refused;
    }
    gameRecorder = std::make_unique<DemoRecorder>(WriteRecordingFile);
    for (const std::string& note : OriginNotes(std::time(nullptr))) {
        gameRecorder->Note(note);
    }
    recording.recorder = gameRecorder.get();
    UseInputRoute(&recording);
    UseTurn(RecordedTurn);
    return "";
}

bool Recording() {
    return gameRecorder != nullptr;
}

// How the game went, for whoever reads the recording: the steps against the
// time they took show the pace, and how many of them were seen.
std::string FinishRecording(const std::string& stateLine) {
    gameRecorder->Note(
        Printed(text::kRecordingSummary, StepsRun(), SecondsRunning(), Pace(), FramesDrawn(), StepsDropped()));
    gameRecorder->Finish(stateLine);
    return FinishRecordingFile() ? "" : Printed(text::kCannotFinish, target.c_str(), RecordingPartName(target).c_str());
}

void DropRecording() {
    DropRecordingFile();
    gameRecorder.reset();
}
