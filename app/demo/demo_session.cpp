// demo_session.cpp -- opening a demo or a recording before the game, closing it after.
#include "app/demo/demo_session.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>
#include <utility>

#include "app/common/main_loop.h"
#include "app/common/shell_input.h"
#include "app/common/texts.h"
#include "app/demo/demo_file.h"
#include "app/demo/demo_options.h"
#include "app/demo/demo_player.h"
#include "app/demo/demo_recorder.h"
#include "app/demo/demo_text.h"
#include "app/demo/state_line.h"

namespace {

DemoOptions options;
std::FILE* recordFile = nullptr;
std::unique_ptr<DemoRecorder> recorder;
std::unique_ptr<DemoPlayer> player;

std::string GameState() {
    return StateLine(StepsRun(), PausesCounted());
}

// A text of texts.h with its blanks filled in, however long the file names.
std::string Printed(const char* format, ...) {
    va_list args, again;
    va_start(args, format);
    va_copy(again, args);
    const int size = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string printed(size > 0 ? size : 0, '\0');
    std::vsnprintf(&printed[0], printed.size() + 1, format, again);
    va_end(again);
    return printed;
}

std::string StartDemo() {
    std::string content;
    std::string error = ReadDemoFile(options.play, content);
    if (!error.empty()) {
        return error;
    }
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

// Flushed each time: what the recorder hands out is what the game may not lose.
void WriteRecording(const std::string& lines) {
    std::fwrite(lines.data(), 1, lines.size(), recordFile);
    std::fflush(recordFile);
}

std::string StartRecording() {
    recordFile = std::fopen(options.record.c_str(), "wb");
    if (recordFile == nullptr) {
        return Printed(text::kCannotCreate, options.record.c_str(), std::strerror(errno));
    }
    recorder = std::make_unique<DemoRecorder>(WriteRecording);
    RecordGame(*recorder);
    return "";
}

// Writes `line` to `file` (appending or not) and to standard output.
bool Report(const char* file, const std::string& line, bool append) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    std::FILE* f = std::fopen(file, append ? "ab" : "wb");
    if (f == nullptr) {
        return false;
    }
    std::fprintf(f, "%s\n", line.c_str());
    const bool written = !std::ferror(f);
    return std::fclose(f) == 0 && written;
}

std::string TimedemoLine() {
    const double seconds = DemoSeconds();
    // Timed, every step is drawn: its steps are its frames.
    const double fps = seconds > 0 ? StepsRun() / seconds : 0.0;
    return Printed(text::kTimedemoLine, options.play.c_str(), StepsRun(), seconds, fps);
}

int EndDemo(std::string& message) {
    const std::string timed = options.timed ? TimedemoLine() : "";
    if (!Report(text::kDemoResultFile, GameState(), false)) {
        message = Printed(text::kCannotWriteFile, text::kDemoResultFile);
        return 2;
    }
    if (options.timed && !Report(text::kTimedemoFile, timed, true)) {
        message = Printed(text::kCannotWriteFile, text::kTimedemoFile);
        return 2;
    }
    if (!player->Finished()) {
        std::fprintf(stderr, text::kDemoStoppedEarly, options.play.c_str(), StepsRun());
    }
    if (!player->Failure().empty()) {
        std::fprintf(stderr, "%s: %s", options.play.c_str(), player->Failure().c_str());
        return 1;
    }
    return 0;
}

// How the game went, for whoever reads the recording: the steps against the
// time they took show the pace, and how many of them were seen.
std::string RecordingSummary() {
    return Printed(text::kRecordingSummary, StepsRun(), SecondsRunning(), Pace(), FramesDrawn(), StepsDropped());
}

int EndRecording(int exitCode, std::string& message) {
    recorder->Note(RecordingSummary());
    recorder->Finish(GameState());
    const bool written = !std::ferror(recordFile);
    if (std::fclose(recordFile) != 0 || !written) {
        message = Printed(text::kCannotFinish, options.record.c_str());
        return 2;
    }
    return exitCode;
}

}  // namespace

std::string StartDemoSession(int argc, const char* const* argv) {
    std::string error;
    if (!ParseDemoOptions(argc, argv, options, error)) {
        return error;
    }
    SetPace(options.pace);
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
    if (recordFile != nullptr) {
        std::fclose(recordFile);
        recordFile = nullptr;
    }
    recorder.reset();
    player.reset();
    options = DemoOptions{};
}
