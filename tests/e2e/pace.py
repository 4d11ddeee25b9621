"""pace.py -- the end-to-end checks of the game's pace (check_paces), and of input at its moment and the frame
rate (check_input). The recording of each run is the evidence.
E2E_HOLD_SECONDS=10 E2E_ONLY=check_paces tests/e2e/run.py ... measures longer."""
import os
import re
import signal
import time

from lib import (HOME_X, HOME_Y, Stop, check, client_geometry, e2e, end_recorded, escape_and_wait, expect_exit,
                 fail, find_game, focus, lines_of, near, new_run, output_of, part, refused_start,
                 replayed_everywhere, say, start_found, start_game, start_recorded, write, xdotool)

from checking import PACE, PACE_SLACK  # noqa: I100 (on the path once lib is imported)
from recordings import while_w_held

HOLD_SECONDS = os.environ.get("E2E_HOLD_SECONDS", "3")

# The recording's closing comment, "# N steps in S s at --pace P, D of them drawn, K dropped", each number
# found by the words beside it: a comment reworded or reordered fails the check that reads it, naming the
# number, rather than handing it another.
SUMMARY_WORDS = {
    "steps": r"^# ([0-9]+) steps in ",
    "seconds": r" ([0-9]+\.[0-9]+) s at ",
    "pace": r" --pace ([0-9]+),",
    "drawn": r" ([0-9]+) of them drawn",
    "dropped": r" ([0-9]+) dropped$",
}


def ms_since(start):
    return round((time.monotonic() - start) * 1000)


def read_summary(game, label, code=0):
    """The closing comment of the recording (the last but the "# N steps dropped" lines), and its numbers by
    name; else LABEL failed (Stop)."""
    comments = [line for line in lines_of(game.recording)
                if line.startswith("# ") and not line.endswith(" steps dropped")]
    line = comments[-1] if comments else ""
    numbers = {}
    for name, words in SUMMARY_WORDS.items():
        found = re.search(words, line)
        if not found:
            fail(label, 'exit code %s, no %s in the closing comment "%s" (%s)' % (code, name, line, game.run))
            raise Stop()
        numbers[name] = found.group(1)
    return line, numbers


def record_walk(kind, name, label, *args):
    """'W' held HOLD_SECONDS, then Escape: the game, the milliseconds held (as the test measured them), and
    the recording's summary, which every simulator must replay."""
    game = start_recorded(kind, name, label, *args)
    time.sleep(0.5)
    # Each time taken as the xdotool that sent the event returns, so that
    # both ends carry the same delay.
    xdotool("keydown", "w")
    start = time.monotonic()
    time.sleep(float(HOLD_SECONDS))
    xdotool("keyup", "w")
    held_ms = ms_since(start)
    time.sleep(0.3)
    end_recorded(game, label)
    line, summary = read_summary(game, label)
    replayed_everywhere(label, game.recording)
    return game, held_ms, line, summary


@part
def check_pace(kind):
    label = "%s: 'W' held %s s at the default pace" % (kind, HOLD_SECONDS)
    game, held_ms, line, _ = record_walk(kind, kind + "-pace", label)
    steps = while_w_held(lines_of(game.recording))
    dropped = while_w_held(lines_of(game.recording), dropped=True)
    # The steps run only: the dropped ones are the clock's own shortfall.
    rate = steps * 1000 // held_ms
    said = "%d steps and %d dropped in %d ms, %d a second" % (steps, dropped, held_ms, rate)
    check(label, near(rate, PACE, PACE_SLACK), "%s, not %d +- %d (%s)" % (said, PACE, PACE_SLACK, game.run),
          "%s: %s; %s" % (label, said, line[2:]))


@part
def check_pace_zero(kind):
    """One step per drawn frame: every step of the recording was drawn."""
    label = "%s: 'W' held %s s at --pace 0" % (kind, HOLD_SECONDS)
    game, held_ms, line, summary = record_walk(kind, kind + "-pace-0", label, "--pace", "0")
    steps, drawn = summary["steps"], summary["drawn"]
    check(label, steps == drawn and int(steps) < held_ms * PACE // 1000 // 2,
          "summary: %s (%s)" % (line, game.run),
          "%s: %s steps, %s drawn, %d while 'W' was held"
          % (label, steps, drawn, while_w_held(lines_of(game.recording))))


