"""matrix.py -- "send me your run": a recording of real input made in each build (the Linux game, the Windows
game under Wine, the page in headless Chromium) is played by every build, and each play must end by itself
with exit code 0 in the recording's own `expect` state. A recording with Windows line endings is played by
the Linux game and the page too. The page's side is tests/web/page_demo.py, on the browser checks' harness,
played when the run is given the web build."""
import contextlib
import os
import shutil

import page_demo
from demos import RECORDINGS, record_and_replay
from harness import session
from lib import check, e2e, expected_state, fail, frames_of, new_run, play_back, say, write

# Who made each recording, in the table's order, as the checks name it.
MAKERS = {
    "linux": "a recording made in linux",
    "windows": "a recording made in windows",
    "web": "a recording made in web",
    "linux-crlf": "the Linux recording with Windows line endings",
}
PLAYERS = ["linux", "windows", "web"]


def page_session(stack, folder):
    if not e2e.web_build or not os.path.isfile(os.path.join(e2e.web_build, "maze.wasm")):
        return None
    return stack.enter_context(session(e2e.web_build, folder))


def play_in(player, recording, page):
    """What the player's play of RECORDING came to: its exit code and the state it ended in."""
    if player == "web":
        return page_demo.play(page, recording)
    name = os.path.basename(recording)
    run = new_run("matrix-%s-%s" % (player, name), True)
    shutil.copy(recording, run)
    code, played = play_back(player, run, name)
    return str(code), played


def matrix_cell(maker, player, recording, page, cells):
    cell = "matrix: %s played by %s" % (MAKERS[maker], player)
    want = expected_state(recording)
    code, got = play_in(player, recording, page)
    ok = code == "0" and want != "" and got == want
    cells[maker, player] = "ok" if ok else "FAIL"
    check(cell, ok, "exit code %s, result: %s" % (code or "none", got[:120]),
          cell + " ends with exit code 0 at its expect line")


def matrix_table(recordings, cells):
    """The recordings as a table: who made them, their size and frames, and what each build made of them."""
    say("matrix: recorded in / played by:  linux  windows  web")
    for maker in MAKERS:
        if maker in recordings:
            row = "%-11s %8d bytes %6s frames" % (maker, os.path.getsize(recordings[maker]),
                                                 frames_of(recordings[maker]))
            say("matrix: " + row + "".join("  %-7s" % cells.get((maker, player), "-") for player in PLAYERS))


def check_matrix():
    folder = os.path.join(e2e.scratch, "matrix")
    os.makedirs(folder, exist_ok=True)
    for kind in e2e.kinds:
        if kind not in RECORDINGS:
            record_and_replay(kind, "escape")
    recordings, players = dict(RECORDINGS), list(e2e.kinds)
    with contextlib.ExitStack() as stack:
        page = page_session(stack, folder)
        if page:
            players.append("web")
            why = page_demo.record(page, os.path.join(folder, "web.script"))
            if why:
                fail("matrix: recording in the page", why)
            else:
                recordings["web"] = os.path.join(folder, "web.script")
        if "linux" in recordings:
            with open(recordings["linux"], newline="") as lines:
                crlf = lines.read().replace("\n", "\r\n")
            recordings["linux-crlf"] = write(os.path.join(folder, "linux-crlf.script"), crlf)
        cells = {}
        for maker in MAKERS:
            if maker in recordings:
                for player in players:
                    matrix_cell(maker, player, recordings[maker], page, cells)
    matrix_table(recordings, cells)
