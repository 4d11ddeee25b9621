"""release.py -- end-to-end checks of what a player downloads: each package, unpacked into an empty folder,
holds the game, Data/ and README.txt and nothing else, and its game starts; maze.exe and maze.bin come
without their debug information. Also writes the README's screenshots when asked
(E2E_UPDATE_SCREENSHOTS=1)."""
import contextlib
import glob
import os
import subprocess

from lib import *  # noqa: F401,F403 (the harness the checks stand on)

# What each unpacked package's folder holds, sorted.
PACKAGE_FILES = {
    "linux": "Data/Crate.bmp Data/Door.bmp Data/Land.bmp README.txt maze maze.bin",
    "windows": "Data/Crate.bmp Data/Door.bmp Data/Land.bmp README.txt maze.exe",
}
PACKAGE_PATTERNS = {"linux": "maze-*-linux-x86_64.tar.gz", "windows": "maze-*-win32.zip"}


def package_of(kind):
    found = glob.glob(os.path.join(os.path.dirname(e2e.games[kind]), PACKAGE_PATTERNS[kind]))
    return found[0] if len(found) == 1 else None


def files_in(folder):
    listed = [os.path.relpath(os.path.join(at, name), folder)
              for at, _, names in os.walk(folder) for name in names]
    return " ".join(sorted(listed, key=lambda name: name.encode()))


def check_package(kind):
    """The Windows package started from its own folder, as a double-click does; the Linux one by its launcher
    from another folder, as from a shell."""
    package = package_of(kind)
    if not package:
        pattern = "maze-*-%s*" % kind.replace("windows", "win32")
        how = "cmake --build --preset ... --target package"
        return say("SKIP  %s package: not one %s beside the game (%s)" % (kind, pattern, how))
    name = os.path.basename(package)
    label, run = "%s package %s" % (kind, name), os.path.join(e2e.scratch, kind + "-package")
    elsewhere = os.path.join(run, "elsewhere")
    os.makedirs(elsewhere)
    os.makedirs(run + "/unpacked")
    if run_quiet("cmake", "-E", "tar", "xf", package, cwd=run + "/unpacked") != 0:
        return fail(label, "cannot unpack it")
    top = os.path.join(run, "unpacked", name.removesuffix(".zip").removesuffix(".tar.gz"))
    listing = files_in(top)
    if listing != PACKAGE_FILES[kind]:
        return fail(label, 'holds "%s" (in %s/unpacked), expected "%s"' % (listing, run, PACKAGE_FILES[kind]))
    passed("%s holds %s in %s/" % (label, listing, os.path.basename(top)))
    if kind == "linux":
        expect_stripped(label + ": maze.bin", top + "/maze.bin", "objdump")
        game = Game(elsewhere, [top + "/maze", "--record", "rec.script"], run)
        started = ": its launcher started from another folder with --record rec.script"
        check_package_game(game, label + started)
        expect_recording_in(label + ": the recording", elsewhere, top)
    else:
        expect_stripped(label + ": maze.exe", top + "/maze.exe", "i686-w64-mingw32-objdump")
        game = Game(top, ["wine", "maze.exe"], run)
        check_package_game(game, label + ": maze.exe started in its folder")


def expect_stripped(label, file, objdump):
    """No debug sections, which would be most of the download, as OBJDUMP (the one for FILE's format) lists
    them."""
    headers = subprocess.run([objdump, "-h", file], capture_output=True, text=True)
    if headers.returncode != 0:
        return fail(label, "cannot read its sections: " + (headers.stderr.splitlines() or [""])[0])
    sections = [line.split()[1] for line in headers.stdout.splitlines()
                if len(line.split()) > 1 and line.split()[1].startswith(".debug")]
    size = os.path.getsize(file)
    check(label, not sections, "carries debug information: " + " ".join(sections),
          "%s comes without debug information (%d bytes)" % (label, size))


def expect_recording_in(label, folder, game_folder):
    """The launcher takes an option's file name from the folder the player is in, not the game's."""
    if recording_closed(folder + "/rec.script"):
        passed(label + " is in the folder it was started from, closed with its expect line")
    elif os.path.exists(game_folder + "/rec.script"):
        why = "written to the game's folder (%s/rec.script), not the player's (%s)" % (game_folder, folder)
        fail(label, why)
    else:
        fail(label, "no finished %s/rec.script" % folder)


@part
def check_package_game(game, label):
    """The packaged game just started opens its window and draws the picture at rest from its own Data/,
    and Escape ends it."""
    find_game(game, label)
    expect_client_640x480(game, label + ": a 640x480 window")
    still = os.path.join(game.logs, "still.png")
    with contextlib.suppress(Stop):
        settle_window(game, label, still)
        expect_alike(label + ": picture like reference/still.png", still, REFERENCE + "/still.png",
                     os.path.join(game.logs, "difference-still.png"))
    escape_ends(game, label + ": Escape ends the game with exit code 0")


def update_screenshots():
    """E2E_UPDATE_SCREENSHOTS=1: each game's crate view, which shows walls, floor, the door, a crate and the
    stairs, becomes the README's picture of it."""
    for kind in e2e.kinds:
        crate = "%s/%s-play/crate.png" % (e2e.scratch, kind)
        if nonempty(crate):
            magick("convert", crate, "-strip", "%s/../../docs/screenshot-%s.png" % (HERE, kind))
            say("e2e: wrote docs/screenshot-%s.png" % kind)
        else:
            fail("README screenshot (%s)" % kind, "the game took no crate.png; nothing written")
