# robustness.sh -- end-to-end checks of a player's mishaps: a Data/ folder
# with bitmaps missing or broken, F1 pressed again and again, and a Windows
# without XInput. Sourced by run.sh.

# --- bitmaps missing or broken ------------------------------------------------

# The bitmaps by bit of a set's number: 1 Crate (walls, stairs), 2 Land
# (floors, ceilings, crates), 4 Door. Set 7 is the play check's Data/.
BITMAPS=(Crate Land Door)
# Where the picture at rest shows only walls and where only floor: brick on
# the left, tiles at the bottom right. The door is out of sight there.
WALL_AREA=150x150+20+120
FLOOR_AREA=400x100+240+380

new_bitmap_run() {
    local bit
    new_run "$1" empty
    for bit in 0 1 2; do
        (( $2 >> bit & 1 )) && cp "$(full_data)/${BITMAPS[bit]}.bmp" "$RUN/Data/"
    done
}

# The same 4 KB of noise every run: no header, nothing a loader could take.
write_noise() {
    LC_ALL=C awk 'BEGIN { srand(1); for (i = 0; i < 4096; i++) printf "%c", 1 + int(rand() * 255) }' >"$1"
}

# Three kinds of broken file: noise; "BM" and noise; a real bitmap cut short
# (its header promises the rest).
write_broken_bitmaps() {
    write_noise "$RUN/Data/Crate.bmp"
    { printf BM; write_noise /dev/stdout; } >"$RUN/Data/Land.bmp"
    head -c 2000 "$(full_data)/Door.bmp" >"$RUN/Data/Door.bmp"
}

# area_like_reference AREA PICTURE: prints "like" (at most 1% of the area's
# pixels differ from reference/still.png), "unlike" (over half) or "between".
area_like_reference() {
    local area=$1 picture=$2 count width height
    convert "$picture" -crop "$area" +repage "$picture.area.png" 2>/dev/null
    convert "$REFERENCE/still.png" -crop "$area" +repage "$picture.reference.png" 2>/dev/null
    count=$(pixels_differing "$picture.area.png" "$picture.reference.png" "$FUZZ_PERCENT") || count=unreadable
    IFS='x+' read -r width height _ <<<"$area"
    if [ "$count" = unreadable ]; then
        echo between
    elif (( count * 100 <= width * height )); then
        echo like
    elif (( count * 2 > width * height )); then
        echo unlike
    else
        echo between
    fi
}

# expect_bitmap_window LABEL SET: the game draws walls and floors from their
# own bitmap where SET has it and plain where not, in a 640x480 window.
expect_bitmap_window() {
    local label=$1 set=$2 x y w h walls floors want_walls=unlike want_floors=unlike
    find_game "$label" || return
    (( set & 1 )) && want_walls=like
    (( set & 2 )) && want_floors=like
    read -r x y w h < <(client_geometry "$WIN")
    if [ "${w}x${h}" != 640x480 ]; then
        fail "$label" "client area ${w}x${h}, expected 640x480"
    elif settle_window "$label" "$RUN/still.png"; then
        walls=$(area_like_reference "$WALL_AREA" "$RUN/still.png")
        floors=$(area_like_reference "$FLOOR_AREA" "$RUN/still.png")
        [ "$walls $floors" = "$want_walls $want_floors" ]
        verdict $? "$label" "$label: a 640x480 window, walls $walls and floors $floors the reference" \
            "walls $walls and floors $floors reference/still.png, expected $want_walls and $want_floors ($RUN/still.png)"
    fi
    escape_ends "$label: Escape ends the game with exit code 0"
}

