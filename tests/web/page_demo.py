#!/usr/bin/python3
"""page_demo.py -- the page's side of the recordings' matrix (tests/e2e/matrix.py).

    tests/web/page_demo.py record BUILD_DIR OUT      a game played with real input, recorded
    tests/web/page_demo.py play BUILD_DIR RECORDING  the recording watched in the page

`record` opens the page with ?record, plays about ten seconds (the pointer
both ways, 'W', 'S', Shift with each), ends the game with Escape and writes
the recording the page offers to OUT. `play` gives the page the recording
through its "Watch a demo" control, as a player would, and prints "0 STATE"
once it has ended in the state STATE, or "1 WHY" when it has not. Both exit
with 1 when the page did not do its part. Run with Debian's python3.
"""
import os
import sys
import time

from selenium.webdriver.common.keys import Keys

from harness import Pointer, session, wait_until


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
    browser.open("?record")
    if not browser.started():
        raise RuntimeError("the page did not start a game")
    play_mixed(browser)
    done = browser.end_with_escape(20)
    text = browser.recording() if done else None
    if not text or "\nexpect " not in text:
        raise RuntimeError("no recording when the game ended (ended %s)" % done)
    with open(out, "w", newline="") as f:
        f.write(text)
    return 0


def play(browser, recording):
    browser.open()
    wait_until(30, lambda: browser.js("window.mazePage && mazePage.frames() > 0"))
    browser.element("watch").send_keys(os.path.abspath(recording))
    # A recording's steps at the pace, and the page's start.
    if not browser.wait_ended(600):
        print("1 the demo did not end in 600 s")
        return 1
    box = browser.box_text(0)
    result = (browser.js("mazePage.demoResult") or "").strip()
    if box is not None or not result:
        print("1 box: %s" % box if box is not None else "1 no result")
        return 1
    print("0 " + result.splitlines()[-1])
    return 0


def main():
    if len(sys.argv) != 4 or sys.argv[1] not in ("record", "play"):
        print("\n".join(__doc__.strip().splitlines()[2:4]), file=sys.stderr)
        return 2
    mode, build, path = sys.argv[1:]
    with session(build, None) as browser:
        began = time.monotonic()
        status = record(browser, path) if mode == "record" else play(browser, path)
        print("page_demo %s: %.1f s" % (mode, time.monotonic() - began), file=sys.stderr)
        return status


if __name__ == "__main__":
    sys.exit(main())
