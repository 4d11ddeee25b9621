// diagnostics.cpp -- "lista.txt": two lines appended per step while space is down.
#include "game/diagnostics.h"

#include <cmath>
#include <cstdio>

#include "game/platform.h"

bool DiagnosticsDue() {
    return SysKeyDown(kVkSpace);
}

void WriteDiagnostics() {
    if (!DiagnosticsDue()) {
        return;
    }
    SysPause(100);
    // Opened per step and closed at once, so holding the key never piles up
    // open streams; an unwritable folder just means no lines.
    FILE* f = std::fopen(kDiagnosticsFile, "at");
    if (f == nullptr) {
        return;
    }
    // The line reports the angle, in degrees, whose cosine is 0.3077: a fixed
    // reading kept as the game has always printed it. The cosine is a float,
    // and the digits of "fok = 72.079323" depend on that rounding.
    const float cosine = 0.3077f;
    std::fprintf(f, "------------------------------------------------------\n");
    std::fprintf(f, "fok = %f\n", std::acos(static_cast<double>(cosine)) * 180.0 / 3.14159265);
    std::fclose(f);
}
