// demo_session.cpp -- opening a demo or a recording before the game, closing it after.
#include "app/demo/demo_session.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <vector>

#include "app/common/main_loop.h"
#include "app/common/shell_input.h"
#include "app/common/texts.h"
#include "app/demo/demo_options.h"
#include "app/demo/demo_player.h"
#include "app/demo/demo_recorder.h"
#include "app/demo/state_line.h"

namespace {

DemoOptions options;
std::ofstream recordFile;
std::unique_ptr<DemoRecorder> recorder;
std::unique_ptr<DemoPlayer> player;

std::string GameState() {
    return StateLine(StepsRun(), PausesCounted());
}

std::string Quoted(const std::string& file) {
    return "\"" + file + "\"";
}

// The whole file, or what stopped it being read (a folder reads as an error too).
std::string ReadDemo(std::string& content) {
    std::FILE* f = std::fopen(options.play.c_str(), "rb");
    if (f == nullptr) {
        return text::kCannotReadDemo + Quoted(options.play) + ": " + std::strerror(errno);
    }
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) {
        content.append(buffer, n);
    }
    const int readError = std::ferror(f) ? errno : 0;
    std::fclose(f);
    return readError == 0 ? "" : text::kCannotReadDemo + Quoted(options.play) + ": " + std::strerror(readError);
}

std::string StartDemo() {
    std::string content;
    std::string error = ReadDemo(content);
    if (!error.empty()) {
        return error;
    }
    std::istringstream in(content);
    std::vector<DemoCommand> commands;
    if (!ParseScript(in, commands, error)) {
        return options.play + ": " + error;
    }
    player = std::make_unique<DemoPlayer>(std::move(commands), GameState);
    PlayDemo(*player, options.timed);
    return "";
}

std::string StartRecording() {
    recordFile.open(options.record, std::ios::binary | std::ios::trunc);
    if (!recordFile) {
        return text::kCannotWrite + Quoted(options.record) + ": " + std::strerror(errno);
    }
    recorder = std::make_unique<DemoRecorder>(recordFile);
    RecordGame(*recorder);
    return "";
}

// Writes `line` to `file` (appending or not) and to standard output.
bool Report(const char* file, const std::string& line, bool append) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    std::ofstream out(file, std::ios::binary | (append ? std::ios::app : std::ios::trunc));
    out << line << '\n';
    out.close();
    return !out.fail();
}

std::string TimedemoLine() {
    const double seconds = DemoSeconds();
    // Timed, every step is drawn: its steps are its frames.
    const double fps = seconds > 0 ? StepsRun() / seconds : 0.0;
    char numbers[96];
    std::snprintf(numbers, sizeof numbers, ": %ld frames in %.3f s, %.1f fps", StepsRun(), seconds, fps);
    return "timedemo " + options.play + numbers;
}

int EndDemo(std::string& message) {
    const std::string timed = options.timed ? TimedemoLine() : "";
    if (!Report("demo-result.txt", GameState(), false)) {
        message = text::kCannotWrite + Quoted("demo-result.txt") + ".";
        return 2;
    }
    if (options.timed && !Report("timedemo.txt", timed, true)) {
        message = text::kCannotWrite + Quoted("timedemo.txt") + ".";
        return 2;
    }
    if (!player->Finished()) {
        std::fprintf(stderr, "%s: stopped after %ld frames, before its end\n", options.play.c_str(), StepsRun());
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
    char line[160];
    std::snprintf(line, sizeof line, "%ld steps in %.3f s at --pace %d, %ld of them drawn", StepsRun(),
                  SecondsRunning(), Pace(), FramesDrawn());
    return line;
}

int EndRecording(int exitCode, std::string& message) {
    recorder->Note(RecordingSummary());
    recorder->Finish(GameState());
    recordFile.close();
    if (recordFile.fail()) {
        message = text::kCannotWrite + Quoted(options.record) + " to the end.";
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
