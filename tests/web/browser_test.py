#!/usr/bin/python3
"""browser_test.py -- the web build played in a real headless Chromium, driven by Selenium.

    tests/web/browser_test.py BUILD_DIR        e.g. build/web

Serves BUILD_DIR (index.html, page.js, maze.js, maze.wasm, Data/) on 127.0.0.1
with Python's http.server and plays the page: it loads with no console error;
its pictures at rest, after one mouse move and facing the stairs match
tests/e2e/reference/ as the native games' do; 'W' held moves the view; space
held appends pairs to "lista.txt" (read back through the page); F1 goes
fullscreen and back; Escape ends the game and "Play again" starts another; without Data/ the page shows the
game's "ERROR" / "Initialization Failed." box. Recordings made on the page
replay exactly in maze-sim; a chosen demo plays to its end, a malformed one
is refused; a demo's name in the address is a plain file beside the page or
refused; a long demo fits in memory, and a failed runtime is told. Input
reaches the game at its moment: reports the browser merged are as many mouse
messages up to ?mouse-rate=, a 30 ms tap walks 30 steps, a 20 ms Escape ends
the game, ?fps=10 draws 100 frames in 10 s; a watched demo keeps the pace,
counting the steps run only. On a phone (mobile emulation, touches through
the DevTools protocol), and with a stand-in gamepad, a recorded game walks a
cell, turns 90 degrees, collects a crate and opens the door, and its
recording replays in every maze-sim built. Prints one
line per check and closes with "N passed, M failed"; exit status 1 on a
failure. WEB_KEEP=DIR keeps the pictures in DIR; WEB_ONLY=GROUP,... runs
those groups alone (the names in GROUPS). Run with Debian's python3
(python3-selenium).
"""
import os
import re
import shutil
import socket
import subprocess
import sys
import tempfile
import time

from selenium import webdriver
from selenium.common.exceptions import WebDriverException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

HERE = os.path.dirname(os.path.abspath(__file__))
REFERENCE = os.path.join(HERE, "..", "e2e", "reference")
TITLE = "Tamblin 1.OpenGL_game"
# The references are the native game's pictures (Mesa's llvmpipe); the page
# draws with SwiftShader, whose texture filtering rounds differently (6500
# pixels differ by 1% or more), and a polygon edge can fall one pixel the other
# way: measured, at most 52 pixels beyond 10%. Allowed, as between the native
# games: 10% per pixel, and 80 pixels beyond that. WebGL's own 24-bit depth
# buffer in place of the game's 16 bits shows a seam of 119 to 223 pixels; a
# missing wall or texture changes tens of thousands, a turn of 3 degrees over
# 300000.
FUZZ_PERCENT = 10
MAX_DIFFERING = 80

results = {"passed": 0, "failed": 0}


def say(line):
    print(line, flush=True)


def check(label, ok, why=""):
    results["passed" if ok else "failed"] += 1
    say(("PASS  " + label) if ok else ("FAIL  %s: %s" % (label, why)))
    return ok


def wait_until(seconds, probe):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        value = probe()
        if value:
            return value
        time.sleep(0.1)
    return probe()


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class Server:
    """python3 -m http.server on a free port of 127.0.0.1, serving one folder."""

    def __init__(self, folder):
        self.port = free_port()
        self.process = subprocess.Popen(
            [sys.executable, "-m", "http.server", "--bind", "127.0.0.1", str(self.port), "--directory", folder],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.url = "http://127.0.0.1:%d/" % self.port
        if not wait_until(10, self.answers):
            raise RuntimeError("http.server did not answer on port %d" % self.port)

    def answers(self):
        try:
            with socket.create_connection(("127.0.0.1", self.port), timeout=1):
                return True
        except OSError:
            return False

    def stop(self):
        self.process.terminate()
        try:
            self.process.wait(5)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


def start_browser(profile):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless=new", "--no-sandbox", "--use-angle=swiftshader", "--enable-unsafe-swiftshader",
                 "--no-first-run", "--disable-background-networking", "--disable-component-update",
                 "--disable-sync", "--window-size=800,1000", "--user-data-dir=" + profile):
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.set_page_load_timeout(30)
    driver.set_script_timeout(30)
    return driver


def console_errors(driver):
    return [entry["message"] for entry in driver.get_log("browser") if entry["level"] == "SEVERE"]


def frames(driver):
    return driver.execute_script("return mazePage.frames()")


def frames_after(driver, start, count=1):
    """True once the game has drawn `count` frames beyond the count `start`; False after 20 s."""
    return bool(wait_until(20, lambda: frames(driver) >= start + count))


def next_frames(driver, count=1):
    """True once the game has drawn `count` more frames; False after 20 s."""
    return frames_after(driver, frames(driver), count)


def colours(path):
    """The number of colours in a picture: one where the game has drawn nothing
    yet, and in its first frame, whose view vector is still zero."""
    run = subprocess.run(["identify", "-format", "%k", path], capture_output=True, text=True)
    try:
        return int(run.stdout)
    except ValueError:
        return 0


class Pictures:
    def __init__(self, driver, folder):
        self.driver = driver
        self.folder = folder
        self.canvas = driver.find_element(By.ID, "canvas")
        self.trouble = ""

    def shoot(self, name):
        path = os.path.join(self.folder, name + ".png")
        self.canvas.screenshot(path)
        return path

    def settle(self, name):
        """The canvas once the game has drawn into it and two pictures a few
        frames apart are the same; None, with the reason in self.trouble, if
        not within 30 s. Equal pictures prove nothing without frames drawn
        between them, nor while the canvas is one colour."""
        path = self.shoot(name)
        end = time.monotonic() + 30
        while time.monotonic() < end:
            with open(path, "rb") as f:
                before = f.read()
            if not next_frames(self.driver, 2):
                self.trouble = "no frames drawn in 20 s"
                return None
            self.shoot(name)
            with open(path, "rb") as f:
                if f.read() == before and colours(path) > 1:
                    return path
        if colours(path) > 1:
            self.trouble = "the picture never came to rest in 30 s"
        else:
            self.trouble = "the game drew nothing into the canvas in 30 s (one colour)"
        return None


