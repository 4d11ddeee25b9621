#!/usr/bin/env bash
# run.sh -- end-to-end checks of both games on virtual X servers: the native
# SDL build and the 32-bit Windows build under Wine, driven by synthetic X input.
#
#   tests/e2e/run.sh LINUX_GAME WINDOWS_GAME [WEB_BUILD]
#       e.g. build/linux/maze build/windows/maze.exe build/web
#
# With the web build, the page joins the recordings' matrix (matrix.sh).
# E2E_KEEP=1 keeps the screenshots and logs of a passing run too.
# E2E_ONLY="check_paces check_demos" runs only those checks, for each game
# (check_matrix, which spans the builds, runs once).
# Each game takes four pictures: at rest, after one mouse move, and two views
# reached by exact numbers of mouse moves (the game under Wine gets those as
# messages posted to its window by post_mouse.c, built with MinGW-w64). They
# are compared across the two games and with reference/*.png. A change that is
# meant to alter the pictures brings new references:
#
#   E2E_UPDATE_REFERENCE=1 tests/e2e/run.sh build/linux/maze build/windows/maze.exe
#
# writes the native game's pictures of that run over reference/*.png and says
# so; the game under Wine is still compared with them. Look at them before
# committing.
# E2E_UPDATE_SCREENSHOTS=1 writes each game's crate view to
# docs/screenshot-linux.png and docs/screenshot-windows.png, the README's.
# A game whose file is missing is skipped with a message, and so is a package
# (maze-*.zip, maze-*.tar.gz) missing beside its game. The simulators beside
# the games (maze-sim, maze-sim.exe) replay tests/sim/long_mixed.script both
# ways. Prints one line per check and closes with "N passed, M failed";
# non-zero on a failure.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
source "$here/lib.sh"
# shellcheck source=demos.sh
source "$here/demos.sh"
# shellcheck source=files.sh
source "$here/files.sh"
# shellcheck source=robustness.sh
source "$here/robustness.sh"
# shellcheck source=release.sh
source "$here/release.sh"
# shellcheck source=pace.sh
source "$here/pace.sh"
# shellcheck source=matrix.sh
source "$here/matrix.sh"

