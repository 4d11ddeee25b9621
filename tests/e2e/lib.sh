# lib.sh -- helpers of the end-to-end harness: X servers, the games, their
# windows, synthetic input and pictures. Sourced by run.sh; every wait is
# bounded, and every process started here is recorded for the cleanup.

STARTED_PIDS=()  # games and X servers, killed by PID at exit
XVFB_PIDS=()

say() { printf '%s\n' "$*" >&2; }

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

# --- processes -------------------------------------------------------------

# A child that has exited but not been reaped still answers kill -0.
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

# --- X servers ---------------------------------------------------------------

# start_xvfb NAME SCREEN: an Xvfb on a display number it picks itself
# (-displayfd), so that parallel runs never collide; sets DISPLAY_<NAME>.
start_xvfb() {
    local name=$1 screen=$2 numfile="$SCRATCH/xvfb-$1.display"
    : >"$numfile"
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$numfile" 2>"$SCRATCH/xvfb-$name.log" &
    local pid=$!
    XVFB_PIDS+=("$pid")
    if ! wait_until 10 test -s "$numfile"; then
        say "e2e: Xvfb ($name) did not start; see $SCRATCH/xvfb-$name.log"
        return 1
    fi
    printf -v "DISPLAY_$name" ':%s' "$(tr -d '[:space:]' <"$numfile")"
}

# --- windows -----------------------------------------------------------------

# Ids of the windows titled exactly TITLE on DISPLAY, from the server's own tree
# (message boxes without a class are found this way too).
window_ids() {
    xwininfo -root -tree 2>/dev/null | awk -v t="\"$1\":" 'index($0, t) { print $1 }'
}

is_viewable() {
    xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

# The first viewable window titled TITLE, or nothing.
viewable_window() {
    local id
    for id in $(window_ids "$1"); do
        if is_viewable "$id"; then
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
# draws the frame inside its own window (Wine's virtual desktop).
client_geometry() {
    local children
    children=$(xwininfo -children -id "$1" 2>/dev/null | awk '/^     0x/ { print $1 }')
    if [ "$(printf '%s\n' "$children" | grep -c .)" = 1 ]; then
        geometry_of "$children"
    else
        geometry_of "$1"
    fi
}

# --- input ---------------------------------------------------------------------

# hold_key WINDOW KEY [SECONDS]: real key events (XTEST) to the focused window.
# Held for a while: a tap can go down and up inside one event drain and be
# missed by a per-frame read, and under Wine on a busy machine a frame can take
# longer than 0.15 s. Below X's auto-repeat delay (660 ms), so one press.
hold_key() {
    timeout 5 xdotool windowfocus --sync "$1" 2>/dev/null
    xdotool keydown "$2"
    sleep "${3:-0.4}"
    xdotool keyup "$2"
}

# Answers a message box with Return, sent to the box itself.
answer_box() {
    xdotool key --window "$1" Return
}

close_window() {
    "$X_CLOSE" "$1"
}

# pointer_at X Y: the pointer is at that point of the screen.
pointer_at() {
    [ "$(xdotool getmouselocation 2>/dev/null | awk '{ print $1, $2 }')" = "x:$1 y:$2" ]
}

# --- pictures ------------------------------------------------------------------

# raw_shot FILE X Y W H: that rectangle of the screen as bare RGB bytes, for
# telling frames apart with cmp; a PNG of the game's textures takes up to a
# second to encode on a busy machine.
raw_shot() {
    import -window root -crop "${4}x${5}+${2}+${3}" +repage -depth 8 "rgb:$1" 2>/dev/null
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

# window_drawn WINDOW: the game has drawn into the client area of WINDOW.
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
