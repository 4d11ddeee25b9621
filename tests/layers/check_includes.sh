#!/usr/bin/env bash
# check_includes.sh -- every #include of the game's layers points down or stays home.
#
#   tests/layers/check_includes.sh [SOURCE_ROOT]
#
# The rules are HACKING.md's table of folders: each layer includes itself and
# those below; app/demo sits between app/common and the shells; no shell
# includes another. GL is render/'s and the shells' alone, platform headers
# the shells' alone, and the web shell's GL (app/web/gl) is reached through
# app/web/gl/context.h alone. Project headers are named from the root.
# Prints file:line and the rule for each offending line; exit 1 if there is any.
set -uo pipefail
root=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
cd "$root" || exit 2

allowed_for() {
    case "$1" in
        world/*) echo "world" ;;
        render/*) echo "render world" ;;
        game/*) echo "game render world" ;;
        app/common/*) echo "app/common game render world" ;;
        app/demo/*) echo "app/demo app/common game world" ;;
        app/web/gl/*) echo "app/web/gl render/gl_api.h" ;;
        app/*/*) local shell=${1#app/}; echo "app/${shell%%/*} app/common app/demo game render world" ;;
        *) echo "" ;;
    esac
}

platform_header='^(windows\.h|SDL[^/]*\.h|SDL2/.*|X11/.*|GL/glx\.h|emscripten\.h|emscripten/.*|webgl/.*|GLES2/.*)$'
webgl_header='^webgl/.*$'
status=0
complain() {
    echo "$1:$2: $3 -- $4"
    status=1
}

while IFS= read -r file; do
    allowed=$(allowed_for "$file")
    [ -n "$allowed" ] || continue
    layer=${file%%/*}
    [ "$layer" = app ] && layer=shell
    [[ $file == app/demo/* ]] && layer=app/demo
    [[ $file == app/web/gl/* ]] && layer=webgl
    reaches_gl=0
    case $layer in render | shell | webgl) reaches_gl=1 ;; esac
    number=0
    while IFS= read -r line; do
        number=$((number + 1))
        [[ $line =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*([\"\<])([^\"\>]+) ]] || continue
        kind=${BASH_REMATCH[1]}
        header=${BASH_REMATCH[2]}
        if [ "$kind" = '<' ]; then
            if [[ $header =~ $platform_header ]]; then
                if [ "$layer" = webgl ]; then
                    [[ $header =~ $webgl_header ]] ||
                        complain "$file" "$number" "$line" "app/web/gl/ includes WebGL's headers, no other platform's"
                elif [ "$layer" != shell ]; then
                    complain "$file" "$number" "$line" "$layer/ never includes a platform header"
                fi
            elif [[ $header == GL/* ]] && [ "$reaches_gl" = 0 ]; then
                complain "$file" "$number" "$line" "only render/ and the shells include GL"
            fi
            continue
        fi
        if [[ $header == app/web/gl/* ]] && [[ $file != app/web/* ]]; then
            complain "$file" "$number" "$line" "only the web shell includes app/web/gl/"
            continue
        elif [[ $header == app/web/gl/* ]] && [ "$layer" = shell ] && [ "$header" != app/web/gl/context.h ]; then
            complain "$file" "$number" "$line" "the web shell reaches its GL through app/web/gl/context.h alone"
            continue
        fi
        ok=0
        for dir in $allowed; do
            [[ $header == "$dir" || $header == "$dir"/* ]] && ok=1
        done
        if [ "$ok" = 0 ]; then
            complain "$file" "$number" "$line" "${file%/*}/ includes only: $allowed"
        elif [[ $header == render/gl_api.h ]] && [ "$reaches_gl" = 0 ]; then
            complain "$file" "$number" "$line" "only render/ and the shells include GL"
        fi
    done <"$file"
done < <(find world render game app -type f \( -name '*.c' -o -name '*.cpp' -o -name '*.h' \) | sort)

if [ "$status" = 0 ]; then
    echo "check_includes: every include of world, render, game, app/common, app/demo, the shells and the web GL points down"
fi
exit "$status"
