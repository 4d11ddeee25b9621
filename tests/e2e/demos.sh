# demos.sh -- the end-to-end checks of demos: each game records a run of real
# input that both simulators must replay to its last line, plays the stairs
# demo back to the simulator's state, times it, and refuses a bad demo.
# Sourced by run.sh, whose helpers and counters it uses.

DEMO_SCRIPT="$here/../sim/stairs_demo.script"
DEMO_EXPECTED="$here/../sim/stairs_demo.expected"

# start_game_with KIND ARGS...: like start_game, with options for the game.
start_game_with() {
    local kind=$1
    shift
    xdotool mousemove 1023 767 2>/dev/null
    case $kind in
        linux) (cd "$RUN" && exec "$LINUX_GAME" "$@") >"$RUN/stdout.txt" 2>"$RUN/stderr.txt" & ;;
        windows) (cd "$RUN" && exec wine "$WINDOWS_GAME" "$@") >"$RUN/stdout.txt" 2>"$RUN/stderr.txt" & ;;
    esac
    GAME_PID=$!
    STARTED_PIDS+=("$GAME_PID")
}

# About ten seconds of play: the pointer both ways on both axes, 'W', 'S',
# Shift with each, the space bar, in the client area at X Y.
play_mixed() {
    local x=$1 y=$2
    timeout 5 xdotool windowfocus --sync "$WIN" 2>/dev/null
    xdotool mousemove $((x + 500)) $((y + 300)) && sleep 0.3
    xdotool mousemove $((x + 100)) $((y + 100)) && sleep 0.3
    xdotool keydown w && sleep 1.5
    xdotool mousemove $((x + 400)) $((y + 210)) && sleep 0.3
    xdotool keydown shift && sleep 1 && xdotool keyup shift
    xdotool keyup w
    xdotool keydown space && sleep 0.6 && xdotool keyup space
    xdotool keydown s && sleep 1.2
    xdotool mousemove $((x + 200)) $((y + 250)) && sleep 0.3
    xdotool keyup s
    xdotool keydown shift keydown s && sleep 1 && xdotool keyup s keyup shift
    xdotool mousemove $((x + 312)) $((y + 100)) && sleep 0.3
    xdotool keydown w && sleep 1.5 && xdotool keyup w
    sleep 0.5
}

# replay_in SIMULATOR RECORDING: 0 when it runs the recording to its end,
# `expect` and all; its messages go to RECORDING.SIMULATOR.err.
replay_in() {
    local sim=$1 recording=$2 name
    name=$(basename "$sim")
    case $sim in
        *.exe) (cd "$(dirname "$recording")" && timeout 120 wine "$sim") ;;
        *) (cd "$(dirname "$recording")" && timeout 60 "$sim") ;;
    esac <"$recording" >/dev/null 2>"$recording.$name.err"
}

# record_and_replay KIND escape|close: a recording of mixed play, ended by
# Escape or by closing the window, replayed by every simulator there is.
record_and_replay() {
    local kind=$1 end=$2 label="$1: recording ended by $2" x y w h recording sim frames results=""
    new_run "$kind-record-$end" full
    recording="$RUN/recording.script"
    start_game_with "$kind" --record recording.script
    find_game "$label" || return
    read -r x y w h < <(client_geometry "$WIN")
    play_mixed "$x" "$y"
    if [ "$end" = escape ]; then hold_key "$WIN" Escape; else close_window "$WIN"; fi
    wait_exit "$GAME_PID" 15
    if [ "$EXIT_CODE" != 0 ] || ! tail -1 "$recording" 2>/dev/null | grep -q '^expect frame='; then
        fail "$label" "exit code $EXIT_CODE, last line: $(tail -1 "$recording" 2>/dev/null) ($RUN)"
        stop_pid "$GAME_PID"
        return
    fi
    frames=$(tail -1 "$recording" | sed 's/^expect frame=\([0-9]*\) .*/\1/')
    for sim in "$(dirname "$LINUX_GAME")/maze-sim" "$(dirname "$WINDOWS_GAME")/maze-sim.exe"; do
        [ -f "$sim" ] || continue
        if replay_in "$sim" "$recording"; then
            results+=" $(basename "$sim") reaches it;"
        else
            fail "$label" "$(basename "$sim") does not reach the last line: $(head -2 "$recording.$(basename "$sim").err")"
            return
        fi
    done
    pass "$label: $(stat -c %s "$recording") bytes, $frames frames;${results%;}"
    if [ "$end" = escape ]; then keep_for_matrix "$kind" "$recording"; fi
}

