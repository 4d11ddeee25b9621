"""page_demo.py -- the page's side of the recordings' matrix (tests/e2e/matrix.py): a game played in the page
with real input and recorded, and a recording watched through the page's "Watch a demo" control, as a
player would."""
import os

from selenium.webdriver.common.keys import Keys

from harness import Pointer, wait_until


def play_mixed(browser):
    pointer = Pointer(browser)
    pointer.move(300, 220)
    pointer.turn(-2, 1, 15)
    browser.hold("w", 1.5)
    pointer.turn(3, -1, 10)
    browser.key(Keys.SHIFT, True)
    browser.hold("w", 1.0)
    browser.hold("s", 1.0)
    browser.key(Keys.SHIFT, False)
    browser.hold("s", 1.2)
    pointer.turn(-1, 0, 20)
    browser.hold("w", 1.5)


def record(browser, out):
    """About ten seconds of play (the pointer both ways, 'W', 'S', Shift with each) at ?record, ended with
    Escape, and the recording the page offers written to OUT; why not, or ""."""
    browser.open("?record")
    if not browser.started():
        return "the page did not start a game"
    play_mixed(browser)
    done = browser.end_with_escape(20)
    text = browser.recording() if done else None
    if not text or "\nexpect " not in text:
        return "no recording when the game ended (ended %s)" % done
    with open(out, "w", newline="") as f:
        f.write(text)
    return ""


def play(browser, recording):
    """RECORDING watched to its end: "0" and the state it ended in, or "1" and why not."""
    browser.open()
    wait_until(30, lambda: browser.js("window.mazePage && mazePage.frames() > 0"))
    browser.element("watch").send_keys(os.path.abspath(recording))
    # A recording's steps at the pace, and the page's start.
    if not browser.wait_ended(600):
        return "1", "the demo did not end in 600 s"
    box = browser.box_text(0)
    result = (browser.js("mazePage.demoResult") or "").strip()
    if box is not None or not result:
        return "1", "box: %s" % box if box is not None else "no result"
    return "0", result.splitlines()[-1]
