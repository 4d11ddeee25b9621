#!/bin/bash
# maze -- starts the game in its own folder, where it finds Data/, from
# whatever folder the player is in and through any symbolic link to here.
here=$(dirname "$(readlink -f "$0")") || exit 1
# The file name after --record, --playdemo or --timedemo is the player's, from
# the folder they started in: made absolute before the game changes folder.
args=()
previous=""
for arg in "$@"; do
    case $previous in
        --record | --playdemo | --timedemo) [[ $arg == /* || -z $arg ]] || arg="$PWD/$arg" ;;
    esac
    args+=("$arg")
    previous=$arg
done
cd "$here" || exit 1
# The game names itself in its messages by how it was started: as this launcher.
exec -a "$0" "$here/maze.bin" "${args[@]}"
