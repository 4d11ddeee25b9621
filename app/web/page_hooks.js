// page_hooks.js -- what the browser test reads of the page, kept as it is for the tests of every
// build. The session sets ended, endedAt and demoResult as each game begins and ends.
"use strict";

window.mazePage = {
    ended: false,
    demoResult: null,
    listaText: pageSession.listaText,
    recordingText: pageSession.recordingText,
    // 0 until the game's code is running: asked earlier, its exports are not there yet.
    frames: function () { return pageSession.ready() ? Module._maze_frame_count() : 0; },
    // The steps of the game now running: a thousand a second at the default pace.
    steps: function () { return pageSession.ready() ? Module._maze_step_count() : 0; },
    // Steps the game dropped where a frame took longer than the catch-up allows.
    dropped: function () { return pageSession.ready() ? Module._maze_dropped_count() : 0; },
    // The view's yaw: 3 degrees a mouse message.
    yaw: function () { return pageSession.ready() ? Module._maze_yaw() : 0; },
};
