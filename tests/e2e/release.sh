# release.sh -- end-to-end checks of what a player downloads: each package,
# unpacked into an empty folder, holds the game, Data/ and README.txt and
# nothing else, and its game starts; maze.exe and maze.bin come without
# their debug information. Also writes the README's screenshots when asked
# (E2E_UPDATE_SCREENSHOTS=1). Sourced by run.sh.

# What each unpacked package's folder holds, sorted.
declare -A PACKAGE_FILES=(
    [linux]="Data/Crate.bmp Data/Door.bmp Data/Land.bmp README.txt maze maze.bin"
    [windows]="Data/Crate.bmp Data/Door.bmp Data/Land.bmp README.txt maze.exe"
)

# package_of KIND: the package the build left beside the game, or nothing.
package_of() {
    local game pattern found=()
    case $1 in
        linux) game=$LINUX_GAME pattern='maze-*-linux-x86_64.tar.gz' ;;
        windows) game=$WINDOWS_GAME pattern='maze-*-win32.zip' ;;
    esac
    mapfile -t found < <(find "$(dirname "$game")" -maxdepth 1 -name "$pattern" | sort)
    [ "${#found[@]}" = 1 ] && echo "${found[0]}"
}

# The Windows package started from its own folder, as a double-click does;
# the Linux one by its launcher from another folder, as from a shell.
check_package() {
    local kind=$1 package top listing label
    package=$(package_of "$kind")
    if [ -z "$package" ]; then
        say "SKIP  $kind package: not one maze-*-${kind/windows/win32}* beside the game (cmake --build --preset ... --target package)"
        return
    fi
    label="$kind package $(basename "$package")"
    RUN="$SCRATCH/$kind-package"
    mkdir -p "$RUN/unpacked" "$RUN/elsewhere"
    if ! (cd "$RUN/unpacked" && cmake -E tar xf "$package"); then
        fail "$label" "cannot unpack it"
        return
    fi
    top="$RUN/unpacked/$(basename "$package" | sed 's/\.zip$//; s/\.tar\.gz$//')"
    listing=$(cd "$top" 2>/dev/null && find . -type f | sed 's|^\./||' | LC_ALL=C sort | paste -sd ' ')
    if [ "$listing" != "${PACKAGE_FILES[$kind]}" ]; then
        fail "$label" "holds \"$listing\" (in $RUN/unpacked), expected \"${PACKAGE_FILES[$kind]}\""
        return
    fi
    pass "$label holds $listing in $(basename "$top")/"
    case $kind in
        linux)
            expect_stripped "$label: maze.bin" "$top/maze.bin" objdump
            start_in "$RUN/elsewhere" "$top/maze" --record rec.script
            check_package_game "$label: its launcher started from another folder with --record rec.script"
            expect_recording_in "$label: the recording" "$RUN/elsewhere" "$top"
            ;;
        windows)
            expect_stripped "$label: maze.exe" "$top/maze.exe" i686-w64-mingw32-objdump
            start_in "$top" wine maze.exe
            check_package_game "$label: maze.exe started in its folder"
            ;;
    esac
}

# expect_stripped LABEL FILE OBJDUMP: no debug sections, which would be most
# of the download, as OBJDUMP (the one for FILE's format) lists them.
expect_stripped() {
    local headers sections
    if ! headers=$("$3" -h "$2" 2>&1); then
        fail "$1" "cannot read its sections: $(head -1 <<<"$headers")"
        return
    fi
    sections=$(awk '$2 ~ /^\.debug/ { print $2 }' <<<"$headers" | paste -sd ' ')
    [ -z "$sections" ]
    verdict $? "$1" "$1 comes without debug information ($(stat -c %s "$2") bytes)" \
        "carries debug information: $sections"
}

# expect_recording_in LABEL FOLDER GAME_FOLDER: the launcher takes an option's
# file name from the folder the player is in, not the game's.
expect_recording_in() {
    if recording_closed "$2/rec.script"; then
        pass "$1 is in the folder it was started from, closed with its expect line"
    elif [ -e "$3/rec.script" ]; then
        fail "$1" "written to the game's folder ($3/rec.script), not the player's ($2)"
    else
        fail "$1" "no finished $2/rec.script"
    fi
}

# check_package_game LABEL: the packaged game just started opens its window
# and draws the picture at rest from its own Data/, and Escape ends it.
check_package_game() {
    local label=$1
    find_game "$label" || return
    expect_client_640x480 "$label: a 640x480 window"
    if settle_window "$label" "$RUN/still.png"; then
        expect_alike "$label: picture like reference/still.png" "$RUN/still.png" "$REFERENCE/still.png" \
            "$RUN/difference-still.png"
    fi
    escape_ends "$label: Escape ends the game with exit code 0"
}

# E2E_UPDATE_SCREENSHOTS=1: each game's crate view, which shows walls, floor,
# the door, a crate and the stairs, becomes the README's picture of it.
update_screenshots() {
    local kind docs="$here/../../docs"
    for kind in "${KINDS[@]}"; do
        if [ -s "$SCRATCH/$kind-play/crate.png" ]; then
            convert "$SCRATCH/$kind-play/crate.png" -strip "$docs/screenshot-$kind.png"
            say "e2e: wrote docs/screenshot-$kind.png"
        else
            fail "README screenshot ($kind)" "the game took no crate.png; nothing written"
        fi
    done
}
