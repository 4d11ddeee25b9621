"""lib.py -- the harness of the end-to-end run: X servers and the Wine prefix, the games started and waited
for, their windows, synthetic input, pictures, recordings replayed. Imported by run.py and the checks; every
wait is bounded, and every process started here is recorded for the cleanup.

A failed step that ends its part of a check raises Stop (after its FAIL line); the function marked @part
that it is in returns there, as a `|| return` did in the shell."""
import contextlib
import functools
import os
import re
import shutil
import subprocess
import sys
import time
from types import SimpleNamespace
from unittest import mock

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [os.path.join(HERE, "..", "common"), os.path.join(HERE, "..", "web")]
from checking import (TITLE, Trouble, check, fail, near, passed, read_bytes, say, tidy,  # noqa: E402,F401,I100
                      wait_until, write)
from pictures import REFERENCE, at_rest, colours, expect_alike, magick  # noqa: E402,F401
from recordings import (DEMO_NAME, DEMO_SCRIPT, DEMO_STATE, SIM, expected_state, frames_of,  # noqa: E402,F401
                        lines_of, recording_closed, replayed)

# The run's setting, filled in by run.py: the scratch folder, the games and the web build, the kinds of game
# this run drives (linux, windows), the X displays and the helper programs.
e2e = SimpleNamespace(scratch="", games={}, web_build="", kinds=[], display_a="", display_b="", x_close="",
                      xtest_mouse="", post_mouse="", started=[], xvfbs=[])

# Under Wine, this puts each message box's text on stderr.
TRACE_BOXES = {"WINEDEBUG": "-all,trace+msgbox"}
# The client point the game reads as no movement: a mouse move anywhere else
# turns (x) and tilts (y) the view by 3 degrees toward that side, however far.
HOME_X = 312
HOME_Y = 210


class Stop(Exception):
    """A part of a check has failed (its line said) and ends here."""


def part(function):
    """A part of a check that a Stop ends, and nothing more."""

    @functools.wraps(function)
    def guarded(*args, **kwargs):
        try:
            return function(*args, **kwargs)
        except Stop:
            return None

    return guarded


def fail_and_stop(game, label, why):
    fail(label, why)
    game.stop()
    raise Stop()


def run_quiet(*command, timeout=30, output=subprocess.DEVNULL, errors=None, **options):
    """The exit status of COMMAND, its output thrown away (or to the file OUTPUT, its errors too unless
    ERRORS says where); 124 when it outlasts TIMEOUT seconds."""
    errors = output if errors is None else errors
    try:
        return subprocess.run(command, stdout=output, stderr=errors, timeout=timeout, **options).returncode
    except subprocess.TimeoutExpired:
        return 124
    except OSError:
        return 127


def output_of(*command):
    """What COMMAND prints on standard output; "" if it cannot run in 30 s."""
    try:
        return subprocess.run(command, capture_output=True, text=True, timeout=30).stdout
    except (subprocess.TimeoutExpired, OSError):
        return ""


# with environment(NAME=VALUE...): the variables set for what runs inside, the programs it starts included.
environment = functools.partial(mock.patch.dict, os.environ)


def cleanup():
    for process in e2e.started:
        stop_process(process)
    # Wine first: its server talks to the X server until it goes.
    if os.path.isdir(os.environ.get("WINEPREFIX", "")):
        run_quiet("wineserver", "-k", timeout=10)
    for process in e2e.xvfbs:
        stop_process(process)
    shutil.rmtree(os.path.join(e2e.scratch, "wine"), ignore_errors=True)
    tidy("e2e", e2e.scratch, os.environ.get("E2E_KEEP"))


# --- processes ---------------------------------------------------------------------------------------------


def wait_exit(process, seconds):
    """Its exit code as a shell tells it (128 + N for the signal N), once it has ended within SECONDS;
    "timeout" if it is still running."""
    try:
        code = process.wait(seconds)
    except subprocess.TimeoutExpired:
        return "timeout"
    return code if code >= 0 else 128 - code


