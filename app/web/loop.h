// loop.h -- the web shell's frames: one idle turn per display refresh, never blocking.
#pragma once

// Makes the game window (always windowed at first) and runs its frames until
// Escape (or a failed fullscreen toggle); then the page is told. Also the
// page's "play again".
void StartGame();
