// events.h -- window messages turned into what the game does with them.
#pragma once

#include "app/win32/win32_api.h"

// The window procedure of class "OpenGL": keys into the key table, activation
// into `active`, resizes into the projection, pointer moves into mouse look,
// the close button into the quit message.
LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
