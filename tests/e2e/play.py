"""play.py -- the end-to-end checks of a game's window: its title and size, its pictures (compared across the
two games and with reference/*.png), the space bar, closing, F1 refused and granted, and no bitmap."""
import os

from lib import *  # noqa: F401,F403 (the harness the checks stand on)
from recordings import lista_lines

VEXA_TEXT = "The Requested Fullscreen Mode Is Not Supported By"
# Every game's pictures, in the order taken: at rest, after one mouse move, and
# down the corridor on the player's right, the stairs and a crate.
VIEWS = ["still", "turned", "stairs", "crate"]


def check_play(kind):
    """Title and size, the picture before and after one mouse move, the space bar's lines in lista.txt, and
    Escape."""
    game = start_found(kind, kind + "-play", '%s: window "%s"' % (kind, TITLE))
    passed('%s: window "%s"' % (kind, TITLE))
    expect_client_640x480(game, kind + ": client area 640x480")
    geometry = client_geometry(game.win)
    shoot_pictures(kind, game, geometry)
    check_space(kind, game, geometry)
    escape_ends(game, kind + ": Escape ends the game with exit code 0")


@part
def shoot_pictures(kind, game, geometry):
    """The first frames with no input, then one move right of and below the point that reads as no
    movement: the view turns right and tilts down by 3 degrees. From there, yaw 66 and pitch 0 has the
    stairs at the far end of the corridor on the player's right in the middle of the picture, yaw 75 and
    pitch 6 (down) the crate in it, with the stairs and the door."""
    settle_window(game, kind + ": picture", game.path("still.png"))
    try:
        look(game, geometry, 1, 1, 1)
    except Trouble as trouble:
        return fail(kind + ": mouse look", "the view did not turn after a mouse move: %s" % trouble)
    settle_window(game, kind + ": mouse look", game.path("turned.png"))
    passed(kind + ": mouse look turns the view")
    shoot_view(kind, game, "stairs", geometry, (1, 0, 21), (0, -1, 1))
    shoot_view(kind, game, "crate", geometry, (1, 0, 3), (0, 1, 2))
    if kind == "windows":
        passed(kind + ": 27 more mouse-move messages posted to the window turn the view")
    else:
        passed("%s: 27 more mouse moves, each a new picture (%d sent again)" % (kind, game.resent))


def shoot_view(kind, game, name, geometry, *turns):
    try:
        turn_view(kind, game, geometry, *turns)
    except Trouble as trouble:
        fail("%s: %s view" % (kind, name), str(trouble))
        raise Stop()
    settle_window(game, "%s: %s view" % (kind, name), game.path(name + ".png"))


def check_space(kind, game, geometry):
    """The space bar held in the game's window, whose client area is GEOMETRY."""
    label, listed = kind + ": space bar writes lista.txt", game.path("lista.txt")
    hold_key(game, "space", 1.0)
    # Every step that read the key down has written its lines once a later
    # frame shows a turn of the view. A file that stopped growing proves
    # nothing: a step with the key down pauses 0.1 s, and a slow one longer.
    try:
        turn_view(kind, game, geometry, (1, 0, 1))
    except Trouble as trouble:
        return fail(label, "no frame drawn after the key went up: %s" % trouble)
    # Windows writes CRLF; the lines are the same either way.
    dashes, fok, other = lista_lines(lines_of(listed))
    check(label, dashes == fok and other == 0 and near(fok, 10, 5),
          "%d dash lines, %d fok lines, %d others (%s)" % (dashes, fok, other, listed),
          "%s: space bar held 1 s appends %d pairs to lista.txt" % (kind, fok))


def check_close(kind):
    game = start_found(kind, kind + "-close", kind + ": close")
    close_window(game.win)
    expect_exit(game, kind + ": closing the window ends the game with exit code 0", 0)


def check_fullscreen_refused(kind):
    """Under plain Xvfb there is no 640 x 480 mode: F1 asks, Yes plays on in a window. Twice, and the game
    still runs and answers Escape."""
    label = kind + ": F1 refused"
    with environment(**TRACE_BOXES):
        game = start_found(kind, kind + "-f1-refused", label)
    for round in (1, 2):
        hold_key(game, "F1")
        box = find_shown(game, "Vexa GL", label, after="after F1 number %d: " % round)
        if sum(VEXA_TEXT in line for line in lines_of(game.stderr)) < round:
            fail_and_stop(game, label, "box without its text on stderr (%s)" % game.stderr)
        answer_box(box)
        find_game(game, label)
    passed('%s: F1 on a display without 640x480 asks "Vexa GL"; Yes plays on in a window' % kind)
    expect_client_640x480(game, kind + ": after F1 twice the client area is 640x480")
    escape_ends(game, kind + ": after F1 twice Escape still ends the game with exit code 0")


