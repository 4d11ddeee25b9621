// touch.js -- the page played by touch: controls for a thumb, shown once the page is touched,
// and a finger dragged on the picture to look around. Each control is a key of the game,
// handed to it as the key's message (maze_touch_key); each move of a drag is one mouse
// message toward its side (maze_touch_look), at the mouse rate.
"use strict";

(function () {
    var stage = document.getElementById("stage");
    var canvas = document.getElementById("canvas");
    var VK = { W: 87, S: 83, SHIFT: 16, E: 69, ESCAPE: 27, F1: 112 };
    var looking = {}; // finger -> where it last was, for each finger dragged on the picture
    var pressing = {}; // finger -> the key of the control it holds

    function ready() {
        return typeof Module !== "undefined" && typeof Module._maze_touch_key === "function";
    }

    function key(vk, down) {
        if (ready()) Module._maze_touch_key(vk, down ? 1 : 0);
    }

    // Two fingers on one control hold it until both are off it.
    function held(vk) {
        return Object.keys(pressing).some(function (finger) { return pressing[finger] === vk; });
    }

    // Shown once, on the first touch: a page played with a mouse and keyboard stays as it is.
    // Fullscreen then takes the controls along with the picture, and the page no longer zooms.
    function touchMode() {
        if (document.body.classList.contains("touch")) return;
        document.body.classList.add("touch");
        document.documentElement.style.overscrollBehavior = "none"; // no pull to refresh
        Module.fullscreenTarget = stage;
        var viewport = document.querySelector("meta[name=viewport]");
        if (viewport) viewport.content = "width=device-width, initial-scale=1, maximum-scale=1, user-scalable=no";
    }

    function control(target) {
        var button = target.closest ? target.closest("#touch-controls button") : null;
        return button ? VK[button.dataset.key] : undefined;
    }

    function start(event) {
        event.preventDefault();
        touchMode();
        Array.prototype.forEach.call(event.changedTouches, function (touch) {
            var vk = control(touch.target);
            if (vk === VK.F1) {
                pressing[touch.identifier] = vk; // asked for when the finger lifts: the browser allows it then
            } else if (vk !== undefined) {
                if (!held(vk)) key(vk, true);
                pressing[touch.identifier] = vk;
            } else if (touch.target === canvas) {
                looking[touch.identifier] = { x: touch.clientX, y: touch.clientY };
            }
        });
    }

    function move(event) {
        event.preventDefault();
        Array.prototype.forEach.call(event.changedTouches, function (touch) {
            var last = looking[touch.identifier];
            if (!last) return;
            var dx = touch.clientX - last.x, dy = touch.clientY - last.y;
            if (dx === 0 && dy === 0) return;
            looking[touch.identifier] = { x: touch.clientX, y: touch.clientY };
            if (ready()) Module._maze_touch_look(dx, dy);
        });
    }

    // F1 goes down alone: the game's loop lets go of it once it has toggled, as after a key.
    function end(event) {
        event.preventDefault();
        Array.prototype.forEach.call(event.changedTouches, function (touch) {
            var vk = pressing[touch.identifier];
            delete pressing[touch.identifier];
            delete looking[touch.identifier];
            if (vk === VK.F1) {
                if (event.type === "touchend") key(vk, true);
            } else if (vk !== undefined && !held(vk)) {
                key(vk, false);
            }
        });
    }

    // Not passive: the browser's own gestures (scrolling, zooming, pull to refresh, the
    // mouse events it would make up from a tap) never start on the picture or the controls.
    var active = { passive: false };
    stage.addEventListener("touchstart", start, active);
    stage.addEventListener("touchmove", move, active);
    stage.addEventListener("touchend", end, active);
    stage.addEventListener("touchcancel", end, active);
    stage.addEventListener("contextmenu", function (event) { event.preventDefault(); });
    document.addEventListener("touchstart", touchMode, { passive: true });
})();
