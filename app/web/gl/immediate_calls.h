// immediate_calls.h -- the current vertex of glBegin to glEnd, started afresh with each context.
#pragma once

namespace webgl {

// Called by OpenGlState: colour white, texture coordinate (0, 0) and no
// vertices waiting for glEnd, as a new GL 1.1 context starts.
void ResetCurrentVertex();

}  // namespace webgl
