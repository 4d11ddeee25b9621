"""checking.py -- what the browser checks and the end-to-end run share: the lines they print and their count,
bounded waits, the simulator's expected states, and pictures compared with ImageMagick."""
import os
import subprocess
import sys
import time

TESTS = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SIM = os.path.join(TESTS, "sim")
REFERENCE = os.path.join(TESTS, "e2e", "reference")
results = {"passed": 0, "failed": 0}
# The game's pace in every build: a thousand steps a second, within 3%.
PACE = 1000
PACE_SLACK = 30
# Where the lines go: the page's checks print them on standard output, the end-to-end run on its error
# output, keeping standard output for the closing count.
OUT = sys.stdout


def say(line):
    print(line, file=OUT, flush=True)


def check(label, ok, why="", passed=None):
    """One check counted and told: PASSED (LABEL by default) when OK, else LABEL failed for the reason WHY."""
    results["passed" if ok else "failed"] += 1
    say(("PASS  " + (passed or label)) if ok else ("FAIL  %s: %s" % (label, why)))
    return ok


def summary():
    return "%d passed, %d failed" % (results["passed"], results["failed"])


def wait_until(seconds, probe, every=0.1):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        value = probe()
        if value:
            return value
        time.sleep(every)
    return probe()


class Trouble(Exception):
    """Why a step fell short: the caller says which check failed for it."""


def read_bytes(path):
    """The bytes in a file; None if it cannot be read."""
    try:
        with open(path, "rb") as file:
            return file.read()
    except OSError:
        return None


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


def last_state(demo):
    """The last line of the simulator's expected output for tests/sim/DEMO."""
    with open(os.path.join(SIM, demo + ".expected")) as lines:
        return lines.read().splitlines()[-1]


def write(path, text):
    with open(path, "w") as out:
        out.write(text)
    return path


# --- pictures ----------------------------------------------------------------------------------------------

# Two pictures are alike within 10% per pixel and 80 pixels beyond that. The two GLUs (Mesa's libGLU, Wine's
# glu32) differ in single edge pixels (4 at most, after the turn). The references are the native game's
# pictures (Mesa's llvmpipe); the page draws with SwiftShader, whose texture filtering rounds differently
# (6500 pixels differ by 1% or more), and a polygon edge can fall one pixel the other way: measured, at most
# 52 pixels beyond 10% (at the stairs). A depth buffer of other precision than the game's 16 bits shows a
# seam of 118 (one mouse move) to 390 (at rest), WebGL's own 24 bits 119 to 223; a missing wall or texture
# changes tens of thousands, a turn of 3 degrees over 300000.
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


def size_of(path):
    return magick("identify", "-format", "%wx%h", path).strip()


def differing(a, b, fuzz=FUZZ_PERCENT):
    """Pixels differing between two pictures by more than FUZZ percent; None when one is unreadable or their
    sizes differ: `compare` itself counts 0 differing pixels then, or prints its error text."""
    sizes = magick("identify", "-format", "%wx%h ", a, b).split()
    if len(sizes) != 2 or sizes[0] != sizes[1]:
        return None
    printed = magick("compare", "-metric", "AE", "-fuzz", "%g%%" % fuzz, a, b, "null:")
    try:
        return int(float(printed.split()[0]))
    except (IndexError, ValueError):
        return None