def differing(a, b, fuzz):
    run = subprocess.run(["compare", "-metric", "AE", "-fuzz", "%g%%" % fuzz, a, b, "null:"],
                         capture_output=True, text=True)
    try:
        return int(float(run.stderr.split()[0]))
    except (IndexError, ValueError):
        return 307200


def like_reference(label, pictures, name, moved=True):
    """The canvas at rest is the reference NAME; `moved` False: a mouse move
    before it was not followed by a frame, and the next may have merged with it."""
    if not moved:
        return check(label, False, "no frame drawn in 20 s after a mouse move")
    picture = pictures.settle(name)
    if picture is None:
        return check(label, False, pictures.trouble)
    reference = os.path.join(REFERENCE, name + ".png")
    count = differing(picture, reference, FUZZ_PERCENT)
    return check("%s: %d of 307200 pixels differ from reference/%s.png by more than %d%%"
                 % (label, count, name, FUZZ_PERCENT), count <= MAX_DIFFERING, "%d > %d (%s)"
                 % (count, MAX_DIFFERING, picture))


class Pointer:
    """Pointer moves sent one at a time, a frame apart: the browser would merge
    moves within one frame into one event, and the game turns once per event."""

    def __init__(self, driver):
        self.driver = driver
        # On the page, off the canvas: the browser measures the next move from here.
        self.x, self.y = 20, 8
        self.dispatch()

    def dispatch(self):
        self.driver.execute_cdp_cmd("Input.dispatchMouseEvent",
                                    {"type": "mouseMoved", "x": self.x, "y": self.y, "button": "none"})

    def move(self, dx, dy):
        """False if no frame followed within 20 s."""
        self.x += dx
        self.y += dy
        self.dispatch()
        return next_frames(self.driver)

    def turn(self, right, down, count):
        return all(self.move(right, down) for _ in range(count))


def hold(driver, key, seconds):
    """KEY down for SECONDS, and on until the game has drawn a frame since it
    went down: the game reads its keys once a frame, and a key that is up again
    before the next frame was never pressed for it. False if no frame came
    within 20 s."""
    ActionChains(driver).key_down(key).perform()
    start = frames(driver)
    time.sleep(seconds)
    seen = frames_after(driver, start)
    ActionChains(driver).key_up(key).perform()
    return seen


def check_pictures(pictures, pointer):
    like_reference("start view", pictures, "still")
    # Onto the canvas from above and left of it: one move right and down.
    moved = pointer.move(300, 220)
    like_reference("one mouse move turns and tilts the view", pictures, "turned", moved)
    moved = pointer.turn(1, 0, 21) and pointer.turn(0, -1, 1)
    like_reference("22 more mouse moves face the stairs", pictures, "stairs", moved)


def check_walking(driver, pictures):
    label = "'W' held moves the view"
    still = pictures.settle("before-walking")
    if still is None:
        return check(label, False, "before walking " + pictures.trouble)
    if not hold(driver, "w", 1.5):
        return check(label, False, "no frame drawn in 20 s with 'W' down")
    walked = pictures.settle("walked")
    if walked is None:
        return check(label, False, "after walking " + pictures.trouble)
    count = differing(still, walked, FUZZ_PERCENT)
    return check("%s (%d pixels changed)" % (label, count), count > 10000, "the picture barely changed")


def check_space(driver, seconds=2.0):
    start = frames(driver)
    held = hold(driver, Keys.SPACE, seconds)
    held_frames = frames(driver) - start
    # One frame after the key went up: every frame that read it down is over.
    after = next_frames(driver)
    text = driver.execute_script("return mazePage.listaText()") or ""
    lines = text.splitlines()
    pairs = lines.count("fok = 72.079323")
    dashes = lines.count("-" * 54)
    others = len(lines) - pairs - dashes
    # Every frame while space is down writes a pair and asks for 100 ms more.
    ok = pairs >= 1 and pairs == dashes and others == 0 and pairs <= seconds * 10 + 2 and pairs <= held_frames + 1
    check("space held %.1f s appends %d pairs to lista.txt in %d frames (read back through the page)"
          % (seconds, pairs, held_frames), ok and held and after,
          "%d dash lines, %d fok lines, %d others; a frame with the key down: %s, after it: %s"
          % (dashes, pairs, others, held, after))


def fullscreen_element(driver):
    return driver.execute_script("return document.fullscreenElement && document.fullscreenElement.id")


def check_fullscreen(driver):
    pressed = hold(driver, Keys.F1, 1.0)
    shown = wait_until(5, lambda: fullscreen_element(driver) == "canvas")
    pressed = hold(driver, Keys.F1, 1.0) and pressed
    back = wait_until(5, lambda: fullscreen_element(driver) is None)
    going = next_frames(driver, 2) and not driver.execute_script("return mazePage.ended")
    check("F1 shows the canvas alone fullscreen, F1 again brings the page back, the game goes on",
          shown and back and going, "fullscreen %s, back %s, frames going on %s, a frame with each F1 down %s"
          % (shown, back, going, pressed))


def check_escape(driver):
    # Held until the game ends: the game reads its key table once a frame, and
    # a frame of SwiftShader on a busy machine can outlast a short press.
    ActionChains(driver).key_down(Keys.ESCAPE).perform()
    ended = wait_until(10, lambda: driver.execute_script("return mazePage.ended"))
    ActionChains(driver).key_up(Keys.ESCAPE).perform()
    shown = driver.find_element(By.ID, "ended").is_displayed()
    check("Escape ends the game and the page says so", ended and shown, "ended=%s, message shown=%s" % (ended, shown))
    stopped = frames(driver)
    time.sleep(0.5)
    check("no frames after the end", frames(driver) == stopped, "the frame count went on")
    if not shown:
        return
    driver.find_element(By.ID, "again").click()
    again = wait_until(10, lambda: frames(driver) > stopped + 2 and not driver.execute_script("return mazePage.ended"))
    check("\"Play again\" starts a new game", again, "no new frames")


def check_frame_time(driver, seconds=3.0):
    start, began = frames(driver), time.monotonic()
    time.sleep(seconds)
    count = frames(driver) - start
    elapsed = time.monotonic() - began
    if count > 0:
        say("INFO  frame time of the page: %.1f ms (%d frames in %.1f s)" % (1000 * elapsed / count, count, elapsed))


