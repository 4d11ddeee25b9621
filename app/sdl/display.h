// display.h -- SDL's video started on a display the player can see.
#pragma once

// Starts SDL's video on the first driver that reaches a real display. SDL
// would otherwise fall back to drawing off screen, and the game would run
// with nothing shown. An SDL_VIDEODRIVER set by the user is taken as asked.
bool OpenDisplay();
