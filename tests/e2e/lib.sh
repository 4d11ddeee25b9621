# lib.sh -- the harness of the end-to-end run: X servers and the Wine prefix,
# the games started and waited for, their windows, synthetic input, pictures,
# recordings replayed, and the count of the results. Sourced by run.sh; every
# wait is bounded, and every process started here is recorded for the cleanup.

STARTED_PIDS=()  # games and X servers, killed by PID at exit
XVFB_PIDS=()
PASSED=0
FAILED=0
KINDS=()  # the games this run drives: linux, windows

say() { printf '%s\n' "$*" >&2; }
pass() { PASSED=$((PASSED + 1)); say "PASS  $1"; }
fail() { FAILED=$((FAILED + 1)); say "FAIL  $1: $2"; }

# verdict STATUS LABEL PASSED FAILED: the line PASSED when STATUS is 0, else
# LABEL failed for the reason FAILED.
verdict() {
    if [ "$1" = 0 ]; then
        pass "$3"
    else
        fail "$2" "$4"
    fi
}

# near VALUE TARGET SLACK: VALUE is TARGET, give or take SLACK (whole numbers).
near() { (($1 >= $2 - $3 && $1 <= $2 + $3)); }

# A failed check, and the game it leaves running stopped.
fail_and_stop() {
    fail "$1" "$2"
    stop_pid "$GAME_PID"
}

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# wait_until SECONDS COMMAND...: polls COMMAND every 0.1 s; 1 when time ran out.
wait_until() {
    local limit_ms=$(( $1 * 1000 )) start
    shift
    start=$(now_ms)
    until "$@"; do
        (( $(now_ms) - start >= limit_ms )) && return 1
        sleep 0.1
    done
}

cleanup() {
    local pid
    for pid in "${STARTED_PIDS[@]}"; do stop_pid "$pid"; done
    # Wine first: its server talks to the X server until it goes.
    [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ] && timeout 10 wineserver -k 2>/dev/null
    for pid in "${XVFB_PIDS[@]}"; do stop_pid "$pid"; done
    rm -rf "$SCRATCH/wine"
    if [ "$FAILED" = 0 ] && [ -z "${E2E_KEEP:-}" ]; then
        rm -rf "$SCRATCH"
    else
        say "e2e: screenshots and logs kept in $SCRATCH"
    fi
}

# --- processes -------------------------------------------------------------

# Not kill -0: a child that has exited but not been reaped still answers it.
is_running() {
    local state
    state=$(awk '{ print $3 }' "/proc/$1/stat" 2>/dev/null) || return 1
    [ -n "$state" ] && [ "$state" != Z ]
}

has_ended() { ! is_running "$1"; }

# wait_exit PID SECONDS: sets EXIT_CODE; 1 (and EXIT_CODE=timeout) if it is still running.
wait_exit() {
    if ! wait_until "$2" has_ended "$1"; then
        EXIT_CODE=timeout
        return 1
    fi
    wait "$1"
    EXIT_CODE=$?
}

# Asks first, insists after three seconds; reaps the child either way.
stop_pid() {
    if is_running "$1"; then
        kill "$1" 2>/dev/null
        wait_until 3 has_ended "$1" || kill -KILL "$1" 2>/dev/null
    fi
    wait "$1" 2>/dev/null
}

# --- X servers and Wine -------------------------------------------------------

# start_xvfb NAME SCREEN: an Xvfb on a display number it picks itself
# (-displayfd), so that parallel runs never collide; sets DISPLAY_<NAME>.
start_xvfb() {
    local name=$1 screen=$2 numfile="$SCRATCH/xvfb-$1.display"
    : >"$numfile"
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$numfile" 2>"$SCRATCH/xvfb-$name.log" &
    XVFB_PIDS+=("$!")
    if ! wait_until 10 test -s "$numfile"; then
        say "e2e: Xvfb ($name) did not start; see $SCRATCH/xvfb-$name.log"
        return 1
    fi
    printf -v "DISPLAY_$name" ':%s' "$(tr -d '[:space:]' <"$numfile")"
}

