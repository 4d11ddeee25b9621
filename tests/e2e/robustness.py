"""robustness.py -- end-to-end checks of a player's mishaps: a Data/ folder with bitmaps missing or broken,
F1 pressed again and again, and a Windows without XInput."""
import contextlib
import os
import random
import shutil
from pathlib import Path

from lib import *  # noqa: F401,F403 (the harness the checks stand on)
from pictures import FLOOR_AREA, WALL_AREA, differing
from play import expect_initialization_failed

# --- bitmaps missing or broken ------------------------------------------------------------------------------

# The bitmaps by bit of a set's number: 1 Crate (walls, stairs), 2 Land
# (floors, ceilings, crates), 4 Door. Set 7 is the play check's Data/.
BITMAPS = ["Crate", "Land", "Door"]


def new_bitmap_run(name, bitmaps):
    run = new_run(name, False)
    for bit, bitmap in enumerate(BITMAPS):
        if bitmaps >> bit & 1:
            shutil.copy("%s/%s.bmp" % (full_data(), bitmap), run + "/Data/")
    return run


def noise():
    """The same 4 KB of noise every run: no header, nothing a loader could take."""
    return bytes(random.Random(1).randrange(1, 256) for _ in range(4096))


def write_broken_bitmaps(run):
    """Three kinds of broken file: noise; "BM" and noise; a real bitmap cut short (its header promises the
    rest)."""
    Path(run, "Data", "Crate.bmp").write_bytes(noise())
    Path(run, "Data", "Land.bmp").write_bytes(b"BM" + noise())
    with open(full_data() + "/Door.bmp", "rb") as door:
        Path(run, "Data", "Door.bmp").write_bytes(door.read(2000))


def area_like_reference(area, picture):
    """"like" (at most 1% of the area's pixels differ from reference/still.png), "unlike" (over half) or
    "between"."""
    magick("convert", picture, "-crop", area, "+repage", picture + ".area.png")
    magick("convert", REFERENCE + "/still.png", "-crop", area, "+repage", picture + ".reference.png")
    count = differing(picture + ".area.png", picture + ".reference.png")
    width, height = (int(size) for size in area.split("+")[0].split("x"))
    if count is not None and count * 100 <= width * height:
        return "like"
    if count is not None and count * 2 > width * height:
        return "unlike"
    return "between"


def expect_bitmap_window(game, label, bitmaps):
    """The game draws walls and floors from their own bitmap where the set BITMAPS has it and plain where
    not, in a 640x480 window."""
    find_game(game, label)
    wanted = ["like" if bitmaps & bit else "unlike" for bit in (1, 2)]
    geometry = client_geometry(game.win)
    if geometry[2:] != (640, 480):
        fail(label, "client area %dx%d, expected 640x480" % geometry[2:])
    else:
        with contextlib.suppress(Stop):
            still = game.path("still.png")
            settle_window(game, label, still)
            walls, floors = area_like_reference(WALL_AREA, still), area_like_reference(FLOOR_AREA, still)
            check(label, [walls, floors] == wanted,
                  "walls %s and floors %s reference/still.png, expected %s and %s (%s)"
                  % (walls, floors, *wanted, still),
                  "%s: a 640x480 window, walls %s and floors %s the reference" % (label, walls, floors))
    escape_ends(game, label + ": Escape ends the game with exit code 0")


# Each case: the game, the set, what is written over it (noise as Crate.bmp,
# three broken bitmaps, or none) and what Data/ then holds. Broken files count
# as missing: three of them are no bitmap at all, and one beside two good ones
# leaves its own surfaces plain. Natively every set and both kinds of broken
# file; under Wine, whose runs take seconds each, one set and one broken file.
BITMAP_CASES = [
    ("linux", 1, "none", "Crate.bmp only"),
    ("linux", 2, "none", "Land.bmp only"),
    ("linux", 3, "none", "Crate.bmp and Land.bmp"),
    ("linux", 4, "none", "Door.bmp only"),
    ("linux", 5, "none", "Crate.bmp and Door.bmp"),
    ("linux", 6, "none", "Land.bmp and Door.bmp"),
    ("linux", 0, "three", "three broken bitmaps"),
    ("linux", 6, "noise", "Land.bmp and Door.bmp, and noise as Crate.bmp"),
    ("windows", 4, "none", "Door.bmp only"),
    ("windows", 0, "noise", "only noise as Crate.bmp"),
]


