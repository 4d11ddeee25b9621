# exit_status.cmake -- run maze-sim on a few lines and check only its exit status
# and that a failure says why on standard error. Invoked by CTest with SIM,
# EMULATOR, WORKDIR, INPUT (lines separated by "|"), WANT (the exit status)
# and, optionally, OUTPUT (where standard output goes), LONG (the length of a
# line of 'k's that <LONG> stands for) and STDOUT: "closed" (no standard
# output at all) or "broken" (a pipe whose reader is gone before the first
# line comes).
string(REPLACE "|" "\n" text "${INPUT}\n")
if(LONG)
    string(REPEAT "k" ${LONG} long)
    string(REPLACE "<LONG>" "${long}" text "${text}")
endif()
include(${CMAKE_CURRENT_LIST_DIR}/fresh_run.cmake)
if(STDOUT STREQUAL "closed")
    set(cmd bash -c "exec \"$@\" >&-" bash ${cmd})
elseif(STDOUT STREQUAL "broken")
    set(cmd python3 -c "import os, subprocess, sys
r, w = os.pipe()
os.close(r)
sys.exit(subprocess.call(sys.argv[1:], stdout=w))" ${cmd})
endif()
file(WRITE ${WORKDIR}/input.txt "${text}")
if(NOT OUTPUT)
    set(OUTPUT ${WORKDIR}/output.txt)
endif()
execute_process(COMMAND ${cmd}
                INPUT_FILE ${WORKDIR}/input.txt
                OUTPUT_FILE ${OUTPUT}
                ERROR_VARIABLE err
                RESULT_VARIABLE rc
                WORKING_DIRECTORY ${WORKDIR})
if(NOT rc STREQUAL WANT)
    message(FATAL_ERROR "maze-sim exited with ${rc}, not ${WANT}: ${err}")
endif()
if(NOT WANT EQUAL 0 AND err STREQUAL "")
    message(FATAL_ERROR "maze-sim exited with ${rc} without a word on standard error")
endif()