# build_helper VARIABLE FILE COMPILER SOURCE FLAGS...: a helper program in the scratch folder.
build_helper() {
    local variable=$1 file="$SCRATCH/$2" compiler=$3 source="$here/$4"
    shift 4
    if ! "$compiler" -O1 -o "$file" "$source" "$@" 2>"$file.log"; then
        say "e2e: cannot build $(basename "$source") with $compiler; see $file.log"
        return 1
    fi
    printf -v "$variable" %s "$file"
}

setup_x() {
    # A: the desktop, with no 640 x 480 mode (fullscreen is refused there).
    # B: a screen whose one mode is 640 x 480, where the SDL game's fullscreen is granted.
    start_xvfb A 1024x768x24 && start_xvfb B 640x480x24 || exit 1
    export DISPLAY=$DISPLAY_A
    build_helper X_CLOSE x_close cc x_close.c -lX11 || exit 1
    build_helper XTEST_MOUSE xtest_mouse cc post_mouse.c -ldl || exit 1
}

# One Wine server for the whole run, until the cleanup ends it: one that exits
# a moment after its last program (a game, maze-sim.exe) can refuse the next
# program that connects just then ("recvmsg: Connection reset by peer").
keep_wineserver() {
    timeout 30 wineserver -p 2>/dev/null
}

# One prefix for the whole run, 32-bit only, without Mono and Gecko.
setup_wine() {
    export WINEPREFIX="$SCRATCH/wine" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    if ! timeout 120 wineboot -i >"$SCRATCH/wineboot.log" 2>&1 || ! timeout 60 wineserver -w; then
        say "e2e: could not make the Wine prefix; see $SCRATCH/wineboot.log"
        return 1
    fi
    keep_wineserver
    POST_MOUSE=""
    build_helper POST_MOUSE post_mouse.exe i686-w64-mingw32-gcc post_mouse.c
    return 0
}

# wine_desktop on|off: Wine's virtual desktop, read when the Wine server
# starts, so the server is started anew.
wine_desktop() {
    local key='HKCU\Software\Wine\Explorer' status
    timeout 30 wineserver -k 2>/dev/null
    if [ "$1" = on ]; then
        timeout 30 wine reg add "$key" /v Desktop /d Default /f >/dev/null 2>&1 &&
            timeout 30 wine reg add "$key\\Desktops" /v Default /d 1024x768 /f >/dev/null 2>&1
    else
        timeout 30 wine reg delete "$key" /v Desktop /f >/dev/null 2>&1
    fi
    status=$?
    timeout 30 wineserver -k 2>/dev/null
    timeout 30 wineserver -w 2>/dev/null
    keep_wineserver
    return $status
}

# where_granted CHECK KIND: CHECK where a 640 x 480 mode exists: display B for
# the SDL game, Wine's own virtual desktop, switched on for it alone.
where_granted() {
    if [ "$2" = linux ]; then
        DISPLAY=$DISPLAY_B "$1" linux
    else
        wine_desktop on && "$1" windows
        wine_desktop off
    fi
}

# --- the games --------------------------------------------------------------------

# Data/ beside the game, as the build leaves it, else the source tree's.
data_for() {
    local beside
    beside="$(dirname "$1")/Data"
    if [ -d "$beside" ]; then echo "$beside"; else echo "$here/../../Data"; fi
}

# The Data/ of either game that holds the bitmaps.
full_data() {
    local full
    full=$(data_for "$LINUX_GAME")
    [ -f "$full/Door.bmp" ] || full=$(data_for "$WINDOWS_GAME")
    echo "$full"
}

