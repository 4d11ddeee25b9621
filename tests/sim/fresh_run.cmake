# fresh_run.cmake -- included by the simulator's test scripts: WORKDIR made
# anew and empty, and in `cmd` the command that runs SIM, through EMULATOR
# (Wine, node) where the build needs one.
file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})
if(EMULATOR)
    set(cmd ${EMULATOR} ${SIM})
else()
    set(cmd ${SIM})
endif()
