# demos.sh -- the end-to-end checks of demos: each game records a run of real
# input that both simulators must replay to its last line, plays the stairs
# demo back to the simulator's state, times it, and refuses a bad demo.
# Sourced by run.sh.

DEMO_SCRIPT="$here/../sim/stairs_demo.script"
DEMO_NAME=$(basename "$DEMO_SCRIPT")
DEMO_STATE=$(tail -1 "$here/../sim/stairs_demo.expected")  # the simulator's last state

# About ten seconds of play: the pointer both ways on both axes, 'W', 'S',
# Shift with each, the space bar, in the client area at X Y.
play_mixed() {
    local x=$1 y=$2
    focus
    xdotool mousemove $((x + 500)) $((y + 300)) && sleep 0.3
    xdotool mousemove $((x + 100)) $((y + 100)) && sleep 0.3
    xdotool keydown w && sleep 1.5
    xdotool mousemove $((x + 400)) $((y + 210)) && sleep 0.3
    xdotool keydown shift && sleep 1 && xdotool keyup shift
    xdotool keyup w
    xdotool keydown space && sleep 0.6 && xdotool keyup space
    xdotool keydown s && sleep 1.2
    xdotool mousemove $((x + 200)) $((y + 250)) && sleep 0.3
    xdotool keyup s
    xdotool keydown shift keydown s && sleep 1 && xdotool keyup s keyup shift
    xdotool mousemove $((x + 312)) $((y + 100)) && sleep 0.3
    xdotool keydown w && sleep 1.5 && xdotool keyup w
    sleep 0.5
}

# record_and_replay KIND escape|close: a recording of mixed play, ended by
# Escape or by closing the window, replayed by every simulator there is.
record_and_replay() {
    local kind=$1 end=$2 label="$1: recording ended by $2" x y w h frames
    start_recorded "$kind" "$kind-record-$end" "$label" || return
    read -r x y w h < <(client_geometry "$WIN")
    play_mixed "$x" "$y"
    end_recorded "$label" "$end" || return
    frames=$(frames_of "$RECORDING")
    replayed_everywhere "$label" || return
    pass "$label: $(stat -c %s "$RECORDING") bytes, $frames frames;${REPLAYED%;}"
    if [ "$end" = escape ]; then MATRIX_RECORDINGS[$kind]=$RECORDING; fi
}

# play_demo KIND playdemo|timedemo [RUN]: the stairs demo, played to its end
# (in the folder RUN, KIND-MODE without it).
play_demo() {
    new_run "${3:-$1-$2}" full
    cp "$DEMO_SCRIPT" "$RUN/"
    play_back "$1" "$DEMO_NAME" "--$2"
}

check_playdemo() {
    play_demo "$1" playdemo
    check_demo_ended "$1: --playdemo of the stairs demo"
}

# check_demo_ended LABEL: the stairs demo played has ended the game, exit
# code 0, in the simulator's last state.
check_demo_ended() {
    [ "$EXIT_CODE" = 0 ] && [ "$PLAYED" = "$DEMO_STATE" ]
    verdict $? "$1" "$1 ends by itself with exit code 0 in the simulator's last state" \
        "exit code $EXIT_CODE, demo-result.txt: ${PLAYED:-nothing} ($RUN)"
}

check_timedemo() {
    local kind=$1 label="$1: --timedemo of the stairs demo" line pattern
    play_demo "$kind" timedemo
    line=$(first_line "$RUN/timedemo.txt")
    pattern="^timedemo $DEMO_NAME: [0-9]+ frames in [0-9]+\.[0-9]{3} s, [0-9]+\.[0-9] fps$"
    [ "$EXIT_CODE" = 0 ] && [[ $line =~ $pattern ]] && [ "$PLAYED" = "$DEMO_STATE" ]
    verdict $? "$label" "$label: $line" "exit code $EXIT_CODE, timedemo.txt: ${line:-nothing} ($RUN)"
}

# A demo with a line no simulator reads: maze-sim's line-numbered message.
check_demo_refused() {
    new_run "$1-demo-refused" full
    printf 'frames 1\njump 3\n' >"$RUN/bad.script"
    refused_start "$1" "$1: a demo with a bad line" "bad.script: line 2: unknown command: jump 3" --playdemo bad.script
}

check_demos() {
    record_and_replay "$1" escape
    record_and_replay "$1" close
    check_playdemo "$1"
    check_timedemo "$1"
    check_demo_refused "$1"
}
