// script.h -- the simulator's command language, run against the game step.
#pragma once

#include <iosfwd>

// Runs every command of `in`, printing results to `out`. Returns 0, or 2 after
// reporting the first bad line (with its number) to `err`; nothing after it runs.
int RunScript(std::istream& in, std::ostream& out, std::ostream& err);
