// headless.h -- the game as it starts, with no window: for tests and tools.
#pragma once

#include "app/null/gl_record.h"

// Every program-wide variable back to its start value, nothing pressed, a
// fresh recording GL that keeps `detail`, and the client centre of the
// 640 x 480 window, as CreateGLWindow would leave it. No texture is loaded.
void StartHeadless(glrec::Detail detail);
