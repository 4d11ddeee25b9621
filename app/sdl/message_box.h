// message_box.h -- the shell's boxes, each also told on standard error.
#pragma once

#include <SDL.h>

// A box with an OK button; `flags` is one of the SDL_MESSAGEBOX_* kinds.
// Returns once the player has dismissed it (at once when none can be shown).
void ShowBox(const char* text, const char* caption, Uint32 flags);

// A Yes/No question, Yes on Return. True only for Yes: a box that could not
// be shown, or was closed without an answer, is not the player's consent.
bool AskYesNo(const char* text, const char* caption);
