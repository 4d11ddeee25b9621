"""matrix.py -- "send me your run": a recording of real input made in each build (the Linux game, the Windows
game under Wine, the page in headless Chromium) is played by every build, and each play must end by itself
with exit code 0 in the recording's own `expect` state. A recording with Windows line endings is played by
the Linux game and the page too. The page's side is tests/web/page_demo.py, run when given the web build."""
import os
import shutil
import subprocess

from demos import RECORDINGS, record_and_replay
from lib import HERE, e2e, expected_state, fail, frames_of, lines_of, new_run, play_back, say, verdict, write

PAGE_DEMO = os.path.join(HERE, "..", "web", "page_demo.py")
# Who made each recording, in the table's order, as the checks name it.
MAKERS = {
    "linux": "a recording made in linux",
    "windows": "a recording made in windows",
    "web": "a recording made in web",
    "linux-crlf": "the Linux recording with Windows line endings",
}
PLAYERS = ["linux", "windows", "web"]


def have_page():
    return bool(e2e.web_build) and os.path.isfile(os.path.join(e2e.web_build, "maze.wasm"))


def page_demo(action, path, log, seconds):
    """page_demo.py ACTION on the web build and PATH: its exit status and what it printed on standard output,
    its errors added to LOG; 124 and nothing if it outlasts SECONDS."""
    with open(log, "a") as errors:
        try:
            run = subprocess.run(["/usr/bin/python3", PAGE_DEMO, action, e2e.web_build, path], text=True,
                                 stdout=subprocess.PIPE, stderr=errors, timeout=seconds)
        except subprocess.TimeoutExpired:
            return 124, ""
    return run.returncode, run.stdout


def play_in(player, recording, folder):
    """What the player's play of RECORDING came to: its exit code and the state it ended in (the page
    prints both)."""
    if player == "web":
        # A recording's steps at the pace, and the page's start: page_demo.py waits up to 600 s.
        printed = page_demo("play", recording, os.path.join(folder, "web-play.log"), 700)[1].strip()
        code, _, state = printed.partition("\n")[0].partition(" ")
        return code, state.strip()
    name = os.path.basename(recording)
    run = new_run("matrix-%s-%s" % (player, name), True)
    shutil.copy(recording, run)
    code, played = play_back(player, run, name)
    return str(code), played


def matrix_cell(maker, player, recording, folder, cells):
    """One play, checked, and kept in CELLS for the table."""
    cell = "matrix: %s played by %s" % (MAKERS[maker], player)
    want = expected_state(recording)
    code, got = play_in(player, recording, folder)
    ok = code == "0" and want != "" and got == want
    cells[maker, player] = "ok" if ok else "FAIL"
    verdict(ok, cell, cell + " ends with exit code 0 at its expect line",
            "exit code %s, result: %s" % (code or "none", got[:120]))


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
    if have_page():
        players.append("web")
        path, log = os.path.join(folder, "web.script"), os.path.join(folder, "web-record.log")
        if page_demo("record", path, log, 300)[0] == 0:
            recordings["web"] = path
        else:
            fail("matrix: recording in the page", "\n".join(lines_of(log)[-3:]))
    if "linux" in recordings:
        with open(recordings["linux"], newline="") as lines:
            crlf = lines.read().replace("\n", "\r\n")
        recordings["linux-crlf"] = write(os.path.join(folder, "linux-crlf.script"), crlf)
    cells = {}
    for maker in MAKERS:
        if maker in recordings:
            for player in players:
                matrix_cell(maker, player, recordings[maker], folder, cells)
    matrix_table(recordings, cells)
