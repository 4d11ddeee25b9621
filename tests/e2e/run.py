#!/usr/bin/python3
"""run.py -- end-to-end checks of both games on virtual X servers: the native
SDL build and the 32-bit Windows build under Wine, driven by synthetic X input.

    tests/e2e/run.py LINUX_GAME WINDOWS_GAME [WEB_BUILD]
        e.g. build/linux/maze build/windows/maze.exe build/web

What each check proves, and E2E_KEEP, E2E_UPDATE_REFERENCE and
E2E_UPDATE_SCREENSHOTS: docs/testing.md. E2E_ONLY="check_paces check_demos"
runs only those checks of CHECKS below, for each game where a check takes one.
A game whose file is missing is skipped with a message, and so is a package
missing beside its game. Prints one line per check and closes with
"N passed, M failed"; non-zero on a failure. Run with Debian's python3.
"""
import importlib
import os
import signal
import sys
import tempfile
import time
import traceback

import lib
from lib import e2e, fail, say

import checking  # noqa: I100 (on the path once lib is imported)
from checking import chosen, closing

PARTS = ["play", "demos", "files", "pace", "robustness", "release", "matrix"]
# The checks in their order. Those of one game run for each; those across the
# games (the matrix, the pictures and simulators compared) once.
CHECKS = [
    "check_play", "check_close", "check_fullscreen_refused", "check_no_bitmap",
    "check_fullscreen_granted_where_possible",
    "update_reference", "check_reference",
    "check_demos", "check_demo_files", "check_paces", "check_input",
    "check_matrix", "compare_pictures", "check_simulators",
    # A player's mishaps and the packages.
    "check_bitmap_sets", "check_f1_toggles_where_granted", "check_without_xinput", "check_package",
    "update_screenshots",
]
ASKED_FOR = {"update_reference": "E2E_UPDATE_REFERENCE", "update_screenshots": "E2E_UPDATE_SCREENSHOTS"}
BOTH_GAMES = {"compare_pictures", "check_simulators"}


def find_check(name):
    for part in PARTS:
        function = getattr(sys.modules[part], name, None)
        if function:
            return function
    return None


def run_check(name):
    """The check NAME once, or for each game, as its kind asks; a fault of the harness is a failure of it
    alone, told with its traceback."""
    function = find_check(name)
    if function is None:
        return say("e2e: no check named " + name)
    if name in ASKED_FOR:
        calls = [()] if os.environ.get(ASKED_FOR[name]) else []
    elif name in BOTH_GAMES:
        calls = [()] if len(e2e.kinds) == 2 else []
    elif name == "check_matrix":
        calls = [()]
    else:
        calls = [(kind,) for kind in e2e.kinds]
    for args in calls:
        try:
            function(*args)
        except lib.Stop:
            pass
        except Exception as error:  # noqa: B902 (the run goes on to the next check)
            traceback.print_exc()
            fail(" ".join((name,) + args), "the harness broke: %r" % error)


def main(arguments):
    if len(arguments) not in (2, 3):
        say("usage: %s LINUX_GAME WINDOWS_GAME [WEB_BUILD]" % sys.argv[0])
        return 2
    started = time.monotonic()
    for part in PARTS:
        importlib.import_module(part)
    e2e.games = {"linux": os.path.abspath(arguments[0]), "windows": os.path.abspath(arguments[1])}
    e2e.web_build = os.path.abspath(arguments[2]) if len(arguments) == 3 else ""
    e2e.scratch = tempfile.mkdtemp(prefix="maze-e2e.", dir=os.environ.get("TMPDIR", "/tmp"))
    try:
        if not lib.setup_x():
            return 1
        for kind in ("linux", "windows"):
            if not os.path.isfile(e2e.games[kind]):
                say("SKIP  %s: %s not found" % (kind, e2e.games[kind]))
            elif kind == "linux" or lib.setup_wine():
                e2e.kinds.append(kind)
            else:
                fail("windows", "no Wine prefix")
        for name in chosen("E2E_ONLY", CHECKS):
            run_check(name)
        return closing("e2e", started)
    finally:
        lib.cleanup()


def interrupted(number, frame):
    raise SystemExit(130)


if __name__ == "__main__":
    checking.OUT = sys.stderr
    signal.signal(signal.SIGTERM, interrupted)
    signal.signal(signal.SIGINT, interrupted)
    sys.exit(main(sys.argv[1:]))
