// page.js -- the page around the game: Data/ fetched into its files, the game's boxes, its end, lista.txt.
"use strict";

var Module = (function () {
    var canvas = document.getElementById("canvas");
    var status = document.getElementById("status");
    var ended = document.getElementById("ended");
    var bitmaps = ["Data/Crate.bmp", "Data/Land.bmp", "Data/Door.bmp"];
    var runtimeReady = false;
    // ?playdemo=FILE or ?timedemo=FILE: a demo beside the page, played as the
    // games' options of the same names play it.
    var query = new URLSearchParams(window.location.search);
    var demoOption = query.has("timedemo") ? "--timedemo" : query.has("playdemo") ? "--playdemo" : null;
    var demoFile = demoOption ? query.get(demoOption.slice(2)).replace(/^.*\//, "") : null;
    // ?pace=N: steps a second, as the games' --pace N; the game refuses a bad one in its box.
    var options = demoFile ? [demoOption, demoFile] : [];
    if (query.has("pace")) options.push("--pace", query.get("pace"));

    // Each bitmap lies beside the page as beside the program on disk; one that
    // is not there is simply missing from the game's files, as it would be.
    function fetchOrNothing(path) {
        return fetch(path)
            .then(function (response) { return response.ok ? response.arrayBuffer() : null; })
            .catch(function () { return null; });
    }

    function loadData() {
        Module.addRunDependency("Data");
        Promise.all(bitmaps.map(fetchOrNothing)).then(function (contents) {
            Module.FS.mkdir("Data");
            contents.forEach(function (bytes, i) {
                if (bytes) Module.FS.writeFile(bitmaps[i], new Uint8Array(bytes));
            });
            Module.removeRunDependency("Data");
        });
        if (demoFile) {
            Module.addRunDependency("demo");
            fetchOrNothing(demoFile).then(function (bytes) {
                if (bytes) Module.FS.writeFile(demoFile, new Uint8Array(bytes));
                Module.removeRunDependency("demo");
            });
        }
    }

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

    // After a demo, the line a timed one appended, or the state it ended in.
    function gameEnded() {
        window.mazePage.ended = true;
        window.mazePage.endedAt = performance.now();
        if (document.pointerLockElement) document.exitPointerLock();
        var result = demoFile ? fileText("timedemo.txt") || fileText("demo-result.txt") : null;
        status.textContent = result ? result.trim().split("\n").pop() : "";
        window.mazePage.demoResult = demoFile ? fileText("demo-result.txt") : null;
        ended.hidden = false;
    }

    function listaText() {
        return fileText("lista.txt");
    }

    function download() {
        var text = listaText();
        if (text === null) {
            status.textContent = "No lines in lista.txt yet: hold space while playing.";
            return;
        }
        var link = document.createElement("a");
        link.href = URL.createObjectURL(new Blob([text], { type: "text/plain" }));
        link.download = "lista.txt";
        link.click();
        setTimeout(function () { URL.revokeObjectURL(link.href); }, 0);
    }

    // A button keeps the focus after a click, and space or Return would press it again mid-game.
    function onButton(id, action) {
        var button = document.getElementById(id);
        button.addEventListener("click", function () {
            button.blur();
            action();
        });
    }

    onButton("download", download);
    // The new game is no demo, whatever the last one was: nothing of the
    // last game's result stays on the page.
    onButton("again", function () {
        ended.hidden = true;
        demoFile = null;
        status.textContent = "";
        window.mazePage.demoResult = null;
        window.mazePage.ended = false;
        Module._maze_play_again();
    });

    // What the browser test reads back.
    window.mazePage = {
        ended: false,
        listaText: listaText,
        // 0 until the game's code is running: asked earlier, its exports are not there yet.
        frames: function () { return runtimeReady ? Module._maze_frame_count() : 0; },
        // The steps of the game now running: a thousand a second at the default pace.
        steps: function () { return runtimeReady ? Module._maze_step_count() : 0; },
        // Steps the game dropped where a frame took longer than the catch-up allows.
        dropped: function () { return runtimeReady ? Module._maze_dropped_count() : 0; },
    };

    return {
        arguments: options,
        canvas: canvas,
        preRun: [loadData],
        onRuntimeInitialized: function () {
            runtimeReady = true;
            status.textContent = "";
        },
        print: function (text) { console.log(text); },
        printErr: function (text) { console.warn(text); },
        showBox: showBox,
        gameEnded: gameEnded,
    };
})();