def stop_process(process):
    """Asks first, insists after three seconds; reaps the child either way."""
    if process.poll() is None:
        process.terminate()
        if wait_exit(process, 3) == "timeout":
            process.kill()
            process.wait()


class Game:
    """A game started in the folder RUN (its output in LOGS, RUN by default), and its window once found."""

    def __init__(self, run, command, logs):
        self.run, self.logs, self.win, self.resent = run, logs or run, "", 0
        self.stderr = os.path.join(self.logs, "stderr.txt")
        # The pointer off the window, so that nothing moves it but the game and us.
        run_quiet("xdotool", "mousemove", "1023", "767")
        with open(os.path.join(self.logs, "stdout.txt"), "w") as out, open(self.stderr, "w") as err:
            self.process = subprocess.Popen(command, cwd=run, stdout=out, stderr=err)
        self.pid = self.process.pid
        e2e.started.append(self.process)

    def has_ended(self):
        return self.process.poll() is not None

    def wait_exit(self, seconds):
        return wait_exit(self.process, seconds)

    def stop(self):
        stop_process(self.process)

    def path(self, name):
        return os.path.join(self.run, name)


# --- X servers and Wine ------------------------------------------------------------------------------------


def start_xvfb(name, screen):
    """An Xvfb on a display number it picks itself (-displayfd), so that parallel runs never collide."""
    log, number = (os.path.join(e2e.scratch, "xvfb-%s.%s" % (name, end)) for end in ("log", "display"))
    with open(log, "w") as out, open(number, "w") as told:
        fd = told.fileno()
        command = ["Xvfb", "-displayfd", str(fd), "-screen", "0", screen, "-nolisten", "tcp", "-noreset"]
        e2e.xvfbs.append(subprocess.Popen(command, stdout=out, stderr=out, pass_fds=[fd]))
    if wait_until(10, lambda: lines_of(number)):
        return ":" + lines_of(number)[0]
    say("e2e: Xvfb (%s) did not start; see %s" % (name, log))


def build_helper(file, compiler, source, *flags):
    path = os.path.join(e2e.scratch, file)
    with open(path + ".log", "w") as log:
        if subprocess.run([compiler, "-O1", "-o", path, os.path.join(HERE, source), *flags], stdout=log,
                          stderr=log).returncode != 0:
            say("e2e: cannot build %s with %s; see %s.log" % (source, compiler, path))
            return ""
    return path


def setup_x():
    # A: the desktop, with no 640 x 480 mode (fullscreen is refused there).
    # B: a screen whose one mode is 640 x 480, where the SDL game's fullscreen is granted.
    e2e.display_a = start_xvfb("A", "1024x768x24")
    e2e.display_b = e2e.display_a and start_xvfb("B", "640x480x24")
    if not e2e.display_b:
        return False
    os.environ["DISPLAY"] = e2e.display_a
    e2e.x_close = build_helper("x_close", "cc", "x_close.c", "-lX11")
    e2e.xtest_mouse = e2e.x_close and build_helper("xtest_mouse", "cc", "post_mouse.c", "-ldl")
    return bool(e2e.xtest_mouse)


def keep_wineserver():
    """One Wine server for the whole run, until the cleanup ends it: one that exits a moment after its last
    program (a game, maze-sim.exe) can refuse the next program that connects just then ("recvmsg:
    Connection reset by peer")."""
    run_quiet("wineserver", "-p")


def setup_wine():
    """One prefix for the whole run, 32-bit only, without Mono and Gecko."""
    os.environ.update(WINEPREFIX=os.path.join(e2e.scratch, "wine"), WINEARCH="win32", WINEDEBUG="-all",
                      WINEDLLOVERRIDES="mscoree,mshtml=")
    log = os.path.join(e2e.scratch, "wineboot.log")
    with open(log, "w") as out:
        made = run_quiet("wineboot", "-i", timeout=120, output=out) == 0
    if not made or run_quiet("wineserver", "-w", timeout=60) != 0:
        say("e2e: could not make the Wine prefix; see " + log)
        return False
    keep_wineserver()
    e2e.post_mouse = build_helper("post_mouse.exe", "i686-w64-mingw32-gcc", "post_mouse.c")
    return True


