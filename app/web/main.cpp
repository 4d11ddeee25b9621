// main.cpp -- the web entry point: the game on the page, and the page's new games.
#include <emscripten.h>

#include <string>
#include <vector>

#include "app/common/main_loop.h"
#include "app/common/shell_input.h"
#include "app/common/shell_state.h"
#include "app/demo/demo_script.h"
#include "app/demo/demo_session.h"
#include "app/web/devices.h"
#include "app/web/events.h"
#include "app/web/loop.h"
#include "app/web/message_box.h"
#include "app/web/page.h"
#include "app/web/web_input.h"

namespace {

// The options as the games' command line has them: words one to a line, as
// no file name the page hands over has a line break in it.
std::vector<std::string> Words(const char* lines) {
    std::vector<std::string> words;
    std::string word;
    for (const char* c = lines; *c != '\0'; ++c) {
        if (*c == '\n') {
            words.push_back(word);
            word.clear();
        } else {
            word += *c;
        }
    }
    if (!word.empty()) {
        words.push_back(word);
    }
    return words;
}

// The game as the program starts it with these arguments: refused in the
// box, and then no game (false), or played until it ends.
bool Begin(int argc, const char* const* argv) {
    ListenToPage();
    if (!BeginSession(argc, argv, ShowError)) {
        TellGameEnded(kRefusedExitCode);
        return false;
    }
    RunGame();
    return true;
}

}  // namespace

// Called by the page after the game has ended: a new game, as if the program
// were started again without a demo, at the pace and rates the page asked for;
// "lista.txt" stays, as it would on disk. The page may have refused its
// first demo itself, and then main never listened to it.
extern "C" EMSCRIPTEN_KEEPALIVE void maze_play_again() {
    const int pace = SessionPace();
    const int frameRate = FrameRate();
    const int mouseRate = MouseRate();
    ListenToPage();
    ResetProgram();
    ResetWebInput();
    ResetDevices();
    SetPace(pace);
    SetFrameRate(frameRate);
    SetMouseRate(mouseRate);
    RunGame();
}

// Called by the page before it reads a demo to watch: the game running
// ended as Escape ends it, its recording or its results complete.
extern "C" EMSCRIPTEN_KEEPALIVE void maze_end_game() {
    EndGame();
}

// Called by the page's Record and "Watch a demo": the game running ended as
// Escape ends it, then a new one as if the program were started again with
// `options` (the games' options, one word to a line). The files written
// stay, as they would on disk.
extern "C" EMSCRIPTEN_KEEPALIVE void maze_begin(const char* options) {
    EndGame();
    ResetProgram();
    ResetWebInput();
    ResetDevices();
    const std::vector<std::string> words = Words(options);
    std::vector<const char*> argv{"maze"};
    for (const std::string& word : words) {
        argv.push_back(word.c_str());
    }
    Begin(static_cast<int>(argv.size()), argv.data());
}

// Read by the page, which must do as the games do: cut a demo it hands over
// one byte past their limit, end a game it refuses itself with their exit
// code, and show standard error after a failed `expect`, told by its own.
extern "C" EMSCRIPTEN_KEEPALIVE double maze_demo_limit() {
    return static_cast<double>(kMaxDemoBytes);
}

extern "C" EMSCRIPTEN_KEEPALIVE int maze_refused_exit_code() {
    return kRefusedExitCode;
}

extern "C" EMSCRIPTEN_KEEPALIVE int maze_expect_failed_exit_code() {
    return kExpectFailedExitCode;
}

// Called by the page when a fullscreen request it had accepted fails after all.
extern "C" EMSCRIPTEN_KEEPALIVE void maze_fullscreen_refused() {
    fullscreen = 0;
}

// Returns at once; the turns run as browser tasks after it. The page hands
// over ?record, ?playdemo=FILE or ?timedemo=FILE as the games' options, the
// demo fetched beside Data/; one that cannot be played is told, and nothing
// starts.
int main(int argc, char** argv) {
    return Begin(argc, argv) ? 0 : kRefusedExitCode;
}
