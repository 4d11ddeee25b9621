# sdl.cmake -- the native Linux build (SDL2): maze_sdl and the game.
# Included by the top-level CMakeLists.txt in place of the other shells.

# The native game is what the play command starts: a missing library is an
# error here, with the package that brings it, not a game quietly left out.
find_package(SDL2 QUIET)
find_package(OpenGL QUIET)
find_package(X11 QUIET)
maze_missing_package(missing SDL2_FOUND:libsdl2-dev OPENGL_FOUND:libgl-dev OPENGL_GLU_FOUND:libglu1-mesa-dev
                     X11_FOUND:libx11-dev)
if(missing)
    message(FATAL_ERROR "The native game needs ${missing}: "
                        "apt-get install ${missing}, or run scripts/install-deps.sh play")
endif()
add_library(maze_sdl STATIC
    app/sdl/display.cpp
    app/sdl/events.cpp
    app/sdl/keymap.cpp
    app/sdl/loop.cpp
    app/sdl/message_box.cpp
    app/sdl/pads.cpp
    app/sdl/window.cpp
    app/sdl/x11_errors.cpp
    app/sdl/x11_visual.cpp)
# X11 and GLX directly only to pick the visual with the depth buffer asked for,
# and to keep an error that SDL's own wake-up can raise from ending the game.
target_link_libraries(maze_sdl PUBLIC maze_demo SDL2::SDL2 OpenGL::GL X11::X11)
add_executable(maze app/sdl/main.cpp app/sdl/sys_sdl.cpp)
target_link_libraries(maze PRIVATE maze_sdl ${MAZE_LAYERS} SDL2::SDL2 OpenGL::GL OpenGL::GLU)
add_dependencies(maze maze_data)
