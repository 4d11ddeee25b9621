# play.sh -- the end-to-end checks of a game's window: its title and size, its
# pictures (compared across the two games and with reference/*.png), the space
# bar, closing, F1 refused and granted, and no bitmap. Sourced by run.sh.

TITLE="Tamblin 1.OpenGL_game"
VEXA_TEXT="The Requested Fullscreen Mode Is Not Supported By"
# Two pictures are alike within 10% per pixel and 80 pixels beyond that. The
# two GLUs (Mesa's libGLU, Wine's glu32) differ in single edge pixels (4 at
# most, after the turn), the page's texture filtering in up to 52 (at the
# stairs); a depth buffer of other precision than the game's 16 bits shows a
# seam of 118 (one mouse move) to 390 (at rest); a missing wall, another
# texture or a turn of 3 degrees differ by far more.
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

# Title and size, the picture before and after one mouse move, the space
# bar's lines in lista.txt, and Escape.
check_play() {
    local kind=$1 x y w h
    start_found "$kind" "$kind-play" "$kind: window \"$TITLE\"" || return
    pass "$kind: window \"$TITLE\""
    expect_client_640x480 "$kind: client area 640x480"
    read -r x y w h < <(client_geometry "$WIN")
    shoot_pictures "$kind" "$x" "$y" "$w" "$h"
    check_space "$kind" "$x" "$y" "$w" "$h"
    escape_ends "$kind: Escape ends the game with exit code 0"
}

# The first frames with no input, then one move right of and below the point
# that reads as no movement: the view turns right and tilts down by 3 degrees.
# From there, yaw 66 and pitch 0 has the stairs at the far end of the corridor
# on the player's right in the middle of the picture, yaw 75 and pitch 6 (down)
# the crate in it, with the stairs and the door.
shoot_pictures() {
    local kind=$1
    shift
    RESENT=0
    settle_window "$kind: picture" "$RUN/still.png" || return
    if ! look "$@" 1 1 1; then
        fail "$kind: mouse look" "the view did not turn after a mouse move: $LOOK_TROUBLE"
        return
    fi
    settle_window "$kind: mouse look" "$RUN/turned.png" || return
    pass "$kind: mouse look turns the view"
    shoot_view "$kind" stairs "$@" "1 0 21" "0 -1 1" && shoot_view "$kind" crate "$@" "1 0 3" "0 1 2" || return
    if [ "$kind" = windows ]; then
        pass "$kind: 27 more mouse-move messages posted to the window turn the view"
    else
        pass "$kind: 27 more mouse moves, each a new picture ($RESENT sent again)"
    fi
}

# shoot_view KIND NAME X Y W H "RIGHT DOWN COUNT"...: those turns, then
# NAME.png once the picture is at rest.
shoot_view() {
    local kind=$1 name=$2
    shift 2
    if ! turn_view "$kind" "$@"; then
        fail "$kind: $name view" "$LOOK_TROUBLE"
        return 1
    fi
    settle_window "$kind: $name view" "$RUN/$name.png"
}

# check_space KIND X Y W H: the space bar held in the game's window, whose
# client area is at X Y W H.
check_space() {
    local kind=$1 list="$RUN/lista.txt" dashes fok other
    shift
    hold_key space 1.0
    # Every step that read the key down has written its lines once a later
    # frame shows a turn of the view. A file that stopped growing proves
    # nothing: a step with the key down pauses 0.1 s, and a slow one longer.
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
    [ "$dashes" = "$fok" ] && [ "$other" = 0 ] && near "$fok" 10 5
    verdict $? "$kind: space bar writes lista.txt" \
        "$kind: space bar held 1 s appends $fok pairs to lista.txt" \
        "$dashes dash lines, $fok fok lines, $other others ($list)"
}

check_close() {
    local kind=$1
    start_found "$kind" "$kind-close" "$kind: close" || return
    close_window "$WIN"
    expect_exit "$kind: closing the window ends the game with exit code 0" 0
}