if [ $# -ne 2 ] && [ $# -ne 3 ]; then
    say "usage: $0 LINUX_GAME WINDOWS_GAME [WEB_BUILD]"
    exit 2
fi
absolute() { [ -e "$1" ] && echo "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")" || echo "$1"; }
LINUX_GAME=$(absolute "$1")
WINDOWS_GAME=$(absolute "$2")
WEB_BUILD=${3:+$(absolute "$3")}

TITLE="Tamblin 1.OpenGL_game"
VEXA_TEXT="The Requested Fullscreen Mode Is Not Supported By"
# The two games draw with the same GL calls on the same Mesa, but their GLU
# differs (Mesa's libGLU, Wine's glu32), so the matrices differ in the last
# bits and a polygon edge or a depth tie can fall one pixel the other way.
# Measured: no pixel beyond 1% at rest, 4 single edge pixels after the turn,
# 1 at the stairs, none at the crate.
# Allowed: 10% per pixel, and 80 pixels beyond that, as for the page, whose
# SwiftShader filters textures a shade apart from Mesa (measured against the
# references: at most 52 pixels beyond 10%, at the stairs). A depth buffer of
# other precision than the game's 16 bits shows a seam of at least 118 (one
# mouse move) and up to 390 (at rest) in either build; a missing wall, another
# texture, a turn of 3 degrees (over 300000 pixels) fail by far more.
FUZZ_PERCENT=10
MAX_DIFFERING=80
# The client point the game reads as no movement: a mouse move anywhere else
# turns (x) and tilts (y) the view by 3 degrees toward that side, however far.
HOME_X=312
HOME_Y=210
# Every game's pictures, in the order taken: at rest, after one mouse move, and
# down the corridor on the player's right, the stairs and a crate.
VIEWS=(still turned stairs crate)
REFERENCE="$here/reference"

SCRATCH=$(mktemp -d "${TMPDIR:-/tmp}/maze-e2e.XXXXXX")
PASSED=0
FAILED=0
KINDS=()
started_at=$(now_ms)

pass() { PASSED=$((PASSED + 1)); say "PASS  $1"; }
fail() { FAILED=$((FAILED + 1)); say "FAIL  $1: $2"; }

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
trap cleanup EXIT
trap 'exit 130' INT TERM

# --- set-up --------------------------------------------------------------------

setup_x() {
    # A: the desktop, with no 640 x 480 mode (fullscreen is refused there).
    # B: a screen whose one mode is 640 x 480, where the SDL game's fullscreen is granted.
    start_xvfb A 1024x768x24 && start_xvfb B 640x480x24 || exit 1
    export DISPLAY=$DISPLAY_A
    X_CLOSE="$SCRATCH/x_close"
    if ! cc -O1 -o "$X_CLOSE" "$here/x_close.c" -lX11 2>"$SCRATCH/x_close.log"; then
        say "e2e: cannot build the close helper; see $SCRATCH/x_close.log"
        exit 1
    fi
    XTEST_MOUSE="$SCRATCH/xtest_mouse"
    if ! cc -O1 -o "$XTEST_MOUSE" "$here/post_mouse.c" -ldl 2>"$SCRATCH/xtest_mouse.log"; then
        say "e2e: cannot build the XTest mouse; see $SCRATCH/xtest_mouse.log"
        exit 1
    fi
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
    POST_MOUSE="$SCRATCH/post_mouse.exe"
    if ! i686-w64-mingw32-gcc -O1 -o "$POST_MOUSE" "$here/post_mouse.c" 2>"$SCRATCH/post_mouse.log"; then
        say "e2e: cannot build the mouse-move helper; see $SCRATCH/post_mouse.log"
        POST_MOUSE=""
    fi
}

# Data/ beside the game, as the build leaves it; the source tree's otherwise.
data_for() {
    local beside
    beside="$(dirname "$1")/Data"
    if [ -d "$beside" ]; then echo "$beside"; else echo "$here/../../Data"; fi
}

# new_run NAME full|empty: a fresh working folder; sets RUN.
new_run() {
    RUN="$SCRATCH/$1"
    mkdir -p "$RUN/Data"
    if [ "$2" = full ]; then
        cp "$(data_for "$LINUX_GAME")"/*.bmp "$RUN/Data/" 2>/dev/null ||
            cp "$(data_for "$WINDOWS_GAME")"/*.bmp "$RUN/Data/"
    fi
}

# start_game KIND [WINEDEBUG]: the game in $RUN; sets GAME_PID.
start_game() {
    # The pointer off the window, so that nothing moves it but the game and us.
    xdotool mousemove 1023 767 2>/dev/null
    case $1 in
        linux) (cd "$RUN" && exec "$LINUX_GAME") >"$RUN/stdout.txt" 2>"$RUN/stderr.txt" & ;;
        windows) (cd "$RUN" && WINEDEBUG=${2:-$WINEDEBUG} exec wine "$WINDOWS_GAME") \
            >"$RUN/stdout.txt" 2>"$RUN/stderr.txt" & ;;
    esac
    GAME_PID=$!
    STARTED_PIDS+=("$GAME_PID")
}

window_or_end() {
    viewable_window "$1" >/dev/null || has_ended "$GAME_PID"
}

# find_shown TITLE: a window of the game titled TITLE within 20 s; sets WIN.
# Gives up at once when the game has ended instead.
find_shown() {
    WIN=""
    wait_until 20 window_or_end "$1"
    WIN=$(viewable_window "$1")
    [ -n "$WIN" ]
}

# why_missing TITLE: sets REASON, why no window of that title showed.
why_missing() {
    if has_ended "$GAME_PID"; then
        wait "$GAME_PID"
        REASON="the game ended with exit code $? before a window titled \"$1\" showed (stderr: $RUN/stderr.txt)"
    else
        REASON="no window titled \"$1\" within 20 s (stderr: $RUN/stderr.txt)"
    fi
}

drawn_or_ended() {
    window_drawn "$1" || has_ended "$GAME_PID"
}

# find_game LABEL: the game's window once the game has drawn into it, or a
# failed check. A window shows before its first frame, which on a cold machine
# can take seconds: a key pressed meanwhile can go down and up before any
# frame reads it.
find_game() {
    if find_shown "$TITLE"; then
        wait_until 30 drawn_or_ended "$WIN" && is_running "$GAME_PID" && return 0
        if has_ended "$GAME_PID"; then
            wait "$GAME_PID"
            REASON="the game ended with exit code $? before it drew into its window (stderr: $RUN/stderr.txt)"
        else
            REASON="its window showed, but the game drew nothing into it in 30 s (stderr: $RUN/stderr.txt)"
        fi
    else
        why_missing "$TITLE"
    fi
    fail "$1" "$REASON"
    stop_pid "$GAME_PID"
    return 1
}

# expect_exit LABEL CODE: the game ends by itself within 15 s with CODE.
expect_exit() {
    wait_exit "$GAME_PID" 15
    if [ "$EXIT_CODE" = "$2" ]; then
        pass "$1"
    else
        fail "$1" "exit code $EXIT_CODE, expected $2 (stderr: $RUN/stderr.txt)"
        stop_pid "$GAME_PID"
    fi
}

expect_client_640x480() {
    local x y w h
    read -r x y w h < <(client_geometry "$WIN")
    if [ "${w}x${h}" = 640x480 ]; then
        pass "$1"
    else
        fail "$1" "client area ${w}x${h} at ($x, $y), expected 640x480"
    fi
}

# --- checks: one run of the game each -------------------------------------------

# Title and size, the picture before and after one mouse move, the space
# bar's lines in lista.txt, and Escape.
check_play() {
    local kind=$1 x y w h
    new_run "$kind-play" full
    start_game "$kind"
    find_game "$kind: window \"$TITLE\"" || return
    pass "$kind: window \"$TITLE\""
    expect_client_640x480 "$kind: client area 640x480"
    read -r x y w h < <(client_geometry "$WIN")
    shoot_pictures "$kind" "$x" "$y" "$w" "$h"
    check_space "$kind" "$x" "$y" "$w" "$h"
    hold_key "$WIN" Escape
    expect_exit "$kind: Escape ends the game with exit code 0" 0
}

# The first frames with no input, then one move right of and below the point
# that reads as no movement: the view turns right and tilts down by 3 degrees.
# From there, yaw 66 and pitch 0 has the stairs at the far end of the corridor
# on the player's right in the middle of the picture, yaw 75 and pitch 6 (down)
# the crate in it, with the stairs and the door.
shoot_pictures() {
    local kind=$1 x=$2 y=$3 w=$4 h=$5
    RESENT=0
    if ! settle "$RUN/still.png" "$x" "$y" "$w" "$h" 15; then
        fail "$kind: picture" "$SETTLE_TROUBLE ($RUN/still.png)"
        return
    fi
    if ! look "$x" "$y" "$w" "$h" 1 1 1; then
        fail "$kind: mouse look" "the view did not turn after a mouse move: $LOOK_TROUBLE"
        return
    fi
    if ! settle "$RUN/turned.png" "$x" "$y" "$w" "$h" 15; then
        fail "$kind: mouse look" "after the turn $SETTLE_TROUBLE ($RUN/turned.png)"
        return
    fi
    pass "$kind: mouse look turns the view"
    shoot_view "$kind" stairs "$x" "$y" "$w" "$h" "1 0 21" "0 -1 1" &&
        shoot_view "$kind" crate "$x" "$y" "$w" "$h" "1 0 3" "0 1 2" || return
    if [ "$kind" = windows ]; then
        pass "$kind: 27 more mouse-move messages posted to the window turn the view"
    else
        pass "$kind: 27 more mouse moves, each a new picture ($RESENT sent again)"
    fi
}

# shoot_view KIND NAME X Y W H "RIGHT DOWN COUNT"...: those turns, then NAME.png
# once the picture is at rest. The native game gets pointer motion (see look).
# Wine, reading pointer motion while the game warps the pointer home every
# frame, now and then drops a move or turns twice for one: over 27 moves a
# wrong picture every few runs. So the game under Wine gets the messages the
# motion would make, posted to its window, one turn each.
shoot_view() {
    local kind=$1 name=$2
    shift 2
    if ! turn_view "$kind" "$@"; then
        fail "$kind: $name view" "$LOOK_TROUBLE"
        return 1
    fi
    if ! settle "$RUN/$name.png" "$1" "$2" "$3" "$4" 15; then
        fail "$kind: $name view" "$SETTLE_TROUBLE ($RUN/$name.png)"
        return 1
    fi
}

# turn_view KIND X Y W H "RIGHT DOWN COUNT"...: those turns, as shoot_view
# makes them, and a new picture after them; sets LOOK_TROUBLE.
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
        LOOK_TROUBLE="no mouse-move helper (see $SCRATCH/post_mouse.log)"
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

# frame_changes SECONDS BASE X Y W H: BASE.new.rgb, shot again and again, comes
# to differ from BASE.rgb within SECONDS. No pause between shots: one takes
# about 0.1 s, and a turn shows in a frame or two.
frame_changes() {
    local until_ms=$(( $(now_ms) + $1 * 1000 ))
    until raw_shot "$2.new.rgb" "$3" "$4" "$5" "$6" && ! cmp -s "$2.new.rgb" "$2.rgb"; do
        if (( $(now_ms) >= until_ms )); then return 1; fi
    done
}

# check_space KIND X Y W H: the space bar held in the game's window, whose
# client area is at X Y W H.
check_space() {
    local kind=$1 list="$RUN/lista.txt" dashes fok other
    shift
    hold_key "$WIN" space 1.0
    # Every frame that read the key down has written its lines once a later
    # frame shows a turn of the view. A file that stopped growing proves
    # nothing: a frame with the key down pauses 0.1 s, and a slow one longer.
    if ! turn_view "$kind" "$@" "1 0 1"; then
        fail "$kind: space bar writes lista.txt" "no frame drawn after the key went up: $LOOK_TROUBLE"
        return
    fi
    if [ ! -s "$list" ]; then
        fail "$kind: space bar writes lista.txt" "no lines in $list"
        return
    fi
    # Windows writes CRLF; the lines are the same either way.
    dashes=$(tr -d '\r' <"$list" | grep -cx -- '-\{54\}')
    fok=$(tr -d '\r' <"$list" | grep -cx 'fok = 72.079323')
    other=$(tr -d '\r' <"$list" | grep -vcx -e '-\{54\}' -e 'fok = 72.079323')
    if [ "$dashes" = "$fok" ] && [ "$other" = 0 ] && [ "$fok" -ge 5 ] && [ "$fok" -le 15 ]; then
        pass "$kind: space bar held 1 s appends $fok pairs to lista.txt"
    else
        fail "$kind: space bar writes lista.txt" "$dashes dash lines, $fok fok lines, $other others ($list)"
    fi
}

check_close() {
    local kind=$1
    new_run "$kind-close" full
    start_game "$kind"
    find_game "$kind: close" || return
    close_window "$WIN"
    expect_exit "$kind: closing the window ends the game with exit code 0" 0
}

# Under plain Xvfb there is no 640 x 480 mode: F1 asks, Yes plays on in a
# window. Twice, and the game still runs and answers Escape.
check_fullscreen_refused() {
    local kind=$1 round box asked
    new_run "$kind-f1-refused" full
    start_game "$kind" -all,trace+msgbox
    find_game "$kind: F1 refused" || return
    for round in 1 2; do
        hold_key "$WIN" F1
        if ! find_shown "Vexa GL"; then
            why_missing "Vexa GL"
            fail "$kind: F1 refused" "after F1 number $round: $REASON"
            stop_pid "$GAME_PID"
            return
        fi
        box=$WIN
        asked=$(grep -c "$VEXA_TEXT" "$RUN/stderr.txt")
        answer_box "$box"
        if [ "$asked" -lt "$round" ] || ! find_game "$kind: F1 refused"; then
            [ "$asked" -lt "$round" ] && fail "$kind: F1 refused" "box without its text on stderr ($RUN/stderr.txt)"
            stop_pid "$GAME_PID"
            return
        fi
    done
    pass "$kind: F1 on a display without 640x480 asks \"Vexa GL\"; Yes plays on in a window"
    expect_client_640x480 "$kind: after F1 twice the client area is 640x480"
    hold_key "$WIN" Escape
    expect_exit "$kind: after F1 twice Escape still ends the game with exit code 0" 0
}

# new_game_window OLD: waits for a window of the game other than OLD, and for
# the game to draw into it (see find_game); sets WIN, and NEW_WINDOW_TROUBLE
# when either does not come.
other_window() {
    local id
    for id in $(window_ids "$TITLE"); do
        [ "$id" != "$1" ] && is_viewable "$id" && echo "$id" && return 0
    done
    return 1
}
new_game_window() {
    if ! wait_until 15 other_window "$1" >/dev/null; then
        NEW_WINDOW_TROUBLE="no new window in 15 s"
        return 1
    fi
    WIN=$(other_window "$1")
    if ! wait_until 30 window_drawn "$WIN"; then
        NEW_WINDOW_TROUBLE="the game drew nothing into its new window in 30 s"
        return 1
    fi
}

# Where a 640 x 480 mode exists: F1 goes fullscreen without asking, F1 comes back.
check_fullscreen_granted() {
    local kind=$1 old x y w h
    new_run "$kind-f1-granted" full
    start_game "$kind"
    find_game "$kind: F1 granted" || return
    old=$WIN
    hold_key "$WIN" F1
    if ! new_game_window "$old"; then
        fail "$kind: F1 granted" "after F1: $NEW_WINDOW_TROUBLE (stderr: $RUN/stderr.txt)"
        stop_pid "$GAME_PID"
        return
    fi
    read -r x y w h < <(client_geometry "$WIN")
    if [ -n "$(window_ids "Vexa GL")" ] || [ "$x $y $w $h" != "0 0 640 480" ]; then
        fail "$kind: F1 granted" "fullscreen window at ($x, $y) ${w}x${h}; boxes: $(window_ids "Vexa GL")"
        stop_pid "$GAME_PID"
        return
    fi
    pass "$kind: F1 with a 640x480 mode goes fullscreen without asking"
    old=$WIN
    hold_key "$WIN" F1
    if ! new_game_window "$old"; then
        fail "$kind: F1 granted" "after the second F1: $NEW_WINDOW_TROUBLE (stderr: $RUN/stderr.txt)"
        stop_pid "$GAME_PID"
        return
    fi
    expect_client_640x480 "$kind: F1 again comes back to a 640x480 window"
    hold_key "$WIN" Escape
    expect_exit "$kind: back from fullscreen Escape ends the game with exit code 0" 0
}

check_no_bitmap() {
    new_run "$1-no-bitmap" empty
    start_game "$1" -all,trace+msgbox
    expect_initialization_failed "$1: no bitmap in Data/"
}

# expect_initialization_failed LABEL: the game just started (with message box
# tracing) shows the "ERROR" box, says why, and ends with 0 once it is answered.
expect_initialization_failed() {
    local label=$1
    if ! find_shown "ERROR"; then
        why_missing ERROR
        fail "$label" "$REASON"
        stop_pid "$GAME_PID"
        return
    fi
    if grep -q "Initialization Failed\." "$RUN/stderr.txt"; then
        pass "$label: an \"ERROR\" box says \"Initialization Failed.\""
    else
        fail "$label" "the box's text is not on stderr ($RUN/stderr.txt)"
    fi
    answer_box "$WIN"
    expect_exit "$label: dismissed, the game ends with exit code 0" 0
}

# --- checks across the two games ---------------------------------------------------

# expect_alike LABEL PICTURE OTHER DIFFERENCE [NOTE]: passes when at most
# MAX_DIFFERING pixels differ by more than FUZZ_PERCENT; a failure leaves the
# difference image at DIFFERENCE.
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

compare_pictures() {
    local name a b
    for name in "${VIEWS[@]}"; do
        a="$SCRATCH/linux-play/$name.png"
        b="$SCRATCH/windows-play/$name.png"
        [ -s "$a" ] && [ -s "$b" ] && convert "$a" "$b" +append "$SCRATCH/side-by-side-$name.png"
        expect_alike "same picture ($name)" "$a" "$b" "$SCRATCH/difference-$name.png" \
            "side by side: $SCRATCH/side-by-side-$name.png"
    done
}

# Both games against the checked-in pictures: a fault they share (walls and
# floors with each other's bitmap, another blend function) passes the check
# above.
check_reference() {
    local kind=$1 name
    # Just written from these very pictures.
    [ -n "${E2E_UPDATE_REFERENCE:-}" ] && [ "$kind" = linux ] && return
    for name in "${VIEWS[@]}"; do
        expect_alike "$kind: picture ($name) like reference/$name.png" "$SCRATCH/$kind-play/$name.png" \
            "$REFERENCE/$name.png" "$SCRATCH/$kind-play/difference-$name.png"
    done
}

# E2E_UPDATE_REFERENCE=1: the native game's pictures of this run become the references.
update_reference() {
    local name
    for name in "${VIEWS[@]}"; do
        if [ ! -s "$SCRATCH/linux-play/$name.png" ]; then
            fail "new reference pictures" "the native game took no $name.png; nothing written"
            return
        fi
    done
    mkdir -p "$REFERENCE"
    for name in "${VIEWS[@]}"; do
        # Without time stamps: the same picture makes the same file.
        convert "$SCRATCH/linux-play/$name.png" -strip "$REFERENCE/$name.png"
    done
    say "e2e: wrote the native game's pictures to $REFERENCE as the new references: ${VIEWS[*]}"
}

# The simulators beside the games play the same long script to the same bytes.
check_simulators() {
    local native win script="$here/../sim/long_mixed.script"
    native="$(dirname "$LINUX_GAME")/maze-sim"
    win="$(dirname "$WINDOWS_GAME")/maze-sim.exe"
    if [ ! -x "$native" ] || [ ! -f "$win" ]; then
        say "SKIP  simulators: $native or $win is missing"
        return
    fi
    mkdir -p "$SCRATCH/sim"
    (cd "$SCRATCH/sim" && "$native" <"$script" >native.txt 2>native.err)
    (cd "$SCRATCH/sim" && timeout 120 wine "$win" <"$script" >windows.txt 2>windows.err)
    local first
    if [ -s "$SCRATCH/sim/native.txt" ] && cmp -s "$SCRATCH/sim/native.txt" "$SCRATCH/sim/windows.txt"; then
        pass "maze-sim prints the same $(wc -l <"$SCRATCH/sim/native.txt") lines natively and under Wine"
    else
        first=$(cmp "$SCRATCH/sim/native.txt" "$SCRATCH/sim/windows.txt" 2>&1 | head -1)
        fail "maze-sim same bytes" "${first:-no output} (in $SCRATCH/sim)"
    fi
}

# --- the run ------------------------------------------------------------------------

for_each_kind() {
    local kind
    for kind in "${KINDS[@]}"; do "$@" "$kind"; done
}

main() {
    if [ -f "$LINUX_GAME" ]; then KINDS+=(linux); else say "SKIP  linux: $LINUX_GAME not found"; fi
    if [ -f "$WINDOWS_GAME" ]; then KINDS+=(windows); else say "SKIP  windows: $WINDOWS_GAME not found"; fi
    setup_x
    if [[ " ${KINDS[*]} " == *" windows "* ]] && ! setup_wine; then
        fail "windows" "no Wine prefix"
        KINDS=("${KINDS[@]/windows/}")
    fi
    if [ -n "${E2E_ONLY:-}" ]; then
        local check
        for check in $E2E_ONLY; do
            if [ "$check" = check_matrix ]; then check_matrix; else for_each_kind "$check"; fi
        done
        echo "$PASSED passed, $FAILED failed"
        [ "$FAILED" = 0 ]
        return
    fi
    for_each_kind check_play
    for_each_kind check_close
    for_each_kind check_fullscreen_refused
    for_each_kind check_no_bitmap
    for_each_kind check_fullscreen_granted_where_possible
    [ -n "${E2E_UPDATE_REFERENCE:-}" ] && update_reference
    for_each_kind check_reference
    for_each_kind check_demos
    for_each_kind check_demo_files
    for_each_kind check_paces
    for_each_kind check_input
    check_matrix
    if [ "${#KINDS[@]}" = 2 ]; then
        compare_pictures
        check_simulators
    fi
    # A player's mishaps and the packages (robustness.sh, release.sh).
    for_each_kind check_bitmap_sets
    for_each_kind check_f1_toggles_where_granted
    for_each_kind check_without_xinput
    for_each_kind check_package
    [ -n "${E2E_UPDATE_SCREENSHOTS:-}" ] && update_screenshots
    say "e2e: $(( ($(now_ms) - started_at) / 1000 )) s"
    echo "$PASSED passed, $FAILED failed"
    [ "$FAILED" = 0 ]
}

# The SDL game gets its granted mode on display B; Wine gets one inside its
# own virtual desktop, switched on for this check alone.
check_fullscreen_granted_where_possible() {
    case $1 in
        linux)
            DISPLAY=$DISPLAY_B
            check_fullscreen_granted linux
            DISPLAY=$DISPLAY_A
            ;;
        windows)
            wine_desktop on && check_fullscreen_granted windows
            wine_desktop off
            ;;
    esac
}

wine_desktop() {
    local key='HKCU\Software\Wine\Explorer'
    timeout 30 wineserver -k 2>/dev/null
    if [ "$1" = on ]; then
        timeout 30 wine reg add "$key" /v Desktop /d Default /f >/dev/null 2>&1 &&
            timeout 30 wine reg add "$key\\Desktops" /v Default /d 1024x768 /f >/dev/null 2>&1
    else
        timeout 30 wine reg delete "$key" /v Desktop /f >/dev/null 2>&1
    fi
    local status=$?
    # The desktop is chosen when the Wine server starts.
    timeout 30 wineserver -k 2>/dev/null
    timeout 30 wineserver -w 2>/dev/null
    keep_wineserver
    return $status
}

main
