# package.cmake -- the archive a player gets, made by the `package` target:
#   cmake --build --preset windows --target package   build/windows/maze-<version>-win32.zip
#   cmake --build --preset linux --target package     build/linux/maze-<version>-linux-x86_64.tar.gz
# One folder with the game, Data/ and README.txt; on Linux the game is
# maze.bin and `maze` is a launcher that starts it in its own folder, since
# the game reads Data/ from its working folder.
# Everything packaged is in the install component "game", and only that
# component is packaged: nothing the tests or tools might install gets in.

if(WIN32)
    set(MAZE_PACKAGE_SYSTEM win32)
    set(MAZE_HOW_TO_START_FILE start-win32.txt)
    set(CPACK_GENERATOR ZIP)
    set(maze_installed maze.exe)
    install(TARGETS maze RUNTIME DESTINATION . COMPONENT game)
else()
    set(MAZE_PACKAGE_SYSTEM linux-${CMAKE_SYSTEM_PROCESSOR})
    set(MAZE_HOW_TO_START_FILE start-linux.txt)
    set(CPACK_GENERATOR TGZ)
    set(maze_installed maze.bin)
    install(PROGRAMS $<TARGET_FILE:maze> DESTINATION . RENAME maze.bin COMPONENT game)
    install(PROGRAMS ${CMAKE_SOURCE_DIR}/dist/maze.sh DESTINATION . RENAME maze COMPONENT game)
endif()
# Debug information is most of the game's file, and no player needs it: the
# archive's copy goes without it (maze.exe without its symbols too, stripped as
# a target; maze.bin is installed as a file, which only objcopy strips). The
# symbols stay beside the archive, in the file its debug link names, for a
# crash reported from that download.
set(CPACK_STRIP_FILES TRUE)
set(maze_symbols ${CMAKE_BINARY_DIR}/maze-${PROJECT_VERSION}-${MAZE_PACKAGE_SYSTEM}.debug)
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --only-keep-debug \"$<TARGET_FILE:maze>\" \"${maze_symbols}\"
                        COMMAND_ERROR_IS_FATAL ANY)
        execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --strip-debug \"--add-gnu-debuglink=${maze_symbols}\"
                                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${maze_installed}\"
                        COMMAND_ERROR_IS_FATAL ANY)
    endif()" COMPONENT game)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/Data/ DESTINATION Data COMPONENT game)

# README.txt: the controls, shared, and how to start on this system.
set(readme_in ${CMAKE_SOURCE_DIR}/dist/README.txt.in)
set(start_in ${CMAKE_SOURCE_DIR}/dist/${MAZE_HOW_TO_START_FILE})
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${readme_in} ${start_in})
file(READ ${start_in} MAZE_HOW_TO_START)
string(CONFIGURE "${MAZE_HOW_TO_START}" MAZE_HOW_TO_START @ONLY)
include(${CMAKE_SOURCE_DIR}/cmake/controls.cmake)
maze_controls_text(MAZE_CONTROLS)
file(READ ${readme_in} readme)
string(CONFIGURE "${readme}" readme @ONLY)
set(newlines UNIX)
if(WIN32)
    set(newlines CRLF)  # for Notepad
endif()
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/package/README.txt CONTENT "${readme}" @ONLY NEWLINE_STYLE ${newlines})
install(FILES ${CMAKE_BINARY_DIR}/package/README.txt DESTINATION . COMPONENT game)

set(CPACK_PACKAGE_NAME maze)
set(CPACK_PACKAGE_FILE_NAME maze-${PROJECT_VERSION}-${MAZE_PACKAGE_SYSTEM})
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};maze;game;/")
include(CPack)
