# refused.cmake -- run one simulator script that must fail, or stop short: its
# exit status must be STATUS, its standard error the NAME.stderr file beside
# it, with <version> standing for the game's VERSION so that a new version
# does not break it, and its standard output empty. Invoked by CTest with SIM,
# EMULATOR, SCRIPT, STATUS, VERSION and WORKDIR.
get_filename_component(dir ${SCRIPT} DIRECTORY)
get_filename_component(name ${SCRIPT} NAME_WE)
include(${CMAKE_CURRENT_LIST_DIR}/fresh_run.cmake)
execute_process(COMMAND ${cmd}
                INPUT_FILE ${SCRIPT}
                OUTPUT_VARIABLE out
                ERROR_FILE ${WORKDIR}/stderr.txt
                RESULT_VARIABLE rc
                WORKING_DIRECTORY ${WORKDIR})
if(NOT rc EQUAL STATUS)
    message(FATAL_ERROR "${name}: maze-sim exited with ${rc}, expected ${STATUS}")
endif()
if(NOT out STREQUAL "")
    message(FATAL_ERROR "${name}: something ran after the failure:\n${out}")
endif()
file(READ ${WORKDIR}/stderr.txt actual)
file(READ ${dir}/${name}.stderr want)
string(REPLACE "<version>" "${VERSION}" want "${want}")
# The Windows build may end its error lines with CR LF.
string(REPLACE "\r\n" "\n" actual "${actual}")
if(NOT actual STREQUAL want)
    file(WRITE ${WORKDIR}/want.txt "${want}")
    execute_process(COMMAND diff -u ${WORKDIR}/want.txt ${WORKDIR}/stderr.txt OUTPUT_VARIABLE d)
    message(FATAL_ERROR "${name}: standard error differs from ${name}.stderr\n${d}")
endif()
