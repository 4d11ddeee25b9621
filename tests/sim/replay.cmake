# replay.cmake -- run one simulator script and compare what it says with the
# file beside it. Invoked by CTest with SIM, EMULATOR, SCRIPT, WORKDIR, VERSION
# and DATA, the game's Data/ folder, which the simulator's context loads from
# its working folder as the game does.
# - A replay's output must be NAME.expected. With DRAW_EVERY, only every so
#   many steps are drawn, and only the state lines are compared: the steps not
#   drawn must leave the very same game.
# - A script with a NAME.stderr must stop with status 1 at an `expect` that
#   does not hold, or with the status NAME.status holds, its standard error
#   NAME.stderr, with <version> standing for the game's VERSION so that a new
#   version does not break it, and its standard output empty.
get_filename_component(dir ${SCRIPT} DIRECTORY)
get_filename_component(name ${SCRIPT} NAME_WE)
include(${CMAKE_CURRENT_LIST_DIR}/fresh_run.cmake)
if(DRAW_EVERY)
    list(APPEND cmd --draw-every ${DRAW_EVERY})
endif()
file(COPY ${DATA} DESTINATION ${WORKDIR})
execute_process(COMMAND ${cmd}
                INPUT_FILE ${SCRIPT}
                OUTPUT_FILE ${WORKDIR}/stdout.txt
                ERROR_FILE ${WORKDIR}/stderr.txt
                RESULT_VARIABLE rc
                WORKING_DIRECTORY ${WORKDIR})
file(READ ${WORKDIR}/stdout.txt out)
file(READ ${WORKDIR}/stderr.txt err)
set(against ${dir}/${name}.expected)
set(STATUS 0)
if(NOT EXISTS ${dir}/${name}.stderr)
    if(DRAW_EVERY)
        file(STRINGS ${WORKDIR}/stdout.txt actual REGEX "^frame=")
        file(STRINGS ${against} want REGEX "^frame=")
        string(REPLACE ";" "\n" actual "${actual}")
        string(REPLACE ";" "\n" want "${want}")
        set(note "(drawing every ${DRAW_EVERY}th step; only the frame= lines count)\n")
    else()
        # Byte for byte: both builds of the simulator print the same bytes.
        set(actual "${out}")
        file(READ ${against} want)
    endif()
else()
    set(STATUS 1)
    if(EXISTS ${dir}/${name}.status)
        file(STRINGS ${dir}/${name}.status STATUS)
    endif()
    if(NOT out STREQUAL "")
        message(FATAL_ERROR "${name}: something ran after the failure:\n${out}")
    endif()
    # The Windows build may end its error lines with CR LF.
    string(REPLACE "\r\n" "\n" actual "${err}")
    set(against ${dir}/${name}.stderr)
    file(READ ${against} want)
    string(REPLACE "<version>" "${VERSION}" want "${want}")
endif()
if(NOT rc EQUAL STATUS)
    message(FATAL_ERROR "${name}: maze-sim exited with ${rc}, expected ${STATUS}: ${err}")
endif()
if(NOT actual STREQUAL want)
    file(WRITE ${WORKDIR}/want.txt "${want}")
    file(WRITE ${WORKDIR}/actual.txt "${actual}")
    execute_process(COMMAND diff -u ${WORKDIR}/want.txt ${WORKDIR}/actual.txt OUTPUT_VARIABLE d)
    message(FATAL_ERROR "${name}: what it says differs from ${against}\n${note}${d}")
endif()
