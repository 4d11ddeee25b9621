// page.js -- the page around the game: Data/ fetched into its files, the game's boxes, its end,
// lista.txt, recordings and demos watched.
//
// Kept as they are for the tests of every build: ?record, the file input
// #watch, the button #download-recording, and window.mazePage's
// recordingText(), demoResult and ended.
"use strict";

var Module = (function () {
    var canvas = document.getElementById("canvas");
    var status = document.getElementById("status");
    var ended = document.getElementById("ended");
    var saveRecording = document.getElementById("download-recording");
    var bitmaps = ["Data/Crate.bmp", "Data/Land.bmp", "Data/Door.bmp"];
    var runtimeReady = false;

    var texts = {
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

    function filled(text, a, b) {
        return text.replace("%s", a).replace("%s", b);
    }

    // The games refuse a demo larger than this. A larger file is handed over
    // cut one byte beyond it, for the game to refuse, never read whole.
    var DEMO_LIMIT = 16 * 1024 * 1024;
    var RECORDING = "maze-recording.script";
    // The player's files go in a folder of their own, so that a name the game
    // writes (demo-result.txt) or one of the page's folders (dev, tmp) is just
    // a demo's name there.
    var CHOSEN = "chosen";

    // ?record, ?playdemo=FILE or ?timedemo=FILE, ?pace=N, ?fps=N and
    // ?mouse-rate=N: the games' options of the same names; the demo a file
    // beside the page.
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

    function showBox(caption, text) {
        document.getElementById("box-caption").textContent = caption;
        document.getElementById("box-text").textContent = text;
        var box = document.getElementById("box");
        if (!box.open) box.showModal();
    }

    // A name the page fetches beside itself and nowhere else: no scheme, host
    // or folder in it, nothing hidden, nothing the address would read as more.
    function isPlainName(name) {
        return name !== null && name !== "" && name[0] !== "." && !/[\/\\:\x00-\x1f\x7f]/.test(name);
    }

    // The player's file by a name as plain: what the browser gives is a name
    // already, but one written by anybody.
    function plainName(name) {
        var plain = name.replace(/[\/\\:\x00-\x1f\x7f]/g, "_").replace(/^\.+/, "");
        return plain === "" ? "demo.script" : plain;
    }

    function isFolder(name) {
        var found = Module.FS.analyzePath(name);
        return found.exists && Module.FS.isDir(found.object.mode);
    }

    // At most one byte beyond the games' limit, and only that read.
    function readDemo(blob) {
        return blob.slice(0, DEMO_LIMIT + 1).arrayBuffer();
    }

    // Beside the page: the name escaped whole, so that the address keeps it
    // one file of the page's folder; a redirect would lead elsewhere.
    function fetchDemo(name) {
        return fetch(encodeURIComponent(name), { redirect: "error" })
            .catch(function (error) { throw new Error(filled(texts.cannotFetch, name, error.message)); })
            .then(function (response) {
                if (!response.ok) {
                    throw new Error(filled(texts.cannotFetch, name, response.status + " " + response.statusText));
                }
                return response.blob();
            })
            .then(readDemo);
    }

    // The demo into the game's files, as it would lie beside the program.
    function placeDemo(name, bytes) {
        Module.FS.writeFile(name, new Uint8Array(bytes));
    }

    // The page's own refusal of a demo, as the game shows its own: the box,
    // and no game.
    function refuse(text) {
        session = { demo: null, timed: false, recording: false, errors: [] };
        showBox(texts.error, text);
        gameEnded(2);
    }

    // Each bitmap lies beside the page as beside the program on disk; one that
    // is not there is simply missing from the game's files, as it would be.
    function fetchOrNothing(path) {
        return fetch(path)
            .then(function (response) { return response.ok ? response.arrayBuffer() : null; })
            .catch(function () { return null; });
    }

    function loadFirstDemo() {
        var name = query.get(firstDemo);
        if (!isPlainName(name)) return Promise.reject(new Error(filled(texts.notPlain, name)));
        if (isFolder(name)) return Promise.reject(new Error(filled(texts.folder, name)));
        return fetchDemo(name).then(function (bytes) { placeDemo(name, bytes); });
    }

    function loadData() {
        Module.addRunDependency("Data");
        Promise.all(bitmaps.map(fetchOrNothing))
            .then(function (contents) {
                Module.FS.mkdir("Data");
                contents.forEach(function (bytes, i) {
                    if (bytes) Module.FS.writeFile(bitmaps[i], new Uint8Array(bytes));
                });
                if (firstDemo) return loadFirstDemo();
            })
            .catch(function (error) { firstProblem = error.message; })
            .then(function () { Module.removeRunDependency("Data"); });
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
        status.textContent = session.recording ? texts.recording : demo ? filled(texts.watching, session.demo) : "";
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
        var name = CHOSEN + "/" + plainName(file.name);
        if (!Module.FS.analyzePath(CHOSEN).exists) Module.FS.mkdir(CHOSEN);
        readDemo(file)
            .then(function (bytes) { placeDemo(name, bytes); })
            .then(function () {
                try {
                    begin(["--playdemo", name]);
                } finally {
                    Module.FS.unlink(name);
                }
            }, function (error) { refuse(filled(texts.cannotRead, name, error.message)); });
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
        status.textContent = line ? line.trim().split("\n").pop() : "";
        window.mazePage.demoResult = result;
        if (session.recording) {
            lastRecording = fileText(RECORDING);
            saveRecording.hidden = lastRecording === null;
        }
        if (exitCode === 1) showBox(texts.error, session.errors.join("\n"));
        ended.hidden = false;
    }

    // The runtime itself has failed (memory, a damaged download): nothing on
    // the page can go on, and the player is told so.
    function aborted(what) {
        runtimeReady = false;
        setControls(false);
        ended.hidden = true;
        status.textContent = texts.stoppedStatus;
        showBox(texts.error, filled(texts.stopped, what));
    }

    function listaText() {
        return fileText("lista.txt");
    }

    function offer(text, name) {
        var link = document.createElement("a");
        link.href = URL.createObjectURL(new Blob([text], { type: "text/plain" }));
        link.download = name;
        link.click();
        setTimeout(function () { URL.revokeObjectURL(link.href); }, 0);
    }

    function download() {
        var text = listaText();
        if (text === null) {
            status.textContent = texts.noLista;
            return;
        }
        offer(text, "lista.txt");
    }

    // A button keeps the focus after a click, and space or Return would press it again mid-game.
    function onButton(id, action) {
        var button = document.getElementById(id);
        button.addEventListener("click", function () {
            button.blur();
            if (runtimeReady) action();
        });
    }

    function setControls(enabled) {
        ["record", "watch", "download", "again"].forEach(function (id) {
            document.getElementById(id).disabled = !enabled;
        });
    }

    onButton("download", download);
    onButton("download-recording", function () { offer(lastRecording, RECORDING); });
    onButton("record", record);
    // The new game is no demo, whatever the last one was: nothing of the
    // last game's result stays on the page. Only once the game has ended: a
    // second loop over the running one would stop the runtime.
    onButton("again", function () {
        if (!window.mazePage.ended) return;
        beginSession([]);
        Module._maze_play_again();
    });

    // The chosen file, then the focus back to the page: on the input, space
    // would open the chooser again.
    var chooser = document.getElementById("watch");
    chooser.addEventListener("change", function () {
        var file = chooser.files[0];
        chooser.value = "";
        chooser.blur();
        if (runtimeReady) watch(file);
    });
    canvas.addEventListener("dragover", function (event) {
        event.preventDefault();
        event.dataTransfer.dropEffect = "copy";
    });
    canvas.addEventListener("drop", function (event) {
        event.preventDefault();
        if (runtimeReady) watch(event.dataTransfer.files[0]);
    });

    // What the browser test reads back.
    window.mazePage = {
        ended: false,
        demoResult: null,
        listaText: listaText,
        // The text of the last recording finished on the page, or null.
        recordingText: function () { return lastRecording; },
        // 0 until the game's code is running: asked earlier, its exports are not there yet.
        frames: function () { return runtimeReady ? Module._maze_frame_count() : 0; },
        // The steps of the game now running: a thousand a second at the default pace.
        steps: function () { return runtimeReady ? Module._maze_step_count() : 0; },
        // Steps the game dropped where a frame took longer than the catch-up allows.
        dropped: function () { return runtimeReady ? Module._maze_dropped_count() : 0; },
        // The view's yaw: 3 degrees a mouse message.
        yaw: function () { return runtimeReady ? Module._maze_yaw() : 0; },
    };

    return {
        arguments: [],
        canvas: canvas,
        preRun: [loadData],
        postRun: [startFirstGame],
        onRuntimeInitialized: function () {
            runtimeReady = true;
            setControls(true);
            status.textContent = "";
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
})();