# The game's pace: a thousand steps a second, whatever the page's frame rate.
PACE = 1000
PACE_TOLERANCE = 0.03


def steps(driver):
    return driver.execute_script("return mazePage.steps()")


def dropped(driver):
    return driver.execute_script("return mazePage.dropped()")


# A turn makes up at most a quarter of a second: only a stall drops steps,
# and the steps run alone keep the pace; those dropped are told beside them.
def within_pace(count, seconds):
    return abs(count / seconds - PACE) <= PACE * PACE_TOLERANCE


def check_pace(driver, seconds=float(os.environ.get("WEB_HOLD_SECONDS", "3"))):
    """'W' held: the page runs its steps at the pace, several to each frame it shows."""
    ActionChains(driver).key_down("w").perform()
    first_steps, first_dropped, first_frames = steps(driver), dropped(driver), frames(driver)
    began = time.monotonic()
    time.sleep(seconds)
    count, lost, shown = steps(driver) - first_steps, dropped(driver) - first_dropped, frames(driver) - first_frames
    elapsed = time.monotonic() - began
    ActionChains(driver).key_up("w").perform()
    check("several steps to a frame shown", 0 < shown < count, "%d steps, %d frames" % (count, shown))
    check("'W' held %.1f s: %d steps run, %.0f a second (%d dropped), in %d frames shown"
          % (elapsed, count, count / elapsed, lost, shown),
          within_pace(count, elapsed), "not %d a second within %d%%" % (PACE, PACE_TOLERANCE * 100))


def page_with(build, scratch, name, files):
    """A copy of the page in scratch/name with extra files beside it."""
    folder = os.path.join(scratch, name)
    shutil.copytree(build, folder)
    for file_name, content in files.items():
        with open(os.path.join(folder, file_name), "w") as out:
            out.write(content)
    return folder


# Resolves, in the page, with the time of the first frame shown.
FIRST_FRAME_AT = """
var done = arguments[arguments.length - 1];
(function poll() {
    if (window.mazePage && mazePage.frames() > 0) done(performance.now()); else requestAnimationFrame(poll);
})();
"""


def demo_seconds(driver, server, name):
    """How long ?playdemo=NAME lasts from its first frame to its end, and the steps it dropped; None if it never ended."""
    driver.get(server.url + "?playdemo=" + name)
    driver.set_script_timeout(60)
    first = driver.execute_async_script(FIRST_FRAME_AT)
    if not wait_until(60, lambda: driver.execute_script("return mazePage.ended")):
        return None, 0
    return (driver.execute_script("return mazePage.endedAt") - first) / 1000, dropped(driver)


def check_demo_pace(driver, build, scratch):
    """?playdemo= of 2,000 and of 6,000 steps of 'W': the 4,000 between them take 4 s, a watched demo at the pace."""
    walks = {count: "key 87 down\nframes %d\nkey 87 up\n" % count for count in (2000, 6000)}
    folder = page_with(build, scratch, "demo-pace", {"walk%d.script" % n: text for n, text in walks.items()})
    server = Server(folder)
    try:
        short, short_lost = demo_seconds(driver, server, "walk2000.script")
        long, long_lost = demo_seconds(driver, server, "walk6000.script")
        ended = short is not None and long is not None
        took = long - short if ended else 0
        check("?playdemo= of 6,000 steps lasts %.3f s more than of 2,000 (%s and %s steps dropped)"
              % (took, short_lost, long_lost), ended and within_pace(4000, took), "ended %s" % ended)
        driver.get(server.url + "?pace=fast")
        box = wait_until(20, lambda: driver.execute_script("return document.getElementById('box').open"))
        text = driver.find_element(By.ID, "box-text").text
        check("?pace=fast is refused in the game's box: %s" % text, box and text.startswith("--pace needs"),
              "box open=%s" % box)
    finally:
        server.stop()


# Key events made by the page itself: each stamped as it is sent, with no
# round trip to the browser between a key going down and up.
TAP = """
var done = arguments[arguments.length - 1];
function send(type, key, code) { document.dispatchEvent(new KeyboardEvent(type, {key: key, code: code})); }
send("keydown", arguments[0], arguments[1]);
setTimeout(function () { send("keyup", arguments[0], arguments[1]); done(); }.bind(null, arguments[0], arguments[1]),
           arguments[2]);
"""


def tap(driver, key, code, ms):
    driver.set_script_timeout(10)
    driver.execute_async_script(TAP, key, code, ms)


def frames_while_w_held(recording):
    held, count = False, 0
    for line in (recording or "").splitlines():
        held = True if line == "key 87 down" else False if line == "key 87 up" else held
        count += int(line.split()[1]) if held and line.startswith("frames ") else 0
    return count


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


def check_input(driver, build, scratch):
    """Each message at its moment: merged moves, a tap shorter than a frame, Escape tapped, ?fps=."""
    server = Server(build)
    try:
        # Made within a millisecond: one share of the default mouse rate.
        for rate, wanted in (("0", 12), ("125", 1)):
            driver.get(server.url + "?mouse-rate=" + rate)
            if not started(driver):
                check("the page starts at ?mouse-rate=" + rate, False)
                continue
            driver.set_script_timeout(20)
            turned = driver.execute_async_script(MERGED_MOVES)
            check("12 reports merged into one browser event at ?mouse-rate=%s: %s mouse messages" % (rate, turned),
                  turned == wanted, "not %d" % wanted)
        driver.get(server.url + "?record&fps=10")
        if started(driver):
            tap(driver, "w", "KeyW", 30)
            time.sleep(0.3)
            tap(driver, "Escape", "Escape", 20)
            ended = wait_until(10, lambda: driver.execute_script("return mazePage.ended"))
            walked = frames_while_w_held(driver.execute_script("return mazePage.recordingText()"))
            check("at ?fps=10, 'W' tapped for 30 ms walks %d steps, and Escape tapped for 20 ms ends the game"
                  % walked, ended and abs(walked - 30) <= 3, "ended %s" % ended)
        driver.get(server.url + "?fps=10")
        if started(driver):
            first = frames(driver)
            time.sleep(10)
            drawn = frames(driver) - first
            check("?fps=10 draws %d frames in 10 s" % drawn, abs(drawn - 100) <= 5, "not 100 +- 5")
    finally:
        server.stop()


