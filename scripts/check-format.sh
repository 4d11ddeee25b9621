#!/usr/bin/env bash
# check-format.sh -- check that every tracked C/C++ file is formatted as .clang-format says.
# Prints one line per file that is not, then a summary line; exits 1 if any file is
# not formatted, 2 if clang-format is missing or cannot read .clang-format. Changes nothing: run
# `clang-format -i FILE` to format a file.
# CLANG_FORMAT names the binary (default: clang-format; the settings are for version 14).
set -uo pipefail

cd "$(dirname "$0")/.." || exit 2

CLANG_FORMAT=${CLANG_FORMAT:-clang-format}
# Code kept as its authors wrote it; matched against the path from the top of the tree.
THIRD_PARTY='^(third_party|thirdparty|external|extern|vendor)/'

if ! command -v "$CLANG_FORMAT" >/dev/null 2>&1; then
    echo "check-format: $CLANG_FORMAT not found (scripts/install-deps.sh installs it)" >&2
    exit 2
fi
version=$("$CLANG_FORMAT" --version | sed -n 's/.*version \([0-9]*\).*/\1/p')
if [ "$version" != 14 ]; then
    echo "check-format: warning: $CLANG_FORMAT is version ${version:-unknown}, the settings are for 14" >&2
fi

if ! "$CLANG_FORMAT" --dump-config >/dev/null; then
    echo "check-format: $CLANG_FORMAT cannot read .clang-format" >&2
    exit 2
fi

checked=0
bad=0
while IFS= read -r -d '' file; do
    if [[ "$file" =~ $THIRD_PARTY ]]; then
        continue
    fi
    checked=$((checked + 1))
    if ! out=$("$CLANG_FORMAT" --dry-run --Werror "$file" 2>&1); then
        if [[ "$out" == *clang-format-violations* ]]; then
            echo "not formatted: $file"
        else
            echo "clang-format failed: $file: $(head -n 1 <<<"$out")"
        fi
        bad=$((bad + 1))
    fi
done < <(git ls-files -z -- '*.c' '*.cc' '*.cpp' '*.cxx' '*.h' '*.hh' '*.hpp')

if [ "$bad" -ne 0 ]; then
    echo "check-format: $bad of $checked files not formatted (clang-format -i FILE formats one)"
    exit 1
fi
echo "check-format: all $checked files formatted"
