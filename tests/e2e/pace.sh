# pace.sh -- the end-to-end checks of the game's pace (check_paces), and of
# input at its moment and the frame rate (check_input). The recording of each
# run is the evidence. Sourced by run.sh.
# E2E_HOLD_SECONDS=10 E2E_ONLY=check_paces tests/e2e/run.sh ... measures longer.

PACE=1000
PACE_SLACK=$((PACE * 3 / 100))
HOLD_SECONDS=${E2E_HOLD_SECONDS:-3}

# The recording's closing comment, "# N steps in S s at --pace P, D of them
# drawn, K dropped", each number found by the words beside it: a comment
# reworded or reordered fails the check that reads it, naming the number,
# rather than handing it another.
declare -A SUMMARY_WORDS=(
    [steps]='^# ([0-9]+) steps in '
    [seconds]=' ([0-9]+\.[0-9]+) s at '
    [pace]=' --pace ([0-9]+),'
    [drawn]=' ([0-9]+) of them drawn'
    [dropped]=' ([0-9]+) dropped$'
)
declare -A SUMMARY=()

# read_summary LABEL: the closing comment of RECORDING (the last but the
# "# N steps dropped" lines) in SUMMARY_LINE, and its numbers in SUMMARY.
read_summary() {
    local name
    SUMMARY_LINE=$(grep '^# ' "$RECORDING" 2>/dev/null | grep -v ' steps dropped$' | tail -1 | tr -d '\r')
    SUMMARY=()
    for name in "${!SUMMARY_WORDS[@]}"; do
        if ! [[ $SUMMARY_LINE =~ ${SUMMARY_WORDS[$name]} ]]; then
            fail "$1" "exit code ${EXIT_CODE:-?}, no $name in the closing comment \"$SUMMARY_LINE\" ($RUN)"
            return 1
        fi
        SUMMARY[$name]=${BASH_REMATCH[1]}
    done
}

# while_w_held FILE steps|dropped: the steps recorded between the first 'W'
# down and its release (its "frames N" lines), or the steps dropped meanwhile
# ("# N steps dropped": a turn that came more than a quarter of a second late
# makes up no more than that, by design).
while_w_held() {
    local lines='^frames '
    [ "$2" = dropped ] && lines=' steps dropped$'
    awk -v lines="$lines" '/^key 87 down/ { on = 1 } /^key 87 up/ { on = 0 } on && $0 ~ lines { n += $2 } END { print n + 0 }' "$1"
}

# record_walk KIND RUN LABEL ARGS...: 'W' held HOLD_SECONDS, then Escape;
# sets HELD_MS (as the test measured it), and the recording's summary, which
# every simulator must replay.
record_walk() {
    local label=$3 t0 t1
    start_recorded "$@" || return 1
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
    end_recorded "$label" && read_summary "$label" && replayed_everywhere "$label"
}

check_pace() {
    local kind=$1 label="$1: 'W' held ${HOLD_SECONDS} s at the default pace" steps dropped rate
    record_walk "$kind" "$kind-pace" "$label" || return
    steps=$(while_w_held "$RECORDING" steps)
    dropped=$(while_w_held "$RECORDING" dropped)
    # The steps run only: the dropped ones are the clock's own shortfall.
    rate=$((steps * 1000 / HELD_MS))
    near "$rate" "$PACE" "$PACE_SLACK"
    verdict $? "$label" \
        "$label: $steps steps and $dropped dropped in $HELD_MS ms, $rate a second; ${SUMMARY_LINE#\# }" \
        "$steps steps and $dropped dropped in $HELD_MS ms, $rate a second, not $PACE +- $PACE_SLACK ($RUN)"
}

# One step per drawn frame: every step of the recording was drawn.
check_pace_zero() {
    local kind=$1 label="$1: 'W' held ${HOLD_SECONDS} s at --pace 0"
    record_walk "$kind" "$kind-pace-0" "$label" --pace 0 || return
    [ "${SUMMARY[steps]}" = "${SUMMARY[drawn]}" ] && ((${SUMMARY[steps]} < HELD_MS * PACE / 1000 / 2))
    verdict $? "$label" \
        "$label: ${SUMMARY[steps]} steps, ${SUMMARY[drawn]} drawn, $(while_w_held "$RECORDING" steps) while 'W' was held" \
        "summary: $SUMMARY_LINE ($RUN)"
}

