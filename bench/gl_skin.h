// gl_skin.h -- where the game's GL and GLU calls go in the benchmark.
#pragma once

#include "bench/gl_stream.h"

namespace benchgl {

enum class Mode {
    Nothing,  // return at once: what the game step costs by itself
    Real,     // on to the off-screen context (real_gl.h)
    Record,   // appended to the stream given to SetMode
};

// From the next call on; `stream` is needed only for Record.
void SetMode(Mode mode, Stream* stream = nullptr);

}  // namespace benchgl
