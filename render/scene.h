// scene.h -- what a frame sets up before and between the drawing passes.
#pragma once

// Clears colour and depth and starts the model-view matrix from the identity.
void BeginScene();

// Source alpha over the rest: only the crates' markers blend, and they switch
// blending on and off themselves.
void SetBlendFunction();

// Tilts the view by `pitch` degrees about x, then looks from the eye toward
// the centre with y up.
void LookAt(float pitch, double eyeX, double eyeY, double eyeZ, double centreX, double centreY, double centreZ);
