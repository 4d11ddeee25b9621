// message_box.h -- the shell's boxes, in the page, each also told on standard error.
#pragma once

#include "app/common/box_kind.h"

// A dialog with `caption` over `text` and an OK button; also told on standard
// error (the browser's console). Returns at once: the game goes on, or ends,
// behind it. The page's dialog looks the same whatever its kind.
void ShowBox(const char* text, const char* caption, BoxKind kind);

// The box the session refuses its options in.
void ShowError(const char* text, const char* caption);

// A Yes/No question, answered before it returns. True only for Yes.
bool AskYesNo(const char* text, const char* caption);
