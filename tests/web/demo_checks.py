"""demo_checks.py -- demos named in the page's address: played to their end at the pace, or refused and told."""
import os
import re

from harness import DEMO_NAME, DEMO_STATE, check, page_with, told, wait_until, within_pace, write

# Resolves, in the page, with the time of the first frame shown.
FIRST_FRAME_AT = """
var done = arguments[arguments.length - 1];
(function poll() {
    if (window.mazePage && mazePage.frames() > 0) done(performance.now()); else requestAnimationFrame(poll);
})();
"""


def check_demos(browser):
    """?playdemo= ends by itself in the simulator's last state; ?timedemo= says how fast."""
    browser.open("?playdemo=" + DEMO_NAME)
    if wait_until(60, lambda: browser.frames() > 100):
        browser.keep("demo-on-stairs")
    result = browser.demo_result(180)
    check("?playdemo= plays the stairs demo to the simulator's last state", result == DEMO_STATE,
          "ended %s, demo-result.txt %r" % (browser.ended(), result[:80]))
    browser.open("?timedemo=" + DEMO_NAME)
    ended = browser.wait_ended(180)
    line = browser.text("status")
    well_formed = re.match(r"^timedemo stairs_demo\.script: 206 frames in [0-9.]+ s, [0-9.]+ fps$", line)
    check("?timedemo= ends with its line: %s" % line, ended and well_formed is not None, "ended %s" % ended)
    if ended:
        check_play_again_after_demo(browser)


def check_play_again_after_demo(browser):
    """"Play again" after a demo: a plain game, nothing left of the demo's line, before or after its end."""
    stopped = browser.frames()
    browser.element("again").click()
    going = browser.going_again(stopped)
    during = browser.text("status")
    ended = browser.end_with_escape()
    after = browser.text("status")
    result = browser.demo_result()
    check("\"Play again\" after ?timedemo= runs a new game and shows no line of the demo",
          going and ended and during == "" and after == "" and not result,
          "new frames %s, ended %s, status %r then %r, result %r" % (going, ended, during, after, result))


def demo_seconds(browser, folder, name):
    """How long ?playdemo=NAME lasts from its first frame to its end, and the steps it dropped; None if it never
    ended."""
    browser.open("?playdemo=" + name, folder)
    first = browser.execute_async_script(FIRST_FRAME_AT)
    if not browser.wait_ended(60):
        return None, 0
    return (browser.js("mazePage.endedAt") - first) / 1000, browser.dropped()


def check_demo_pace(browser):
    """?playdemo= of 2,000 and of 6,000 steps of 'W': the 4,000 between them take 4 s, a watched demo at the pace;
    a pace the game refuses, told."""
    walks = {"walk%d.script" % n: "key 87 down\nframes %d\nkey 87 up\n" % n for n in (2000, 6000)}
    folder = page_with(browser, "demo-pace", walks)
    short, short_lost = demo_seconds(browser, folder, "walk2000.script")
    long, long_lost = demo_seconds(browser, folder, "walk6000.script")
    ended = short is not None and long is not None
    took = long - short if ended else 0
    check("?playdemo= of 6,000 steps lasts %.3f s more than of 2,000 (%s and %s steps dropped)"
          % (took, short_lost, long_lost), ended and within_pace(4000, took), "ended %s" % ended)
    told(browser, "?pace=fast is refused in the game's box", "?pace=fast", "--pace needs")


def check_play_again_after_refusal(browser):
    """"Play again" after the page refused its first demo: a game that hears the keys (Escape ends it)."""
    browser.find_element("css selector", "#box button").click()
    browser.element("again").click()
    going = browser.going_again(0)
    ended = going and browser.end_with_escape()
    check("\"Play again\" after a refused demo plays a game that hears the keys", ended,
          "new frames %s, ended by Escape %s" % (going, ended))


def check_demo_names(browser):
    """?playdemo= fetches a plain name beside the page or tells why not; never elsewhere, never silently."""
    elsewhere = os.path.join(browser.scratch, "elsewhere")
    os.makedirs(elsewhere)
    write(os.path.join(elsewhere, "evil.script"), "frames 1\n")
    folder = page_with(browser, "names", {"wrong.script": "frames 3\nexpect frame=99\n"})
    port = browser.serve(elsewhere).port
    for name in (".", "..", "x/", ".hidden", "%5C%5C127.0.0.1:" + str(port) + "%5Cevil.script"):
        told(browser, "?playdemo=%s is refused" % name, "?playdemo=" + name, "named plainly", folder)
    told(browser, "?playdemo=Data is refused", "?playdemo=Data", "is a folder", folder)
    check_play_again_after_refusal(browser)
    told(browser, "a demo not there is told", "?timedemo=missing.script", "404", folder)
    browser.open("?playdemo=wrong.script", folder)
    text = browser.box_text(60) or ""
    check("a failed expect is told in the box: %s" % (text.splitlines() or [""])[0],
          text.startswith("wrong.script: line 2: expect") and "expected 99" in text, "box %r" % text)
