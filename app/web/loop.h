// loop.h -- the web shell's loop: one idle turn per display refresh, never blocking.
#pragma once

// Makes the game window (always windowed at first) and runs its turns until
// Escape (or a failed fullscreen toggle); then the page is told. Also the
// page's "play again".
void StartGame();

// The game now running, if any, ended as Escape ends it: a recording closed
// with its last state, a demo's results written, the page told. Called by the
// page before it starts a game of its own over the one running.
void EndRunningGame();
