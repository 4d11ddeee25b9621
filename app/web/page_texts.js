// page_texts.js -- every word the page says of its own; what the game says comes from the game.
"use strict";

var pageTexts = {
    error: "ERROR",
    notPlain: "The page plays only a demo beside it, named plainly (no folder, no address): \"%s\"",
    folder: "\"%s\" is a folder, not a demo.",
    cannotFetch: "Cannot fetch the demo \"%s\": %s",
    cannotRead: "Cannot read the demo \"%s\": %s",
    stopped: "The game has stopped (%s). Reload the page to play again.",
    stoppedStatus: "The game has stopped: reload the page to play again.",
    recording: "Recording: Escape ends the game, and the recording is yours to download.",
    watching: "Watching %s: Escape stops it.",
    noLista: "No lines in lista.txt yet: hold space while playing.",
};

// One of pageTexts with its blanks (%s) filled in order.
function filledText(text, a, b) {
    return text.replace("%s", a).replace("%s", b);
}
