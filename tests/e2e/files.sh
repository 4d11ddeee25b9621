# files.sh -- the end-to-end checks of a demo's files: results told where the
# working folder cannot be written, a recording named outside the ANSI code
# page, a recording that never started leaving its file as it was, and files
# that are refused. Sourced by run.sh; uses demos.sh.

# read_only DIR / writable DIR: nothing can be made in DIR, even by root
# (immutable where the file system allows it).
read_only() {
    chmod a-w "$1"
    [ "$(id -u)" = 0 ] && chattr +i "$1" 2>/dev/null
    ! touch "$1/.probe" 2>/dev/null
}

writable() {
    [ "$(id -u)" = 0 ] && chattr -i "$1" 2>/dev/null
    chmod u+w "$1"
}

# The timed stairs demo in a folder that cannot be written: the timing and the
# state on standard output all the same, the folder named in the "ERROR" box,
# exit code 2. The game's output goes to another folder (LOGS).
check_timedemo_read_only() {
    local label="$1: --timedemo in a read-only folder"
    new_run "$1-timedemo-read-only" full
    cp "$DEMO_SCRIPT" "$RUN/"
    if read_only "$RUN"; then
        LOGS="$SCRATCH/$1-timedemo-read-only.out" timedemo_unwritten "$1" "$label"
    else
        say "SKIP  $label: the folder cannot be made read-only here"
    fi
    writable "$RUN"
}

timedemo_unwritten() {
    local label=$2 out=$LOGS
    mkdir -p "$out"
    WINEDEBUG=-all,trace+msgbox start_game "$1" --timedemo "$DEMO_NAME"
    error_box "$label" "Cannot write .*demo-result.txt.* in .*$(basename "$RUN")" 180 || return
    wait_exit "$GAME_PID" 15
    if [ "$EXIT_CODE" != 2 ]; then
        fail "$label" "exit code $EXIT_CODE, expected 2 ($out)"
    elif ! tr -d '\r' <"$out/stdout.txt" | grep -qx "$DEMO_STATE"; then
        fail "$label" "no state line on standard output ($out/stdout.txt)"
    elif ! grep -q "^timedemo $DEMO_NAME: [0-9]* frames in " "$out/stdout.txt"; then
        fail "$label" "no timing line on standard output ($out/stdout.txt)"
    elif [ -z "$BOX_SAID" ]; then
        fail "$label" "the box does not name the folder ($out/stderr.txt)"
    else
        pass "$label: both lines on standard output, the folder in the box, exit code 2"
    fi
}

# A recording named in Cyrillic, made with Escape and played back.
check_record_cyrillic() {
    local kind=$1 label="$1: a recording named демо.script" name=демо.script want
    start_found "$kind" "$kind-record-cyrillic" "$label" --record "$name" || return
    hold_key w 0.6
    escape_and_wait
    if [ "$EXIT_CODE" != 0 ] || [ ! -f "$RUN/$name" ]; then
        fail_and_stop "$label" "exit code $EXIT_CODE, files: $(ls "$RUN" | tr '\n' ' ')"
        return
    fi
    if [ "$(sed -n 2p "$RUN/$name")" != "# build $kind" ]; then
        fail "$label" "its second line is not \"# build $kind\": $(sed -n 2p "$RUN/$name")"
        return
    fi
    want=$(expected_state "$RUN/$name")
    play_back "$kind" "$name"
    [ "$EXIT_CODE" = 0 ] && [ "$PLAYED" = "$want" ]
    verdict $? "$label" "$label: written under its name, played back to its last line" \
        "played back: exit code $EXIT_CODE, demo-result.txt: $PLAYED"
}

# No display to play on: the game ends with 1, and the file it was to record
# to is as it was; a new name is not left behind empty, nor the file the
# recording would have been written to.
check_record_without_display() {
    local kind=$1 label="$1: --record without a display"
    [ "$kind" = linux ] || return
    new_run "$kind-record-no-display" empty
    printf 'frames 7\n' >"$RUN/best.script"
    (cd "$RUN" && DISPLAY=:99999 timeout 30 "$LINUX_GAME" --record best.script) >/dev/null 2>&1
    local kept=$?
    (cd "$RUN" && DISPLAY=:99999 timeout 30 "$LINUX_GAME" --record new.script) >/dev/null 2>&1
    [ "$kept" = 1 ] && [ "$(cat "$RUN/best.script")" = "frames 7" ] && [ "$(ls "$RUN")" = "$(printf 'Data\nbest.script')" ]
    verdict $? "$label" "$label ends with exit code 1, the file kept, no new one made" \
        "exit code $kept, best.script: $(wc -c <"$RUN/best.script") bytes; files: $(ls "$RUN" | tr '\n' ' ')"
}

# Files the game must neither hang on nor write over, each refused before
# its window: a named pipe to play or to record to, and the files the game
# writes itself, by their names or another, which stay as they were.
check_files_refused() {
    local kind=$1 case option file wanted
    for case in playdemo:pipe.script record:pipe.script playdemo:demo-result.txt timedemo:timedemo.txt \
        record:lista.txt playdemo:linked.script; do
        option=${case%%:*} file=${case#*:}
        new_run "$kind-refused-$option-$file" full
        wanted="$file.*which the game writes itself"
        case $file in
            pipe.script) mkfifo "$RUN/$file" && wanted="$file.*Not a regular file" ;;
            # Another name of demo-result.txt.
            linked.script) cp "$DEMO_SCRIPT" "$RUN/demo-result.txt" && ln "$RUN/demo-result.txt" "$RUN/$file" ;;
            *) cp "$DEMO_SCRIPT" "$RUN/$file" ;;
        esac
        refused_start "$kind" "$kind: --$option $file" "$wanted" "--$option" "$file"
        [ -p "$RUN/$file" ] || cmp -s "$DEMO_SCRIPT" "$RUN/$file" || fail "$kind: --$option $file" "the file was changed"
    done
}

# Two games recording to one file: the second, of each build, is refused
# before its window, naming the file; the first plays on, and its recording
# alone takes the name at the end.
check_shared_recording() {
    local kind=$1 label="$1: a second game recording to the same file" first window second
    start_found "$kind" "$kind-shared-recording" "$label" --record shared.script || return
    first=$GAME_PID window=$WIN
    for second in "${KINDS[@]}"; do
        refused_start "$second" "$label, $second" "shared.script.*being recorded by another game" \
            --record shared.script
    done
    GAME_PID=$first
    WIN=$window
    escape_and_wait
    [ "$EXIT_CODE" = 0 ] && [ "$(sed -n 2p "$RUN/shared.script")" = "# build $kind" ] &&
        recording_closed "$RUN/shared.script" && [ ! -e "$RUN/shared.script.part" ]
    verdict $? "$label" "$label: the first records on to its end" "exit code $EXIT_CODE, files: $(ls "$RUN" | tr '\n' ' ')"
    stop_pid "$GAME_PID"
}

check_demo_files() {
    check_files_refused "$1"
    check_shared_recording "$1"
    check_timedemo_read_only "$1"
    check_record_cyrillic "$1"
    check_record_without_display "$1"
}
