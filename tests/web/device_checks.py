"""device_checks.py -- the page's touch controls and gamepads: the same four things done by each, on one recorded
game, read back from the game's own state line, and the recording replayed by maze-sim."""
import time

from harness import check, ended_and_replayed, wait_until
from play_checks import fullscreen_and_back

# A crate's cell (99) once collected.
OPEN_FLOOR = 32
# The door of level 0, row 5, column 4, and the crate of column 2 on the way to it.
DOOR_CELL_Z, CRATE_CELL = -21.5, (0, 5, 2)
# When the page saw fingers go down and up.
TOUCH_TIMES = """
window.touchTimes = [];
["touchstart", "touchend"].forEach(function (kind) {
    document.addEventListener(kind, function () { touchTimes.push(performance.now()); }, true);
});
"""
# The pad the page is given in place of the browser's (navigator.getGamepads),
# before its script runs: a stick let go by itself once the view has turned
# 90 degrees, as a player would.
STAND_IN_PAD = """
window.pad = {connected: true, id: "stand-in", index: 0, mapping: "standard", timestamp: 0,
              axes: [0, 0, 0, 0], buttons: [], turnFrom: null};
for (var i = 0; i < 17; ++i) pad.buttons.push({pressed: false, touched: false, value: 0});
pad.press = function (i, down) { pad.buttons[i].pressed = down; pad.buttons[i].value = down ? 1 : 0; };
navigator.getGamepads = function () {
    if (pad.turnFrom !== null) {
        var yaw = Number(/yrot=(\\S+)/.exec(Module.ccall('maze_state_line', 'string', [], []))[1]);
        if (Math.abs(yaw - pad.turnFrom) >= 90) { pad.axes[2] = 0; pad.turnFrom = null; }
    }
    return [pad.connected ? pad : null];
};
"""


def state_until(browser, seconds, probe):
    """The state once `probe` holds of it, read every 20 ms; None after `seconds`."""
    def holding():
        state = browser.state()
        return state if probe(state) else None
    return wait_until(seconds, holding, 0.02)


class Touch:
    """Fingers on the screen through the DevTools protocol, as a phone sends them."""

    def __init__(self, browser):
        self.browser = browser
        self.down = {}

    def send(self, kind, fingers=None):
        points = [{"x": x, "y": y, "id": finger} for finger, (x, y) in (fingers or self.down).items()]
        self.browser.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})

    def press(self, finger, selector):
        x, y = self.browser.execute_script(
            "var r = document.querySelector(arguments[0]).getBoundingClientRect();"
            "return [r.left + r.width / 2, r.top + r.height / 2]", selector)
        self.down[finger] = (x, y)
        self.send("touchStart")

    def lift(self, finger):
        """touchEnd names the fingers that leave the screen; the others stay down."""
        self.send("touchEnd", {finger: self.down.pop(finger)})

    def hold(self, key, finger=1):
        self.press(finger, '#touch-controls [data-key="%s"]' % key)

    def tap(self, key):
        self.hold(key)
        time.sleep(0.2)
        self.lift(1)

    def drag(self, dx, count, fingers=(2,), spread=0):
        """Fingers dragged on the picture, `count` moves of dx (a finger more
        spread that much further each way, as in a pinch), a frame apart: the
        browser merges the moves within a frame into one event."""
        for finger in fingers:
            self.press(finger, "#canvas")
        for _ in range(count):
            for i, finger in enumerate(fingers):
                x, y = self.down[finger]
                self.down[finger] = (x + dx + spread * (2 * i - 1), y + abs(spread) * (2 * i - 1))
            self.send("touchMove")
            self.browser.next_frames()
        for finger in fingers:
            self.lift(finger)

    def turn(self, side):
        self.drag(40 * side, 30)
        return self.browser.state()


def pad_turn(browser, side):
    """The right stick barely past its rest: 3.3 messages a second, so that not even a turn of
    the stall bound (a quarter second) owes two, and the stick is let go at exactly 90 degrees."""
    browser.execute_script("pad.turnFrom = arguments[1]; pad.axes[2] = arguments[0]", 0.27 * side,
                           browser.state()["yrot"])
    return state_until(browser, 30, lambda s: browser.js("pad.turnFrom") is None)


def walk_until(browser, forward, lift, probe):
    forward()
    there = state_until(browser, 10, probe)
    lift()
    return there


