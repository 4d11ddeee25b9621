# gl.cmake -- the web GL: the GL 1.1 and GLU calls the game makes, drawn with WebGL 1.
# Included by the top-level CMakeLists.txt wherever the web shell's tests build.

# Its arithmetic, matrices and mipmap levels, needs no browser: the native
# build makes it too, so that its tests run there as well as under node.
add_library(maze_webgl_math STATIC
    app/web/gl/matrix_math.cpp
    app/web/gl/mipmaps.cpp)
target_include_directories(maze_webgl_math PUBLIC ${CMAKE_SOURCE_DIR})

# The GL itself: it defines what render/gl_api.h declares and reads nothing
# else of the game's. The web shell links it.
if(EMSCRIPTEN)
    add_library(maze_webgl STATIC
        app/web/gl/context.cpp
        app/web/gl/frame_target.cpp
        app/web/gl/immediate_calls.cpp
        app/web/gl/matrix_calls.cpp
        app/web/gl/state_calls.cpp
        app/web/gl/texture_calls.cpp
        app/web/gl/webgl_draw.cpp)
    target_link_libraries(maze_webgl PUBLIC maze_webgl_math)
endif()
