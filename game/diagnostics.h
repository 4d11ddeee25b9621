// diagnostics.h -- the lines appended to "lista.txt" while space is held.
#pragma once

// The file, in the working folder.
constexpr const char* kDiagnosticsFile = "lista.txt";

// Called by the step right after clearing the screen. While space is
// physically down: pauses 100 ms and appends two lines to "lista.txt" in the
// working folder, so holding it slows the game to about ten steps a second,
// each of them drawn.
// A file that cannot be opened is skipped.
void WriteDiagnostics();

// Asked by the idle turn before a step: true when that step will pause (space
// physically down). Such a step is shown whatever else is due, since its pause
// holds back every step after it.
bool DiagnosticsDue();