def check_no_data(driver, build, scratch):
    """The page without Data/: the game's own box, as a dialog."""
    folder = os.path.join(scratch, "no-data")
    os.makedirs(folder)
    for name in ("index.html", "page.js", "maze.js", "maze.wasm"):
        shutil.copy(os.path.join(build, name), folder)
    server = Server(folder)
    try:
        driver.get(server.url)
        box = wait_until(20, lambda: driver.execute_script("return document.getElementById('box').open"))
        caption = driver.find_element(By.ID, "box-caption").text
        text = driver.find_element(By.ID, "box-text").text
        check("without Data/ the page shows the box \"%s\" / \"%s\"" % (caption, text),
              box and caption == "ERROR" and text == "Initialization Failed.", "box open=%s" % box)
    finally:
        server.stop()
    check_no_crate(driver, build, scratch)


# Walls alone, left of the start view: brick from Crate.bmp, plain white
# without it, in the games as on the page.
WALL_AREA = "150x150+20+120"


def check_no_crate(driver, build, scratch):
    """Data/ without Crate.bmp: the walls plain, as the games draw them, not black."""
    folder = page_with(build, scratch, "no-crate", {})
    os.remove(os.path.join(folder, "Data", "Crate.bmp"))
    server = Server(folder)
    try:
        driver.get(server.url)
        pictures = Pictures(driver, folder)
        picture = pictures.settle("no-crate")
        run = subprocess.run(["convert", picture or "", "-crop", WALL_AREA, "-colorspace", "gray",
                              "-format", "%[fx:mean]", "info:"], capture_output=True, text=True)
        mean = float(run.stdout or 0)
        check("without Crate.bmp the walls are plain, %.2f of white" % mean, mean > 0.5,
              pictures.trouble or picture)
    finally:
        server.stop()


def check_demos(driver, build, scratch):
    """?playdemo= ends by itself in the simulator's last state; ?timedemo= says how fast."""
    expected = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "sim", "stairs_demo.expected")
    with open(expected) as lines:
        last_state = lines.read().splitlines()[-1]
    server = Server(build)
    try:
        driver.get(server.url + "?playdemo=stairs_demo.script")
        on_stairs = wait_until(60, lambda: frames(driver) > 100)
        if on_stairs:
            driver.save_screenshot(os.path.join(scratch, "demo-on-stairs.png"))
        ended = wait_until(180, lambda: driver.execute_script("return mazePage.ended"))
        result = (driver.execute_script("return mazePage.demoResult") or "").strip()
        check("?playdemo= plays the stairs demo to the simulator's last state", ended and result == last_state,
              "ended %s, demo-result.txt %r" % (ended, result[:80]))
        driver.get(server.url + "?timedemo=stairs_demo.script")
        ended = wait_until(180, lambda: driver.execute_script("return window.mazePage && mazePage.ended"))
        line = driver.find_element(By.ID, "status").text
        well_formed = re.match(r"^timedemo stairs_demo\.script: 206 frames in [0-9.]+ s, [0-9.]+ fps$", line)
        check("?timedemo= ends with its line: %s" % line, ended and well_formed is not None, "ended %s" % ended)
        if ended:
            check_play_again_after_demo(driver)
    finally:
        server.stop()


def check_play_again_after_demo(driver):
    """"Play again" after a demo: a plain game, nothing left of the demo's line, before or after its end."""
    stopped = frames(driver)
    driver.find_element(By.ID, "again").click()
    going = wait_until(20, lambda: frames(driver) > stopped + 2 and not driver.execute_script("return mazePage.ended"))
    during = driver.find_element(By.ID, "status").text
    ActionChains(driver).key_down(Keys.ESCAPE).perform()
    ended = wait_until(10, lambda: driver.execute_script("return mazePage.ended"))
    ActionChains(driver).key_up(Keys.ESCAPE).perform()
    after = driver.find_element(By.ID, "status").text
    result = driver.execute_script("return mazePage.demoResult")
    check("\"Play again\" after ?timedemo= runs a new game and shows no line of the demo",
          going and ended and during == "" and after == "" and not result,
          "new frames %s, ended %s, status %r then %r, result %r" % (going, ended, during, after, result))


def box_text(driver, seconds=20):
    """The text of the page's box once it is open; None if it did not open."""
    if not wait_until(seconds, lambda: driver.execute_script("return document.getElementById('box').open")):
        return None
    return driver.find_element(By.ID, "box-text").text


def started(driver, seconds=30):
    return wait_until(seconds, lambda: driver.execute_script("return window.mazePage && mazePage.frames() > 2"))


def replays(build, scratch, name, text):
    """The recording replayed by maze-sim, exit status 0 and its `expect` held: the web build's
    under node, and the Linux and Windows builds' beside it where they are built (Windows under Wine)."""
    path = os.path.join(scratch, name)
    with open(path, "w") as out:
        out.write(text)
    ok, why = True, ""
    for program, runner in (("maze-sim.js", ["node"]), ("../linux/maze-sim", []),
                            ("../windows/maze-sim.exe", ["wine"])):
        program = os.path.join(build, program)
        if not ok or not os.path.exists(program) or not shutil.which((runner + [program])[0]):
            continue
        with open(path) as recording:
            run = subprocess.run(runner + [program], stdin=recording, cwd=build, capture_output=True, text=True)
        ok, why = run.returncode == 0, "%s: %s" % (program, (run.stderr or run.stdout).strip()[-200:])
    return ok, why


def play_a_little(driver, pointer):
    return pointer.turn(3, 1, 5) and hold(driver, "w", 0.5)


def end_with_escape(driver):
    ActionChains(driver).key_down(Keys.ESCAPE).perform()
    ended = wait_until(10, lambda: driver.execute_script("return mazePage.ended"))
    ActionChains(driver).key_up(Keys.ESCAPE).perform()
    return ended


