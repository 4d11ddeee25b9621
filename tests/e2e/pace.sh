# pace.sh -- the end-to-end checks of the game's pace: 'W' held for three
# seconds of wall-clock time is a thousand steps a second in each game,
# whatever its frame rate; --pace 0 runs one step per drawn frame; a game
# stopped for two seconds catches up at most a quarter of a second; a bad
# --pace is refused. The recording of each run is the evidence, and both
# simulators must reach its last line. Sourced by run.sh.
# E2E_HOLD_SECONDS=10 E2E_ONLY=check_paces tests/e2e/run.sh ... measures longer.

PACE=1000
PACE_TOLERANCE_PERCENT=3
HOLD_SECONDS=${E2E_HOLD_SECONDS:-3}

# The recording's closing comment:
# "# STEPS steps in SECONDS s at --pace N, DRAWN of them drawn, DROPPED dropped".
summary_of() {
    grep '^# [0-9]* steps in ' "$1" | tail -1
}

# The frames recorded between the first 'W' down and its release, and the
# steps dropped meanwhile ("# N steps dropped": a turn that came more than a
# quarter of a second late makes up no more than that, by design).
frames_while_w_held() {
    awk '/^key 87 down/ { on = 1 } /^key 87 up/ { on = 0 } on && /^frames / { n += $2 } END { print n + 0 }' "$1"
}

dropped_while_w_held() {
    awk '/^key 87 down/ { on = 1 } /^key 87 up/ { on = 0 } on && / steps dropped$/ { n += $2 } END { print n + 0 }' "$1"
}

# record_walk KIND LABEL ARGS...: 'W' held HOLD_SECONDS, then Escape; sets
# HELD_MS (as the test measured it) and RECORDING. 1 when it went wrong.
record_walk() {
    local kind=$1 label=$2 t0 t1
    shift 2
    RECORDING="$RUN/walk.script"
    start_game_with "$kind" --record walk.script "$@"
    find_game "$label" || return 1
    timeout 5 xdotool windowfocus --sync "$WIN" 2>/dev/null
    sleep 0.5
    # Each time taken as the xdotool that sent the event returns, so that
    # both ends carry the same delay.
    xdotool keydown w
    t0=$(now_ms)
    sleep "$HOLD_SECONDS"
    xdotool keyup w
    t1=$(now_ms)
    HELD_MS=$((t1 - t0))
    sleep 0.3
    hold_key "$WIN" Escape
    wait_exit "$GAME_PID" 15
    if [ "$EXIT_CODE" != 0 ] || ! tail -1 "$RECORDING" | grep -q '^expect frame='; then
        fail "$label" "exit code $EXIT_CODE, last line: $(tail -1 "$RECORDING" 2>/dev/null) ($RUN)"
        stop_pid "$GAME_PID"
        return 1
    fi
}

# Both simulators must reach the recording's `expect` line; 1 otherwise, told.
replayed_everywhere() {
    local label=$1 sim
    for sim in "$(dirname "$LINUX_GAME")/maze-sim" "$(dirname "$WINDOWS_GAME")/maze-sim.exe"; do
        [ -f "$sim" ] || continue
        if ! replay_in "$sim" "$RECORDING"; then
            fail "$label" "$(basename "$sim") does not reach the last line: $(head -2 "$RECORDING.$(basename "$sim").err")"
            return 1
        fi
    done
}

check_pace() {
    local kind=$1 label="$1: 'W' held ${HOLD_SECONDS} s at the default pace" frames dropped rate low high
    new_run "$kind-pace" full
    record_walk "$kind" "$label" || return
    frames=$(frames_while_w_held "$RECORDING")
    dropped=$(dropped_while_w_held "$RECORDING")
    # The steps run only: the dropped ones are the clock's own shortfall.
    rate=$((frames * 1000 / HELD_MS))
    low=$((PACE * (100 - PACE_TOLERANCE_PERCENT) / 100))
    high=$((PACE * (100 + PACE_TOLERANCE_PERCENT) / 100))
    replayed_everywhere "$label" || return
    if ((rate >= low && rate <= high)); then
        pass "$label: $frames steps and $dropped dropped in $HELD_MS ms, $rate a second; $(summary_of "$RECORDING" | cut -c3-)"
    else
        fail "$label" "$frames steps and $dropped dropped in $HELD_MS ms, $rate a second, not $low to $high ($RUN)"
    fi
}

