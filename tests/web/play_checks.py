"""play_checks.py -- a game on the page with keyboard and mouse: its pictures, its pace, its keys and its end."""
import os
import time

from selenium.webdriver.common.keys import Keys

from canvas import Pictures
from harness import PACE, PACE_SLACK, Pointer, check, say, wait_until, within_pace

from checking import TITLE  # noqa: I100 (on the path once harness is imported)
from pictures import differing
from recordings import lista_lines


def play(browser):
    browser.open()
    started = browser.started()
    check("the page \"%s\" loads and runs the game" % browser.title, started and browser.title == TITLE,
          "title %r, started %s" % (browser.title, started))
    if not started:
        return
    size = browser.js("[arguments[0].width, arguments[0].height]", browser.element("canvas"))
    check("a canvas of 640 x 480", size == [640, 480], "%s" % size)
    check("no touch controls on a desktop", not browser.element("touch-controls").is_displayed(), "shown")
    pictures = Pictures(browser, browser.scratch)
    check_pictures(browser, pictures)
    check_frame_time(browser)
    check_pace(browser)
    check_walking(browser, pictures)
    check_space(browser)
    errors = browser.log("SEVERE")
    check("no console error", not errors, "; ".join(errors))
    check_fullscreen(browser)
    check_escape(browser)


def check_pictures(browser, pictures):
    pointer = Pointer(browser)
    pictures.like_reference("start view", "still")
    # Onto the canvas from above and left of it: one move right and down.
    moved = pointer.move(300, 220)
    pictures.like_reference("one mouse move turns and tilts the view", "turned", moved)
    moved = pointer.turn(1, 0, 21) and pointer.turn(0, -1, 1)
    pictures.like_reference("22 more mouse moves face the stairs", "stairs", moved)


def check_frame_time(browser, seconds=3.0):
    count, elapsed = browser.over(seconds)[2:]
    if count > 0:
        say("INFO  frame time of the page: %.1f ms (%d frames in %.1f s)" % (1000 * elapsed / count, count, elapsed))


def check_pace(browser, seconds=float(os.environ.get("WEB_HOLD_SECONDS", "3"))):
    """'W' held: the page runs its steps at the pace, several to each frame it shows."""
    browser.key("w", True)
    count, lost, shown, elapsed = browser.over(seconds)
    browser.key("w", False)
    check("several steps to a frame shown", 0 < shown < count, "%d steps, %d frames" % (count, shown))
    check("'W' held %.1f s: %d steps run, %.0f a second (%d dropped), in %d frames shown"
          % (elapsed, count, count / elapsed, lost, shown),
          within_pace(count, elapsed), "not %d +- %d a second" % (PACE, PACE_SLACK))


def check_walking(browser, pictures):
    label = "'W' held moves the view"
    still = pictures.settle("before-walking")
    if still is None:
        return check(label, False, "before walking " + pictures.trouble)
    if not browser.hold("w", 1.5):
        return check(label, False, "no frame drawn in 20 s with 'W' down")
    walked = pictures.settle("walked")
    if walked is None:
        return check(label, False, "after walking " + pictures.trouble)
    count = differing(still, walked) or 0
    return check("%s (%d pixels changed)" % (label, count), count > 10000, "the picture barely changed")


def check_space(browser, seconds=2.0):
    start = browser.frames()
    held = browser.hold(Keys.SPACE, seconds)
    held_frames = browser.frames() - start
    # One frame after the key went up: every frame that read it down is over.
    after = browser.next_frames()
    dashes, pairs, others = lista_lines((browser.js("mazePage.listaText()") or "").splitlines())
    # Every frame while space is down writes a pair and asks for 100 ms more.
    ok = pairs >= 1 and pairs == dashes and others == 0 and pairs <= seconds * 10 + 2 and pairs <= held_frames + 1
    check("space held %.1f s appends %d pairs to lista.txt in %d frames (read back through the page)"
          % (seconds, pairs, held_frames), ok and held and after,
          "%d dash lines, %d fok lines, %d others; a frame with the key down: %s, after it: %s"
          % (dashes, pairs, others, held, after))


def fullscreen_element(browser):
    return browser.js("document.fullscreenElement && document.fullscreenElement.id")


def fullscreen_and_back(browser, toggle, element):
    """Whether `toggle` showed `element` fullscreen, and brought the page back when done again."""
    toggle()
    shown = wait_until(5, lambda: fullscreen_element(browser) == element)
    toggle()
    return shown, wait_until(5, lambda: fullscreen_element(browser) is None)


def check_fullscreen(browser):
    pressed = []
    shown, back = fullscreen_and_back(browser, lambda: pressed.append(browser.hold(Keys.F1, 1.0)), "canvas")
    going = browser.next_frames(2) and not browser.ended()
    check("F1 shows the canvas alone fullscreen, F1 again brings the page back, the game goes on",
          shown and back and going, "fullscreen %s, back %s, frames going on %s, a frame with each F1 down %s"
          % (shown, back, going, all(pressed)))


def check_escape(browser):
    ended = browser.end_with_escape()
    shown = browser.element("ended").is_displayed()
    check("Escape ends the game and the page says so", ended and shown, "ended=%s, message shown=%s" % (ended, shown))
    stopped = browser.frames()
    time.sleep(0.5)
    check("no frames after the end", browser.frames() == stopped, "the frame count went on")
    if not shown:
        return
    browser.element("again").click()
    check("\"Play again\" starts a new game", browser.going_again(stopped, 10), "no new frames")
