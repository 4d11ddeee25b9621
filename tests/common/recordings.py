"""recordings.py -- what the checks read of a recording and of the game's files, and recordings replayed by
every maze-sim there is."""
import os
import shutil
import subprocess

from checking import TESTS

SIM = os.path.join(TESTS, "sim")
# Each simulator by its program's name: what runs it, and how long it may take (Wine's start is slow).
SIMULATORS = [("maze-sim.js", ["node"], 120), ("maze-sim", [], 60), ("maze-sim.exe", ["wine"], 120)]


def lines_of(path):
    """The lines of a file, without the CR a Windows program may end them with; none if it is missing."""
    try:
        with open(path, encoding="utf-8", errors="replace", newline="") as text:
            return [line.rstrip("\r\n") for line in text]
    except OSError:
        return []


# The stairs demo, and the simulator's last state for it (its expected output's last line).
DEMO_SCRIPT = os.path.join(SIM, "stairs_demo.script")
DEMO_NAME = os.path.basename(DEMO_SCRIPT)
DEMO_STATE = lines_of(os.path.join(SIM, "stairs_demo.expected"))[-1]


def expected_state(path):
    """The state a recording ends in, from its last `expect` line."""
    expects = [line for line in lines_of(path) if line.startswith("expect ")]
    return expects[-1][len("expect "):] if expects else ""


def frames_of(path):
    state = expected_state(path)
    return state.split()[0].split("=")[1] if state.startswith("frame=") else ""


def recording_closed(path):
    """A recording is finished when its last line is the state it ended in."""
    lines = lines_of(path)
    return bool(lines) and lines[-1].startswith("expect frame=")


def while_w_held(lines, dropped=False):
    """The steps a recording's LINES ran while 'W' was held (its "frames N" lines), or the steps dropped
    meanwhile ("# N steps dropped": a turn that came more than a quarter of a second late makes up no more
    than that, by design)."""
    count, held = 0, False
    for line in lines:
        if line.startswith("key 87 "):
            held = line.startswith("key 87 down")
        elif held and (line.endswith(" steps dropped") if dropped else line.startswith("frames ")):
            count += int(line.split()[1])
    return count


def lista_lines(lines):
    """What the space bar wrote to lista.txt, as LINES: its dash lines, its "fok" lines (one of each a step),
    and any other."""
    dashes, fok = lines.count("-" * 54), lines.count("fok = 72.079323")
    return dashes, fok, len(lines) - dashes - fok


def replayed(recording, *folders):
    """RECORDING run by each maze-sim in FOLDERS, in the recording's folder, to its `expect` line (exit status
    0): the names of those that reached it, and why the first that did not fell short, or that none ran (""
    if all did). What they print goes to files (RECORDING.PROGRAM.out, .err), not to pipes: a Wine program
    can leave Wine's own processes, started for it, holding a pipe open long after it has ended."""
    reached = []
    for folder in folders:
        for program, runner, seconds in SIMULATORS:
            command, base = runner + [os.path.join(folder, program)], "%s.%s" % (recording, program)
            if not os.path.isfile(command[-1]) or not shutil.which(command[0]):
                continue
            with open(recording, "rb") as script, open(base + ".out", "wb") as out:
                with open(base + ".err", "wb") as err:
                    try:
                        code = subprocess.run(command, stdin=script, stdout=out, stderr=err,
                                              cwd=os.path.dirname(recording), timeout=seconds).returncode
                    except subprocess.TimeoutExpired:
                        return reached, "%s did not end in %d s" % (program, seconds)
            if code != 0:
                told = " ".join(lines_of(base + ".err")[:2])
                return reached, "%s does not reach the last line: %s" % (program, told)
            reached.append(program)
    return reached, "" if reached else "no maze-sim in " + " ".join(folders)
