// demo_session.cpp -- the options read, a demo or a recording opened before the game and closed after.
#include "app/demo/demo_session.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <utility>

#include "app/common/loop_options.h"
#include "app/common/main_loop.h"
#include "app/common/named.h"
#include "app/common/open_file.h"
#include "app/common/printed.h"
#include "app/common/shell_input.h"
#include "app/common/shell_state.h"
#include "app/common/texts.h"
#include "app/demo/demo_player.h"
#include "app/demo/demo_recorder.h"
#include "app/demo/demo_script.h"
#include "app/demo/state_line.h"
#include "game/diagnostics.h"
#include "game/program_state.h"

namespace {

// The option's file name goes to `file`, which must still be empty.
bool TakeFile(int argc, const char* const* argv, int& i, std::string& file, std::string& error) {
    const std::string option = argv[i];
    if (i + 1 >= argc || argv[i + 1][0] == '\0') {
        error = option + text::kOptionNeedsFile;
        return false;
    }
    if (!file.empty()) {
        error = text::kOneOption;
        return false;
    }
    file = argv[++i];
    return true;
}

struct FileOption {
    const char* name;
    std::string DemoOptions::*file;
    bool timed;
};

const FileOption kFileOptions[] = {
    {text::kRecordOption, &DemoOptions::record, false},
    {text::kPlayDemoOption, &DemoOptions::play, false},
    {text::kTimeDemoOption, &DemoOptions::play, true},
};

DemoOptions options;
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
        std::fprintf(stderr, "%s: %s%s", options.play.c_str(), player->Failure().c_str(),
                     OriginHint(player->Origin()).c_str());
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

int EndRecording(int exitCode, std::string& message) {
    message = FinishRecording(GameState());
    return message.empty() ? exitCode : kRefusedExitCode;
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

std::string StartSession(int argc, const char* const* argv) {
    std::string error;
    if (!ParseDemoOptions(argc, argv, options, error)) {
        return error;
    }
    error = RefuseGamesOwnFile(options.play.empty() ? options.record : options.play);
    if (!error.empty()) {
        return error;
    }
    UseLoopOptions(options.loop);
    if (!options.play.empty()) {
        return StartDemo();
    }
    return options.record.empty() ? "" : StartRecording(options.record);
}

}  // namespace

bool ParseDemoOptions(int argc, const char* const* argv, DemoOptions& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const OptionRead read = ReadLoopOption(argc, argv, i, options.loop, error);
        if (read == OptionRead::Refused) {
            return false;
        }
        if (read == OptionRead::Taken) {
            continue;
        }
        const FileOption* fileOption = Named(kFileOptions, option);
        if (fileOption == nullptr) {
            error = std::string(text::kUnknownOption) + option + "\n" + text::kOptions;
            return false;
        }
        if (!TakeFile(argc, argv, i, options.*(fileOption->file), error)) {
            return false;
        }
        options.timed = options.timed || fileOption->timed;
    }
    if (!options.record.empty() && !options.play.empty()) {
        error = text::kOneOption;
        return false;
    }
    return true;
}

bool BeginSession(int argc, const char* const* argv, ShowErrorBox showError) {
    const std::string refused = StartSession(argc, argv);
    if (!refused.empty()) {
        showError(refused.c_str(), text::kError);
    }
    return refused.empty();
}

int SessionPace() {
    return options.loop.pace;
}

int EndSession(int exitCode, ShowErrorBox showError) {
    std::string message;
    const int code = player ? EndDemo(message) : Recording() ? EndRecording(exitCode, message) : exitCode;
    if (!message.empty()) {
        showError(message.c_str(), text::kError);
    }
    return code;
}

void ResetToPlainGame() {
    StopDemo();
    ResetShellInput();
    ResetLoop();
}

void ResetProgram() {
    ResetProgramState();
    ResetShellState();
    ResetToPlainGame();
    DropRecording();
    player.reset();
    options = DemoOptions{};
}