# One step per drawn frame: every step of the recording was drawn.
check_pace_zero() {
    local kind=$1 label="$1: 'W' held ${HOLD_SECONDS} s at --pace 0" steps drawn
    new_run "$kind-pace-0" full
    record_walk "$kind" "$label" --pace 0 || return
    read -r steps drawn < <(summary_of "$RECORDING" | awk '{ print $2, $10 }')
    replayed_everywhere "$label" || return
    if [ -n "$steps" ] && [ "$steps" = "$drawn" ] && ((steps < HELD_MS * PACE / 1000 / 2)); then
        pass "$label: $steps steps, $drawn drawn, $(frames_while_w_held "$RECORDING") while 'W' was held"
    else
        fail "$label" "summary: $(summary_of "$RECORDING") ($RUN)"
    fi
}

# Stopped for two seconds (SIGSTOP, SIGCONT), the game runs at most a quarter
# of a second's worth of steps at once afterwards: the largest drop in the
# recording is the stop, less at most that.
check_catch_up() {
    local kind=$1 label="$1: stopped 2 s, then caught up" t0 t1 stopped_ms steps seconds largest made_up
    new_run "$kind-catch-up" full
    RECORDING="$RUN/stop.script"
    start_game_with "$kind" --record stop.script
    find_game "$label" || return
    timeout 5 xdotool windowfocus --sync "$WIN" 2>/dev/null
    sleep 1
    t0=$(now_ms)
    kill -STOP "$GAME_PID"
    sleep 2
    kill -CONT "$GAME_PID"
    t1=$(now_ms)
    stopped_ms=$((t1 - t0))
    sleep 1
    hold_key "$WIN" Escape
    wait_exit "$GAME_PID" 15
    read -r steps seconds < <(summary_of "$RECORDING" | awk '{ print $2, $5 }')
    if [ "$EXIT_CODE" != 0 ] || [ -z "$steps" ]; then
        fail "$label" "exit code $EXIT_CODE, summary: $(summary_of "$RECORDING") ($RUN)"
        stop_pid "$GAME_PID"
        return
    fi
    largest=$(awk '/ steps dropped$/ && $2 > n { n = $2 } END { print n + 0 }' "$RECORDING")
    made_up=$((stopped_ms * PACE / 1000 - largest))
    # A quarter of a second's steps, and a little for the stop's own timing.
    if ((made_up <= PACE / 4 + PACE / 50)); then
        pass "$label: $stopped_ms ms stopped, $largest steps dropped, $made_up made up; $steps steps in $seconds s"
    else
        fail "$label" "$stopped_ms ms stopped, $largest steps dropped, $made_up made up ($RUN)"
    fi
}

check_pace_refused() {
    local kind=$1 label="$1: --pace x"
    new_run "$kind-pace-refused" full
    WINEDEBUG=-all,trace+msgbox start_game_with "$kind" --pace x
    if ! find_shown "ERROR"; then
        why_missing ERROR
        fail "$label" "$REASON"
        stop_pid "$GAME_PID"
        return
    fi
    answer_box "$WIN"
    expect_exit "$label is refused in an \"ERROR\" box; exit code 2" 2
}

