#!/bin/bash
# maze -- starts the game in its own folder, where it finds Data/, from
# whatever folder the player is in and through any symbolic link to here.
here=$(dirname "$(readlink -f "$0")") || exit 1
cd "$here" || exit 1
# The game names itself in its messages by how it was started: as this launcher.
exec -a "$0" "$here/maze.bin" "$@"