def download_recording(driver, scratch):
    """The file the "Download the recording" button saves, as the browser saves it; None after 20 s."""
    folder = os.path.join(scratch, "downloads")
    os.makedirs(folder, exist_ok=True)
    driver.execute_cdp_cmd("Page.setDownloadBehavior", {"behavior": "allow", "downloadPath": folder})
    driver.find_element(By.ID, "download-recording").click()
    path = os.path.join(folder, "maze-recording.script")
    if not wait_until(20, lambda: os.path.exists(path)):
        return None
    with open(path, newline="") as f:
        return f.read()


def check_recordings(driver, build, scratch):
    """?record, then Record over the game running: both recordings whole, each replayed exactly by maze-sim."""
    server = Server(build)
    try:
        driver.get(server.url + "?record")
        if not check("?record starts a recorded game", started(driver), "no frames"):
            return
        pointer = Pointer(driver)
        # Onto the canvas, where the game hears the pointer.
        played = pointer.move(300, 220) and play_a_little(driver, pointer)
        driver.save_screenshot(os.path.join(scratch, "page-recording.png"))
        stopped = frames(driver)
        driver.find_element(By.ID, "record").click()
        first = driver.execute_script("return mazePage.recordingText()") or ""
        going = wait_until(20, lambda: frames(driver) > stopped + 2 and steps(driver) > 0
                           and not driver.execute_script("return mazePage.ended"))
        ok, why = replays(build, scratch, "first.script", first)
        check("Record over a recorded game ends it, its recording replays exactly", ok and going and played,
              "new game %s, played %s: %s" % (going, played, why))
        played = play_a_little(driver, pointer)
        ended = end_with_escape(driver)
        second = driver.execute_script("return mazePage.recordingText()") or ""
        offered = driver.find_element(By.ID, "download-recording").is_displayed()
        driver.save_screenshot(os.path.join(scratch, "page-recorded.png"))
        downloaded = download_recording(driver, scratch) if offered else None
        ok, why = replays(build, scratch, "second.script", downloaded or "")
        heard = "key 87 down" in second and "\nmouse " in second
        check("Escape ends the recorded game, the recording of 'W' and the mouse is downloaded and replays exactly",
              ok and ended and played and heard and second != first and downloaded == second,
              "ended %s, offered %s, downloaded %s, played %s: %s"
              % (ended, offered, downloaded is not None, played, why))
    finally:
        server.stop()


def watch_file(driver, path):
    driver.find_element(By.ID, "watch").send_keys(path)


# A file of NAME and TEXT dropped on the canvas, as the browser drops one.
DROP = """
var files = new DataTransfer();
files.items.add(new File([arguments[1]], arguments[0]));
var drop = new DragEvent("drop", {dataTransfer: files, bubbles: true, cancelable: true});
document.getElementById("canvas").dispatchEvent(drop);
"""

# The games' limit on a demo's size.
DEMO_LIMIT = 16 * 1024 * 1024
# A file of N comment bytes and a NAME dropped on the canvas, made in the page.
DROP_LARGE = """
var files = new DataTransfer();
files.items.add(new File([new Uint8Array(arguments[0]).fill(35)], arguments[1]));
var drop = new DragEvent("drop", {dataTransfer: files, bubbles: true, cancelable: true});
document.getElementById("canvas").dispatchEvent(drop);
"""


def check_watching(driver, build, scratch):
    """A chosen file watched over a game running, to its end; a malformed one refused before it plays."""
    with open(os.path.join(HERE, "..", "sim", "stairs_demo.expected")) as lines:
        last_state = lines.read().splitlines()[-1]
    chosen = os.path.join(scratch, "chosen")
    os.makedirs(chosen)
    shutil.copy(os.path.join(HERE, "..", "sim", "stairs_demo.script"), os.path.join(chosen, "my stairs.script"))
    with open(os.path.join(chosen, "bad.script"), "w") as out:
        out.write("frames 1\njump 3\n")
    server = Server(build)
    try:
        driver.get(server.url)
        if not check("the page runs a game to watch a demo over", started(driver), "no frames"):
            return
        driver.save_screenshot(os.path.join(scratch, "page-playing.png"))
        watch_file(driver, os.path.join(chosen, "my stairs.script"))
        ended = wait_until(180, lambda: driver.execute_script("return mazePage.ended && mazePage.demoResult"))
        line = driver.find_element(By.ID, "status").text
        driver.save_screenshot(os.path.join(scratch, "page-watched.png"))
        check("a chosen demo ends the game running and plays to the simulator's last state",
              ended and line == last_state, "ended %s, status %r" % (ended, line[:80]))
        watch_file(driver, os.path.join(chosen, "bad.script"))
        text = box_text(driver) or ""
        ran = steps(driver)
        driver.save_screenshot(os.path.join(scratch, "page-refused.png"))
        check("a malformed demo is refused in the box before it plays: %s" % text,
              text.startswith("chosen/bad.script: line 2: ") and ran == 0, "%d steps run" % ran)
        driver.execute_script(DROP, "..\\up:there.script", "jump 3\n")
        wait_until(10, lambda: driver.find_element(By.ID, "box-text").text != text)
        text = box_text(driver) or ""
        check("a file dropped on the picture is watched by a plain name: %s" % text,
              text.startswith("chosen/_up_there.script: line 1: "), "box %r" % text)
        check_large_files(driver)
        check_any_name(driver)
    finally:
        server.stop()


# What the page hands the game: the size of each file it writes.
COUNT_WRITES = """
window.written = [];
var write = Module.FS.writeFile;
Module.FS.writeFile = function (path, data) { written.push(data.length); return write.apply(this, arguments); };
"""


def heap_bytes(driver):
    """The page's JavaScript heap with the buffers it holds (files and the game's memory among them), after a
    collection."""
    driver.execute_cdp_cmd("HeapProfiler.collectGarbage", {})
    usage = driver.execute_cdp_cmd("Runtime.getHeapUsage", {})
    return usage["usedSize"] + usage.get("backingStorageSize", 0)


