"""pictures.py -- pictures compared with ImageMagick, for the page's canvas and the games' windows alike: the
picture at rest, its colours, and its pixels against another's or a reference's."""
import os
import subprocess
import time

from checking import TESTS, Trouble, check, fail

REFERENCE = os.path.join(TESTS, "e2e", "reference")
# Two pictures are alike within 10% per pixel and 80 pixels beyond that. The two GLUs (Mesa's libGLU, Wine's
# glu32) differ in single edge pixels (4 at most, after the turn). The references are the native game's
# pictures (Mesa's llvmpipe); the page draws with SwiftShader, whose texture filtering rounds differently
# (6500 pixels differ by 1% or more), and a polygon edge can fall one pixel the other way: measured, at most
# 52 pixels beyond 10% (at the stairs). A depth buffer of other precision than the game's 16 bits shows a
# seam of 118 (one mouse move) to 390 (at rest), WebGL's own 24 bits 119 to 223; a missing wall or texture
# changes tens of thousands, a turn of 3 degrees over 300000.
FUZZ_PERCENT = 10
MAX_DIFFERING = 80
# Where the picture at rest shows only walls and where only floor: brick on the left (from Crate.bmp, plain
# white without it, in the games as on the page), tiles at the bottom right. The door is out of sight there.
WALL_AREA = "150x150+20+120"
FLOOR_AREA = "400x100+240+380"


def magick(*arguments):
    """What an ImageMagick command prints, on its standard output or, as `compare` does, its error output."""
    run = subprocess.run(arguments, capture_output=True, text=True)
    return run.stdout or run.stderr


def colours(path, size=None):
    """The number of colours in a picture (bare RGB bytes of SIZE, w and h, if given). One where the game has
    drawn nothing yet (the black behind it), and in its first frame, drawn with a view vector that is still
    zero. Every picture these checks wait for has more: even with every wall and floor plain, the start view
    shows yellow beside the white."""
    raw = ["-size", "%dx%d" % size, "-depth", "8"] if size else []
    try:
        return int(magick("identify", *raw, "-format", "%k", "rgb:" + path if size else path))
    except ValueError:
        return 0


def size_of(path):
    return magick("identify", "-format", "%wx%h", path).strip()


def differing(a, b):
    """Pixels differing between two pictures by more than FUZZ_PERCENT; None when one is unreadable or their
    sizes differ: `compare` itself counts 0 differing pixels then, or prints its error text."""
    sizes = magick("identify", "-format", "%wx%h ", a, b).split()
    if len(sizes) != 2 or sizes[0] != sizes[1]:
        return None
    printed = magick("compare", "-metric", "AE", "-fuzz", "%d%%" % FUZZ_PERCENT, a, b, "null:")
    try:
        return int(float(printed.split()[0]))
    except (IndexError, ValueError):
        return None


def expect_alike(label, a, b, difference, note="", against=""):
    """At most MAX_DIFFERING pixels of A differ from B (AGAINST names it in the line) by more than
    FUZZ_PERCENT; a failure leaves the difference image at DIFFERENCE."""
    count = differing(a, b)
    if count is None:
        sizes = (a, size_of(a), b, size_of(b))
        return fail(label, "a picture is missing or unreadable, or the sizes differ (%s: %s, %s: %s)" % sizes)
    said = "%d of 307200 pixels differ%s by more than %d%%" % (count, against, FUZZ_PERCENT)
    if count > MAX_DIFFERING:
        magick("compare", "-fuzz", "%d%%" % FUZZ_PERCENT, a, b, difference)
    return check(label, count <= MAX_DIFFERING, "%s (difference: %s%s)" % (said, difference, note),
                 "%s: %s" % (label, said))


def mean_grey(path, area):
    """The mean of a part of a picture in grey, 0 black to 1 white."""
    try:
        return float(magick("convert", path, "-crop", area, "-colorspace", "gray", "-format", "%[fx:mean]", "info:"))
    except ValueError:
        return 0


def at_rest(shoot, drawn, seconds, where, between):
    """Pictures taken by SHOOT (their bytes), BETWEEN called between two, until two in a row are the same and
    DRAWN says the game has drawn there (more than one colour); raises Trouble when not within SECONDS. Equal
    pictures alone prove nothing: a window or canvas the game has not drawn into yet is as still as one at
    rest, and the first frame of a program started on a cold machine can take seconds."""
    previous, end = None, time.monotonic() + seconds
    while True:
        shot = shoot()
        if shot is not None and shot == previous and drawn():
            return
        previous = shot
        if time.monotonic() >= end:
            if drawn():
                raise Trouble("the picture never came to rest in %d s" % seconds)
            raise Trouble("the game drew nothing %s in %d s (one colour)" % (where, seconds))
        between()
