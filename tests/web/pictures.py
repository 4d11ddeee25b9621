"""pictures.py -- the canvas once at rest, compared with the native games' reference pictures."""
import os

from harness import check  # first: it puts tests/common on the path

import checking  # noqa: I100
from checking import FUZZ_PERCENT, MAX_DIFFERING, REFERENCE, Trouble, at_rest, colours, magick, read_bytes


def differing(a, b):
    count = checking.differing(a, b)
    return 307200 if count is None else count


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
        """The canvas at rest (see at_rest), pictures a few frames apart; None, with the reason in
        self.trouble, if not within 30 s."""
        path = os.path.join(self.folder, name + ".png")

        def frames_between():
            if not self.browser.next_frames(2):
                raise Trouble("no frames drawn in 20 s")

        try:
            at_rest(lambda: read_bytes(self.shoot(name)), lambda: colours(path) > 1, 30, "into the canvas",
                    frames_between)
            return path
        except Trouble as trouble:
            self.trouble = str(trouble)
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
