# win32.cmake -- the Windows build (MinGW-w64): maze_win32 and maze.exe.
# Included by the top-level CMakeLists.txt in place of the other shells.

# The files of open_file.h by their wide names, and the conversions the shell
# shares with them: every Windows program that links the shells' common part links these.
add_library(maze_win32_files STATIC app/win32/wide_args.cpp app/win32/wide_files.cpp)
target_link_libraries(maze_win32_files PUBLIC shell32)
target_include_directories(maze_win32_files PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(maze_shell PUBLIC maze_win32_files)

add_library(maze_win32 STATIC
    app/win32/events.cpp
    app/win32/loop.cpp
    app/win32/message_box.cpp
    app/win32/pads.cpp
    app/win32/window.cpp)
target_link_libraries(maze_win32 PUBLIC maze_demo shell32 winmm)
add_executable(maze WIN32 app/win32/main.cpp app/win32/sys_win.cpp)
target_link_libraries(maze PRIVATE maze_win32 ${MAZE_LAYERS} opengl32 glu32 gdi32 user32)
add_dependencies(maze maze_data)
