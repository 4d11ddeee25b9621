# replay.cmake -- run one simulator script and diff its output with the
# expected file beside it. Invoked by CTest with SIM, EMULATOR, SCRIPT, WORKDIR
# and DATA, the game's Data/ folder, which the simulator's context loads from
# its working folder as the game does. With DRAW_EVERY, only every so many
# steps are drawn, and only the state lines are compared: the steps not drawn
# must leave the very same game.
get_filename_component(dir ${SCRIPT} DIRECTORY)
get_filename_component(name ${SCRIPT} NAME_WE)
set(expected ${dir}/${name}.expected)
include(${CMAKE_CURRENT_LIST_DIR}/fresh_run.cmake)
if(DRAW_EVERY)
    list(APPEND cmd --draw-every ${DRAW_EVERY})
endif()
file(COPY ${DATA} DESTINATION ${WORKDIR})
execute_process(COMMAND ${cmd}
                INPUT_FILE ${SCRIPT}
                OUTPUT_FILE ${WORKDIR}/actual.txt
                ERROR_VARIABLE err
                RESULT_VARIABLE rc
                WORKING_DIRECTORY ${WORKDIR})
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${name}: maze-sim exited with ${rc}: ${err}")
endif()
# Byte for byte: both builds of the simulator print the same bytes.
if(DRAW_EVERY)
    file(STRINGS ${WORKDIR}/actual.txt actual REGEX "^frame=")
    file(STRINGS ${expected} want REGEX "^frame=")
else()
    file(READ ${WORKDIR}/actual.txt actual)
    file(READ ${expected} want)
endif()
if(NOT actual STREQUAL want)
    execute_process(COMMAND diff -u ${expected} ${WORKDIR}/actual.txt OUTPUT_VARIABLE d)
    if(DRAW_EVERY)
        set(d "(drawing every ${DRAW_EVERY}th step; only the frame= lines count)\n${d}")
    endif()
    message(FATAL_ERROR "${name}: output differs from ${expected}\n${d}")
endif()
