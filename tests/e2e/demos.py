"""demos.py -- the end-to-end checks of demos: each game records a run of real input that both simulators must
replay to its last line, plays the stairs demo back to the simulator's state, times it, and refuses a bad
demo."""
import os
import re
import time

from lib import (DEMO_NAME, DEMO_STATE, check, check_demo_ended, client_geometry, end_recorded, first_line,
                 focus, frames_of, new_run, part, passed, play_demo, refused_start, replayed_everywhere,
                 start_recorded, write, xdotool)

# A recording made in each game and ended by Escape, by kind, for the matrix.
RECORDINGS = {}

# About ten seconds of play: the pointer both ways on both axes, 'W', 'S', Shift with each, the space bar.
# Each row is what xdotool sends -- a place in the client area is a pair -- and the seconds until the next.
MIXED_PLAY = [
    ((500, 300), 0.3),
    ((100, 100), 0.3),
    ("keydown w", 1.5),
    ((400, 210), 0.3),
    ("keydown shift", 1),
    ("keyup shift", 0),
    ("keyup w", 0),
    ("keydown space", 0.6),
    ("keyup space", 0),
    ("keydown s", 1.2),
    ((200, 250), 0.3),
    ("keyup s", 0),
    ("keydown shift keydown s", 1),
    ("keyup s keyup shift", 0),
    ((312, 100), 0.3),
    ("keydown w", 1.5),
    ("keyup w", 0.5),
]


def play_mixed(game):
    x, y = client_geometry(game.win)[:2]
    focus(game)
    for sent, pause in MIXED_PLAY:
        if isinstance(sent, tuple):
            xdotool("mousemove", x + sent[0], y + sent[1])
        else:
            xdotool(*sent.split())
        time.sleep(pause)


@part
def record_and_replay(kind, end):
    """A recording of mixed play, ended by Escape or by closing the window (END "escape" or "close"),
    replayed by every simulator there is."""
    label = "%s: recording ended by %s" % (kind, end)
    game = start_recorded(kind, "%s-record-%s" % (kind, end), label)
    play_mixed(game)
    end_recorded(game, label, end)
    replayed = replayed_everywhere(label, game.recording)
    size, frames = os.path.getsize(game.recording), frames_of(game.recording)
    passed("%s: %d bytes, %s frames;%s" % (label, size, frames, replayed))
    if end == "escape":
        RECORDINGS[kind] = game.recording


def check_timedemo(kind):
    label = kind + ": --timedemo of the stairs demo"
    run, code, played = play_demo(kind, "timedemo")
    line = first_line(os.path.join(run, "timedemo.txt"))
    pattern = r"timedemo %s: [0-9]+ frames in [0-9]+\.[0-9]{3} s, [0-9]+\.[0-9] fps" % re.escape(DEMO_NAME)
    timed = code == 0 and re.fullmatch(pattern, line) is not None and played == DEMO_STATE
    check(label, timed,
          "exit code %s, timedemo.txt: %s (%s)"
          % (code, line or "nothing", run),
          "%s: %s" % (label, line))


def check_demo_refused(kind):
    """A demo with a line no simulator reads: maze-sim's line-numbered message."""
    run = new_run(kind + "-demo-refused", True)
    write(os.path.join(run, "bad.script"), "frames 1\njump 3\n")
    refused_start(kind, run, kind + ": a demo with a bad line", "bad.script: line 2: unknown command: jump 3",
                  "--playdemo", "bad.script")


def check_demos(kind):
    record_and_replay(kind, "escape")
    record_and_replay(kind, "close")
    check_demo_ended(kind + ": --playdemo of the stairs demo", *play_demo(kind, "playdemo"))
    check_timedemo(kind)
    check_demo_refused(kind)
