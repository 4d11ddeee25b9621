// loop.h -- the web shell's loop: one idle turn per display refresh, never blocking.
#pragma once

// The other shells' RunGame, but a page cannot block: makes the game window
// (always windowed at first) and returns, its turns then running as browser
// tasks until Escape (or a failed fullscreen toggle), when the page is told.
// Also the page's "play again".
void RunGame();

// The game now running, if any, ended as Escape ends it: a recording closed
// with its last state, a demo's results written, the page told. Called by the
// page before it starts a game of its own over the one running.
void EndGame();