@part
def check_catch_up(kind):
    """Stopped for two seconds (SIGSTOP, SIGCONT), the game runs at most a quarter of a second's worth of
    steps at once afterwards: the largest drop in the recording is the stop, less at most that."""
    label = kind + ": stopped 2 s, then caught up"
    game = start_recorded(kind, kind + "-catch-up", label)
    time.sleep(1)
    start = time.monotonic()
    os.kill(game.pid, signal.SIGSTOP)
    time.sleep(2)
    os.kill(game.pid, signal.SIGCONT)
    stopped_ms = ms_since(start)
    time.sleep(1)
    end_recorded(game, label)
    _, summary = read_summary(game, label)
    drops = [int(line.split()[1]) for line in lines_of(game.recording) if line.endswith(" steps dropped")]
    largest = max(drops, default=0)
    made_up = stopped_ms * PACE // 1000 - largest
    said = "%d ms stopped, %d steps dropped, %d made up" % (stopped_ms, largest, made_up)
    # A quarter of a second's steps, and a little for the stop's own timing.
    check(label, made_up <= PACE // 4 + PACE // 50, "%s (%s)" % (said, game.run),
          "%s: %s; %s steps in %s s" % (label, said, summary["steps"], summary["seconds"]))


def check_paces(kind):
    check_pace(kind)
    check_pace_zero(kind)
    if kind == "linux":
        check_catch_up(kind)
    run = new_run(kind + "-pace-refused", True)
    refused_start(kind, run, kind + ": --pace x", "--pace needs ", "--pace", "x")


# --- input at its moment, and the frames -------------------------------------------------------------------


