# web.cmake -- the web build (emscripten): the game on a page, and maze-sim for node.
# Included by the top-level CMakeLists.txt in place of a native shell.

# The web shell: everything but the entry point and the platform services, as
# with the other shells. Its GL is a library of its own (app/web/gl).
add_library(maze_web STATIC
    app/web/devices.cpp
    app/web/events.cpp
    app/web/keymap.cpp
    app/web/loop.cpp
    app/web/message_box.cpp
    app/web/page.cpp
    app/web/web_input.cpp
    app/web/window.cpp)
target_link_libraries(maze_web PUBLIC maze_demo maze_webgl)

# maze.js and maze.wasm, loaded by index.html; the page fetches Data/ itself.
# WebGL 1 only, and no float-changing optimisation: -O levels alone keep
# IEEE arithmetic, as the replays under node prove. The memory grows: a long
# demo's commands (13 minutes of play) outgrow the first 16 MB. The page runs
# main itself, once the demo it was asked for is fetched, or not at all.
# probe.cpp's exports are reached by nothing else: in the program itself, or the link drops them.
add_executable(maze app/web/main.cpp app/web/probe.cpp app/web/sys_web.cpp)
target_link_libraries(maze PRIVATE maze_web ${MAZE_LAYERS})
target_link_options(maze PRIVATE
    -sENVIRONMENT=web -sFORCE_FILESYSTEM=1 -sMIN_WEBGL_VERSION=1 -sMAX_WEBGL_VERSION=1
    -sALLOW_MEMORY_GROWTH=1 -sINVOKE_RUN=0
    "-sEXPORTED_RUNTIME_METHODS=FS,addRunDependency,removeRunDependency,callMain,ccall")
add_dependencies(maze maze_data)

# page.js is its parts in this order, each using those before it as it loads;
# a part edited makes the build write it again.
set(page_js "")
foreach(part texts demos session controls hooks)
    file(READ ${CMAKE_SOURCE_DIR}/app/web/page_${part}.js text)
    string(APPEND page_js "${text}")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/app/web/page_${part}.js)
endforeach()
file(WRITE ${CMAKE_BINARY_DIR}/page.js "${page_js}")

# index.html with README.md's controls in its table.
include(${CMAKE_SOURCE_DIR}/cmake/controls.cmake)
maze_controls_html(MAZE_CONTROLS)
configure_file(${CMAKE_SOURCE_DIR}/app/web/index.html ${CMAKE_BINARY_DIR}/index.html @ONLY)

set(MAZE_PAGE_FILES touch.js)
foreach(file ${MAZE_PAGE_FILES})
    list(APPEND MAZE_PAGE_OUTPUTS ${CMAKE_BINARY_DIR}/${file})
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${file}
                       COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/app/web/${file} ${CMAKE_BINARY_DIR}/${file}
                       DEPENDS ${CMAKE_SOURCE_DIR}/app/web/${file})
endforeach()
# A short demo up the first flight beside the page, for ?playdemo= and ?timedemo=.
set(MAZE_SAMPLE_DEMO ${CMAKE_SOURCE_DIR}/tests/sim/stairs_demo.script)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/stairs_demo.script
                   COMMAND ${CMAKE_COMMAND} -E copy ${MAZE_SAMPLE_DEMO} ${CMAKE_BINARY_DIR}/stairs_demo.script
                   DEPENDS ${MAZE_SAMPLE_DEMO})
list(APPEND MAZE_PAGE_OUTPUTS ${CMAKE_BINARY_DIR}/stairs_demo.script)
add_custom_target(maze_page ALL DEPENDS ${MAZE_PAGE_OUTPUTS})

# The simulator and the unit tests under node, reading and writing the real
# folder they run in; node's fetch cannot read the .wasm beside them.
set(MAZE_NODE_LINK_OPTIONS -sENVIRONMENT=node -sNODERAWFS=1 -sWASM_ASYNC_COMPILATION=0 -sALLOW_MEMORY_GROWTH=1)
target_link_options(maze-sim PRIVATE ${MAZE_NODE_LINK_OPTIONS})
