// events.h -- the page's events, listened to once for the whole visit.
#pragma once

// Keys on the document, the pointer over the canvas (locked to it on a click),
// focus, visibility and fullscreen changes: each into what the game's window
// procedure does with its messages. Called again, it does nothing: a handler
// added twice would send each event twice.
void ListenToPage();