@part
def check_mouse_rate(kind, reports, cap, *args):
    """The pointer moved right by XTest, REPORTS a second for 2 s, the game started with ARGS: yrot turns 3
    degrees for each mouse message due, within 5%: one a report, up to CAP a second (0: none) over the
    seconds the reports took (2 s, more on a busy machine)."""
    label = "%s: %d mouse reports a second for 2 s%s" % (kind, reports, ", " + " ".join(args) if args else "")
    name = "%s-mouse-%d%s" % (kind, reports, re.sub("[^a-z0-9]", "-", "".join(args)))
    game = start_recorded(kind, name, label, *args)
    x, y = client_geometry(game.win)[:2]
    xdotool("mousemove", x + HOME_X, y + HOME_Y)
    time.sleep(0.5)
    took = output_of(e2e.xtest_mouse, str(reports), "2", "1").strip()
    expected = reports * 2 * 3
    if 0 < cap < reports:
        expected = int(float(took or 0) * cap * 3)
    time.sleep(0.3)
    code = escape_and_wait(game, 0.1)
    game.stop()
    lines = lines_of(game.recording)
    found = re.match(r"expect .* yrot=([-0-9.]*) ", lines[-1] if lines else "")
    turned = found.group(1) if found else ""
    messages = sum(line.startswith("mouse") for line in lines)
    # Wine merges the pointer's moves while the game draws, and drops those
    # in flight when the pointer is sent home, before any history of them is
    # kept: the game under Wine gets what Wine passes on, told, not judged.
    if kind == "windows":
        return say("NOTE  %s: yrot %s of %d, %d mouse messages (exit code %s)"
                   % (label, turned or "?", expected, messages, code))
    check(label, code == 0 and turned != "" and near(int(float(turned)), expected, expected * 5 // 100),
          "exit code %s, yrot %s, not %d +- 5%% (%s)" % (code, turned or "?", expected, game.run),
          "%s: yrot %s of %d (reports over %s s), %d mouse messages"
          % (label, turned, expected, took, messages))


# Reports a second, the cap on mouse messages a second they meet, and the
# options beside --fps.
MOUSE_RATES = [(125, 125), (500, 125), (500, 0, "--mouse-rate", "0")]


def tap(key, seconds):
    """KEY down, and up SECONDS later, in one xdotool, so that nothing but its own sleep comes between."""
    xdotool("keydown", "--delay", 0, key, "sleep", seconds, "keyup", "--delay", 0, key)


def tap_walk(kind, label, tried):
    """A game at --fps 10 with 'W' tapped for 30 ms, then Escape for 20 ms: its exit code, the steps it
    walked, and its folder."""
    game = start_recorded(kind, "%s-taps-%d" % (kind, tried), label, "--fps", "10")
    time.sleep(0.5)
    tap("w", 0.03)
    time.sleep(0.3)
    tap("Escape", 0.02)
    code = game.wait_exit(5)
    game.stop()
    return code, while_w_held(lines_of(game.recording)), game.run


@part
def check_taps(kind):
    """At --fps 10, 'W' held for 30 ms walks 30 +- 3 steps and Escape held for 20 ms ends the game: each key
    reaches the steps of its moment, however far apart the frames. A second try where the first falls short:
    now and then (under Wine about one run in eight) a tap comes out 5 to 20 ms long or short, where a tap
    taken at its frame instead of its moment walks 0 or 100 steps every time."""
    label = kind + ": taps at --fps 10"
    for tried in (1, 2):
        code, walked, run = tap_walk(kind, label, tried)
        if tried == 2 or (code == 0 and near(walked, 30, 3)):
            break
        say("NOTE  %s: exit code %s, %d steps for 'W' held 30 ms on the first try (%s)" % (label, code, walked, run))
    check(label, code == 0 and near(walked, 30, 3),
          "exit code %s (Escape held 20 ms), %d steps for 'W' held 30 ms, not 30 +- 3 (%s)" % (code, walked, run),
          "%s: 'W' held 30 ms walks %d steps; Escape held 20 ms ends the game" % (label, walked))
    # A step a second: the tap is over long before the step that sees it.
    label = kind + ": Escape held 20 ms at --pace 1"
    game = start_found(kind, kind + "-escape-pace-1", label, "--pace", "1")
    focus(game)
    tap("Escape", 0.02)
    expect_exit(game, label + " ends the game", 0)


def cpu_ticks(pid):
    """The process's CPU time in clock ticks of 10 ms: user, kernel; none once it has gone."""
    try:
        with open("/proc/%d/stat" % pid) as stat:
            return [int(ticks) for ticks in stat.read().split()[13:15]]
    except OSError:
        return [0, 0]


def cpu_over(pid, seconds):
    """The process's CPU time while SECONDS pass, in clock ticks of 10 ms: user, kernel."""
    before = cpu_ticks(pid)
    time.sleep(seconds)
    return [after - ticks for after, ticks in zip(cpu_ticks(pid), before)]


@part
def check_fast_pace(kind):
    """At --pace 100000, 10 s of a demo, which never reads the mouse: within 5% of 100,000 steps a second
    where the machine allows. The pointer goes home once a drawn frame, and not at all here: each time is a
    round trip to X."""
    label = kind + ": 10 s of --playdemo at --pace 100000"
    run = new_run(kind + "-fast-pace", True)
    write(os.path.join(run, "long.script"), "key 87 down\nframes 5000000\nkey 87 up\n")
    game = start_game(kind, run, "--pace", "100000", "--playdemo", "long.script")
    find_game(game, label)
    # From its first frame drawn, as near as this test can tell.
    start = time.monotonic()
    user, kernel = cpu_over(game.pid, 10)
    focus(game)
    tap("Escape", 0.02)
    took_ms = ms_since(start)
    code = game.wait_exit(15)
    stopped = re.search(r"stopped after ([0-9]+)", "\n".join(lines_of(game.stderr)))
    steps = int(stopped.group(1)) if stopped else 0
    rate = steps * 1000 // took_ms
    say("INFO  %s: user %d, kernel %d ticks of 10 ms over 10 s" % (label, user, kernel))
    check(label, code == 0 and near(rate, 100000, 5000),
          "exit code %s, %s steps in %d ms, %d a second, not 100000 +- 5%% (%s)"
          % (code, steps or "no", took_ms, rate, run),
          "%s: %d steps in %d ms, %d a second" % (label, steps, took_ms, rate))


@part
def check_frame_rate(kind, fps):
    """Standing still for 10 s at --fps 30: 300 +- 10 frames drawn. The Linux game's share of a core there
    and at --fps 0 is told beside it."""
    label = "%s: standing still at --fps %d" % (kind, fps)
    game = start_recorded(kind, "%s-fps-%d" % (kind, fps), label, "--fps", str(fps))
    ticks = cpu_over(game.pid, 10)
    code = escape_and_wait(game, 0.1)
    game.stop()
    if kind == "linux":
        # Ticks of 10 ms over 10 s: a tenth of them is the share in percent.
        say("INFO  %s: %d%% of a core (CPU time over 10 s, all threads)" % (label, sum(ticks) // 10))
    if fps == 0:
        return
    _, summary = read_summary(game, label, code)
    seconds, drawn = summary["seconds"], int(summary["drawn"])
    # Under Wine on this machine the game stalls now and then for a tenth of
    # a second or more, frames and steps alike: told, not judged.
    if kind == "windows":
        return say("NOTE  %s: %d frames in %s s (exit code %s)" % (label, drawn, seconds, code))
    check(label, code == 0 and abs(drawn - float(seconds) * fps) <= 10,
          "exit code %s, %d frames in %s s, not %d a second +- 10 (%s)"
          % (code, drawn, seconds, fps, game.run),
          "%s: %d frames in %s s" % (label, drawn, seconds))


def check_input(kind):
    """The checks of input at its moment and of the frames (E2E_ONLY=check_input)."""
    for fps in (("--fps", "20"), ()):
        for rate in MOUSE_RATES:
            check_mouse_rate(kind, *rate, *fps)
    check_taps(kind)
    check_frame_rate(kind, 30)
    if kind == "linux":
        check_frame_rate(kind, 0)
        check_fast_pace(kind)