def check_fullscreen_granted(kind):
    """Where a 640 x 480 mode exists: F1 goes fullscreen without asking, F1 comes back."""
    label = kind + ": F1 granted"
    game = start_found(kind, kind + "-f1-granted", label)
    new_game_window(game, label, "F1")
    geometry, boxes = client_geometry(game.win), window_ids("Vexa GL")
    if boxes or geometry != (0, 0, 640, 480):
        fail_and_stop(game, label, "fullscreen window at %s; boxes: %s" % (geometry, " ".join(boxes)))
    passed(kind + ": F1 with a 640x480 mode goes fullscreen without asking")
    new_game_window(game, label, "the second F1")
    expect_client_640x480(game, kind + ": F1 again comes back to a 640x480 window")
    escape_ends(game, kind + ": back from fullscreen Escape ends the game with exit code 0")


def check_fullscreen_granted_where_possible(kind):
    where_granted(check_fullscreen_granted, kind)


def check_no_bitmap(kind):
    with environment(**TRACE_BOXES):
        game = start_game(kind, new_run(kind + "-no-bitmap", False))
    expect_initialization_failed(game, kind + ": no bitmap in Data/")


def expect_initialization_failed(game, label):
    """The game just started (with message box tracing) shows the "ERROR" box, says why, and ends with 0
    once it is answered."""
    said = error_box(game, label, r"Initialization Failed\.")
    check(label, said, "the box's text is not on stderr (%s)" % game.stderr,
          label + ': an "ERROR" box says "Initialization Failed."')
    expect_exit(game, label + ": dismissed, the game ends with exit code 0", 0)


# --- the pictures across the two games and with the references -------------------------------------------


def compare_pictures():
    for name in VIEWS:
        a, b = ["%s/%s-play/%s.png" % (e2e.scratch, kind, name) for kind in ("linux", "windows")]
        side_by_side = "%s/side-by-side-%s.png" % (e2e.scratch, name)
        if nonempty(a) and nonempty(b):
            magick("convert", a, b, "+append", side_by_side)
        expect_alike("same picture (%s)" % name, a, b, "%s/difference-%s.png" % (e2e.scratch, name),
                     "side by side: " + side_by_side)


def check_reference(kind):
    """Both games against the checked-in pictures: a fault they share (walls and floors with each other's
    bitmap, another blend function) passes the check above."""
    # Just written from these very pictures.
    if os.environ.get("E2E_UPDATE_REFERENCE") and kind == "linux":
        return
    folder = "%s/%s-play" % (e2e.scratch, kind)
    for name in VIEWS:
        expect_alike("%s: picture (%s) like reference/%s.png" % (kind, name, name),
                     "%s/%s.png" % (folder, name), "%s/%s.png" % (REFERENCE, name),
                     "%s/difference-%s.png" % (folder, name))


def update_reference():
    """E2E_UPDATE_REFERENCE=1: the native game's pictures of this run become the references."""
    taken = ["%s/linux-play/%s.png" % (e2e.scratch, name) for name in VIEWS]
    for name, picture in zip(VIEWS, taken):
        if not nonempty(picture):
            return fail("new reference pictures", "the native game took no %s.png; nothing written" % name)
    os.makedirs(REFERENCE, exist_ok=True)
    for name, picture in zip(VIEWS, taken):
        # Without time stamps: the same picture makes the same file.
        magick("convert", picture, "-strip", "%s/%s.png" % (REFERENCE, name))
    say("e2e: wrote the native game's pictures to %s as the new references: %s"
        % (REFERENCE, " ".join(VIEWS)))


def check_simulators():
    """The simulators beside the games play the same long script to the same bytes."""
    native = os.path.join(os.path.dirname(e2e.games["linux"]), "maze-sim")
    windows = os.path.join(os.path.dirname(e2e.games["windows"]), "maze-sim.exe")
    if not os.access(native, os.X_OK) or not os.path.isfile(windows):
        return say("SKIP  simulators: %s or %s is missing" % (native, windows))
    folder, script = os.path.join(e2e.scratch, "sim"), os.path.join(SIM, "long_mixed.script")
    os.makedirs(folder, exist_ok=True)
    for name, command, limit in (("native", [native], 60), ("windows", ["wine", windows], 120)):
        with open(script, "rb") as steps, open("%s/%s.txt" % (folder, name), "wb") as out:
            with open("%s/%s.err" % (folder, name), "wb") as err:
                run_quiet(*command, timeout=limit, cwd=folder, stdin=steps, output=out, errors=err)
    first = output_of("cmp", folder + "/native.txt", folder + "/windows.txt").split("\n")[0]
    lines = len(lines_of(folder + "/native.txt"))
    check("maze-sim same bytes", lines > 0 and not first, "%s (in %s)" % (first or "no output", folder),
          "maze-sim prints the same %d lines natively and under Wine" % lines)
    # A replay counts as proof only if a recording that does not hold fails it.
    text = "\n".join(lines_of(DEMO_SCRIPT)).replace("expect frame=206 ", "expect frame=205 ")
    wrong = write(os.path.join(folder, "wrong.script"), text + "\n")
    refused = [replayed(wrong, os.path.dirname(game)) for game in (native, windows)]
    check("maze-sim fails a recording whose last expect does not hold",
          all(not reached and "does not reach" in why for reached, why in refused), "%s" % refused,
          "a recording whose last expect does not hold fails in maze-sim natively and under Wine")
