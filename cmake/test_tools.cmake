# test_tools.cmake -- what happens when a package the build looks for is missing.
# The game needs only what the play command installs; the tests and maze-bench
# need more (GoogleTest, Google Benchmark, OSMesa, clang-format). A player
# should get the game without them, and the test command should never pass
# with a test quietly left out.

option(MAZE_REQUIRE_TEST_TOOLS "Stop when a test tool is missing instead of leaving its tests out" OFF)

# maze_missing_package(OUT "VAR;package" ...): the package of the first VAR
# that is false, or an empty OUT when every one holds.
function(maze_missing_package out)
    set(${out} "" PARENT_SCOPE)
    foreach(need ${ARGN})
        string(REPLACE ":" ";" need "${need}")
        list(GET need 0 found)
        list(GET need 1 package)
        if(NOT ${found})
            set(${out} ${package} PARENT_SCOPE)
            return()
        endif()
    endforeach()
endfunction()

# maze_test_tool_missing(WHAT PACKAGE): WHAT is left out, saying so in one
# line; an error under MAZE_REQUIRE_TEST_TOOLS, as the test command builds.
function(maze_test_tool_missing what package)
    set(how "apt-get install ${package}, or scripts/install-deps.sh test")
    if(MAZE_REQUIRE_TEST_TOOLS)
        message(FATAL_ERROR "No ${package} for ${what}, and MAZE_REQUIRE_TEST_TOOLS is on: ${how}")
    endif()
    message(STATUS "Leaving out ${what}: no ${package} (${how})")
endfunction()
