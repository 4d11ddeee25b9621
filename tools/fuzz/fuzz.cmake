# fuzz.cmake -- the libFuzzer targets, for a build with MAZE_FUZZ (tools/fuzz/run.sh).

# The bitmap decoder alone.
add_executable(fuzz_bmp tools/fuzz/fuzz_bmp.cpp)
target_link_libraries(fuzz_bmp PRIVATE maze_render)

# A demo's text checked as the games check it, then played on the game step headless.
add_executable(fuzz_script tools/fuzz/fuzz_script.cpp)
target_link_libraries(fuzz_script PRIVATE maze_null ${MAZE_LAYERS})

foreach(target fuzz_bmp fuzz_script)
    target_link_options(${target} PRIVATE -fsanitize=fuzzer)
endforeach()

# The loops over every cell of the grid, run each step to gather its boxes and
# draw them: libFuzzer's tracing of their comparisons took half of a step's
# time, and no input steers them. Their edges are still counted.
set_property(SOURCE world/cell_boxes.cpp render/crates.cpp render/doors.cpp render/floors.cpp render/scene.cpp
                    render/stairs.cpp render/walls.cpp
             APPEND PROPERTY COMPILE_OPTIONS -fno-sanitize-coverage=trace-cmp)
