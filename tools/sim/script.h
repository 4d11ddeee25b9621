// script.h -- the simulator's command language, run against the game step.
#pragma once

#include <iosfwd>

// Runs every command of `in`, printing results to `out`. Returns 0; 1 after an
// `expect` that does not hold, or 2 after a bad line, either told to `err`
// with its line number. Nothing after it runs. Only every `drawEvery`th step
// is drawn (1: all of them); the others run without a GL call.
int RunScript(std::istream& in, std::ostream& out, std::ostream& err, long drawEvery = 1);
