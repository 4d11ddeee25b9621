"""input_checks.py -- each message at its moment: merged pointer moves, taps shorter than a frame, ?fps=."""
import time

from harness import check

from recordings import while_w_held  # noqa: I100 (on the path once harness is imported)

# Key events made by the page itself: each stamped as it is sent, with no
# round trip to the browser between a key going down and up.
TAP = """
var done = arguments[arguments.length - 1];
function send(type, key, code) { document.dispatchEvent(new KeyboardEvent(type, {key: key, code: code})); }
send("keydown", arguments[0], arguments[1]);
setTimeout(function () { send("keyup", arguments[0], arguments[1]); done(); }.bind(null, arguments[0], arguments[1]),
           arguments[2]);
"""

# Twelve reports of a pointer moving right, merged by the browser into one
# event, as it merges those within a frame: made in the page, as no real
# pointer moves here. Returns the mouse messages that reached the game.
MERGED_MOVES = """
var done = arguments[arguments.length - 1];
var reports = [];
for (var i = 0; i < 12; ++i) reports.push(new PointerEvent("pointermove", {movementX: 1, movementY: 0}));
var yaw = mazePage.yaw();
document.getElementById("canvas").dispatchEvent(
    new PointerEvent("pointermove", {movementX: 1, movementY: 0, coalescedEvents: reports}));
var frames = mazePage.frames();
(function poll() {
    if (mazePage.frames() > frames + 2) done((mazePage.yaw() - yaw) / 3); else requestAnimationFrame(poll);
})();
"""


def check_input(browser):
    # Made within a millisecond: one share of the default mouse rate.
    for rate, wanted in (("0", 12), ("125", 1)):
        if browser.start("the page starts at ?mouse-rate=" + rate, "?mouse-rate=" + rate, quiet=True):
            turned = browser.execute_async_script(MERGED_MOVES)
            check("12 reports merged into one browser event at ?mouse-rate=%s: %s mouse messages" % (rate, turned),
                  turned == wanted, "not %d" % wanted)
    if browser.start("the page starts at ?record&fps=10", "?record&fps=10", quiet=True):
        browser.execute_async_script(TAP, "w", "KeyW", 30)
        time.sleep(0.3)
        browser.execute_async_script(TAP, "Escape", "Escape", 20)
        ended = browser.wait_ended()
        walked = while_w_held(browser.recording().splitlines())
        check("at ?fps=10, 'W' tapped for 30 ms walks %d steps, and Escape tapped for 20 ms ends the game"
              % walked, ended and abs(walked - 30) <= 3, "ended %s" % ended)
    if browser.start("the page starts at ?fps=10", "?fps=10", quiet=True):
        drawn = browser.over(10)[2]
        check("?fps=10 draws %d frames in 10 s" % drawn, abs(drawn - 100) <= 5, "not 100 +- 5")