# Under plain Xvfb there is no 640 x 480 mode: F1 asks, Yes plays on in a
# window. Twice, and the game still runs and answers Escape.
check_fullscreen_refused() {
    local kind=$1 label="$1: F1 refused" round
    WINEDEBUG=-all,trace+msgbox start_found "$kind" "$kind-f1-refused" "$label" || return
    for round in 1 2; do
        hold_key F1
        if ! find_shown "Vexa GL"; then
            fail_and_stop "$label" "after F1 number $round: $REASON"
            return
        fi
        if [ "$(grep -c "$VEXA_TEXT" "$RUN/stderr.txt")" -lt "$round" ]; then
            fail_and_stop "$label" "box without its text on stderr ($RUN/stderr.txt)"
            return
        fi
        answer_box "$WIN"
        find_game "$label" || return
    done
    pass "$kind: F1 on a display without 640x480 asks \"Vexa GL\"; Yes plays on in a window"
    expect_client_640x480 "$kind: after F1 twice the client area is 640x480"
    escape_ends "$kind: after F1 twice Escape still ends the game with exit code 0"
}

# Where a 640 x 480 mode exists: F1 goes fullscreen without asking, F1 comes back.
check_fullscreen_granted() {
    local kind=$1 label="$1: F1 granted" x y w h
    start_found "$kind" "$kind-f1-granted" "$label" || return
    new_game_window "$label" F1 || return
    read -r x y w h < <(client_geometry "$WIN")
    if [ -n "$(window_ids "Vexa GL")" ] || [ "$x $y $w $h" != "0 0 640 480" ]; then
        fail_and_stop "$label" "fullscreen window at ($x, $y) ${w}x${h}; boxes: $(window_ids "Vexa GL")"
        return
    fi
    pass "$kind: F1 with a 640x480 mode goes fullscreen without asking"
    new_game_window "$label" "the second F1" || return
    expect_client_640x480 "$kind: F1 again comes back to a 640x480 window"
    escape_ends "$kind: back from fullscreen Escape ends the game with exit code 0"
}

check_fullscreen_granted_where_possible() { where_granted check_fullscreen_granted "$1"; }

check_no_bitmap() {
    new_run "$1-no-bitmap" empty
    WINEDEBUG=-all,trace+msgbox start_game "$1"
    expect_initialization_failed "$1: no bitmap in Data/"
}

# expect_initialization_failed LABEL: the game just started (with message box
# tracing) shows the "ERROR" box, says why, and ends with 0 once it is answered.
expect_initialization_failed() {
    error_box "$1" "Initialization Failed\." || return
    [ -n "$BOX_SAID" ]
    verdict $? "$1" "$1: an \"ERROR\" box says \"Initialization Failed.\"" \
        "the box's text is not on stderr ($RUN/stderr.txt)"
    expect_exit "$1: dismissed, the game ends with exit code 0" 0
}

# --- the pictures across the two games and with the references -------------------

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
    local native win script="$here/../sim/long_mixed.script" first
    native="$(dirname "$LINUX_GAME")/maze-sim"
    win="$(dirname "$WINDOWS_GAME")/maze-sim.exe"
    if [ ! -x "$native" ] || [ ! -f "$win" ]; then
        say "SKIP  simulators: $native or $win is missing"
        return
    fi
    mkdir -p "$SCRATCH/sim"
    (cd "$SCRATCH/sim" && "$native" <"$script" >native.txt 2>native.err)
    (cd "$SCRATCH/sim" && timeout 120 wine "$win" <"$script" >windows.txt 2>windows.err)
    first=$(cmp "$SCRATCH/sim/native.txt" "$SCRATCH/sim/windows.txt" 2>&1 | head -1)
    [ -s "$SCRATCH/sim/native.txt" ] && [ -z "$first" ]
    verdict $? "maze-sim same bytes" \
        "maze-sim prints the same $(wc -l <"$SCRATCH/sim/native.txt") lines natively and under Wine" \
        "${first:-no output} (in $SCRATCH/sim)"
}
