// x11_visual.h -- the depth buffer the game asks for, on X11.
#pragma once

// On X11, makes SDL's next windows use the double-buffered RGBA visual with
// the smallest depth buffer of at least `depthBits` bits. GLX would pick the
// deepest one; Windows' ChoosePixelFormat, which the game was made with,
// picks the closest, and the depth precision shows in the picture where two
// surfaces meet. Elsewhere, or when no such visual is found, SDL chooses.
void PreferClosestDepthBuffer(int depthBits);
