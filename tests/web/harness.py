"""harness.py -- what every check of the page stands on: the page served, Chromium driven, its recordings
replayed."""
import contextlib
import functools
import os
import shutil
import sys
import tempfile
import threading
import time
from http.server import SimpleHTTPRequestHandler, ThreadingHTTPServer

from selenium import webdriver
from selenium.common.exceptions import WebDriverException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "common"))
from checking import (PACE, PACE_SLACK, check, chosen, closing, say, tidy, wait_until,  # noqa: E402,F401
                      within_pace, write)
from recordings import DEMO_NAME, DEMO_SCRIPT, DEMO_STATE, replayed  # noqa: E402,F401


class Quiet(SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class Server(ThreadingHTTPServer):
    """Python's http.server on a free port of 127.0.0.1, serving one folder."""

    def __init__(self, folder):
        super().__init__(("127.0.0.1", 0), functools.partial(Quiet, directory=folder))
        self.port = self.server_address[1]
        self.url = "http://127.0.0.1:%d/" % self.port
        threading.Thread(target=self.serve_forever, daemon=True).start()

    def stop(self):
        self.shutdown()
        self.server_close()


def page_with(browser, name, files, without=()):
    """A copy of the page in scratch/name with extra files beside it and the paths `without` taken away."""
    folder = os.path.join(browser.scratch, name)
    shutil.copytree(browser.build, folder)
    for file_name, content in files.items():
        write(os.path.join(folder, file_name), content)
    for path in without:
        (shutil.rmtree if os.path.isdir(os.path.join(folder, path)) else os.remove)(os.path.join(folder, path))
    return folder


class Browser(webdriver.Chrome):
    """Headless Chromium drawing with SwiftShader, on the page of the build it serves, with what the checks
    read of the page and send it, and the scratch folder they keep their files in."""

    def __init__(self, profile, build, scratch):
        self.build, self.scratch, self.servers = build, scratch, {}
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in ("--headless=new", "--no-sandbox", "--use-angle=swiftshader", "--enable-unsafe-swiftshader",
                     "--no-first-run", "--disable-background-networking", "--disable-component-update",
                     "--disable-sync", "--window-size=800,1000", "--user-data-dir=" + profile):
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        super().__init__(service=Service("/usr/bin/chromedriver"), options=options)
        self.set_page_load_timeout(30)
        self.set_script_timeout(60)

    def serve(self, folder=None):
        """The server of FOLDER (the build's by default), started the first time it is asked for."""
        folder = folder or self.build
        if folder not in self.servers:
            self.servers[folder] = Server(folder)
        return self.servers[folder]

    def stop_serving(self):
        for server in self.servers.values():
            server.stop()
        self.servers = {}

    def open(self, query="", folder=None):
        self.get(self.serve(folder).url + query)

    def start(self, label, query="", quiet=False):
        """The page opened, and a check that it started a game, said only where it did not if `quiet`."""
        self.open(query)
        started = self.started()
        return started if quiet and started else check(label, started, "no frames")

    def keep(self, name):
        self.save_screenshot(os.path.join(self.scratch, name + ".png"))

    def js(self, expression, *args):
        return self.execute_script("return " + expression, *args)

    def frames(self):
        return self.js("mazePage.frames()")

    def steps(self):
        return self.js("mazePage.steps()")

    def dropped(self):
        return self.js("mazePage.dropped()")

    def ended(self):
        return self.js("window.mazePage && mazePage.ended")

    def wait_ended(self, seconds=10):
        return wait_until(seconds, self.ended)

    def demo_result(self, seconds=0):
        """The last state of the demo the game has ended with, once it has within SECONDS; "" if not."""
        return (wait_until(seconds, lambda: self.js("mazePage.ended && mazePage.demoResult")) or "").strip()

    def recording(self):
        return self.js("mazePage.recordingText()") or ""

    def state(self):
        line = self.js("Module.ccall('maze_state_line', 'string', [], [])") or ""
        return {name: float(value) for name, value in (pair.split("=") for pair in line.split())}

    def over(self, seconds):
        """The steps run, the steps dropped and the frames drawn while SECONDS pass, and the seconds measured."""
        counts = "[mazePage.steps(), mazePage.dropped(), mazePage.frames()]"
        before, began = self.js(counts), time.monotonic()
        time.sleep(seconds)
        after, elapsed = self.js(counts), time.monotonic() - began
        return [b - a for a, b in zip(before, after)] + [elapsed]

    def started(self):
        return wait_until(30, lambda: self.js("window.mazePage && mazePage.frames() > 2"))

    def going_again(self, stopped, seconds=20):
        """True once a game is running again, frames drawn beyond the count `stopped`."""
        return wait_until(seconds, lambda: self.frames() > stopped + 2 and not self.ended())

    def frames_after(self, start, count=1):
        """True once the game has drawn `count` frames beyond the count `start`; False after 20 s."""
        return bool(wait_until(20, lambda: self.frames() >= start + count))

    def next_frames(self, count=1):
        return self.frames_after(self.frames(), count)

    def element(self, name):
        return self.find_element(By.ID, name)

    def text(self, name):
        return self.element(name).text

    def box_text(self, seconds=20):
        """The text of the page's box once it is open; None if it did not open."""
        if not wait_until(seconds, lambda: self.js("document.getElementById('box').open")):
            return None
        return self.text("box-text")

    def log(self, level=None):
        return [entry["message"] for entry in self.get_log("browser") if level in (None, entry["level"])]

    def key(self, key, down):
        chain = ActionChains(self)
        (chain.key_down if down else chain.key_up)(key).perform()

    def hold(self, key, seconds):
        """KEY down for SECONDS, and on until the game has drawn a frame since it went down: the game reads
        its keys once a frame, and a key that is up again before the next frame was never pressed for it.
        False if no frame came within 20 s."""
        self.key(key, True)
        start = self.frames()
        time.sleep(seconds)
        seen = self.frames_after(start)
        self.key(key, False)
        return seen

    def end_with_escape(self, seconds=10):
        """Escape held until the game ends: a frame of SwiftShader on a busy machine can outlast a short press."""
        self.key(Keys.ESCAPE, True)
        ended = self.wait_ended(seconds)
        self.key(Keys.ESCAPE, False)
        return ended


class Pointer:
    """Pointer moves sent one at a time, a frame apart: the browser would merge
    moves within one frame into one event, and the game turns once per event."""

    def __init__(self, browser):
        self.browser = browser
        # On the page, off the canvas: the browser measures the next move from here.
        self.x, self.y = 20, 8
        self.dispatch()

    def dispatch(self):
        self.browser.execute_cdp_cmd("Input.dispatchMouseEvent",
                                     {"type": "mouseMoved", "x": self.x, "y": self.y, "button": "none"})

    def move(self, dx, dy):
        """False if no frame followed within 20 s."""
        self.x += dx
        self.y += dy
        self.dispatch()
        return self.browser.next_frames()

    def turn(self, right, down, count):
        return all(self.move(right, down) for _ in range(count))


def replays(browser, name, text):
    """The recording TEXT, kept as NAME, replayed by every maze-sim: the web build's under node, and the Linux
    and Windows builds' beside it where they are built (Windows under Wine); why not, or ""."""
    build = browser.build
    path = write(os.path.join(browser.scratch, name), text)
    return replayed(path, build, os.path.join(build, "..", "linux"), os.path.join(build, "..", "windows"))[1]


def told(browser, label, query, wanted, folder=None):
    """The page opened at QUERY shows `wanted` in its box and plays nothing."""
    browser.open(query, folder)
    text = browser.box_text()
    time.sleep(0.5)
    ran = browser.frames()
    check("%s: %s" % (label, text), text is not None and wanted in text and ran == 0,
          "box %r, %d frames" % (text, ran))


def ended_and_replayed(browser, name, label, ended, wanted_lines):
    """The game `ended`; its recording holds `wanted_lines` and replays to its last state."""
    recording = browser.recording()
    why = replays(browser, name + ".script", recording)
    check(label, ended and not why and all(line in recording for line in wanted_lines), "ended %s: %s" % (ended, why))


@contextlib.contextmanager
def session(build, scratch):
    """A browser on the page of BUILD, quit at the end with the servers it started."""
    profile = tempfile.mkdtemp(prefix="maze-web-profile.")
    browser = None
    try:
        browser = Browser(profile, os.path.abspath(build), scratch)
        yield browser
    finally:
        if browser is not None:
            browser.stop_serving()
            browser.quit()
        shutil.rmtree(profile, ignore_errors=True)


def run_groups(groups, build):
    """Each group of GROUPS (by name, a function of the browser) named in WEB_ONLY, or all; exit status 1 on a
    failure. WEB_KEEP=DIR keeps the pictures in DIR."""
    scratch = os.environ.get("WEB_KEEP") or tempfile.mkdtemp(prefix="maze-web.")
    os.makedirs(scratch, exist_ok=True)
    started = time.monotonic()
    try:
        with session(build, scratch) as browser:
            for name, group in groups.items():
                if name in chosen("WEB_ONLY", groups):
                    group(browser)
                    browser.stop_serving()
    except WebDriverException as error:
        check("browser session", False, str(error).splitlines()[0])
    finally:
        tidy("web", scratch, os.environ.get("WEB_KEEP"))
    return closing("web", started)
