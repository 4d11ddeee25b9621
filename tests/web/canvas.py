"""canvas.py -- the page's canvas once at rest, compared with the native games' reference pictures."""
import os

from harness import check  # first: it puts tests/common on the path

from checking import Trouble, read_bytes  # noqa: I100
from pictures import REFERENCE, at_rest, colours, expect_alike


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
        difference = os.path.join(self.folder, name + "-difference.png")
        return expect_alike(label, picture, os.path.join(REFERENCE, name + ".png"), difference,
                            against=" from reference/%s.png" % name)