# Stopped for two seconds (SIGSTOP, SIGCONT), the game runs at most a quarter
# of a second's worth of steps at once afterwards: the largest drop in the
# recording is the stop, less at most that.
check_catch_up() {
    local kind=$1 label="$1: stopped 2 s, then caught up" t0 t1 stopped_ms largest made_up
    start_recorded "$kind" "$kind-catch-up" "$label" || return
    sleep 1
    t0=$(now_ms)
    kill -STOP "$GAME_PID"
    sleep 2
    kill -CONT "$GAME_PID"
    t1=$(now_ms)
    stopped_ms=$((t1 - t0))
    sleep 1
    end_recorded "$label" && read_summary "$label" || return
    largest=$(awk '/ steps dropped$/ && $2 > n { n = $2 } END { print n + 0 }' "$RECORDING")
    made_up=$((stopped_ms * PACE / 1000 - largest))
    # A quarter of a second's steps, and a little for the stop's own timing.
    ((made_up <= PACE / 4 + PACE / 50))
    verdict $? "$label" \
        "$label: $stopped_ms ms stopped, $largest steps dropped, $made_up made up; ${SUMMARY[steps]} steps in ${SUMMARY[seconds]} s" \
        "$stopped_ms ms stopped, $largest steps dropped, $made_up made up ($RUN)"
}

check_pace_refused() {
    new_run "$1-pace-refused" full
    refused_start "$1" "$1: --pace x" "--pace needs " --pace x
}

check_paces() {
    check_pace "$1"
    check_pace_zero "$1"
    [ "$1" = linux ] && check_catch_up "$1"
    check_pace_refused "$1"
}

# --- input at its moment, and the frames ----------------------------------------

# The pointer moved right by XTest, REPORTS a second for 2 s, the game
# started with ARGS: yrot turns 3 degrees for each mouse message due, within
# 5%: one a report, up to CAP a second (0: none) over the seconds the
# reports took (2 s, more on a busy machine).
check_mouse_rate() {
    local kind=$1 reports=$2 cap=$3 label x y w h turned took expected
    shift 3
    label="$kind: $reports mouse reports a second for 2 s${*:+, $*}"
    start_recorded "$kind" "$kind-mouse-$reports$(printf '%s' "$@" | tr -c 'a-z0-9' -)" "$label" "$@" || return
    read -r x y w h < <(client_geometry "$WIN")
    xdotool mousemove $((x + HOME_X)) $((y + HOME_Y))
    sleep 0.5
    took=$("$XTEST_MOUSE" "$reports" 2 1)
    expected=$((reports * 2 * 3))
    if ((cap > 0 && reports > cap)); then
        expected=$(awk -v s="$took" -v c="$cap" 'BEGIN { printf "%d", s * c * 3 }')
    fi
    sleep 0.3
    escape_and_wait 0.1
    turned=$(tail -1 "$RECORDING" | sed -n 's/^expect .* yrot=\([-0-9.]*\) .*/\1/p')
    # Wine merges the pointer's moves while the game draws, and drops those
    # in flight when the pointer is sent home, before any history of them is
    # kept: the game under Wine gets what Wine passes on, told, not judged.
    if [ "$kind" = windows ]; then
        say "NOTE  $label: yrot ${turned:-?} of $expected, $(grep -c '^mouse' "$RECORDING") mouse messages (exit code $EXIT_CODE)"
        return
    fi
    [ "$EXIT_CODE" = 0 ] && [ -n "$turned" ] && near "${turned%.*}" "$expected" $((expected * 5 / 100))
    verdict $? "$label" \
        "$label: yrot $turned of $expected (reports over $took s), $(grep -c '^mouse' "$RECORDING") mouse messages" \
        "exit code $EXIT_CODE, yrot ${turned:-?}, not $expected +- 5% ($RUN)"
}

# Reports a second, the cap on mouse messages a second they meet, and the
# options beside --fps.
MOUSE_RATES=("125 125" "500 125" "500 0 --mouse-rate 0")

check_mouse_rates() {
    local fps rate
    for fps in "--fps 20" ""; do
        for rate in "${MOUSE_RATES[@]}"; do
            # shellcheck disable=SC2086 # the words of a row, and two words or none
            check_mouse_rate "$1" $rate $fps
        done
    done
}

# tap KEY SECONDS: KEY down, and up SECONDS later, in one xdotool, so that
# nothing but its own sleep comes between.
tap() {
    xdotool keydown --delay 0 "$1" sleep "$2" keyup --delay 0 "$1"
}

