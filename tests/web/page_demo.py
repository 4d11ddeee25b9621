#!/usr/bin/python3
"""page_demo.py -- the page's side of the recordings' matrix (tests/e2e/matrix.sh).

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
import shutil
import sys
import tempfile
import time

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from browser_test import Pointer, Server, frames, hold, start_browser, wait_until


def ended(driver):
    return driver.execute_script("return window.mazePage && mazePage.ended")


def play_mixed(driver):
    pointer = Pointer(driver)
    pointer.move(300, 220)
    pointer.turn(-2, 1, 15)
    hold(driver, "w", 1.5)
    pointer.turn(3, -1, 10)
    ActionChains(driver).key_down(Keys.SHIFT).perform()
    hold(driver, "w", 1.0)
    hold(driver, "s", 1.0)
    ActionChains(driver).key_up(Keys.SHIFT).perform()
    hold(driver, "s", 1.2)
    pointer.turn(-1, 0, 20)
    hold(driver, "w", 1.5)


def record(driver, url, out):
    driver.get(url + "?record")
    if not wait_until(30, lambda: frames(driver) > 2):
        raise RuntimeError("the page did not start a game")
    play_mixed(driver)
    ActionChains(driver).key_down(Keys.ESCAPE).perform()
    done = wait_until(20, lambda: ended(driver))
    ActionChains(driver).key_up(Keys.ESCAPE).perform()
    text = driver.execute_script("return mazePage.recordingText()") if done else None
    if not text or "\nexpect " not in text:
        raise RuntimeError("no recording when the game ended (ended %s)" % done)
    with open(out, "w", newline="") as f:
        f.write(text)
    return 0


def play(driver, url, recording):
    driver.get(url)
    wait_until(30, lambda: frames(driver) > 0)
    driver.find_element(By.ID, "watch").send_keys(os.path.abspath(recording))
    # A recording's steps at the pace, and the page's start.
    if not wait_until(600, lambda: ended(driver)):
        print("1 the demo did not end in 600 s")
        return 1
    box = driver.execute_script("return document.getElementById('box').open")
    result = (driver.execute_script("return mazePage.demoResult") or "").strip()
    if box or not result:
        print("1 box: %s" % driver.find_element(By.ID, "box-text").text if box else "1 no result")
        return 1
    print("0 " + result.splitlines()[-1])
    return 0


def main():
    if len(sys.argv) != 4 or sys.argv[1] not in ("record", "play"):
        print(__doc__.strip().splitlines()[2:4], file=sys.stderr)
        return 2
    mode, build, path = sys.argv[1:]
    profile = tempfile.mkdtemp(prefix="maze-page-demo.")
    server = Server(os.path.abspath(build))
    driver = None
    try:
        driver = start_browser(profile)
        driver.set_script_timeout(60)
        began = time.monotonic()
        status = record(driver, server.url, path) if mode == "record" else play(driver, server.url, path)
        print("page_demo %s: %.1f s" % (mode, time.monotonic() - began), file=sys.stderr)
        return status
    finally:
        if driver is not None:
            driver.quit()
        server.stop()
        shutil.rmtree(profile, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
