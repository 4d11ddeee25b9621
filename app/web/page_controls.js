// page_controls.js -- the page's buttons, its file chooser and a demo dropped on the picture,
// each doing nothing until the game's code runs. Kept as they are for the tests of every build:
// #record, the file input #watch and the button #download-recording.
"use strict";

var pageControls = (function () {
    var canvas = document.getElementById("canvas");

    function offer(text, name) {
        var link = document.createElement("a");
        link.href = URL.createObjectURL(new Blob([text], { type: "text/plain" }));
        link.download = name;
        link.click();
        setTimeout(function () { URL.revokeObjectURL(link.href); }, 0);
    }

    function downloadLista() {
        var text = pageSession.listaText();
        if (text === null) {
            pageSession.tell(pageTexts.noLista);
            return;
        }
        offer(text, "lista.txt");
    }

    // A button keeps the focus after a click, and space or Return would press it again mid-game.
    function onButton(id, action) {
        var button = document.getElementById(id);
        button.addEventListener("click", function () {
            button.blur();
            if (pageSession.ready()) action();
        });
    }

    function enable(enabled) {
        ["record", "watch", "download", "again"].forEach(function (id) {
            document.getElementById(id).disabled = !enabled;
        });
    }

    onButton("download", downloadLista);
    onButton("download-recording", function () { offer(pageSession.recordingText(), pageSession.recordingName); });
    onButton("record", pageSession.record);
    onButton("again", pageSession.playAgain);

    // The chosen file, then the focus back to the page: on the input, space
    // would open the chooser again.
    var chooser = document.getElementById("watch");
    chooser.addEventListener("change", function () {
        var file = chooser.files[0];
        chooser.value = "";
        chooser.blur();
        if (pageSession.ready()) pageSession.watch(file);
    });
    canvas.addEventListener("dragover", function (event) {
        event.preventDefault();
        event.dataTransfer.dropEffect = "copy";
    });
    canvas.addEventListener("drop", function (event) {
        event.preventDefault();
        if (pageSession.ready()) pageSession.watch(event.dataTransfer.files[0]);
    });

    return { enable: enable };
})();