# At --fps 10, 'W' held for 30 ms walks 30 +- 3 steps and Escape held for
# 20 ms ends the game: each key reaches the steps of its moment, however
# far apart the frames.
check_taps() {
    local kind=$1 label="$1: taps at --fps 10" walked
    start_recorded "$kind" "$kind-taps" "$label" --fps 10 || return
    sleep 0.5
    tap w 0.03
    sleep 0.3
    tap Escape 0.02
    wait_exit "$GAME_PID" 5
    walked=$(while_w_held "$RECORDING" steps)
    [ "$EXIT_CODE" = 0 ] && near "$walked" 30 3
    verdict $? "$label" "$label: 'W' held 30 ms walks $walked steps; Escape held 20 ms ends the game" \
        "exit code $EXIT_CODE (Escape held 20 ms), $walked steps for 'W' held 30 ms, not 30 +- 3 ($RUN)"
    stop_pid "$GAME_PID"
    # A step a second: the tap is over long before the step that sees it.
    label="$kind: Escape held 20 ms at --pace 1"
    start_found "$kind" "$kind-escape-pace-1" "$label" --pace 1 || return
    focus
    tap Escape 0.02
    expect_exit "$label ends the game" 0
}

# At --pace 100000, 10 s of a demo, which never reads the mouse: within 5%
# of 100,000 steps a second where the machine allows. The pointer goes home
# once a drawn frame, and not at all here: each time is a round trip to X.
check_fast_pace() {
    local kind=$1 label="$1: 10 s of --playdemo at --pace 100000" ticks=() after=() steps t0 t1 rate
    new_run "$kind-fast-pace" full
    printf 'key 87 down\nframes 5000000\nkey 87 up\n' >"$RUN/long.script"
    start_game "$kind" --pace 100000 --playdemo long.script
    find_game "$label" || return
    # From its first frame drawn, as near as this test can tell.
    t0=$(now_ms)
    read -r -a ticks < <(cpu_ticks "$GAME_PID")
    sleep 10
    read -r -a after < <(cpu_ticks "$GAME_PID")
    focus
    tap Escape 0.02
    t1=$(now_ms)
    wait_exit "$GAME_PID" 15
    steps=$(grep -o 'stopped after [0-9]*' "$RUN/stderr.txt" | awk '{ print $3 }')
    rate=$((${steps:-0} * 1000 / (t1 - t0)))
    say "INFO  $label: user $((after[0] - ticks[0])), kernel $((after[1] - ticks[1])) ticks of 10 ms over 10 s"
    [ "$EXIT_CODE" = 0 ] && near "$rate" 100000 5000
    verdict $? "$label" "$label: $steps steps in $((t1 - t0)) ms, $rate a second" \
        "exit code $EXIT_CODE, ${steps:-no} steps in $((t1 - t0)) ms, $rate a second, not 100000 +- 5% ($RUN)"
}

# cpu_ticks PID: "USER KERNEL", the process's CPU time in clock ticks of 10 ms.
cpu_ticks() { awk '{ print $14, $15 }' "/proc/$1/stat" 2>/dev/null; }

# Standing still for 10 s at --fps 30: 300 +- 10 frames drawn. The Linux
# game's share of a core there and at --fps 0 is told beside it.
check_frame_rate() {
    local kind=$1 fps=$2 label="$1: standing still at --fps $2" ticks=() after=() seconds drawn
    start_recorded "$kind" "$kind-fps-$fps" "$label" --fps "$fps" || return
    [ "$kind" = linux ] && read -r -a ticks < <(cpu_ticks "$GAME_PID")
    sleep 10
    [ "$kind" = linux ] && read -r -a after < <(cpu_ticks "$GAME_PID")
    escape_and_wait 0.1
    # Ticks of 10 ms over 10 s: a tenth of them is the share in percent.
    ((${#after[@]} == 2)) &&
        say "INFO  $label: $(((after[0] + after[1] - ticks[0] - ticks[1]) / 10))% of a core (CPU time over 10 s, all threads)"
    [ "$fps" = 0 ] && return
    read_summary "$label" || return
    seconds=${SUMMARY[seconds]} drawn=${SUMMARY[drawn]}
    # Under Wine on this machine the game stalls now and then for a tenth of
    # a second or more, frames and steps alike: told, not judged.
    if [ "$kind" = windows ]; then
        say "NOTE  $label: $drawn frames in $seconds s (exit code $EXIT_CODE)"
        return
    fi
    [ "$EXIT_CODE" = 0 ] && awk -v d="$drawn" -v s="$seconds" -v f="$fps" \
        'BEGIN { exit !(d - s * f <= 10 && s * f - d <= 10) }'
    verdict $? "$label" "$label: $drawn frames in $seconds s" \
        "exit code $EXIT_CODE, $drawn frames in $seconds s, not $fps a second +- 10 ($RUN)"
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