# Each case: the game, the set, what is written over it (noise as Crate.bmp,
# three broken bitmaps, or none) and what Data/ then holds. Broken files count
# as missing: three of them are no bitmap at all, and one beside two good ones
# leaves its own surfaces plain. Natively every set and both kinds of broken
# file; under Wine, whose runs take seconds each, one set and one broken file.
BITMAP_CASES=(
    "linux 1 none Crate.bmp only"
    "linux 2 none Land.bmp only"
    "linux 3 none Crate.bmp and Land.bmp"
    "linux 4 none Door.bmp only"
    "linux 5 none Crate.bmp and Door.bmp"
    "linux 6 none Land.bmp and Door.bmp"
    "linux 0 three three broken bitmaps"
    "linux 6 noise Land.bmp and Door.bmp, and noise as Crate.bmp"
    "windows 4 none Door.bmp only"
    "windows 0 noise only noise as Crate.bmp"
)

check_bitmap_sets() {
    local row kind set broken holds
    for row in "${BITMAP_CASES[@]}"; do
        read -r kind set broken holds <<<"$row"
        [ "$kind" = "$1" ] || continue
        new_bitmap_run "$kind-bitmaps-$set-$broken" "$set"
        case $broken in
            noise) write_noise "$RUN/Data/Crate.bmp" ;;
            three) write_broken_bitmaps ;;
        esac
        if [ "$set" = 0 ]; then
            WINEDEBUG=-all,trace+msgbox start_game "$kind"
            expect_initialization_failed "$kind: Data/ with $holds"
        else
            start_game "$kind"
            expect_bitmap_window "$kind: Data/ with $holds" "$set"
        fi
    done
}

# --- F1 again and again ------------------------------------------------------------

F1_TOGGLES=10

# resident_kb PID: VmRSS of the process in kB. Under Wine the game's PID is
# maze.exe itself: wine hands its process over by exec.
resident_kb() {
    awk '/^VmRSS:/ { print $2 }' "/proc/$1/status" 2>/dev/null
}

# Where a 640 x 480 mode exists each F1 makes the window and its context
# anew, fullscreen and back; ten of them must not add up. Resident memory
# after the tenth (windowed) is within 10% of that after the second.
check_f1_toggles() {
    local kind=$1 label="$1: F1 $F1_TOGGLES times" round second=0 tenth=0 memory
    start_found "$kind" "$kind-f1-toggles" "$label" || return
    for ((round = 1; round <= F1_TOGGLES; round++)); do
        new_game_window "$label" "F1 number $round" || return
        (( round == 2 || round == F1_TOGGLES )) || continue
        # Textures loaded and frames drawn: the picture comes to rest.
        if ! settle_window "$label: after F1 number $round" "$RUN/after-$round.png"; then
            stop_pid "$GAME_PID"
            return
        fi
        if (( round == 2 )); then second=$(resident_kb "$GAME_PID"); else tenth=$(resident_kb "$GAME_PID"); fi
    done
    if [ -z "$second" ] || [ -z "$tenth" ] || [ "$second" = 0 ]; then
        fail "$label" "no resident memory read (after the 2nd: \"$second\", the ${F1_TOGGLES}th: \"$tenth\")"
    else
        memory="resident memory $second kB after the 2nd, $tenth kB after the ${F1_TOGGLES}th ($(percent_change "$second" "$tenth")"
        near "$tenth" "$second" $((second / 10))
        verdict $? "$label" "$label: $memory)" "$memory, more than 10%)"
    fi
    expect_client_640x480 "$label: the client area is 640x480 again"
    escape_ends "$label: Escape ends the game with exit code 0"
}

percent_change() {
    awk -v a="$1" -v b="$2" 'BEGIN { printf "%+.1f%%", (b - a) * 100 / a }'
}

check_f1_toggles_where_granted() { where_granted check_f1_toggles "$1"; }

# --- a Windows without XInput -------------------------------------------------

# The pads' DLL disabled in Wine, as on a Windows that lacks it: the game
# starts and plays the stairs demo to its last state all the same.
check_without_xinput() {
    [ "$1" = windows ] || return 0
    WINEDLLOVERRIDES="$WINEDLLOVERRIDES;xinput9_1_0=d" play_demo "$1" playdemo "$1-without-xinput"
    check_demo_ended "$1: without xinput9_1_0.dll, --playdemo of the stairs demo"
}