def check_large_files(driver, count=12):
    """Files beyond the demo limit reach the game cut one byte beyond it, and none stays in the page once refused."""
    driver.execute_script(COUNT_WRITES)
    before = 0
    for i in range(count):
        driver.execute_script("document.getElementById('box-text').textContent = ''")
        driver.execute_script(DROP_LARGE, DEMO_LIMIT + 1000, "large%d.script" % i)
        wait_until(20, lambda: driver.find_element(By.ID, "box-text").text != "")
        # The game's memory grows once, for the first: it is reused after.
        before = before or heap_bytes(driver)
    text = box_text(driver) or ""
    grown = (heap_bytes(driver) - before) / 2.0 ** 20
    sizes = driver.execute_script("return written")
    left = driver.execute_script("return Module.FS.readdir('chosen').length - 2")
    check("%d files beyond the demo limit reach the game cut one byte beyond it, which refuses them (%s), "
          "and the page keeps none: %+.1f MiB from the first to the last" % (count, text, grown),
          sizes == [DEMO_LIMIT + 1] * count and text == 'The demo "chosen/large%d.script" is larger than 16 MiB.' % (count - 1)
          and left == 0 and grown < 16, "sizes %s, the box %r, %d files left" % (sizes, text, left))


def check_any_name(driver):
    """A chosen file plays by any name, the page's folders' and the game's own files' included; "Play again"
    is ignored while it plays."""
    for name in ("dev", "tmp", "demo-result.txt", "lista.txt"):
        driver.execute_script(DROP, name, "frames 2000\n")
        wait_until(10, lambda: not driver.execute_script("return mazePage.ended"))
        driver.execute_script("document.getElementById('again').click()")
        ended = wait_until(20, lambda: driver.execute_script("return mazePage.ended && mazePage.demoResult"))
        result = driver.execute_script("return mazePage.demoResult") or ""
        aborted = [entry["message"] for entry in driver.get_log("browser") if "Abort" in entry["message"]]
        check("a demo named %s plays to its end, \"Play again\" ignored meanwhile" % name,
              ended and result.startswith("frame=2000 ") and not aborted, "ended %s, result %r, %s"
              % (ended, result[:40], aborted))


def refused_first(driver, url, label, wanted):
    """The page at URL shows `wanted` in its box and plays nothing."""
    driver.get(url)
    text = box_text(driver)
    time.sleep(0.5)
    ran = frames(driver)
    check("%s: %s" % (label, text), text is not None and wanted in text and ran == 0,
          "box %r, %d frames" % (text, ran))


def check_play_again_after_refusal(driver):
    """"Play again" after the page refused its first demo: a game that hears the keys (Escape ends it)."""
    driver.find_element(By.CSS_SELECTOR, "#box button").click()
    driver.find_element(By.ID, "again").click()
    going = wait_until(20, lambda: frames(driver) > 2 and not driver.execute_script("return mazePage.ended"))
    ended = going and end_with_escape(driver)
    check("\"Play again\" after a refused demo plays a game that hears the keys", ended,
          "new frames %s, ended by Escape %s" % (going, ended))


def check_demo_names(driver, build, scratch):
    """?playdemo= fetches a plain name beside the page or tells why not; never elsewhere, never silently."""
    elsewhere_folder = os.path.join(scratch, "elsewhere")
    os.makedirs(elsewhere_folder)
    with open(os.path.join(elsewhere_folder, "evil.script"), "w") as out:
        out.write("frames 1\n")
    folder = page_with(build, scratch, "names", {"wrong.script": "frames 3\nexpect frame=99\n"})
    server, elsewhere = Server(folder), Server(elsewhere_folder)
    try:
        for name in (".", "..", "x/", ".hidden", "%5C%5C127.0.0.1:" + str(elsewhere.port) + "%5Cevil.script"):
            refused_first(driver, server.url + "?playdemo=" + name, "?playdemo=%s is refused" % name, "named plainly")
        refused_first(driver, server.url + "?playdemo=Data", "?playdemo=Data is refused", "is a folder")
        check_play_again_after_refusal(driver)
        refused_first(driver, server.url + "?timedemo=missing.script", "a demo not there is told", "404")
        driver.get(server.url + "?playdemo=wrong.script")
        text = box_text(driver, 60) or ""
        check("a failed expect is told in the box: %s" % (text.splitlines() or [""])[0],
              text.startswith("wrong.script: line 2: expect") and "expected 99" in text, "box %r" % text)
    finally:
        server.stop()
        elsewhere.stop()


def check_memory(driver, build, scratch):
    """A long demo (13 minutes of play) plays; a runtime that fails is told in the box."""
    folder = page_with(build, scratch, "long-demo", {"long.script": "mouse 320 240\nframes 1\n" * 40000})
    server = Server(folder)
    try:
        driver.get(server.url + "?playdemo=long.script")
        going = started(driver)
        logged = [entry["message"] for entry in driver.get_log("browser")]
        aborted = [line for line in logged + [box_text(driver, 0) or ""] if "Abort" in line]
        check("a demo of 80000 lines plays", going and not aborted, "frames %s, %s" % (going, aborted))
    finally:
        server.stop()
    with open(os.path.join(folder, "maze.wasm"), "r+b") as wasm:
        wasm.truncate(1000)
    server = Server(folder)
    try:
        driver.get(server.url)
        text = box_text(driver)
        check("a damaged maze.wasm is told in the box: %s" % text, text is not None and "stopped" in text,
              "no box")
    finally:
        server.stop()


def play(driver, build, scratch):
    server = Server(build)
    try:
        driver.get(server.url)
        started = wait_until(30, lambda: driver.execute_script("return window.mazePage && mazePage.frames() > 2"))
        check("the page \"%s\" loads and runs the game" % driver.title, started and driver.title == TITLE,
              "title %r, started %s" % (driver.title, started))
        if not started:
            return
        size = driver.execute_script("var c = document.getElementById('canvas'); return [c.width, c.height]")
        check("a canvas of 640 x 480", size == [640, 480], "%s" % size)
        check("no touch controls on a desktop", not driver.find_element(By.ID, "touch-controls").is_displayed(),
              "shown")
        pictures = Pictures(driver, scratch)
        pointer = Pointer(driver)
        check_pictures(pictures, pointer)
        check_frame_time(driver)
        check_pace(driver)
        check_walking(driver, pictures)
        check_space(driver)
        errors = console_errors(driver)
        check("no console error", not errors, "; ".join(errors))
        check_fullscreen(driver)
        check_escape(driver)
    finally:
        server.stop()