def wine_desktop(on):
    """Wine's virtual desktop, read when the Wine server starts, so the server is started anew."""
    key = "HKCU\\Software\\Wine\\Explorer"
    run_quiet("wineserver", "-k")
    if on:
        status = run_quiet("wine", "reg", "add", key, "/v", "Desktop", "/d", "Default", "/f") or run_quiet(
            "wine", "reg", "add", key + "\\Desktops", "/v", "Default", "/d", "1024x768", "/f")
    else:
        status = run_quiet("wine", "reg", "delete", key, "/v", "Desktop", "/f")
    run_quiet("wineserver", "-k")
    run_quiet("wineserver", "-w")
    keep_wineserver()
    return status == 0


def where_granted(check_in, kind):
    """CHECK_IN(KIND) where a 640 x 480 mode exists: display B for the SDL game, Wine's own virtual desktop,
    switched on for it alone."""
    if kind == "linux":
        with environment(DISPLAY=e2e.display_b):
            check_in(kind)
    else:
        try:
            if wine_desktop(True):
                check_in(kind)
        finally:
            wine_desktop(False)


# --- the games ---------------------------------------------------------------------------------------------


def data_for(game):
    beside = os.path.join(os.path.dirname(game), "Data")
    return beside if os.path.isdir(beside) else os.path.join(HERE, "..", "..", "Data")


def full_data():
    full = data_for(e2e.games["linux"])
    if not os.path.isfile(os.path.join(full, "Door.bmp")):
        full = data_for(e2e.games["windows"])
    return full


def new_run(name, full):
    """A fresh working folder NAME in the scratch folder, with Data/ (its bitmaps if FULL)."""
    run = os.path.join(e2e.scratch, name)
    os.makedirs(os.path.join(run, "Data"), exist_ok=True)
    if full:
        for bitmap in os.listdir(full_data()):
            if bitmap.endswith(".bmp"):
                shutil.copy(os.path.join(full_data(), bitmap), os.path.join(run, "Data"))
    return run


def start_game(kind, run, *args, logs=None):
    wine = ["wine"] if kind == "windows" else []
    return Game(run, wine + [e2e.games[kind], *args], logs)


def start_found(kind, name, label, *args):
    game = start_game(kind, new_run(name, True), *args)
    find_game(game, label)
    return game


def expect_exit(game, label, code):
    """The game ends by itself within 15 s with CODE."""
    got = game.wait_exit(15)
    game.stop()
    return check(label, got == code, "exit code %s, expected %s (stderr: %s)" % (got, code, game.stderr))


def escape_ends(game, label):
    hold_key(game, "Escape")
    return expect_exit(game, label, 0)


def escape_and_wait(game, seconds=0.4):
    """Escape held SECONDS; the exit code (see wait_exit)."""
    hold_key(game, "Escape", seconds)
    return game.wait_exit(15)


# --- windows -----------------------------------------------------------------------------------------------


def window_ids(title):
    """Ids of the windows titled exactly TITLE, from the server's own tree: message boxes without a class are
    found this way too."""
    wanted = '"%s":' % title
    tree = output_of("xwininfo", "-root", "-tree").splitlines()
    return [line.split()[0] for line in tree if wanted in line]


def viewable_window(title, other_than=None):
    for window in window_ids(title):
        if window != other_than and "Map State: IsViewable" in output_of("xwininfo", "-id", window):
            return window
    return None


def geometry_of(window):
    """(x, y, w, h) of a window: absolute upper-left corner and size; None if it cannot be read."""
    shown = output_of("xwininfo", "-id", window)
    found = re.findall(r"^  (?:Absolute upper-left [XY]|Width|Height): +(-?[0-9]+)$", shown, re.M)
    return tuple(int(number) for number in found) if len(found) == 4 else None