# new_run NAME full|empty: a fresh working folder; sets RUN.
new_run() {
    RUN="$SCRATCH/$1"
    mkdir -p "$RUN/Data"
    [ "$2" = full ] && cp "$(full_data)"/*.bmp "$RUN/Data/"
}

# start_in FOLDER COMMAND...: sets GAME_PID; output in LOGS (default $RUN).
# Under Wine, WINEDEBUG=-all,trace+msgbox puts each message box's text on stderr.
start_in() {
    local folder=$1
    shift
    # The pointer off the window, so that nothing moves it but the game and us.
    xdotool mousemove 1023 767 2>/dev/null
    (cd "$folder" && exec "$@") >"${LOGS:-$RUN}/stdout.txt" 2>"${LOGS:-$RUN}/stderr.txt" &
    GAME_PID=$!
    STARTED_PIDS+=("$GAME_PID")
}

# start_game KIND ARGS...: that game in $RUN, with ARGS as its options.
start_game() {
    local kind=$1
    shift
    if [ "$kind" = windows ]; then
        start_in "$RUN" wine "$WINDOWS_GAME" "$@"
    else
        start_in "$RUN" "$LINUX_GAME" "$@"
    fi
}

# start_found KIND NAME LABEL ARGS...: the game in a fresh run NAME, its window found.
start_found() {
    local kind=$1 label=$3
    new_run "$2" full
    shift 3
    start_game "$kind" "$@"
    find_game "$label"
}

# expect_exit LABEL CODE: the game ends by itself within 15 s with CODE.
expect_exit() {
    wait_exit "$GAME_PID" 15 || stop_pid "$GAME_PID"
    [ "$EXIT_CODE" = "$2" ]
    verdict $? "$1" "$1" "exit code $EXIT_CODE, expected $2 (stderr: $RUN/stderr.txt)"
}

# escape_ends LABEL: Escape ends the game with exit code 0.
escape_ends() {
    hold_key Escape
    expect_exit "$1" 0
}

# escape_and_wait [SECONDS]: Escape held 0.4 s (or SECONDS); sets EXIT_CODE.
escape_and_wait() {
    hold_key Escape "${1:-0.4}"
    wait_exit "$GAME_PID" 15
}

# --- windows -----------------------------------------------------------------

# Ids of the windows titled exactly TITLE, from the server's own tree: message
# boxes without a class are found this way too.
window_ids() {
    xwininfo -root -tree 2>/dev/null | awk -v t="\"$1\":" 'index($0, t) { print $1 }'
}

is_viewable() {
    xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

# viewable_window TITLE [NOT]: the first viewable window titled TITLE but NOT.
viewable_window() {
    local id
    for id in $(window_ids "$1"); do
        if [ "$id" != "${2:-}" ] && is_viewable "$id"; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

# "X Y W H" of a window: absolute upper-left corner and size.
geometry_of() {
    xwininfo -id "$1" 2>/dev/null | awk '
        /Absolute upper-left X:/ { x = $NF } /Absolute upper-left Y:/ { y = $NF }
        /^  Width:/ { w = $NF } /^  Height:/ { h = $NF } END { print x, y, w, h }'
}

# The client area: the window itself, or its one child where the toolkit
# draws the frame inside its own window (Wine's virtual desktop). Nothing for
# no window: xwininfo without one waits for a click.
client_geometry() {
    local children
    [ -n "$1" ] || return 1
    children=$(xwininfo -children -id "$1" 2>/dev/null | awk '/^     0x/ { print $1 }')
    if [ "$(printf '%s\n' "$children" | grep -c .)" = 1 ]; then
        geometry_of "$children"
    else
        geometry_of "$1"
    fi
}

expect_client_640x480() {
    local x y w h
    read -r x y w h < <(client_geometry "$WIN")
    [ "${w}x${h}" = 640x480 ]
    verdict $? "$1" "$1" "client area ${w}x${h} at ($x, $y), expected 640x480"
}

# or_ended COMMAND...: COMMAND succeeds, or the game has ended: no use waiting.
or_ended() {
    "$@" >/dev/null || has_ended "$GAME_PID"
}

# why_not BEFORE ELSE: sets REASON to the exit code the game ended with
# before BEFORE, or to ELSE while it runs.
why_not() {
    if has_ended "$GAME_PID"; then
        wait "$GAME_PID"
        REASON="the game ended with exit code $? before $1"
    else
        REASON=$2
    fi
    REASON+=" (stderr: ${LOGS:-$RUN}/stderr.txt)"
}

# find_shown TITLE [SECONDS]: a window titled TITLE within 20 s (or SECONDS);
# sets WIN, or REASON why none showed.
find_shown() {
    local seconds=${2:-20}
    wait_until "$seconds" or_ended viewable_window "$1"
    WIN=$(viewable_window "$1") && return 0
    why_not "a window titled \"$1\" showed" "no window titled \"$1\" within $seconds s"
    return 1
}

# find_game LABEL: the game's window once the game has drawn into it, or a
# failed check. A window shows before its first frame, which on a cold machine
# can take seconds: a key pressed meanwhile can go down and up before any
# frame reads it.
find_game() {
    if find_shown "$TITLE"; then
        wait_until 30 or_ended window_drawn "$WIN" && is_running "$GAME_PID" && return 0
        why_not "it drew into its window" "its window showed, but the game drew nothing into it in 30 s"
    fi
    fail_and_stop "$1" "$REASON"
    return 1
}

# other_window OLD: a viewable window of the game other than OLD, in WIN.
other_window() {
    local id
    id=$(viewable_window "$TITLE" "$1") && WIN=$id
}

# new_game_window LABEL WHEN: F1, then a new window of the game, drawn into
# (see find_game); sets WIN. 1, failed and the game stopped, when none comes.
new_game_window() {
    local old=$WIN
    hold_key F1
    # Kept as it is found: the window shown a moment ago may be gone again.
    if ! wait_until 15 other_window "$old"; then
        REASON="no new window in 15 s"
    elif ! wait_until 30 window_drawn "$WIN"; then
        REASON="the game drew nothing into its new window in 30 s"
    else
        return 0
    fi
    fail_and_stop "$1" "after $2: $REASON (stderr: $RUN/stderr.txt)"
    return 1
}

# error_box LABEL WANTED [SECONDS]: an "ERROR" box shows, and is answered;
# sets BOX_SAID when its text, matching the pattern WANTED, is on stderr too.
error_box() {
    if ! find_shown ERROR "${3:-20}"; then
        fail_and_stop "$1" "$REASON"
        return 1
    fi
    BOX_SAID=""
    grep -q -e "$2" "${LOGS:-$RUN}/stderr.txt" && BOX_SAID=yes
    answer_box "$WIN"
}

# refused_start KIND LABEL WANTED ARGS...: the game started with ARGS shows
# an "ERROR" box (see error_box) before any window, and ends with exit code 2.
refused_start() {
    local kind=$1 label=$2 wanted=$3
    shift 3
    WINEDEBUG=-all,trace+msgbox start_game "$kind" "$@"
    error_box "$label" "$wanted" || return
    [ -n "$BOX_SAID" ] || fail "$label" "the box's text is not on stderr ($RUN/stderr.txt)"
    expect_exit "$label is refused in an \"ERROR\" box; exit code 2" 2
}

# --- input ---------------------------------------------------------------------

focus() {
    timeout 5 xdotool windowfocus --sync "$WIN" 2>/dev/null
}

# hold_key KEY [SECONDS]: real key events (XTEST) to the game's window, focused.
# Held for a while: a tap can go down and up inside one event drain and be
# missed by a per-frame read, and under Wine on a busy machine a frame can take
# longer than 0.15 s. Below X's auto-repeat delay (660 ms), so one press.
hold_key() {
    focus
    xdotool keydown "$1"
    sleep "${2:-0.4}"
    xdotool keyup "$1"
}

# Return, sent to the box itself.
answer_box() {
    xdotool key --window "$1" Return
}

close_window() {
    "$X_CLOSE" "$1"
}

pointer_at() {
    [ "$(xdotool getmouselocation 2>/dev/null | awk '{ print $1, $2 }')" = "x:$1 y:$2" ]
}

# turn_view KIND X Y W H "RIGHT DOWN COUNT"...: those turns of the game's view
# whose client area is at X Y W H, and a new picture after them; sets
# LOOK_TROUBLE. The native game gets pointer motion (see look). Wine, reading
# pointer motion while the game warps the pointer home every step, now and
# then drops a move or turns twice for one: over 27 moves a wrong picture
# every few runs. So the game under Wine gets the messages the motion would
# make, posted to its window.
turn_view() {
    local kind=$1 x=$2 y=$3 w=$4 h=$5 turn
    shift 5
    if [ "$kind" = windows ]; then
        post_moves "$x" "$y" "$w" "$h" "$@"
        return
    fi
    for turn in "$@"; do
        # shellcheck disable=SC2086 # "RIGHT DOWN COUNT" splits on purpose
        if ! look "$x" "$y" "$w" "$h" $turn; then
            LOOK_TROUBLE="mouse move $((LOOKED + 1)) of \"$turn\": $LOOK_TROUBLE"
            return 1
        fi
    done
}

# look X Y W H RIGHT DOWN COUNT: COUNT mouse moves to the right or left (RIGHT
# 1 or -1) and down or up (DOWN 1 or -1), each seen to change the picture
# before the next goes: two moves read in one go may turn only once. Sets
# LOOKED to the moves done, LOOK_TROUBLE to why it stopped short.
look() {
    local x=$1 y=$2 w=$3 h=$4 right=$5 down=$6 count=$7 try offset
    raw_shot "$RUN/look.rgb" "$x" "$y" "$w" "$h"
    for ((LOOKED = 0; LOOKED < count; LOOKED++)); do
        # 80 and 160 pixels off in turn: every move is a motion, even one that
        # comes before the game has taken the pointer home.
        offset=$((80 * (1 + LOOKED % 2)))
        for try in 1 2 3; do
            xdotool mousemove $((x + HOME_X + right * offset)) $((y + HOME_Y + down * offset))
            frame_changes 10 "$RUN/look" "$x" "$y" "$w" "$h" && break
            # A move Wine dropped: the pointer is home and the picture as it
            # was. Sent again while the game still had it, it would turn twice.
            if ! pointer_at $((x + HOME_X)) $((y + HOME_Y)); then
                LOOK_TROUBLE="no new picture in 10 s and the pointer not back home"
                return 1
            fi
            if [ "$try" = 3 ]; then
                LOOK_TROUBLE="no new picture after three tries"
                return 1
            fi
            RESENT=$((RESENT + 1))
        done
        mv "$RUN/look.new.rgb" "$RUN/look.rgb"
    done
}

# post_moves X Y W H "RIGHT DOWN COUNT"...: as many mouse-move messages as look
# would make, posted to the game's window by post_mouse.exe (client points, at
# 80 pixels off home), then a new picture within 10 s. Sets LOOK_TROUBLE.
post_moves() {
    local x=$1 y=$2 w=$3 h=$4 turn right down count points=()
    shift 4
    if [ -z "${POST_MOUSE:-}" ]; then
        LOOK_TROUBLE="no mouse-move helper (see $SCRATCH/post_mouse.exe.log)"
        return 1
    fi
    for turn in "$@"; do
        read -r right down count <<<"$turn"
        points+=($((HOME_X + 80 * right)) $((HOME_Y + 80 * down)) "$count")
    done
    raw_shot "$RUN/look.rgb" "$x" "$y" "$w" "$h"
    if ! timeout 30 wine "$POST_MOUSE" "$TITLE" "${points[@]}" >"$RUN/post_mouse.txt" 2>&1; then
        LOOK_TROUBLE="post_mouse.exe ${points[*]} failed ($RUN/post_mouse.txt)"
        return 1
    fi
    if ! frame_changes 10 "$RUN/look" "$x" "$y" "$w" "$h"; then
        LOOK_TROUBLE="no new picture in 10 s after the posted moves ${points[*]}"
        return 1
    fi
}

# --- pictures ------------------------------------------------------------------

# raw_shot FILE X Y W H: that rectangle of the screen as bare RGB bytes, for
# telling frames apart with cmp; a PNG of the game's textures takes up to a
# second to encode on a busy machine.
raw_shot() {
    import -window root -crop "${4}x${5}+${2}+${3}" +repage -depth 8 "rgb:$1" 2>/dev/null
}

# frame_changes SECONDS BASE X Y W H: BASE.new.rgb, shot again and again, comes
# to differ from BASE.rgb within SECONDS. No pause between shots: one takes
# about 0.1 s, and a turn shows in a frame or two.
frame_changes() {
    local until_ms=$(( $(now_ms) + $1 * 1000 ))
    until raw_shot "$2.new.rgb" "$3" "$4" "$5" "$6" && ! cmp -s "$2.new.rgb" "$2.rgb"; do
        if (( $(now_ms) >= until_ms )); then return 1; fi
    done
}

# Differing pixels between two pictures (fuzz in percent). Prints nothing and
# returns 1 when one is unreadable or their sizes differ: compare itself counts
# 0 differing pixels then, and a missing picture would read as its error text.
pixels_differing() {
    local first second count
    read -r first second < <(identify -format '%wx%h ' "$1" "$2" 2>/dev/null)
    [ -n "$second" ] && [ "$first" = "$second" ] || return 1
    count=$(compare -metric AE -fuzz "${3:-0}%" "$1" "$2" null: 2>&1 >/dev/null)
    [ $? -le 1 ] || return 1
    awk '{ print int($1) }' <<<"$count"
}

# expect_alike LABEL PICTURE OTHER DIFFERENCE [NOTE]: at most MAX_DIFFERING
# pixels differ by more than FUZZ_PERCENT; a failure leaves the difference
# image at DIFFERENCE.
expect_alike() {
    local label=$1 a=$2 b=$3 difference=$4 note=${5:+, $5} differing
    if [ ! -s "$a" ] || [ ! -s "$b" ]; then
        fail "$label" "a picture is missing ($a, $b)"
    elif ! differing=$(pixels_differing "$a" "$b" "$FUZZ_PERCENT"); then
        fail "$label" "unreadable, or the sizes differ ($a: $(identify -format '%wx%h' "$a" 2>&1), $b: $(identify -format '%wx%h' "$b" 2>&1))"
    elif [ "$differing" -le "$MAX_DIFFERING" ]; then
        pass "$label: $differing of 307200 pixels differ by more than $FUZZ_PERCENT%"
    else
        compare -fuzz "$FUZZ_PERCENT%" "$a" "$b" "$difference" 2>/dev/null
        fail "$label" "$differing pixels differ by more than $FUZZ_PERCENT% (difference: $difference$note)"
    fi
}

# has_drawn RAW W H: the raw shot shows a picture of the game, more than one
# colour. A window the game has not drawn into yet is one colour (the black
# behind it), and so is the game's first frame, drawn with a view vector that
# is still zero. Every picture these checks wait for has more: even with
# every wall and floor plain, the start view shows yellow beside the white.
has_drawn() {
    local colours
    colours=$(identify -size "${2}x${3}" -depth 8 -format %k "rgb:$1" 2>/dev/null)
    [ -n "$colours" ] && [ "$colours" -gt 1 ]
}

window_drawn() {
    local x y w h
    read -r x y w h < <(client_geometry "$1")
    [ -n "$h" ] && raw_shot "$SCRATCH/drawn.rgb" "$x" "$y" "$w" "$h" && has_drawn "$SCRATCH/drawn.rgb" "$w" "$h"
}

# settle FILE X Y W H SECONDS: shoots until the game has drawn there and two
# of its pictures in a row are equal; FILE is the last shot, as PNG. Equal
# pictures alone prove nothing: a window the game has not drawn into yet is
# as still as one at rest, and the first frame of a program started on a cold
# machine can take seconds. Sets SETTLE_TROUBLE when time runs out.
settle() {
    local file=$1 raw="$1.rgb" previous="$1.previous.rgb" start status=0
    shift
    start=$(now_ms)
    rm -f "$previous"
    SETTLE_TROUBLE=""
    while :; do
        raw_shot "$raw" "$1" "$2" "$3" "$4"
        if has_drawn "$raw" "$3" "$4"; then
            cmp -s "$raw" "$previous" && break
            cp "$raw" "$previous"
        fi
        if (( $(now_ms) - start >= $5 * 1000 )); then
            if [ -f "$previous" ]; then
                SETTLE_TROUBLE="the picture never came to rest in $5 s"
            else
                SETTLE_TROUBLE="the game drew nothing there in $5 s (one colour)"
            fi
            status=1
            break
        fi
        sleep 0.2
    done
    convert -size "${3}x${4}" -depth 8 "rgb:$raw" "$file" 2>/dev/null
    rm -f "$raw" "$previous"
    return $status
}

# settle_window LABEL FILE: the picture in the game's window at rest within 15 s, in FILE.
settle_window() {
    local x y w h
    read -r x y w h < <(client_geometry "$WIN")
    settle "$2" "$x" "$y" "$w" "$h" 15 && return 0
    fail "$1" "$SETTLE_TROUBLE ($2)"
    return 1
}

# --- recordings ------------------------------------------------------------------

# Without the CR a Windows program may end it with.
first_line() {
    head -1 "$1" 2>/dev/null | tr -d '\r'
}

# The state a recording ends in, from its last `expect` line.
expected_state() {
    grep '^expect ' "$1" | tail -1 | tr -d '\r' | sed 's/^expect //'
}

frames_of() {
    expected_state "$1" | sed 's/^frame=\([0-9]*\) .*/\1/'
}

