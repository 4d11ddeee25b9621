// input.cpp -- the key-state table.
#include "game/input.h"

#include <cstring>

unsigned char keys[256];

void KeyDown(unsigned code) {
    if (code < 256) {
        keys[code] = 1;
    }
}

void KeyUp(unsigned code) {
    if (code < 256) {
        keys[code] = 0;
    }
}

void ResetInput() {
    std::memset(keys, 0, sizeof keys);
}
