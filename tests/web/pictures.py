"""pictures.py -- the canvas once at rest, compared with the native games' reference pictures."""
import os
import subprocess
import time

from harness import HERE, check

REFERENCE = os.path.join(HERE, "..", "e2e", "reference")
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


def magick(*arguments):
    """What an ImageMagick command prints, on its standard output or, as `compare` does, its error output."""
    run = subprocess.run(arguments, capture_output=True, text=True)
    return run.stdout or run.stderr


def colours(path):
    """The number of colours in a picture: one where the game has drawn nothing
    yet, and in its first frame, whose view vector is still zero."""
    try:
        return int(magick("identify", "-format", "%k", path))
    except ValueError:
        return 0


def differing(a, b):
    printed = magick("compare", "-metric", "AE", "-fuzz", "%g%%" % FUZZ_PERCENT, a, b, "null:")
    try:
        return int(float(printed.split()[0]))
    except (IndexError, ValueError):
        return 307200


def mean_grey(path, area):
    """The mean of a part of a picture in grey, 0 black to 1 white."""
    try:
        return float(magick("convert", path, "-crop", area, "-colorspace", "gray", "-format", "%[fx:mean]", "info:"))
    except ValueError:
        return 0


class Pictures:
    def __init__(self, browser, folder):
        self.browser = browser
        self.folder = folder
        self.canvas = browser.element("canvas")
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
            if not self.browser.next_frames(2):
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

    def like_reference(self, label, name, moved=True):
        """The canvas at rest is the reference NAME; `moved` False: a mouse move
        before it was not followed by a frame, and the next may have merged with it."""
        if not moved:
            return check(label, False, "no frame drawn in 20 s after a mouse move")
        picture = self.settle(name)
        if picture is None:
            return check(label, False, self.trouble)
        count = differing(picture, os.path.join(REFERENCE, name + ".png"))
        return check("%s: %d of 307200 pixels differ from reference/%s.png by more than %d%%"
                     % (label, count, name, FUZZ_PERCENT), count <= MAX_DIFFERING, "%d > %d (%s)"
                     % (count, MAX_DIFFERING, picture))