# play_back KIND NAME [MODE]: the demo NAME in $RUN played (--playdemo, or
# MODE) to its end within 180 s; sets EXIT_CODE, and PLAYED to its last state.
play_back() {
    start_game "$1" "${3:---playdemo}" "$2"
    wait_exit "$GAME_PID" 180 || stop_pid "$GAME_PID"
    PLAYED=$(first_line "$RUN/demo-result.txt")
}

# A recording is finished when its last line is the state it ended in.
recording_closed() {
    tail -1 "$1" 2>/dev/null | grep -q '^expect frame='
}

# start_recorded KIND NAME LABEL ARGS...: start_found, recording to RECORDING.
start_recorded() {
    RECORDING="$SCRATCH/$2/recording.script"
    start_found "$1" "$2" "$3" --record recording.script "${@:4}" && focus
}

# end_recorded LABEL [escape|close]: Escape, or the window closed, then exit
# code 0 and the recording closed by its expect line.
end_recorded() {
    if [ "${2:-escape}" = close ]; then close_window "$WIN"; else hold_key Escape; fi
    wait_exit "$GAME_PID" 15
    if [ "$EXIT_CODE" != 0 ] || ! recording_closed "$RECORDING"; then
        fail_and_stop "$1" "exit code $EXIT_CODE, last line: $(tail -1 "$RECORDING" 2>/dev/null) ($RUN)"
        return 1
    fi
}

# replay_in SIMULATOR RECORDING: the recording run to its end, `expect` and
# all; messages in RECORDING.SIMULATOR.err.
replay_in() {
    local sim=$1 recording=$2 name
    name=$(basename "$sim")
    case $sim in
        *.exe) (cd "$(dirname "$recording")" && timeout 120 wine "$sim") ;;
        *) (cd "$(dirname "$recording")" && timeout 60 "$sim") ;;
    esac <"$recording" >/dev/null 2>"$recording.$name.err"
}

# replayed_everywhere LABEL: every simulator beside the games runs RECORDING
# to its `expect` line; sets REPLAYED to say so.
replayed_everywhere() {
    local sim name
    REPLAYED=""
    for sim in "$(dirname "$LINUX_GAME")/maze-sim" "$(dirname "$WINDOWS_GAME")/maze-sim.exe"; do
        [ -f "$sim" ] || continue
        name=$(basename "$sim")
        if ! replay_in "$sim" "$RECORDING"; then
            fail "$1" "$name does not reach the last line: $(head -2 "$RECORDING.$name.err")"
            return 1
        fi
        REPLAYED+=" $name reaches it;"
    done
}
