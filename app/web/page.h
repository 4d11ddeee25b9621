// page.h -- what the web shell asks of the page around the canvas, besides its boxes.
#pragma once

// The canvas alone on the screen, its 640 x 480 picture scaled to fit and
// letterboxed. False when the page may not (no fullscreen here, or no key
// pressed recently enough for the browser to allow it).
bool EnterPageFullscreen();
void LeavePageFullscreen();

// The game is over, with the exit code the games would end with (1: an
// `expect` of the demo did not hold, told on standard error): the page says
// so and offers to start again.
void TellGameEnded(int exitCode);
