// x11_errors.h -- X errors that need not end the game.
#pragma once

// On X11, lets a BadWindow from an event sent to a window that is gone
// pass; every other X error goes on to the handler there was before.
//
// SDL wakes its own wait by sending an event to the game window on a second
// connection to the X server. When F1 tears that window down on the first
// connection, a busy server may take the teardown first; Xlib's default
// handler would then end the game over an event nobody was to read.
void KeepGoingPastVanishedWindows();

// The same, whatever the video driver: the handler set now is the one
// every other error goes on to. Once per run; a second call does nothing.
void PassVanishedWindowErrors();
