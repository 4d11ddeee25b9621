// main.cpp -- maze-sim: runs the game step headless from a script on stdin.
#include <cstdio>
#include <iostream>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "tools/sim/script.h"

int main() {
#ifdef _WIN32
    // Same bytes as the native build: no CR before each newline out, and in
    // a 0x1A byte is a byte like any other, not the end of the script.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::ios::sync_with_stdio(false);
    const int status = RunScript(std::cin, std::cout, std::cerr);
    // Output nobody could read (a full disk, a closed pipe) is no success.
    if (!std::cout.flush()) {
        std::cerr << "maze-sim: standard output could not be written\n";
        return status != 0 ? status : 1;
    }
    return status;
}
