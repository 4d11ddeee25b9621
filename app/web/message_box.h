// message_box.h -- the shell's boxes, in the page, each also told on standard error.
#pragma once

// A dialog with `caption` over `text` and an OK button; also told on standard
// error (the browser's console). Returns at once: the game goes on, or ends,
// behind it.
void ShowBox(const char* text, const char* caption);

// A Yes/No question, answered before it returns. True only for Yes.
bool AskYesNo(const char* text, const char* caption);