def check_bitmap_sets(kind):
    for case_kind, bitmaps, broken, holds in BITMAP_CASES:
        if case_kind != kind:
            continue
        run = new_bitmap_run("%s-bitmaps-%d-%s" % (kind, bitmaps, broken), bitmaps)
        if broken == "noise":
            Path(run, "Data", "Crate.bmp").write_bytes(noise())
        elif broken == "three":
            write_broken_bitmaps(run)
        label = "%s: Data/ with %s" % (kind, holds)
        with contextlib.suppress(Stop):
            if bitmaps == 0:
                with environment(**TRACE_BOXES):
                    game = start_game(kind, run)
                expect_initialization_failed(game, label)
            else:
                expect_bitmap_window(start_game(kind, run), label, bitmaps)


# --- F1 again and again -------------------------------------------------------------------------------------

F1_TOGGLES = 10


def resident_kb(pid):
    """VmRSS of the process in kB. Under Wine the game's PID is maze.exe itself: wine hands its process
    over by exec."""
    for line in lines_of("/proc/%d/status" % pid):
        if line.startswith("VmRSS:"):
            return int(line.split()[1])
    return 0


def check_f1_toggles(kind):
    """Where a 640 x 480 mode exists each F1 makes the window and its context anew, fullscreen and back;
    ten of them must not add up. Resident memory after the tenth (windowed) is within 10% of that after the
    second."""
    label = "%s: F1 %d times" % (kind, F1_TOGGLES)
    game = start_found(kind, kind + "-f1-toggles", label)
    memory = {}
    for round in range(1, F1_TOGGLES + 1):
        new_game_window(game, label, "F1 number %d" % round)
        if round in (2, F1_TOGGLES):
            # Textures loaded and frames drawn: the picture comes to rest.
            try:
                after = "%s: after F1 number %d" % (label, round)
                settle_window(game, after, game.path("after-%d.png" % round))
            except Stop:
                game.stop()
                raise
            memory[round] = resident_kb(game.pid)
    second, tenth = memory[2], memory[F1_TOGGLES]
    if not second or not tenth:
        read = (second, F1_TOGGLES, tenth)
        fail(label, 'no resident memory read (after the 2nd: "%s", the %dth: "%s")' % read)
    else:
        told = "resident memory %d kB after the 2nd, %d kB after the %dth (%+.1f%%" % (
            second, tenth, F1_TOGGLES, (tenth - second) * 100 / second)
        within = near(tenth, second, second // 10)
        check(label, within, told + ", more than 10%)", "%s: %s)" % (label, told))
    expect_client_640x480(game, label + ": the client area is 640x480 again")
    escape_ends(game, label + ": Escape ends the game with exit code 0")


def check_f1_toggles_where_granted(kind):
    where_granted(check_f1_toggles, kind)


# --- a Windows without XInput -------------------------------------------------------------------------------


def check_without_xinput(kind):
    """The pads' DLL disabled in Wine, as on a Windows that lacks it: the game starts and plays the stairs
    demo to its last state all the same."""
    if kind != "windows":
        return
    with environment(WINEDLLOVERRIDES=os.environ["WINEDLLOVERRIDES"] + ";xinput9_1_0=d"):
        played = play_demo(kind, "playdemo", kind + "-without-xinput")
    check_demo_ended(kind + ": without xinput9_1_0.dll, --playdemo of the stairs demo", *played)
