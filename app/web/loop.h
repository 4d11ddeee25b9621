// loop.h -- the web shell's frames: one idle turn per browser task, paced without ever blocking.
#pragma once

// Makes the game window and runs its frames until Escape (or a failed
// fullscreen toggle); then the page is told. Also the page's "play again".
void StartGame();

// The pause the game asks for (SysPause): the page cannot sleep without
// freezing, so the next frame comes that much later instead.
void AddPause(int milliseconds);
