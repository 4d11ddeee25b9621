// web_input.h -- the page's key and pointer events turned into the game's messages and key state.
#pragma once

#include "app/common/main_loop.h"

// Called for every keydown of the page, auto-repeats too, as Windows sends
// WM_KEYDOWN, `at` the moment it happened on the loop's clock. True when the
// browser must not act on the key as well (F1 would open its help, space
// scroll the page).
bool OnKeyDown(const char* key, const char* code, bool altDown, bool ctrlDown, long long at = LoopNow());
void OnKeyUp(const char* key, const char* code, long long at = LoopNow());

// Called for every pointer report over the game (or while it holds the
// pointer), each of those the browser merged into one event too: one mouse
// message at the point the game reads as no movement, plus the movement,
// kept inside the 640 x 480 client area, where Windows would have delivered it.
void OnPointerMove(long dx, long dy, long long at = LoopNow());

// Called when the page loses the keyboard (blur): no key-up will come for
// what is held now, so nothing counts as physically down any more, and the
// shells' one rule lets go of every key of the table.
void OnFocusLost();

// True while a key with this virtual-key code is physically down.
bool PhysicalKeyDown(int vk);

void ResetWebInput();
