"""recording_checks.py -- games recorded on the page and replayed by maze-sim; demos chosen or dropped, watched."""
import os
import shutil

from harness import DEMO_SCRIPT, DEMO_STATE, Pointer, check, replays, wait_until, write

# The games' limit on a demo's size.
DEMO_LIMIT = 16 * 1024 * 1024
# A file of NAME dropped on the canvas, as the browser drops one, made in the
# page: of TEXT, or of N comment bytes.
DROP = """
var content = typeof arguments[1] === "number" ? new Uint8Array(arguments[1]).fill(35) : arguments[1];
var files = new DataTransfer();
files.items.add(new File([content], arguments[0]));
var drop = new DragEvent("drop", {dataTransfer: files, bubbles: true, cancelable: true});
document.getElementById("canvas").dispatchEvent(drop);
"""
# What the page hands the game: the size of each file it writes.
COUNT_WRITES = """
window.written = [];
var write = Module.FS.writeFile;
Module.FS.writeFile = function (path, data) { written.push(data.length); return write.apply(this, arguments); };
"""


def play_a_little(browser, pointer):
    return pointer.turn(3, 1, 5) and browser.hold("w", 0.5)


def download_recording(browser):
    """The file the "Download the recording" button saves, as the browser saves it; None after 20 s."""
    folder = os.path.join(browser.scratch, "downloads")
    os.makedirs(folder, exist_ok=True)
    browser.execute_cdp_cmd("Page.setDownloadBehavior", {"behavior": "allow", "downloadPath": folder})
    browser.element("download-recording").click()
    path = os.path.join(folder, "maze-recording.script")
    if not wait_until(20, lambda: os.path.exists(path)):
        return None
    with open(path, newline="") as f:
        return f.read()


def check_recordings(browser):
    """?record, then Record over the game running: both recordings whole, each replayed exactly by maze-sim."""
    if not browser.start("?record starts a recorded game", "?record"):
        return
    pointer = Pointer(browser)
    # Onto the canvas, where the game hears the pointer.
    played = pointer.move(300, 220) and play_a_little(browser, pointer)
    browser.keep("page-recording")
    stopped = browser.frames()
    browser.element("record").click()
    first = browser.recording()
    going = wait_until(20, lambda: browser.frames() > stopped + 2 and browser.steps() > 0 and not browser.ended())
    why = replays(browser, "first.script", first)
    check("Record over a recorded game ends it, its recording replays exactly", not why and going and played,
          "new game %s, played %s: %s" % (going, played, why))
    played = play_a_little(browser, pointer)
    ended = browser.end_with_escape()
    second = browser.recording()
    offered = browser.element("download-recording").is_displayed()
    browser.keep("page-recorded")
    downloaded = download_recording(browser) if offered else None
    why = replays(browser, "second.script", downloaded or "")
    heard = "key 87 down" in second and "\nmouse " in second
    check("Escape ends the recorded game, the recording of 'W' and the mouse is downloaded and replays exactly",
          not why and ended and played and heard and second != first and downloaded == second,
          "ended %s, offered %s, downloaded %s, played %s: %s" % (ended, offered, downloaded is not None, played, why))


def check_watching(browser):
    """A chosen file watched over a game running, to its end; a malformed one refused before it plays."""
    chosen = os.path.join(browser.scratch, "chosen")
    os.makedirs(chosen)
    mine = shutil.copy(DEMO_SCRIPT, os.path.join(chosen, "my stairs.script"))
    bad = write(os.path.join(chosen, "bad.script"), "frames 1\njump 3\n")
    if not browser.start("the page runs a game to watch a demo over"):
        return
    browser.keep("page-playing")
    browser.element("watch").send_keys(mine)
    ended = browser.demo_result(180)
    line = browser.text("status")
    browser.keep("page-watched")
    check("a chosen demo ends the game running and plays to the simulator's last state",
          ended and line == DEMO_STATE, "ended %s, status %r" % (ended, line[:80]))
    browser.element("watch").send_keys(bad)
    text = browser.box_text() or ""
    ran = browser.steps()
    browser.keep("page-refused")
    check("a malformed demo is refused in the box before it plays: %s" % text,
          text.startswith("chosen/bad.script: line 2: ") and ran == 0, "%d steps run" % ran)
    browser.execute_script(DROP, "..\\up:there.script", "jump 3\n")
    wait_until(10, lambda: browser.text("box-text") != text)
    text = browser.box_text() or ""
    check("a file dropped on the picture is watched by a plain name: %s" % text,
          text.startswith("chosen/_up_there.script: line 1: "), "box %r" % text)
    check_large_files(browser)
    check_any_name(browser)


def heap_bytes(browser):
    """The page's JavaScript heap with the buffers it holds (files and the game's memory among them), after a
    collection."""
    browser.execute_cdp_cmd("HeapProfiler.collectGarbage", {})
    usage = browser.execute_cdp_cmd("Runtime.getHeapUsage", {})
    return usage["usedSize"] + usage.get("backingStorageSize", 0)


def check_large_files(browser, count=12):
    """Files beyond the demo limit reach the game cut one byte beyond it, and none stays in the page once refused."""
    browser.execute_script(COUNT_WRITES)
    before = 0
    for i in range(count):
        browser.execute_script("document.getElementById('box-text').textContent = ''")
        browser.execute_script(DROP, "large%d.script" % i, DEMO_LIMIT + 1000)
        wait_until(20, lambda: browser.text("box-text") != "")
        # The game's memory grows once, for the first: it is reused after.
        before = before or heap_bytes(browser)
    text = browser.box_text() or ""
    grown = (heap_bytes(browser) - before) / 2.0 ** 20
    sizes = browser.js("written")
    left = browser.js("Module.FS.readdir('chosen').length - 2")
    refused = 'The demo "chosen/large%d.script" is larger than 16 MiB.' % (count - 1)
    check("%d files beyond the demo limit reach the game cut one byte beyond it, which refuses them (%s), "
          "and the page keeps none: %+.1f MiB from the first to the last" % (count, text, grown),
          sizes == [DEMO_LIMIT + 1] * count and text == refused and left == 0 and grown < 16,
          "sizes %s, the box %r, %d files left" % (sizes, text, left))


def check_any_name(browser):
    """A chosen file plays by any name, the page's folders' and the game's own files' included; "Play again"
    is ignored while it plays."""
    for name in ("dev", "tmp", "demo-result.txt", "lista.txt"):
        browser.execute_script(DROP, name, "frames 2000\n")
        wait_until(10, lambda: not browser.ended())
        browser.execute_script("document.getElementById('again').click()")
        result = browser.demo_result(20)
        aborted = [line for line in browser.log() if "Abort" in line]
        check("a demo named %s plays to its end, \"Play again\" ignored meanwhile" % name,
              result.startswith("frame=2000 ") and not aborted, "ended %s, result %r, %s"
              % (browser.ended(), result[:40], aborted))