def client_geometry(window):
    """The client area: the window itself, or its one child where the toolkit draws the frame inside its own
    window (Wine's virtual desktop). None for no window: xwininfo without one waits for a click."""
    if not window:
        return None
    children = [line.split()[0] for line in output_of("xwininfo", "-children", "-id", window).splitlines()
                if line.startswith("     0x")]
    return geometry_of(children[0] if len(children) == 1 else window)


def expect_client_640x480(game, label):
    x, y, w, h = client_geometry(game.win) or (0, 0, 0, 0)
    return check(label, (w, h) == (640, 480), "client area %dx%d at (%d, %d), expected 640x480" % (w, h, x, y))


def why_not(game, before, otherwise):
    """The exit code the game ended with before BEFORE, or OTHERWISE while it runs."""
    if game.has_ended():
        reason = "the game ended with exit code %s before %s" % (game.wait_exit(0), before)
    else:
        reason = otherwise
    return "%s (stderr: %s)" % (reason, game.stderr)


def find_shown(game, title, label, seconds=20, after=""):
    """A window titled TITLE within SECONDS, or LABEL failed (AFTER before the reason) and the game
    stopped."""
    wait_until(seconds, lambda: viewable_window(title) or game.has_ended())
    window = viewable_window(title)
    if window:
        return window
    fail_and_stop(game, label, after + why_not(game, 'a window titled "%s" showed' % title,
                                               'no window titled "%s" within %d s' % (title, seconds)))


def find_game(game, label):
    """The game's window once the game has drawn into it, or LABEL failed. A window shows before its first
    frame, which on a cold machine can take seconds: a key pressed meanwhile can go down and up before any
    frame reads it."""
    game.win = find_shown(game, TITLE, label)
    wait_until(30, lambda: window_drawn(game.win) or game.has_ended())
    if not game.has_ended():
        return game.win
    fail_and_stop(game, label, why_not(game, "it drew into its window",
                                       "its window showed, but the game drew nothing into it in 30 s"))


def new_game_window(game, label, when):
    """F1, then a new window of the game, drawn into (see find_game), or LABEL failed after WHEN and the game
    stopped."""
    old = game.win
    hold_key(game, "F1")
    # Kept as it is found: the window shown a moment ago may be gone again.
    found = wait_until(15, lambda: viewable_window(TITLE, old))
    if not found:
        reason = "no new window in 15 s"
    elif not wait_until(30, lambda: window_drawn(found)):
        reason = "the game drew nothing into its new window in 30 s"
    else:
        game.win = found
        return found
    fail_and_stop(game, label, "after %s: %s (stderr: %s)" % (when, reason, game.stderr))


def error_box(game, label, wanted, seconds=20):
    """An "ERROR" box shows, and is answered; True when its text, matching the pattern WANTED, is on
    stderr too."""
    box = find_shown(game, "ERROR", label, seconds)
    said = run_quiet("grep", "-q", "-e", wanted, game.stderr) == 0
    answer_box(box)
    return said


@part
def refused_start(kind, run, label, wanted, *args):
    """The game started in RUN with ARGS shows an "ERROR" box (see error_box) before any window, and ends
    with exit code 2."""
    with environment(**TRACE_BOXES):
        game = start_game(kind, run, *args)
    if not error_box(game, label, wanted):
        fail(label, "the box's text is not on stderr (%s)" % game.stderr)
    expect_exit(game, '%s is refused in an "ERROR" box; exit code 2' % label, 2)


# --- input -------------------------------------------------------------------------------------------------


def focus(game):
    run_quiet("xdotool", "windowfocus", "--sync", game.win, timeout=5)


def hold_key(game, key, seconds=0.4):
    """Real key events (XTEST) to the game's window, focused. Held for a while: a tap can go down and up
    inside one event drain and be missed by a per-step read, and under Wine on a busy machine a frame can
    take longer than 0.15 s. Below X's auto-repeat delay (660 ms), so one press."""
    focus(game)
    run_quiet("xdotool", "keydown", key)
    time.sleep(seconds)
    run_quiet("xdotool", "keyup", key)


