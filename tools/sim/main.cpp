// main.cpp -- maze-sim: runs the game step headless from a script on stdin.
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "tools/sim/script.h"

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
    std::ios::sync_with_stdio(false);
    const int status = RunScript(std::cin, std::cout, std::cerr, drawEvery);
    // Output nobody could read (a full disk, a closed pipe) is no success.
    if (!std::cout.flush()) {
        std::cerr << "maze-sim: standard output could not be written\n";
        return status != 0 ? status : 1;
    }
    return status;
}