# The page's touch controls and gamepads: the same four things done by each,
# on one recorded game, read back from the game's own state line.
STATE = "return Module.ccall('maze_state_line', 'string', [], [])"
CRATE, OPEN_FLOOR = 99, 32
# The door of level 0, row 5, column 4, and the crate of column 2 on the way to it.
DOOR_CELL_Z, CRATE_CELL = -21.5, (0, 5, 2)


def game_state(driver):
    line = driver.execute_script(STATE) or ""
    return {name: float(value) for name, value in (pair.split("=") for pair in line.split())}


def state_until(driver, seconds, probe):
    """The state once `probe` holds of it, read every 20 ms; None after `seconds`."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        state = game_state(driver)
        if probe(state):
            return state
        time.sleep(0.02)
    return None


class Touch:
    """Fingers on the screen through the DevTools protocol, as a phone sends them."""

    def __init__(self, driver):
        self.driver = driver
        self.down = {}

    def send(self, kind, fingers=None):
        points = [{"x": x, "y": y, "id": finger} for finger, (x, y) in (fingers or self.down).items()]
        self.driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})

    def centre(self, selector):
        box = self.driver.execute_script(
            "var r = document.querySelector(arguments[0]).getBoundingClientRect();"
            "return [r.left + r.width / 2, r.top + r.height / 2]", selector)
        return box[0], box[1]

    def press(self, finger, selector):
        self.down[finger] = self.centre(selector)
        self.send("touchStart")

    def lift(self, finger):
        """touchEnd names the fingers that leave the screen; the others stay down."""
        self.send("touchEnd", {finger: self.down.pop(finger)})

    def tap(self, key):
        self.hold(key)
        time.sleep(0.2)
        self.lift(1)

    def hold(self, key):
        self.press(1, '#touch-controls [data-key="%s"]' % key)

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
            next_frames(self.driver)
        for finger in fingers:
            self.lift(finger)


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


class Pad:
    def __init__(self, driver):
        self.driver = driver

    def set(self, script, *args):
        self.driver.execute_script(script, *args)

    def stick(self, axis, value):
        self.set("pad.axes[arguments[0]] = arguments[1]", axis, value)

    def button(self, index, down):
        self.set("pad.press(arguments[0], arguments[1])", index, down)

    def turn(self, side):
        """The right stick barely past its rest: 3.3 messages a second, so that not even a turn of
        the stall bound (a quarter second) owes two, and the stick is let go at exactly 90 degrees."""
        self.set("pad.turnFrom = arguments[1]; pad.axes[2] = arguments[0]", 0.27 * side,
                 game_state(self.driver)["yrot"])
        return state_until(self.driver, 30, lambda s: self.driver.execute_script("return pad.turnFrom") is None)


def walk_until(driver, forward, lift, probe):
    forward()
    there = state_until(driver, 10, probe)
    lift()
    return there


def play_four(driver, label, forward, lift, turn, open_door, held_ms=lambda: 750):
    """Walks one cell, turns 90 degrees, collects the crate on the way, opens the door, each checked.
    `held_ms`: how long the page saw forward held for the first cell."""
    start, dropped, shown = game_state(driver), driver.execute_script("return mazePage.dropped()"), frames(driver)
    forward()
    time.sleep(0.75)
    lift()
    time.sleep(0.2)
    stopped, shown = game_state(driver), frames(driver) - shown
    steps = (start["centerz"] - stopped["centerz"]) * 150
    dropped = driver.execute_script("return mazePage.dropped()") - dropped
    # One step a millisecond held, give or take the frame that reads the key at either end.
    held = held_ms()
    frame_ms = (held + 200) / max(shown, 1)
    check("%s: 0.75 s of forward walks one cell (held %d ms as the page saw it: %d steps walked, %d dropped, "
          "frames of %d ms, centerz %.2f)" % (label, held, steps, dropped, frame_ms, stopped["centerz"]),
          abs(steps + dropped - held) < held / 10 + 2 * frame_ms and -15 < stopped["centerz"] < -10
          and stopped["centerz"] == game_state(driver)["centerz"],
          "not a step a millisecond held, into the next cell, and stopped there")
    # On, if short, to where the crate is in reach straight ahead; a finger lifts late, so only then.
    if stopped["centerz"] > -11.8:
        walk_until(driver, forward, lift, lambda s: s["centerz"] <= -11.8)
    turned = turn(1)
    check("%s: turns the view by 90 degrees (yrot %s, xrot %s)" % (label, turned and turned["yrot"],
                                                                   turned and turned["xrot"]),
          turned is not None and turned["yrot"] == 90 and turned["xrot"] == 0, "not 90")
    there = walk_until(driver, forward, lift, lambda s: s["centerx"] >= 22)
    collected = driver.execute_script("return Module._maze_cell(%d, %d, %d)" % CRATE_CELL)
    check("%s: walks into the crate and collects it (cell code %d)" % (label, collected),
          there is not None and collected == OPEN_FLOOR, "reached row 5 %s" % (there is not None))
    back = turn(-1)
    at_door = walk_until(driver, forward, lift, lambda s: s["centerz"] <= DOOR_CELL_Z)
    # Held until the door moves: a pad is read once a frame, and a frame can outlast a short press.
    open_door(True)
    lifted = state_until(driver, 5, lambda s: s["DoorUp"] > 0.1)
    open_door(False)
    check("%s: opens the door (DoorUp %s)" % (label, lifted and lifted["DoorUp"]),
          back is not None and back["yrot"] == 0 and at_door is not None and lifted is not None,
          "facing -z again %s, in the doorway %s" % (back, at_door is not None))


def emulate(driver, width, height):
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": True})


def check_touch(driver, build, scratch):
    """A phone: touch alone plays a recorded game (the four things, walking while looking, fullscreen)."""
    server = Server(build)
    touch = Touch(driver)
    try:
        emulate(driver, 390, 844)
        driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})
        driver.get(server.url + "?record")
        if not check("the page on a phone starts a recorded game", started(driver), "no frames"):
            return
        hidden = not driver.find_element(By.ID, "touch-controls").is_displayed()
        touch.press(2, "#canvas")
        touch.lift(2)
        shown = driver.find_element(By.ID, "touch-controls").is_displayed()
        check("the touch controls are shown once the page is touched, not before", hidden and shown,
              "hidden before %s, shown after %s" % (hidden, shown))
        # The protocol's touches reach the page 0.1 to 0.3 s late, not always by the same.
        driver.execute_script(TOUCH_TIMES)
        play_four(driver, "touch", lambda: touch.hold("W"), lambda: touch.lift(1),
                  lambda side: turn_by_touch(driver, touch, side),
                  lambda down: touch.hold("E") if down else touch.lift(1),
                  lambda: driver.execute_script("return touchTimes[1] - touchTimes[0]"))
        touch.hold("S")
        touch.press(3, '#touch-controls [data-key="SHIFT"]')
        touch.drag(40, 5)
        walking = game_state(driver)
        touch.drag(-40, 5)
        touch.lift(3)
        touch.lift(1)
        check("running back while a third finger looks around (yrot %s, then %s)"
              % (walking["yrot"], game_state(driver)["yrot"]),
              walking["yrot"] == 15 and game_state(driver)["yrot"] == 0 and walking["centerz"] > -22,
              "the look or the walk was lost")
        touch.drag(0, 5, (2, 3), 60)
        gestures = driver.execute_script("return [window.scrollY, visualViewport.scale]")
        check("a pinch on the picture neither scrolls nor zooms the page (scroll %s, scale %s)" % tuple(gestures),
              gestures == [0, 1], "the browser took the gesture")
        driver.save_screenshot(os.path.join(scratch, "touch-phone.png"))
        touch.tap("F1")
        shown = wait_until(5, lambda: fullscreen_element(driver) == "stage")
        touch.tap("F1")
        back = wait_until(5, lambda: fullscreen_element(driver) is None)
        check("Full screen shows the picture with its controls, and again brings the page back", shown and back,
              "fullscreen %s, back %s" % (shown, back))
        emulate(driver, 820, 1180)
        next_frames(driver, 2)
        driver.save_screenshot(os.path.join(scratch, "touch-tablet.png"))
        touch.hold("ESCAPE")
        ended = wait_until(10, lambda: driver.execute_script("return mazePage.ended"))
        touch.lift(1)
        recording = driver.execute_script("return mazePage.recordingText()") or ""
        ok, why = replays(build, scratch, "touch.script", recording)
        check("End ends the game; its recording, Run as Shift held, replays to its last state in maze-sim",
              ended and ok and "async 16 down" in recording, "ended %s: %s" % (ended, why))
    finally:
        driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": False})
        driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
        server.stop()


# When the page saw fingers go down and up.
TOUCH_TIMES = """
window.touchTimes = [];
["touchstart", "touchend"].forEach(function (kind) {
    document.addEventListener(kind, function () { touchTimes.push(performance.now()); }, true);
});
"""


def turn_by_touch(driver, touch, side):
    touch.drag(40 * side, 30)
    return game_state(driver)


def check_gamepad(driver, build, scratch):
    """A gamepad the page is given in place of the browser's: the same four things, pulled out, Start."""
    server = Server(build)
    pad = Pad(driver)
    script = driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": STAND_IN_PAD})
    try:
        driver.get(server.url + "?record")
        if not check("the page with a gamepad starts a recorded game", started(driver), "no frames"):
            return
        play_four(driver, "gamepad", lambda: pad.stick(1, -1.0), lambda: pad.stick(1, 0.0), pad.turn,
                  lambda down: pad.button(0, down))
        before = game_state(driver)
        pad.button(12, True)
        pad.button(4, True)
        walking = state_until(driver, 5, lambda s: s["centerz"] != before["centerz"])
        pad.set("pad.connected = false")
        time.sleep(0.3)
        gone = game_state(driver)
        time.sleep(0.3)
        check("the pad pulled out while the d-pad walks (running) stops the walk",
              walking is not None and game_state(driver)["centerz"] == gone["centerz"],
              "walking %s, then walked on" % (walking is not None))
        pad.set("pad.connected = true; pad.press(12, false); pad.press(4, false); pad.press(9, true)")
        ended = wait_until(10, lambda: driver.execute_script("return mazePage.ended"))
        recording = driver.execute_script("return mazePage.recordingText()") or ""
        ok, why = replays(build, scratch, "gamepad.script", recording)
        check("Start ends the game; its recording, a shoulder as Shift held, replays to its last state in maze-sim",
              ended and ok and "async 16 down" in recording and "async 16 up" in recording,
              "ended %s: %s" % (ended, why))
    finally:
        driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", {"identifier": script["identifier"]})
        server.stop()