# The pointer moved right by XTest, REPORTS a second for 2 s, the game
# started with ARGS: yrot turns 3 degrees for each mouse message due, within
# 5%: one a report, up to CAP a second (0: none) over the seconds the
# reports took (2 s, more on a busy machine).
check_mouse_rate() {
    local kind=$1 reports=$2 cap=$3 label x y w h turned took expected
    shift 3
    label="$kind: $reports mouse reports a second for 2 s${*:+, $*}"
    new_run "$kind-mouse-$reports$(printf '%s' "$@" | tr -c 'a-z0-9' -)" full
    RECORDING="$RUN/mouse.script"
    start_game_with "$kind" --record mouse.script "$@"
    find_game "$label" || return
    timeout 5 xdotool windowfocus --sync "$WIN" 2>/dev/null
    read -r x y w h < <(client_geometry "$WIN")
    xdotool mousemove $((x + HOME_X)) $((y + HOME_Y))
    sleep 0.5
    took=$("$XTEST_MOUSE" "$reports" 2 1)
    expected=$((reports * 2 * 3))
    if ((cap > 0 && reports > cap)); then
        expected=$(awk -v s="$took" -v c="$cap" 'BEGIN { printf "%d", s * c * 3 }')
    fi
    sleep 0.3
    hold_key "$WIN" Escape 0.1
    wait_exit "$GAME_PID" 15
    turned=$(tail -1 "$RECORDING" | sed -n 's/^expect .* yrot=\([-0-9.]*\) .*/\1/p')
    # Wine merges the pointer's moves while the game draws, and drops those
    # in flight when the pointer is sent home, before any history of them is
    # kept: the game under Wine gets what Wine passes on, told, not judged.
    if [ "$kind" = windows ]; then
        say "NOTE  $label: yrot ${turned:-?} of $expected, $(grep -c '^mouse' "$RECORDING") mouse messages (exit code $EXIT_CODE)"
    elif [ "$EXIT_CODE" = 0 ] && [ -n "$turned" ] && ((${turned%.*} * 100 >= expected * 95 && ${turned%.*} * 100 <= expected * 105)); then
        pass "$label: yrot $turned of $expected (reports over $took s), $(grep -c '^mouse' "$RECORDING") mouse messages"
    else
        fail "$label" "exit code $EXIT_CODE, yrot ${turned:-?}, not $expected +- 5% ($RUN)"
    fi
}

check_mouse_rates() {
    local fps
    for fps in "--fps 20" ""; do
        # shellcheck disable=SC2086 # two words or none
        check_mouse_rate "$1" 125 125 $fps
        # shellcheck disable=SC2086
        check_mouse_rate "$1" 500 125 $fps
        # shellcheck disable=SC2086
        check_mouse_rate "$1" 500 0 --mouse-rate 0 $fps
    done
}

# At --fps 10, 'W' held for 30 ms walks 30 +- 3 steps and Escape held for
# 20 ms ends the game: each key reaches the steps of its moment, however
# far apart the frames. One xdotool for each, so that nothing but its own
# sleep comes between down and up.
check_taps() {
    local kind=$1 label="$1: taps at --fps 10" walked
    new_run "$kind-taps" full
    RECORDING="$RUN/tap.script"
    start_game_with "$kind" --record tap.script --fps 10
    find_game "$label" || return
    timeout 5 xdotool windowfocus --sync "$WIN" 2>/dev/null
    sleep 0.5
    xdotool keydown --delay 0 w sleep 0.03 keyup --delay 0 w
    sleep 0.3
    xdotool keydown --delay 0 Escape sleep 0.02 keyup --delay 0 Escape
    wait_exit "$GAME_PID" 5
    walked=$(frames_while_w_held "$RECORDING")
    if [ "$EXIT_CODE" = 0 ] && ((walked >= 27 && walked <= 33)); then
        pass "$label: 'W' held 30 ms walks $walked steps; Escape held 20 ms ends the game"
    else
        fail "$label" "exit code $EXIT_CODE (Escape held 20 ms), $walked steps for 'W' held 30 ms, not 30 +- 3 ($RUN)"
        stop_pid "$GAME_PID"
    fi
    # A step a second: the tap is over long before the step that sees it.
    label="$kind: Escape held 20 ms at --pace 1"
    new_run "$kind-escape-pace-1" full
    start_game_with "$kind" --pace 1
    find_game "$label" || return
    timeout 5 xdotool windowfocus --sync "$WIN" 2>/dev/null
    xdotool keydown --delay 0 Escape sleep 0.02 keyup --delay 0 Escape
    expect_exit "$label ends the game" 0
}

