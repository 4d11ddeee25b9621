#!/usr/bin/python3
"""browser_test.py -- the web build played in a real headless Chromium, driven by Selenium.

    tests/web/browser_test.py BUILD_DIR        e.g. build/web

Serves BUILD_DIR on 127.0.0.1 and runs each group of checks on the page in turn;
each group's file says what it checks. Prints one line per check and closes
with "N passed, M failed"; exit status 1 on a failure. WEB_KEEP=DIR keeps the
pictures in DIR; WEB_ONLY=GROUP,... runs those groups alone (the names in
GROUPS). Run with Debian's python3 (python3-selenium).
"""
import sys

from demo_checks import check_demo_names, check_demo_pace, check_demos
from device_checks import check_gamepad, check_touch
from file_checks import check_memory, check_no_data
from harness import run_groups, say
from input_checks import check_input
from play_checks import play
from recording_checks import check_recordings, check_watching

GROUPS = {"play": play, "input": check_input, "demos": check_demos, "demo-pace": check_demo_pace,
          "no-data": check_no_data, "recordings": check_recordings, "watching": check_watching,
          "demo-names": check_demo_names, "memory": check_memory, "touch": check_touch, "gamepad": check_gamepad}

if __name__ == "__main__":
    if len(sys.argv) != 2:
        say(__doc__.strip().splitlines()[2])
        sys.exit(2)
    sys.exit(run_groups(GROUPS, sys.argv[1]))
