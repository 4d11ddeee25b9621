// page.h -- what the web shell asks of the page around the canvas.
#pragma once

// A dialog with `caption` over `text` and an OK button; also told on standard
// error (the browser's console). Returns at once: the game goes on, or ends,
// behind it.
void ShowBox(const char* text, const char* caption);

// A Yes/No question, answered before it returns. True only for Yes.
bool AskYesNo(const char* text, const char* caption);

// The canvas alone on the screen, its 640 x 480 picture scaled to fit and
// letterboxed. False when the page may not (no fullscreen here, or no key
// pressed recently enough for the browser to allow it).
bool EnterPageFullscreen();
void LeavePageFullscreen();

// The game is over: the page says so and offers to start again.
void TellGameEnded();