# One line of the file, without the CR a Windows program may end it with.
first_line() {
    head -1 "$1" 2>/dev/null | tr -d '\r'
}

# play_demo KIND playdemo|timedemo [RUN]: the stairs demo, played to its end
# (in the folder RUN, KIND-MODE without it).
play_demo() {
    local kind=$1 mode=$2
    new_run "${3:-$kind-$mode}" full
    cp "$DEMO_SCRIPT" "$RUN/"
    start_game_with "$kind" "--$mode" "$(basename "$DEMO_SCRIPT")"
    wait_exit "$GAME_PID" 180
}

check_playdemo() {
    play_demo "$1" playdemo
    check_demo_ended "$1: --playdemo of the stairs demo"
}

# check_demo_ended LABEL: the stairs demo played has ended the game, exit
# code 0, in the simulator's last state.
check_demo_ended() {
    local label=$1 want got
    want=$(tail -1 "$DEMO_EXPECTED")
    got=$(first_line "$RUN/demo-result.txt")
    if [ "$EXIT_CODE" = 0 ] && [ "$got" = "$want" ]; then
        pass "$label ends by itself with exit code 0 in the simulator's last state"
    else
        fail "$label" "exit code $EXIT_CODE, demo-result.txt: ${got:-nothing} ($RUN)"
        stop_pid "$GAME_PID"
    fi
}

check_timedemo() {
    local kind=$1 label="$1: --timedemo of the stairs demo" line pattern
    play_demo "$kind" timedemo
    line=$(first_line "$RUN/timedemo.txt")
    pattern="^timedemo $(basename "$DEMO_SCRIPT"): [0-9]+ frames in [0-9]+\.[0-9]{3} s, [0-9]+\.[0-9] fps$"
    if [ "$EXIT_CODE" = 0 ] && [[ $line =~ $pattern ]] &&
        [ "$(first_line "$RUN/demo-result.txt")" = "$(tail -1 "$DEMO_EXPECTED")" ]; then
        pass "$label: $line"
    else
        fail "$label" "exit code $EXIT_CODE, timedemo.txt: ${line:-nothing} ($RUN)"
        stop_pid "$GAME_PID"
    fi
}

# refused_start KIND LABEL WANTED ARGS...: the game started in $RUN with ARGS
# shows an "ERROR" box before any window, its text (matching the pattern
# WANTED) on standard error too, and ends with exit code 2.
refused_start() {
    local kind=$1 label=$2 wanted=$3
    shift 3
    WINEDEBUG=-all,trace+msgbox start_game_with "$kind" "$@"
    if ! find_shown "ERROR"; then
        why_missing ERROR
        fail "$label" "$REASON"
        stop_pid "$GAME_PID"
        return
    fi
    if ! grep -q "$wanted" "$RUN/stderr.txt"; then
        fail "$label" "the box's text is not on stderr ($RUN/stderr.txt)"
    fi
    answer_box "$WIN"
    expect_exit "$label is refused in an \"ERROR\" box; exit code 2" 2
}

# A demo with a line no simulator reads: maze-sim's line-numbered message.
check_demo_refused() {
    new_run "$1-demo-refused" full
    printf 'frames 1\njump 3\n' >"$RUN/bad.script"
    refused_start "$1" "$1: a demo with a bad line" "bad.script: line 2: unknown command: jump 3" --playdemo bad.script
}

check_demos() {
    record_and_replay "$1" escape
    record_and_replay "$1" close
    check_playdemo "$1"
    check_timedemo "$1"
    check_demo_refused "$1"
}
