"""file_checks.py -- the page's own files missing, long or damaged: told in the box, or played as the games do."""
import os

from canvas import Pictures
from harness import check, page_with, told

from pictures import WALL_AREA, mean_grey  # noqa: I100 (on the path once harness is imported)


def check_no_data(browser):
    """The page without Data/: the game's own box, as a dialog; Data/ without Crate.bmp: the walls plain."""
    browser.open("", page_with(browser, "no-data", {}, ["Data"]))
    text = browser.box_text()
    caption = browser.text("box-caption")
    check("without Data/ the page shows the box \"%s\" / \"%s\"" % (caption, text),
          caption == "ERROR" and text == "Initialization Failed.", "box open=%s" % (text is not None))
    folder = page_with(browser, "no-crate", {}, ["Data/Crate.bmp"])
    browser.open("", folder)
    pictures = Pictures(browser, folder)
    picture = pictures.settle("no-crate")
    mean = mean_grey(picture or "", WALL_AREA)
    check("without Crate.bmp the walls are plain, %.2f of white" % mean, mean > 0.5, pictures.trouble or picture)


def check_memory(browser):
    """A long demo (13 minutes of play) plays; a runtime that fails is told in the box."""
    folder = page_with(browser, "long-demo", {"long.script": "mouse 320 240\nframes 1\n" * 40000})
    browser.open("?playdemo=long.script", folder)
    going = browser.started()
    aborted = [line for line in browser.log() + [browser.box_text(0) or ""] if "Abort" in line]
    check("a demo of 80000 lines plays", going and not aborted, "frames %s, %s" % (going, aborted))
    folder = page_with(browser, "damaged", {})
    with open(os.path.join(folder, "maze.wasm"), "r+b") as wasm:
        wasm.truncate(1000)
    told(browser, "a damaged maze.wasm is told in the box", "", "stopped", folder)
