"""files.py -- the end-to-end checks of a demo's files: results told where the working folder cannot be
written, a recording named outside the ANSI code page, a recording that never started leaving its file as it
was, and files that are refused."""
import contextlib
import os
import re
import shutil
import stat

from lib import *  # noqa: F401,F403 (the harness the checks stand on)


def read_only(folder):
    """Nothing can be made in FOLDER, even by root (immutable where the file system allows it)."""
    os.chmod(folder, 0o555)
    if os.getuid() == 0:
        run_quiet("chattr", "+i", folder)
    return run_quiet("touch", folder + "/.probe") != 0


def writable(folder):
    if os.getuid() == 0:
        run_quiet("chattr", "-i", folder)
    os.chmod(folder, 0o755)


def check_timedemo_read_only(kind):
    """The timed stairs demo in a folder that cannot be written: the timing and the state on standard output
    all the same, the folder named in the "ERROR" box, exit code 2. The game's output goes to another
    folder."""
    label = kind + ": --timedemo in a read-only folder"
    run = new_run(kind + "-timedemo-read-only", True)
    shutil.copy(DEMO_SCRIPT, run)
    try:
        if read_only(run):
            timedemo_unwritten(kind, run, label, run + ".out")
        else:
            say("SKIP  %s: the folder cannot be made read-only here" % label)
    finally:
        writable(run)


@part
def timedemo_unwritten(kind, run, label, out):
    os.makedirs(out)
    with environment(**TRACE_BOXES):
        game = start_game(kind, run, "--timedemo", DEMO_NAME, logs=out)
    wanted = "Cannot write .*demo-result.txt.* in .*" + os.path.basename(run)
    box_said = error_box(game, label, wanted, 180)
    code = game.wait_exit(15)
    printed = lines_of(out + "/stdout.txt")
    timing = re.compile("timedemo %s: [0-9]* frames in " % re.escape(DEMO_NAME))
    if code != 2:
        fail(label, "exit code %s, expected 2 (%s)" % (code, out))
    elif DEMO_STATE not in printed:
        fail(label, "no state line on standard output (%s/stdout.txt)" % out)
    elif not any(timing.match(line) for line in printed):
        fail(label, "no timing line on standard output (%s/stdout.txt)" % out)
    elif not box_said:
        fail(label, "the box does not name the folder (%s/stderr.txt)" % out)
    else:
        passed(label + ": both lines on standard output, the folder in the box, exit code 2")


def check_record_cyrillic(kind):
    """A recording named in Cyrillic, made with Escape and played back."""
    name = "демо.script"
    label = "%s: a recording named %s" % (kind, name)
    game = start_found(kind, kind + "-record-cyrillic", label, "--record", name)
    hold_key(game, "w", 0.6)
    code = escape_and_wait(game)
    if code != 0 or not os.path.isfile(game.path(name)):
        files = " ".join(sorted(os.listdir(game.run)))
        fail_and_stop(game, label, "exit code %s, files: %s" % (code, files))
    second = (lines_of(game.path(name)) + ["", ""])[1]
    if second != "# build " + kind:
        return fail(label, 'its second line is not "# build %s": %s' % (kind, second))
    code, played = play_back(kind, game.run, name)
    check(label, code == 0 and played == expected_state(game.path(name)),
          "played back: exit code %s, demo-result.txt: %s" % (code, played),
          label + ": written under its name, played back to its last line")


def check_record_without_display(kind):
    """No display to play on: the game ends with 1, and the file it was to record to is as it was; a new name
    is not left behind empty, nor the file the recording would have been written to."""
    if kind != "linux":
        return
    label = kind + ": --record without a display"
    run = new_run(kind + "-record-no-display", False)
    write(run + "/best.script", "frames 7\n")
    with environment(DISPLAY=":99999"):
        kept = run_quiet(e2e.games[kind], "--record", "best.script", cwd=run)
        run_quiet(e2e.games[kind], "--record", "new.script", cwd=run)
    files = sorted(os.listdir(run))
    as_it_was = lines_of(run + "/best.script") == ["frames 7"]
    size = os.path.getsize(run + "/best.script")
    check(label, kept == 1 and as_it_was and files == ["Data", "best.script"],
          "exit code %s, best.script: %d bytes; files: %s" % (kept, size, " ".join(files)),
          label + " ends with exit code 1, the file kept, no new one made")


# Files the game must neither hang on nor write over, each refused before its
# window: a named pipe to play or to record to, and the files the game writes
# itself, by their names or another (linked.script: another name of
# demo-result.txt), which stay as they were.
REFUSED_FILES = [("playdemo", "pipe.script"), ("record", "pipe.script"), ("playdemo", "demo-result.txt"),
                 ("timedemo", "timedemo.txt"), ("record", "lista.txt"), ("playdemo", "linked.script")]


def is_pipe(path):
    return os.path.exists(path) and stat.S_ISFIFO(os.stat(path).st_mode)


def check_files_refused(kind):
    for option, file in REFUSED_FILES:
        run = new_run("%s-refused-%s-%s" % (kind, option, file), True)
        path, wanted = os.path.join(run, file), file + ".*which the game writes itself"
        if file == "pipe.script":
            os.mkfifo(path)
            wanted = file + ".*Not a regular file"
        elif file == "linked.script":
            shutil.copy(DEMO_SCRIPT, run + "/demo-result.txt")
            os.link(run + "/demo-result.txt", path)
        else:
            shutil.copy(DEMO_SCRIPT, path)
        label = "%s: --%s %s" % (kind, option, file)
        refused_start(kind, run, label, wanted, "--" + option, file)
        if not is_pipe(path) and not same_file(DEMO_SCRIPT, path):
            fail(label, "the file was changed")


def check_shared_recording(kind):
    """Two games recording to one file: the second, of each build, is refused before its window, naming the
    file; the first plays on, and its recording alone takes the name at the end."""
    label = kind + ": a second game recording to the same file"
    first = start_found(kind, kind + "-shared-recording", label, "--record", "shared.script")
    for second in e2e.kinds:
        refused_start(second, first.run, "%s, %s" % (label, second),
                      "shared.script.*being recorded by another game", "--record", "shared.script")
    code = escape_and_wait(first)
    shared = first.path("shared.script")
    ended = code == 0 and (lines_of(shared) + ["", ""])[1] == "# build " + kind and recording_closed(shared)
    ended = ended and not os.path.exists(shared + ".part")
    files = " ".join(sorted(os.listdir(first.run)))
    check(label, ended, "exit code %s, files: %s" % (code, files), label + ": the first records on to its end")
    first.stop()


def check_demo_files(kind):
    parts = (check_files_refused, check_shared_recording, check_timedemo_read_only, check_record_cyrillic,
             check_record_without_display)
    for part_of in parts:
        with contextlib.suppress(Stop):
            part_of(kind)
