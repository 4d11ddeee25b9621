// demo_session.cpp -- opening a demo or a recording before the game, closing it after.
#include "app/demo/demo_session.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <utility>

#include "app/common/main_loop.h"
#include "app/common/shell_input.h"
#include "app/common/texts.h"
#include "app/demo/demo_file.h"
#include "app/demo/demo_options.h"
#include "app/demo/demo_origin.h"
#include "app/demo/demo_player.h"
#include "app/demo/demo_recorder.h"
#include "app/demo/demo_text.h"
#include "app/demo/entry_point.h"
#include "app/demo/open_file.h"
#include "app/demo/printed.h"
#include "app/demo/recording_file.h"
#include "app/demo/state_line.h"
#include "game/diagnostics.h"

namespace {

DemoOptions options;
DemoOrigin origin;  // of the demo played
std::unique_ptr<DemoRecorder> recorder;
std::unique_ptr<DemoPlayer> player;

std::string GameState() {
    return StateLine(StepsRun(), PausesCounted());
}

std::string StartDemo() {
    std::string content;
    std::string error = ReadDemoFile(options.play, content);
    if (!error.empty()) {
        return error;
    }
    origin = ReadOrigin(content);
    DemoText text;
    if (!text.Check(std::move(content), error)) {
        return options.play + ": " + error;
    }
    if (!text.CutShortNotice().empty()) {
        std::fprintf(stderr, "%s: %s\n", options.play.c_str(), text.CutShortNotice().c_str());
    }
    player = std::make_unique<DemoPlayer>(std::move(text), GameState);
    PlayDemo(*player, options.timed);
    return "";
}

std::string StartRecording() {
    const std::string refused = OpenRecordingFile(options.record);
    if (!refused.empty()) {
        return refused;
    }
    recorder = std::make_unique<DemoRecorder>(WriteRecordingFile);
    for (const std::string& note : OriginNotes(std::time(nullptr))) {
        recorder->Note(note);
    }
    RecordGame(*recorder);
    return "";
}

// Writes `line` to `file` in the working folder, appending or not. Empty, or
// what stopped it, with the folder.
std::string WriteResult(const char* file, const std::string& line, bool append) {
    std::FILE* f = OpenFile(file, append ? "ab" : "wb");
    int error = f == nullptr ? errno : 0;
    if (f != nullptr) {
        std::fprintf(f, "%s\n", line.c_str());
        if (std::ferror(f)) {
            error = errno != 0 ? errno : EIO;
        }
        if (std::fclose(f) != 0 && error == 0) {
            error = errno;
        }
    }
    return error == 0 ? "" : Printed(text::kCannotWriteIn, file, CurrentFolder().c_str(), OpenError(error));
}

std::string TimedemoLine() {
    const double seconds = DemoSeconds();
    // Timed, every step is drawn: its steps are its frames.
    const double fps = seconds > 0 ? StepsRun() / seconds : 0.0;
    return Printed(text::kTimedemoLine, options.play.c_str(), StepsRun(), seconds, fps);
}

// On the standard streams first, whatever then happens to the files: the
// state and the timing on standard output, what went wrong on standard error.
void TellDemoEnd(const std::string& state, const std::string& timed) {
    std::printf("%s\n", state.c_str());
    if (options.timed) {
        std::printf("%s\n", timed.c_str());
    }
    std::fflush(stdout);
    if (!player->Finished()) {
        std::fprintf(stderr, text::kDemoStoppedEarly, options.play.c_str(), StepsRun());
    }
    if (!player->Failure().empty()) {
        std::fprintf(stderr, "%s: %s%s", options.play.c_str(), player->Failure().c_str(), OriginHint(origin).c_str());
    }
    std::fflush(stderr);
}

int EndDemo(std::string& message) {
    const std::string timed = options.timed ? TimedemoLine() : "";
    const std::string state = GameState();
    TellDemoEnd(state, timed);
    message = WriteResult(text::kDemoResultFile, state, false);
    if (message.empty() && options.timed) {
        message = WriteResult(text::kTimedemoFile, timed, true);
    }
    if (!message.empty()) {
        return kRefusedExitCode;
    }
    return player->Failure().empty() ? 0 : kExpectFailedExitCode;
}

// How the game went, for whoever reads the recording: the steps against the
// time they took show the pace, and how many of them were seen.
std::string RecordingSummary() {
    return Printed(text::kRecordingSummary, StepsRun(), SecondsRunning(), Pace(), FramesDrawn(), StepsDropped());
}

int EndRecording(int exitCode, std::string& message) {
    recorder->Note(RecordingSummary());
    recorder->Finish(GameState());
    if (!FinishRecordingFile()) {
        message = Printed(text::kCannotFinish, options.record.c_str(), RecordingPartName(options.record).c_str());
        return kRefusedExitCode;
    }
    return exitCode;
}

// The files the game writes as it goes or at the end are never the demo
// read nor the recording written: either would be spoiled.
std::string RefuseGamesOwnFile(const std::string& file) {
    for (const char* own : {text::kDemoResultFile, text::kTimedemoFile, kDiagnosticsFile}) {
        if (!file.empty() && SameFile(file, own)) {
            return Printed(text::kGamesOwnFile, file.c_str(), own);
        }
    }
    return "";
}

}  // namespace

std::string StartDemoSession(int argc, const char* const* argv) {
    std::string error;
    if (!ParseDemoOptions(argc, argv, options, error)) {
        return error;
    }
    error = RefuseGamesOwnFile(options.play.empty() ? options.record : options.play);
    if (!error.empty()) {
        return error;
    }
    SetPace(options.pace);
    SetFrameRate(options.fps);
    SetMouseRate(options.mouseRate);
    if (!options.play.empty()) {
        return StartDemo();
    }
    return options.record.empty() ? "" : StartRecording();
}

int SessionPace() {
    return options.pace;
}

int EndDemoSession(int exitCode, std::string& message) {
    message.clear();
    if (player) {
        return EndDemo(message);
    }
    return recorder ? EndRecording(exitCode, message) : exitCode;
}

void ResetToPlainGame() {
    StopDemo();
    ResetShellInput();
    ResetLoop();
}

void ResetDemoSession() {
    ResetToPlainGame();
    DropRecordingFile();
    origin = DemoOrigin{};
    recorder.reset();
    player.reset();
    options = DemoOptions{};
}
