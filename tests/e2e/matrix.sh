# matrix.sh -- "send me your run": a recording of real input made in each
# build (the Linux game, the Windows game under Wine, the page in headless
# Chromium) is played by every build, and each play must end by itself with
# exit code 0 in the recording's own `expect` state. A recording with Windows
# line endings is played by the Linux game and the page too. Sourced by run.sh;
# the page's side is tests/web/page_demo.py, run when given the web build.

declare -A MATRIX_RECORDINGS=()  # build -> a recording made in it
declare -A MATRIX_CELLS=()       # "maker player" -> what the play came to

have_page() {
    [ -n "${WEB_BUILD:-}" ] && [ -f "$WEB_BUILD/maze.wasm" ]
}

record_in_page() {
    local out="$SCRATCH/matrix/web.script"
    if /usr/bin/python3 "$here/../web/page_demo.py" record "$WEB_BUILD" "$out" >"$SCRATCH/matrix/web-record.log" 2>&1; then
        MATRIX_RECORDINGS[web]=$out
    else
        fail "matrix: recording in the page" "$(tail -3 "$SCRATCH/matrix/web-record.log")"
    fi
}

# play_in PLAYER RECORDING: the state the player's play of it ended in, as
# "exit-code state"; the page gives its result line.
play_in() {
    local player=$1 recording=$2 name
    name=$(basename "$recording")
    case $player in
        web)
            /usr/bin/python3 "$here/../web/page_demo.py" play "$WEB_BUILD" "$recording" 2>>"$SCRATCH/matrix/web-play.log"
            ;;
        *)
            new_run "matrix-$player-$name" full
            cp "$recording" "$RUN/"
            play_back "$player" "$name"
            echo "$EXIT_CODE $PLAYED"
            ;;
    esac
}

# matrix_cell MAKER PLAYER RECORDING LABEL: one play, checked and kept for the table.
matrix_cell() {
    local maker=$1 player=$2 recording=$3 cell="matrix: $4 played by $2" want got code
    want=$(expected_state "$recording")
    read -r code got < <(play_in "$player" "$recording")
    MATRIX_CELLS["$maker $player"]="FAIL"
    [ "$code" = 0 ] && [ -n "$want" ] && [ "$got" = "$want" ] && MATRIX_CELLS["$maker $player"]="ok"
    verdict $? "$cell" "$cell ends with exit code 0 at its expect line" \
        "exit code ${code:-none}, result: ${got:0:120}"
}

# The recordings as a table: who made them, their size and frames, and what
# each build made of them.
matrix_table() {
    local players=(linux windows web) maker player row
    say "matrix: recorded in / played by:  linux  windows  web"
    for maker in linux windows web linux-crlf; do
        [ -n "${MATRIX_RECORDINGS[$maker]:-}" ] || continue
        row=$(printf '%-11s %8s bytes %6s frames' "$maker" "$(stat -c %s "${MATRIX_RECORDINGS[$maker]}")" \
            "$(frames_of "${MATRIX_RECORDINGS[$maker]}")")
        for player in "${players[@]}"; do
            row+=$(printf '  %-7s' "${MATRIX_CELLS["$maker $player"]:--}")
        done
        say "matrix: $row"
    done
}

check_matrix() {
    local kind maker player label
    mkdir -p "$SCRATCH/matrix"
    for kind in "${KINDS[@]}"; do
        [ -n "${MATRIX_RECORDINGS[$kind]:-}" ] || record_and_replay "$kind" escape
    done
    have_page && record_in_page
    if [ -n "${MATRIX_RECORDINGS[linux]:-}" ]; then
        MATRIX_RECORDINGS[linux-crlf]="$SCRATCH/matrix/linux-crlf.script"
        sed 's/$/\r/' "${MATRIX_RECORDINGS[linux]}" >"${MATRIX_RECORDINGS[linux-crlf]}"
    fi
    local players=("${KINDS[@]}")
    have_page && players+=(web)
    for maker in linux windows web linux-crlf; do
        [ -n "${MATRIX_RECORDINGS[$maker]:-}" ] || continue
        label="a recording made in $maker"
        [ "$maker" = linux-crlf ] && label="the Linux recording with Windows line endings"
        for player in "${players[@]}"; do
            matrix_cell "$maker" "$player" "${MATRIX_RECORDINGS[$maker]}" "$label"
        done
    done
    matrix_table
}
