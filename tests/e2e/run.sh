#!/usr/bin/env bash
# run.sh -- end-to-end checks of both games on virtual X servers: the native
# SDL build and the 32-bit Windows build under Wine, driven by synthetic X input.
#
#   tests/e2e/run.sh LINUX_GAME WINDOWS_GAME [WEB_BUILD]
#       e.g. build/linux/maze build/windows/maze.exe build/web
#
# What each check proves, and E2E_KEEP, E2E_UPDATE_REFERENCE and
# E2E_UPDATE_SCREENSHOTS: docs/testing.md. E2E_ONLY="check_paces check_demos"
# runs only those checks of CHECKS below, for each game where a check takes one.
# A game whose file is missing is skipped with a message, and so is a package
# missing beside its game. Prints one line per check and closes with
# "N passed, M failed"; non-zero on a failure.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
for part in lib play demos files pace robustness release matrix; do
    # shellcheck disable=SC1090 # each part in turn
    source "$here/$part.sh"
done

if [ $# -ne 2 ] && [ $# -ne 3 ]; then
    say "usage: $0 LINUX_GAME WINDOWS_GAME [WEB_BUILD]"
    exit 2
fi
absolute() { [ -e "$1" ] && echo "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")" || echo "$1"; }
LINUX_GAME=$(absolute "$1")
WINDOWS_GAME=$(absolute "$2")
WEB_BUILD=${3:+$(absolute "$3")}

# The checks in their order. Those of one game run for each; those across the
# games (the matrix, the pictures and simulators compared) once.
CHECKS=(
    check_play check_close check_fullscreen_refused check_no_bitmap check_fullscreen_granted_where_possible
    update_reference check_reference
    check_demos check_demo_files check_paces check_input
    check_matrix compare_pictures check_simulators
    # A player's mishaps and the packages.
    check_bitmap_sets check_f1_toggles_where_granted check_without_xinput check_package
    update_screenshots
)

run_check() {
    local kind
    case $1 in
        update_reference) [ -z "${E2E_UPDATE_REFERENCE:-}" ] || update_reference ;;
        update_screenshots) [ -z "${E2E_UPDATE_SCREENSHOTS:-}" ] || update_screenshots ;;
        compare_pictures | check_simulators) [ "${#KINDS[@]}" != 2 ] || "$1" ;;
        check_matrix) check_matrix ;;
        *) for kind in "${KINDS[@]}"; do "$1" "$kind"; done ;;
    esac
}

main() {
    local started_at check
    started_at=$(now_ms)
    SCRATCH=$(mktemp -d "${TMPDIR:-/tmp}/maze-e2e.XXXXXX")
    trap cleanup EXIT
    trap 'exit 130' INT TERM
    setup_x
    if [ -f "$LINUX_GAME" ]; then KINDS+=(linux); else say "SKIP  linux: $LINUX_GAME not found"; fi
    if [ ! -f "$WINDOWS_GAME" ]; then
        say "SKIP  windows: $WINDOWS_GAME not found"
    elif setup_wine; then
        KINDS+=(windows)
    else
        fail "windows" "no Wine prefix"
    fi
    for check in ${E2E_ONLY:-${CHECKS[*]}}; do run_check "$check"; done
    say "e2e: $(( ($(now_ms) - started_at) / 1000 )) s"
    echo "$PASSED passed, $FAILED failed"
    [ "$FAILED" = 0 ]
}

main
