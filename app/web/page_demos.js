// page_demos.js -- the files the page hands the game: Data/ and the demo its address names,
// fetched beside the page, or a demo of the player's, chosen or dropped; each written into the
// game's files as it would lie beside the program.
"use strict";

var pageDemos = (function () {
    var bitmaps = ["Data/Crate.bmp", "Data/Land.bmp", "Data/Door.bmp"];
    // The player's files go in a folder of their own, so that a name the game
    // writes (demo-result.txt) or one of the page's folders (dev, tmp) is just
    // a demo's name there.
    var CHOSEN = "chosen";

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

    // At most one byte beyond the games' limit, and only that read: a larger
    // file is handed over cut there, for the game to refuse, never read whole.
    // The game's code is there from the first file fetched on, before it runs.
    function readDemo(blob) {
        return blob.slice(0, Module._maze_demo_limit() + 1).arrayBuffer();
    }

    // Beside the page: the name escaped whole, so that the address keeps it
    // one file of the page's folder; a redirect would lead elsewhere.
    function fetchDemo(name) {
        return fetch(encodeURIComponent(name), { redirect: "error" })
            .catch(function (error) { throw new Error(filledText(pageTexts.cannotFetch, name, error.message)); })
            .then(function (response) {
                if (!response.ok) {
                    var why = response.status + " " + response.statusText;
                    throw new Error(filledText(pageTexts.cannotFetch, name, why));
                }
                return response.blob();
            })
            .then(readDemo);
    }

    function placeDemo(name, bytes) {
        Module.FS.writeFile(name, new Uint8Array(bytes));
    }

    // Each bitmap lies beside the page as beside the program on disk; one that
    // is not there is simply missing from the game's files, as it would be.
    function fetchOrNothing(path) {
        return fetch(path)
            .then(function (response) { return response.ok ? response.arrayBuffer() : null; })
            .catch(function () { return null; });
    }

    function loadFirstDemo(name) {
        if (!isPlainName(name)) return Promise.reject(new Error(filledText(pageTexts.notPlain, name)));
        if (isFolder(name)) return Promise.reject(new Error(filledText(pageTexts.folder, name)));
        return fetchDemo(name).then(function (bytes) { placeDemo(name, bytes); });
    }

    // Before the first game: the bitmaps, and the demo named `firstDemo` (none
    // when null; an empty name is refused). `done` is told what stops that demo from playing, or null; the
    // game's code waits for both.
    function loadData(firstDemo, done) {
        Module.addRunDependency("Data");
        Promise.all(bitmaps.map(fetchOrNothing))
            .then(function (contents) {
                Module.FS.mkdir("Data");
                contents.forEach(function (bytes, i) {
                    if (bytes) Module.FS.writeFile(bitmaps[i], new Uint8Array(bytes));
                });
                if (firstDemo !== null) return loadFirstDemo(firstDemo);
            })
            .then(function () { done(null); }, function (error) { done(error.message); })
            .then(function () { Module.removeRunDependency("Data"); });
    }

    // The player's file among the game's files: the name it has there, or a
    // rejection with what to tell the player.
    function placeChosen(file) {
        var name = CHOSEN + "/" + plainName(file.name);
        if (!Module.FS.analyzePath(CHOSEN).exists) Module.FS.mkdir(CHOSEN);
        return readDemo(file)
            .then(function (bytes) {
                placeDemo(name, bytes);
                return name;
            })
            .catch(function (error) { throw new Error(filledText(pageTexts.cannotRead, name, error.message)); });
    }

    return { loadData: loadData, placeChosen: placeChosen };
})();
