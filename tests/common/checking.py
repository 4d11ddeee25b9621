"""checking.py -- what the browser checks and the end-to-end run share: the lines they print and their count,
the checks chosen and the run's end, bounded waits and the game's pace."""
import os
import shutil
import sys
import time

TESTS = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
results = {"passed": 0, "failed": 0}
# The game's pace in every build: a thousand steps a second, within 3%.
PACE = 1000
PACE_SLACK = 30
TITLE = "Tamblin 1.OpenGL_game"
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


def passed(label):
    check(label, True)


def fail(label, why):
    check(label, False, why)


def near(value, target, slack):
    return target - slack <= value <= target + slack


def within_pace(count, seconds):
    """A turn makes up at most a quarter of a second: only a stall drops steps, and the steps run alone keep
    the pace; those dropped are told beside them."""
    return near(count / seconds, PACE, PACE_SLACK)


def chosen(variable, names):
    """The names listed in the environment VARIABLE (apart by spaces or commas), else all NAMES."""
    return os.environ.get(variable, "").replace(",", " ").split() or names


def tidy(prefix, scratch, keep):
    """The scratch folder removed, unless a check failed or KEEP asks to keep it."""
    if results["failed"] or keep:
        say("%s: pictures and logs kept in %s" % (prefix, scratch))
    else:
        shutil.rmtree(scratch, ignore_errors=True)


def closing(prefix, started):
    """The time the run took, the count on standard output, and the exit status: 1 on a failure."""
    say("%s: %d s" % (prefix, time.monotonic() - started))
    print("%d passed, %d failed" % (results["passed"], results["failed"]), flush=True)
    return 1 if results["failed"] else 0


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
    try:
        with open(path, "rb") as file:
            return file.read()
    except OSError:
        return None


def write(path, text):
    with open(path, "w") as out:
        out.write(text)
    return path
