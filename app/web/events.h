// events.h -- the page's events: the document's once for the whole visit, the canvas's per context.
#pragma once

// Keys on the document, focus, visibility and fullscreen changes: each into
// what the game's window procedure does with its messages. Called again, it
// does nothing: a handler added twice would send each event twice.
void ListenToPage();

// The pointer over the canvas (locked to it on a click). Called each time a
// WebGL context is made on the canvas: destroying the last one (the game's
// end, F1) took the canvas's handlers with it.
void ListenToCanvas();