def xdotool(*args):
    return run_quiet("xdotool", *(str(arg) for arg in args))


def answer_box(window):
    xdotool("key", "--window", window, "Return")


def close_window(window):
    run_quiet(e2e.x_close, window)


def turn_view(kind, game, geometry, *turns):
    """Those TURNS (right, down, count) of the game's view whose client area is GEOMETRY, and a new picture
    after them; raises Trouble. The native game gets pointer motion (see look). Wine, reading pointer motion
    while the game warps the pointer home every step, now and then drops a move or turns twice for one: over
    27 moves a wrong picture every few runs. So the game under Wine gets the messages the motion would make,
    posted to its window. The moves sent again are counted in game.resent."""
    if kind == "windows":
        return post_moves(game, geometry, *turns)
    for turn in turns:
        look(game, geometry, *turn)


def look(game, geometry, right, down, count):
    """COUNT mouse moves to the right or left (RIGHT 1 or -1) and down or up (DOWN 1 or -1), each seen to
    change the picture before the next goes: two moves read in one go may turn only once. Raises Trouble,
    saying which move stopped short and why."""
    x, y = geometry[:2]
    base = game.path("look")
    raw_shot(base + ".rgb", geometry)
    for looked in range(count):
        # 80 and 160 pixels off in turn: every move is a motion, even one that
        # comes before the game has taken the pointer home.
        offset = 80 * (1 + looked % 2)
        for tried in (1, 2, 3):
            xdotool("mousemove", x + HOME_X + right * offset, y + HOME_Y + down * offset)
            if frame_changes(10, base, geometry):
                break
            # A move Wine dropped: the pointer is home and the picture as it
            # was. Sent again while the game still had it, it would turn twice.
            move = 'mouse move %d of "%d %d %d": ' % (looked + 1, right, down, count)
            home = ["x:%d" % (x + HOME_X), "y:%d" % (y + HOME_Y)]
            if output_of("xdotool", "getmouselocation").split()[:2] != home:
                raise Trouble(move + "no new picture in 10 s and the pointer not back home")
            if tried == 3:
                raise Trouble(move + "no new picture after three tries")
            game.resent += 1
        os.replace(base + ".new.rgb", base + ".rgb")


def post_moves(game, geometry, *turns):
    """Mouse-move messages posted to the game's window by post_mouse.exe (client points 80 pixels off home),
    one at a time, each seen to change the picture before the next goes; raises Trouble. Posted in one go, 10
    ms apart, now and then two of them turned the view once: waiting together behind a stalled frame, they
    can be read as one share of the mouse rate."""
    if not e2e.post_mouse:
        raise Trouble("no mouse-move helper (see %s/post_mouse.exe.log)" % e2e.scratch)
    base = game.path("look")
    raw_shot(base + ".rgb", geometry)
    for right, down, count in turns:
        point = [str(HOME_X + 80 * right), str(HOME_Y + 80 * down)]
        for moved in range(count):
            with open(game.path("post_mouse.txt"), "w") as out:
                if run_quiet("wine", e2e.post_mouse, TITLE, *point, output=out) != 0:
                    raise Trouble("post_mouse.exe %s failed (%s)" % (" ".join(point), game.path("post_mouse.txt")))
            if not frame_changes(10, base, geometry):
                move = 'posted move %d of "%d %d %d"' % (moved + 1, right, down, count)
                raise Trouble("no new picture in 10 s after " + move)
            os.replace(base + ".new.rgb", base + ".rgb")


# --- pictures ----------------------------------------------------------------------------------------------


def raw_shot(file, geometry):
    """That rectangle (x, y, w, h) of the screen as bare RGB bytes, for telling frames apart; a PNG of the
    game's textures takes up to a second to encode on a busy machine."""
    x, y, w, h = geometry
    return run_quiet("import", "-window", "root", "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage", "-depth",
                     "8", "rgb:" + file) == 0