GROUPS = [("play", play), ("input", check_input), ("demos", check_demos), ("demo-pace", check_demo_pace),
          ("no-data", check_no_data),
          ("recordings", check_recordings), ("watching", check_watching), ("demo-names", check_demo_names),
          ("memory", check_memory), ("touch", check_touch), ("gamepad", check_gamepad)]
# WEB_ONLY=recordings,watching: those groups alone.
ONLY = [name for name in os.environ.get("WEB_ONLY", "").split(",") if name]


def main():
    if len(sys.argv) != 2:
        say(__doc__.strip().splitlines()[2])
        return 2
    build = os.path.abspath(sys.argv[1])
    scratch = os.environ.get("WEB_KEEP") or tempfile.mkdtemp(prefix="maze-web.")
    os.makedirs(scratch, exist_ok=True)
    profile = tempfile.mkdtemp(prefix="maze-web-profile.")
    started = time.monotonic()
    driver = None
    try:
        driver = start_browser(profile)
        for name, group in GROUPS:
            if not ONLY or name in ONLY:
                group(driver, build, scratch)
    except WebDriverException as error:
        check("browser session", False, str(error).splitlines()[0])
    finally:
        if driver is not None:
            driver.quit()
        shutil.rmtree(profile, ignore_errors=True)
        if results["failed"] == 0 and not os.environ.get("WEB_KEEP"):
            shutil.rmtree(scratch, ignore_errors=True)
        else:
            say("web: pictures kept in " + scratch)
    say("web: %d s" % (time.monotonic() - started))
    print("%d passed, %d failed" % (results["passed"], results["failed"]))
    return 1 if results["failed"] else 0


if __name__ == "__main__":
    sys.exit(main())