# At --pace 100000, 10 s of a demo, which never reads the mouse: within 5%
# of 100,000 steps a second where the machine allows. The pointer goes home
# once a drawn frame, and not at all here: each time is a round trip to X.
check_fast_pace() {
    local kind=$1 label="$1: 10 s of --playdemo at --pace 100000" ticks after steps t0 t1 rate
    new_run "$kind-fast-pace" full
    printf 'key 87 down\nframes 5000000\nkey 87 up\n' >"$RUN/long.script"
    start_game_with "$kind" --pace 100000 --playdemo long.script
    find_game "$label" || return
    # From its first frame drawn, as near as this test can tell.
    t0=$(now_ms)
    read -r -a ticks < <(awk '{ print $14, $15 }' "/proc/$GAME_PID/stat")
    sleep 10
    read -r -a after < <(awk '{ print $14, $15 }' "/proc/$GAME_PID/stat")
    timeout 5 xdotool windowfocus --sync "$WIN" 2>/dev/null
    xdotool keydown --delay 0 Escape sleep 0.02 keyup --delay 0 Escape
    t1=$(now_ms)
    wait_exit "$GAME_PID" 15
    steps=$(grep -o 'stopped after [0-9]*' "$RUN/stderr.txt" | awk '{ print $3 }')
    rate=$((${steps:-0} * 1000 / (t1 - t0)))
    say "INFO  $label: user $((after[0] - ticks[0])), kernel $((after[1] - ticks[1])) ticks of 10 ms over 10 s"
    if [ "$EXIT_CODE" = 0 ] && ((rate >= 95000 && rate <= 105000)); then
        pass "$label: $steps steps in $((t1 - t0)) ms, $rate a second"
    else
        fail "$label" "exit code $EXIT_CODE, ${steps:-no} steps in $((t1 - t0)) ms, $rate a second, not 100000 +- 5% ($RUN)"
    fi
}

# Standing still for 10 s at --fps 30: 300 +- 10 frames drawn. The Linux
# game's share of a core there and at --fps 0 is told beside it.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null; }

check_frame_rate() {
    local kind=$1 fps=$2 label="$1: standing still at --fps $2" steps seconds drawn ticks=""
    new_run "$kind-fps-$fps" full
    RECORDING="$RUN/still.script"
    start_game_with "$kind" --record still.script --fps "$fps"
    find_game "$label" || return
    [ "$kind" = linux ] && ticks=$(cpu_ticks "$GAME_PID")
    sleep 10
    [ "$kind" = linux ] && ticks=$(($(cpu_ticks "$GAME_PID") - ticks))
    hold_key "$WIN" Escape 0.1
    wait_exit "$GAME_PID" 15
    read -r steps seconds drawn < <(summary_of "$RECORDING" | awk '{ print $2, $5, $10 }')
    # Clock ticks of 10 ms over 10 s: a tenth of them is the share in percent.
    [ -n "$ticks" ] && say "INFO  $label: $((ticks / 10))% of a core (CPU time over 10 s, all threads)"
    [ "$fps" = 0 ] && return
    # Under Wine on this machine the game stalls now and then for a tenth of
    # a second or more, frames and steps alike: told, not judged.
    if [ "$kind" = windows ]; then
        say "NOTE  $label: $drawn frames in $seconds s (exit code $EXIT_CODE)"
    elif [ "$EXIT_CODE" = 0 ] && [ -n "$drawn" ] && awk -v d="$drawn" -v s="$seconds" -v f="$fps" \
        'BEGIN { exit !(d - s * f <= 10 && s * f - d <= 10) }'; then
        pass "$label: $drawn frames in $seconds s"
    else
        fail "$label" "exit code $EXIT_CODE, $drawn frames in $seconds s, not $fps a second +- 10 ($RUN)"
    fi
}

# The checks of input at its moment and of the frames (E2E_ONLY=check_input).
check_input() {
    check_mouse_rates "$1"
    check_taps "$1"
    check_frame_rate "$1" 30
    if [ "$1" = linux ]; then
        check_frame_rate "$1" 0
        check_fast_pace "$1"
    fi
}

check_paces() {
    check_pace "$1"
    check_pace_zero "$1"
    [ "$1" = linux ] && check_catch_up "$1"
    check_pace_refused "$1"
}