def play_four(browser, label, forward, lift, turn, open_door, held_ms=lambda: 750):
    """Walks one cell, turns 90 degrees, collects the crate on the way, opens the door, each checked.
    `held_ms`: how long the page saw forward held for the first cell."""
    start, dropped, shown = browser.state(), browser.dropped(), browser.frames()
    forward()
    time.sleep(0.75)
    lift()
    time.sleep(0.2)
    stopped, shown = browser.state(), browser.frames() - shown
    steps = (start["centerz"] - stopped["centerz"]) * 150
    dropped = browser.dropped() - dropped
    # One step a millisecond held, give or take the frame that reads the key at either end.
    held = held_ms()
    frame_ms = (held + 200) / max(shown, 1)
    check("%s: 0.75 s of forward walks one cell (held %d ms as the page saw it: %d steps walked, %d dropped, "
          "frames of %d ms, centerz %.2f)" % (label, held, steps, dropped, frame_ms, stopped["centerz"]),
          abs(steps + dropped - held) < held / 10 + 2 * frame_ms and -15 < stopped["centerz"] < -10
          and stopped["centerz"] == browser.state()["centerz"],
          "not a step a millisecond held, into the next cell, and stopped there")
    # On, if short, to where the crate is in reach straight ahead; a finger lifts late, so only then.
    if stopped["centerz"] > -11.8:
        walk_until(browser, forward, lift, lambda s: s["centerz"] <= -11.8)
    turned = turn(1)
    check("%s: turns the view by 90 degrees (yrot %s, xrot %s)" % (label, turned and turned["yrot"],
                                                                   turned and turned["xrot"]),
          turned is not None and turned["yrot"] == 90 and turned["xrot"] == 0, "not 90")
    there = walk_until(browser, forward, lift, lambda s: s["centerx"] >= 22)
    collected = browser.js("Module._maze_cell(%d, %d, %d)" % CRATE_CELL)
    check("%s: walks into the crate and collects it (cell code %d)" % (label, collected),
          there is not None and collected == OPEN_FLOOR, "reached row 5 %s" % (there is not None))
    back = turn(-1)
    at_door = walk_until(browser, forward, lift, lambda s: s["centerz"] <= DOOR_CELL_Z)
    # Held until the door moves: a pad is read once a frame, and a frame can outlast a short press.
    open_door(True)
    lifted = state_until(browser, 5, lambda s: s["DoorUp"] > 0.1)
    open_door(False)
    check("%s: opens the door (DoorUp %s)" % (label, lifted and lifted["DoorUp"]),
          back is not None and back["yrot"] == 0 and at_door is not None and lifted is not None,
          "facing -z again %s, in the doorway %s" % (back, at_door is not None))


def emulate(browser, width, height):
    browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                            {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": True})


def check_touch(browser):
    """A phone: touch alone plays a recorded game (the four things, walking while looking, fullscreen)."""
    try:
        emulate(browser, 390, 844)
        browser.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})
        if browser.start("the page on a phone starts a recorded game", "?record"):
            touch_game(browser, Touch(browser))
    finally:
        browser.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": False})
        browser.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})


def touch_game(browser, touch):
    hidden = not browser.element("touch-controls").is_displayed()
    touch.press(2, "#canvas")
    touch.lift(2)
    shown = browser.element("touch-controls").is_displayed()
    check("the touch controls are shown once the page is touched, not before", hidden and shown,
          "hidden before %s, shown after %s" % (hidden, shown))
    # The protocol's touches reach the page 0.1 to 0.3 s late, not always by the same.
    browser.execute_script(TOUCH_TIMES)
    play_four(browser, "touch", lambda: touch.hold("W"), lambda: touch.lift(1), touch.turn,
              lambda down: touch.hold("E") if down else touch.lift(1),
              lambda: browser.js("touchTimes[1] - touchTimes[0]"))
    touch.hold("S")
    touch.hold("SHIFT", 3)
    touch.drag(40, 5)
    walking = browser.state()
    touch.drag(-40, 5)
    touch.lift(3)
    touch.lift(1)
    check("running back while a third finger looks around (yrot %s, then %s)"
          % (walking["yrot"], browser.state()["yrot"]),
          walking["yrot"] == 15 and browser.state()["yrot"] == 0 and walking["centerz"] > -22,
          "the look or the walk was lost")
    touch.drag(0, 5, (2, 3), 60)
    gestures = browser.js("[window.scrollY, visualViewport.scale]")
    check("a pinch on the picture neither scrolls nor zooms the page (scroll %s, scale %s)" % tuple(gestures),
          gestures == [0, 1], "the browser took the gesture")
    browser.keep("touch-phone")
    shown, back = fullscreen_and_back(browser, lambda: touch.tap("F1"), "stage")
    check("Full screen shows the picture with its controls, and again brings the page back", shown and back,
          "fullscreen %s, back %s" % (shown, back))
    emulate(browser, 820, 1180)
    browser.next_frames(2)
    browser.keep("touch-tablet")
    touch.hold("ESCAPE")
    ended = browser.wait_ended()
    touch.lift(1)
    ended_and_replayed(browser, "touch", "End ends the game; its recording, Run as Shift held, "
                       "replays to its last state in maze-sim", ended, ["async 16 down"])


def check_gamepad(browser):
    """A gamepad the page is given in place of the browser's: the same four things, pulled out, Start."""
    script = browser.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": STAND_IN_PAD})
    try:
        if browser.start("the page with a gamepad starts a recorded game", "?record"):
            gamepad_game(browser)
    finally:
        browser.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", {"identifier": script["identifier"]})


def gamepad_game(browser):
    pad = browser.execute_script
    play_four(browser, "gamepad", lambda: pad("pad.axes[1] = -1"), lambda: pad("pad.axes[1] = 0"),
              lambda side: pad_turn(browser, side), lambda down: pad("pad.press(0, arguments[0])", down))
    before = browser.state()
    pad("pad.press(12, true); pad.press(4, true)")
    walking = state_until(browser, 5, lambda s: s["centerz"] != before["centerz"])
    pad("pad.connected = false")
    time.sleep(0.3)
    gone = browser.state()
    time.sleep(0.3)
    check("the pad pulled out while the d-pad walks (running) stops the walk",
          walking is not None and browser.state()["centerz"] == gone["centerz"],
          "walking %s, then walked on" % (walking is not None))
    pad("pad.connected = true; pad.press(12, false); pad.press(4, false); pad.press(9, true)")
    ended_and_replayed(browser, "gamepad", "Start ends the game; its recording, a shoulder as Shift held, "
                       "replays to its last state in maze-sim", browser.wait_ended(), ["async 16 down", "async 16 up"])
