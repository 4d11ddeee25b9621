// page_session.js -- the games the page runs: the first as its address asks, then each one the
// player starts (Record, a demo watched, Play again); what each ended with, shown; the runtime's
// own failure. Module, for maze.js, is made here.
//
// The address, as the tests of every build use it: ?record, ?playdemo=FILE or
// ?timedemo=FILE, ?pace=N, ?fps=N and ?mouse-rate=N, the games' options of the
// same names; the demo a file beside the page.
"use strict";

var pageSession = (function () {
    var status = document.getElementById("status");
    var ended = document.getElementById("ended");
    var saveRecording = document.getElementById("download-recording");
    var RECORDING = "maze-recording.script";
    var runtimeReady = false;

    var query = new URLSearchParams(window.location.search);
    var paceOptions = [];
    ["pace", "fps", "mouse-rate"].forEach(function (name) {
        if (query.has(name)) paceOptions.push("--" + name, query.get(name));
    });
    var firstDemo = query.has("timedemo") ? "timedemo" : query.has("playdemo") ? "playdemo" : null;
    var firstOptions = query.has("record") ? ["--record", RECORDING] : [];
    if (firstDemo) firstOptions.push("--" + firstDemo, query.get(firstDemo));
    var firstProblem = null;

    // What the game now running (or last ended) was asked to do.
    var session = { demo: null, timed: false, recording: false, errors: [] };
    var lastRecording = null;

    function fileText(name) {
        try {
            return Module.FS.readFile(name, { encoding: "utf8" });
        } catch (e) {
            return null;
        }
    }

    function tell(text) {
        status.textContent = text;
    }

    function showBox(caption, text) {
        document.getElementById("box-caption").textContent = caption;
        document.getElementById("box-text").textContent = text;
        var box = document.getElementById("box");
        if (!box.open) box.showModal();
    }

    // The page's own refusal of a demo, as the game shows its own: the box,
    // and no game.
    function refuse(text) {
        session = { demo: null, timed: false, recording: false, errors: [] };
        showBox(pageTexts.error, text);
        gameEnded(Module._maze_refused_exit_code());
    }

    function beginSession(options) {
        var demo = options.indexOf("--playdemo") >= 0 || options.indexOf("--timedemo") >= 0;
        session = {
            demo: demo ? options[options.length - 1] : null,
            timed: options.indexOf("--timedemo") >= 0,
            recording: options.indexOf("--record") >= 0,
            errors: [],
        };
        try {
            Module.FS.unlink("demo-result.txt");
        } catch (e) {}
        ended.hidden = true;
        window.mazePage.ended = false;
        window.mazePage.demoResult = null;
        tell(session.recording ? pageTexts.recording : demo ? filledText(pageTexts.watching, session.demo) : "");
    }

    // The first game, once Data/ and the demo asked for are in its files.
    function startFirstGame() {
        if (firstProblem !== null) {
            refuse(firstProblem);
            return;
        }
        var options = firstOptions.concat(paceOptions);
        beginSession(firstOptions);
        Module.callMain(options);
    }

    // A new game over the one running (ended first, as Escape ends it): the
    // games' options, one word to a line, no word with a break of its own.
    function begin(options) {
        Module._maze_end_game();
        beginSession(options);
        var words = options.concat(paceOptions).map(function (word) { return word.replace(/[\r\n]/g, " "); });
        Module.ccall("maze_begin", null, ["string"], [words.join("\n")]);
    }

    function record() {
        begin(["--record", RECORDING]);
    }

    // The game reads the whole file before it starts, or refuses it: the
    // page keeps no copy of it after that.
    function watch(file) {
        if (!file) return;
        Module._maze_end_game();
        // The demo's game is on its way: not ended until it ends or is refused.
        window.mazePage.ended = false;
        pageDemos.placeChosen(file).then(function (name) {
            try {
                begin(["--playdemo", name]);
            } finally {
                Module.FS.unlink(name);
            }
        }, function (error) { refuse(error.message); });
    }

    // The new game is no demo, whatever the last one was: nothing of the
    // last game's result stays on the page. Only once the game has ended: a
    // second loop over the running one would stop the runtime.
    function playAgain() {
        if (!window.mazePage.ended) return;
        beginSession([]);
        Module._maze_play_again();
    }

    // After a demo, the line a timed one appended, or the state it ended in;
    // after a recording, the recording to download; after a failed `expect`,
    // what the games say of it on standard error.
    function gameEnded(exitCode) {
        window.mazePage.ended = true;
        window.mazePage.endedAt = performance.now();
        if (document.pointerLockElement) document.exitPointerLock();
        var result = session.demo ? fileText("demo-result.txt") : null;
        var line = result && session.timed ? fileText("timedemo.txt") : result;
        tell(line ? line.trim().split("\n").pop() : "");
        window.mazePage.demoResult = result;
        if (session.recording) {
            lastRecording = fileText(RECORDING);
            saveRecording.hidden = lastRecording === null;
        }
        if (exitCode === Module._maze_expect_failed_exit_code()) showBox(pageTexts.error, session.errors.join("\n"));
        ended.hidden = false;
    }

    // The runtime itself has failed (memory, a damaged download): nothing on
    // the page can go on, and the player is told so.
    function aborted(what) {
        runtimeReady = false;
        pageControls.enable(false);
        ended.hidden = true;
        tell(pageTexts.stoppedStatus);
        showBox(pageTexts.error, filledText(pageTexts.stopped, what));
    }

    var module = {
        arguments: [],
        canvas: document.getElementById("canvas"),
        preRun: [
            function () {
                var name = firstDemo ? query.get(firstDemo) : null;
                pageDemos.loadData(name, function (problem) { firstProblem = problem; });
            },
        ],
        postRun: [startFirstGame],
        onRuntimeInitialized: function () {
            runtimeReady = true;
            pageControls.enable(true);
            tell("");
        },
        onAbort: aborted,
        print: function (text) { console.log(text); },
        printErr: function (text) {
            session.errors.push(text);
            console.warn(text);
        },
        showBox: showBox,
        gameEnded: gameEnded,
    };

    return {
        module: module,
        // False until the game's code is running, and after it has failed.
        ready: function () { return runtimeReady; },
        tell: tell,
        record: record,
        watch: watch,
        playAgain: playAgain,
        listaText: function () { return fileText("lista.txt"); },
        // The text of the last recording finished on the page, or null.
        recordingText: function () { return lastRecording; },
        recordingName: RECORDING,
    };
})();

var Module = pageSession.module;
