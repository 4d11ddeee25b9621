// message_box.h -- the shell's boxes, each also told on standard error.
#pragma once

#include "app/common/box_kind.h"

// A box with an OK button. Returns once the player has dismissed it (at once
// when none can be shown).
void ShowBox(const char* text, const char* caption, BoxKind kind);

// The box the session refuses its options in.
void ShowError(const char* text, const char* caption);

// A Yes/No question, Yes on Return. True only for Yes: a box that could not
// be shown, or was closed without an answer, is not the player's consent.
bool AskYesNo(const char* text, const char* caption);