def nonempty(path):
    return os.path.isfile(path) and os.path.getsize(path) > 0


def same_file(a, b):
    first = read_bytes(a)
    return first is not None and first == read_bytes(b)


def frame_changes(seconds, base, geometry):
    """BASE.new.rgb, shot again and again, comes to differ from BASE.rgb within SECONDS. No pause between
    shots: one takes about 0.1 s, and a turn shows in a frame or two."""
    return wait_until(seconds, lambda: raw_shot(base + ".new.rgb", geometry) and not same_file(
        base + ".new.rgb", base + ".rgb"), every=0)


def window_drawn(window):
    geometry = client_geometry(window)
    raw = os.path.join(e2e.scratch, "drawn.rgb")
    return bool(geometry) and raw_shot(raw, geometry) and colours(raw, geometry[2:]) > 1


def settle_window(game, label, file):
    """The picture in the game's window at rest (see at_rest) within 15 s, shot every 0.2 s; FILE is the
    last shot, as PNG. Else LABEL failed (Stop)."""
    geometry, raw = client_geometry(game.win) or (0, 0, 1, 1), file + ".rgb"
    try:
        at_rest(lambda: raw_shot(raw, geometry) and read_bytes(raw), lambda: colours(raw, geometry[2:]) > 1,
                15, "there", lambda: time.sleep(0.2))
    except Trouble as trouble:
        fail(label, "%s (%s)" % (trouble, file))
        raise Stop()
    finally:
        magick("convert", "-size", "%dx%d" % geometry[2:], "-depth", "8", "rgb:" + raw, file)
        with contextlib.suppress(FileNotFoundError):
            os.remove(raw)


# --- recordings --------------------------------------------------------------------------------------------


def first_line(path):
    return (lines_of(path) or [""])[0]


def play_back(kind, run, name, mode="--playdemo"):
    """The demo NAME in RUN played (or MODE) to its end within 180 s: its exit code, and its last state."""
    game = start_game(kind, run, mode, name)
    code = game.wait_exit(180)
    game.stop()
    return code, first_line(os.path.join(run, "demo-result.txt"))


def play_demo(kind, mode, name=None):
    """The stairs demo played (--playdemo or --timedemo, as MODE says) to its end in a fresh run NAME
    (KIND-MODE without it): the run, the exit code and the last state."""
    run = new_run(name or "%s-%s" % (kind, mode), True)
    shutil.copy(DEMO_SCRIPT, run)
    return (run, *play_back(kind, run, DEMO_NAME, "--" + mode))


def check_demo_ended(label, run, code, played):
    """The stairs demo played has ended the game, exit code 0, in the simulator's last state."""
    return check(label, code == 0 and played == DEMO_STATE,
                 "exit code %s, demo-result.txt: %s (%s)" % (code, played or "nothing", run),
                 label + " ends by itself with exit code 0 in the simulator's last state")


def start_recorded(kind, name, label, *args):
    game = start_found(kind, name, label, "--record", "recording.script", *args)
    game.recording = game.path("recording.script")
    focus(game)
    return game


def end_recorded(game, label, how="escape"):
    """Escape, or the window closed (HOW "close"), then exit code 0 and the recording closed by its expect
    line; else LABEL failed (Stop)."""
    if how == "close":
        close_window(game.win)
    else:
        hold_key(game, "Escape")
    code = game.wait_exit(15)
    if code != 0 or not recording_closed(game.recording):
        fail_and_stop(game, label, "exit code %s, last line: %s (%s)" % (
            code, (lines_of(game.recording) or [""])[-1], game.run))


def replayed_everywhere(label, recording):
    """Every simulator beside the games runs RECORDING to its `expect` line: what to say of it; else LABEL
    failed (Stop)."""
    reached, why = replayed(recording, *(os.path.dirname(game) for game in e2e.games.values()))
    if why:
        fail(label, why)
        raise Stop()
    return ";".join(" %s reaches it" % name for name in reached)
