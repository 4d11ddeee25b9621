// main.cpp -- maze-sim: runs the game step headless from a script on stdin.
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif
#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

#include "tools/sim/script.h"

#ifdef __EMSCRIPTEN__
// clang-format off
// node gives a program whose standard output was closed /dev/null in its
// place, opened for reading and writing, where a shell's `>/dev/null` opens
// it for writing only: that is the one sign left of it.
EM_JS(int, StandardOutputClosed, (), {
    try {
        var fs = require("fs");
        var flags = parseInt(fs.readFileSync("/proc/self/fdinfo/1", "utf8").split("flags:")[1], 8);
        return fs.readlinkSync("/proc/self/fd/1") === "/dev/null" && (flags & 3) === 2 ? 1 : 0;
    } catch (e) {
        return 0;
    }
});
// clang-format on
#else
int StandardOutputClosed() {
    return 0;
}
#endif

namespace {

// --draw-every N: 1 to a million; anything else is refused.
bool ReadDrawEvery(int argc, char** argv, long& drawEvery) {
    if (argc == 1) {
        return true;
    }
    if (argc != 3 || std::strcmp(argv[1], "--draw-every") != 0) {
        return false;
    }
    const std::string value = argv[2];
    drawEvery = 0;
    for (char c : value) {
        if (c < '0' || c > '9' || drawEvery > 100000) {
            return false;
        }
        drawEvery = drawEvery * 10 + (c - '0');
    }
    return drawEvery >= 1 && drawEvery <= 1000000;
}

}  // namespace

int main(int argc, char** argv) {
    long drawEvery = 1;
    if (!ReadDrawEvery(argc, argv, drawEvery)) {
        std::fprintf(stderr,
                     "usage: maze-sim [--draw-every N] < SCRIPT   (N from 1 to 1000000: draw every Nth step)\n");
        return 2;
    }
#ifdef _WIN32
    // Same bytes as the native build: no CR before each newline out, and in
    // a 0x1A byte is a byte like any other, not the end of the script.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
#ifdef SIGPIPE
    // A reader gone is told as any output that cannot be written, not by a
    // signal that ends the program without a word.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    if (StandardOutputClosed()) {
        std::cout.setstate(std::ios::badbit);
    }
    std::ios::sync_with_stdio(false);
    const int status = RunScript(std::cin, std::cout, std::cerr, drawEvery);
    // Output nobody could read (a full disk, a closed pipe) is no success.
    if (!std::cout.flush()) {
        std::cerr << "maze-sim: standard output could not be written\n";
        return status != 0 ? status : 1;
    }
    return status;
}
