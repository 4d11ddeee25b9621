// matrix_calls.h -- the matrices of glMatrixMode and its kin, started afresh with each context.
#pragma once

namespace webgl {

// Called by OpenGlState once the shader is ready: both matrices the identity
// and the model-view selected, as a new GL 1.1 context starts.
void ResetMatrices();

}  // namespace webgl
