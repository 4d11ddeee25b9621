// keymap.h -- the page's key names turned into the virtual-key codes the game reads.
#pragma once

// The Windows virtual-key code of a key, from a KeyboardEvent's `key` and
// `code`: a letter by the letter it types, as on Windows, whatever the layout;
// every other key by where it sits (its `code`). 0 for a key with none.
int VirtualKey(const char* key, const char* code);

// A key-down that Windows would deliver as a system key (F10, or anything
// pressed with Alt but without Ctrl): the game never sees it.
bool IsSystemKey(int vk, bool altDown, bool ctrlDown);
